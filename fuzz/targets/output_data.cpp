// Fuzz target: the output-data reader (vorn_default.op at start-up, any *.op
// the chooser loads). What the editor's writer writes of what was read must
// read again: the writer refuses what it cannot write so.
#include "beam/output_data.h"
#include "fuzz/fuzz_input.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  using namespace vorn;
  const auto path = fuzz::PutInput(kDefaultOutputDataFileName, fuzz::Bytes(data, size));
  OutputData read;
  try {
    read = ReadOutputDataFile(path);
  } catch (const Error&) {
    return 0;
  }
  OutputFilterArray al{}, cu{};
  for (int t = 1; t <= 3; ++t) {
    al[t] = 10.0 * read.OutputFilterAl[t];
    cu[t] = 10.0 * read.OutputFilterCu[t];
  }
  const auto saved = fuzz::ScratchFolder() / "saved.op";
  try {
    WriteOutputDataFile(saved, read.OptionFileHeader, read.OutputTable, al, cu);
  } catch (const DataError&) {
    return 0;  // refused, nothing written: a voltage its pattern cannot show
  } catch (const Error& e) {
    fuzz::Broken(std::string("the output data read cannot be saved: ") + e.what());
  }
  try {
    ReadOutputDataFile(saved);
  } catch (const Error& e) {
    fuzz::Broken(std::string("the output data saved cannot be read back: ") + e.what());
  }
  return 0;
}
