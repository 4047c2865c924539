// Fuzz target: the main program's read of the effective-dose file Eff-Dose.dat.
#include "fuzz/fuzz_input.h"
#include "mainwin/handover.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  using namespace vorn;
  const auto path = fuzz::PutInput("Eff-Dose.dat", fuzz::Bytes(data, size));
  try {
    mainwin::IsEffectiveDose(mainwin::ReadEffectiveDoseFile(path));
  } catch (const Error&) {
  }
  return 0;
}
