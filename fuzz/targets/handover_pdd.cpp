// Fuzz target: the depth-dose program's read of the hand-over file Vorn2PDD.dat.
#include "depthdose/depth_dose_calculation.h"
#include "fuzz/fuzz_input.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  using namespace vorn;
  fuzz::PutInput(pdd::kHandoverFileName, fuzz::Bytes(data, size));
  for (const Edition edition : {Edition::English, Edition::Japanese}) {
    pdd::DepthDoseCalculation module(edition, fuzz::ScratchFolder());
    try {
      module.ReadHandoverFile();
      if (module.HandoverState() != pdd::DepthDoseCalculation::HandoverNow::Unchanged) {
        fuzz::Broken("the hand-over read counts as changed at once");
      }
      // The site name read then names the organ file.
      module.InObjectThickness = 20;
      module.LoadOrganData();
    } catch (const Error&) {
    }
  }
  return 0;
}
