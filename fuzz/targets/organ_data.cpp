// Fuzz target: the depth-dose program's read of an organ file (Organ-data/<site>.csv).
#include "depthdose/depth_dose_calculation.h"
#include "fuzz/fuzz_input.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  using namespace vorn;
  fuzz::PutInput(std::filesystem::path(pdd::kOrganFolderName) / "Abdomen-F.csv", fuzz::Bytes(data, size));
  for (const Edition edition : {Edition::English, Edition::Japanese}) {
    pdd::DepthDoseCalculation module(edition, fuzz::ScratchFolder());
    module.InSiteName = "Abdomen-F";
    module.InObjectThickness = 20;
    try {
      module.LoadOrganData();
    } catch (const Error&) {
    }
  }
  return 0;
}
