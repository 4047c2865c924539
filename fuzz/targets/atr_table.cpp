// Fuzz target: the start-up read of the ATR table dATR.dat (Japanese edition).
#include "beam/atr_data.h"
#include "fuzz/fuzz_input.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  using namespace vorn;
  fuzz::PutInput(kAtrFileName, fuzz::Bytes(data, size));
  try {
    LoadAtrData(fuzz::ScratchFolder());
  } catch (const Error&) {
  }
  return 0;
}
