// Fuzz target: the result files (*.csv) as the read dialog previews and reads
// them, in both editions.
#include "fuzz/fuzz_input.h"
#include "platform/errors.h"
#include "results/result_csv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  using namespace vorn;
  const auto path = fuzz::PutInput("results.csv", fuzz::Bytes(data, size));
  try {
    results::ReadResultComment(path);
  } catch (const Error&) {
  }
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    try {
      results::ReadResultTableCsv(path, edition);
    } catch (const Error&) {
    }
  }
  return 0;
}
