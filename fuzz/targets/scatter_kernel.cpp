// Fuzz target: the depth-dose program's read of a scatter kernel (PDS-data/E.dat).
#include "depthdose/scatter_kernel.h"
#include "fuzz/fuzz_input.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  using namespace vorn;
  const auto path = fuzz::PutInput(pdd::ScatterKernelPath(50), fuzz::Bytes(data, size));
  static pdd::KernelTable kernel{};  // large: kept off the stack
  try {
    pdd::ReadScatterKernel(path, kernel);
  } catch (const Error&) {
  }
  return 0;
}
