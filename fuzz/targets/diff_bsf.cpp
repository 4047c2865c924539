// Fuzz target: the start-up read of the six differential backscatter tables
// (dBSF-*.dat), each given the input.
#include "beam/diff_bsf_data.h"
#include "fuzz/fuzz_input.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  using namespace vorn;
  for (const char* name : kDbsfFileNames) fuzz::PutInput(name, fuzz::Bytes(data, size));
  try {
    LoadDiffBsfTables(fuzz::ScratchFolder());
  } catch (const Error&) {
  }
  return 0;
}
