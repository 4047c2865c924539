#include "mainwin/user_name_file.h"

#include <vector>

#include "platform/errors.h"
#include "platform/files/seqfile.h"

namespace vorn::mainwin {

UserNameFile UserNameFileOf(Edition edition)
{
  return edition == Edition::Japanese ? UserNameFile{"Primary.dat", 31} : UserNameFile{"dATR.dat", 301};
}

void RewriteUserNameFile(const std::filesystem::path& path, int keptLines, const std::string& userName)
{
  const std::vector<std::string> lines = ReadAllLines(path);
  if (static_cast<int>(lines.size()) < keptLines) {
    // A short file has lost data lines the programs need: never add the name
    // in their place.
    throw DataError(path.filename().string() + ": " + std::to_string(lines.size()) + " lines, " +
                    std::to_string(keptLines) + " data lines expected before the user name");
  }
  std::string text;
  for (int i = 0; i < keptLines; ++i) text += lines[static_cast<std::size_t>(i)] + "\r\n";
  text += userName + "\r\n";
  WriteFileAtomically(path, text);
}

}  // namespace vorn::mainwin
