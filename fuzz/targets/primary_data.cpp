// Fuzz target: the depth-dose program's read of the data lines of
// Primary.dat (with the shipped ICRUSoft.dat beside it).
#include "depthdose/depth_dose_calculation.h"
#include "fuzz/fuzz_input.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  using namespace vorn;
  static const std::string attenuation = fuzz::ShippedData(pdd::kAttenuationFileName);
  fuzz::PutInput(pdd::kAttenuationFileName, attenuation);
  fuzz::PutInput(pdd::kPrimaryFileName, fuzz::Bytes(data, size));
  pdd::DepthDoseCalculation module(Edition::English, fuzz::ScratchFolder());
  try {
    module.LoadAttenuationData();
  } catch (const Error&) {
  }
  return 0;
}
