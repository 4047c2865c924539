// Fuzz target: the start-up read of the attenuation table Att_coeff2020.dat.
#include "beam/attenuation_data.h"
#include "fuzz/fuzz_input.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  using namespace vorn;
  fuzz::PutInput(kAttenuationFileName, fuzz::Bytes(data, size));
  try {
    LoadAttenuationData(fuzz::ScratchFolder());
  } catch (const Error&) {
  }
  return 0;
}
