// Fuzz target: the name file (Primary.dat, line 32; dATR.dat, line 302 in the
// English edition) as the name dialogs read and rewrite it. The rewrite keeps
// every byte of the kept lines, and the name reads back as the last line.
#include "fuzz/fuzz_input.h"
#include "mainwin/user_name_file.h"
#include "platform/errors.h"
#include "platform/files/seqfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  using namespace vorn;
  const std::string_view input = fuzz::Bytes(data, size);
  const auto path = fuzz::PutInput("Primary.dat", input);
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    const mainwin::UserNameFile file = mainwin::UserNameFileOf(edition);
    RawTextFile kept;
    try {
      kept = mainwin::ReadKeptNameFileLines(path, file.keptLines);
    } catch (const Error&) {
      continue;
    }
    const std::string keptBytes = kept.Bytes();
    if (input.substr(0, keptBytes.size()) != keptBytes) fuzz::Broken("the kept lines are not the file's own bytes");
    const auto rewritten = fuzz::ScratchFolder() / "rewritten.dat";
    try {
      mainwin::WriteUserNameFile(rewritten, kept, "Tester");
      const std::vector<std::string> lines = ReadAllLines(rewritten);
      if (lines.size() != static_cast<std::size_t>(file.keptLines) + 1 || lines.back() != "Tester") {
        fuzz::Broken("the name is not the line after the kept lines");
      }
    } catch (const Error& e) {
      fuzz::Broken(std::string("the rewritten name file cannot be read: ") + e.what());
    }
  }
  return 0;
}
