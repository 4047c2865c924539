// Fuzz target: the main program's read of the backscatter result resultBSF.txt.
#include "beam/curved_surface.h"
#include "fuzz/fuzz_input.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  using namespace vorn;
  const auto path = fuzz::PutInput("resultBSF.txt", fuzz::Bytes(data, size));
  try {
    ReadBackscatterResult(path);
  } catch (const Error&) {
  }
  return 0;
}
