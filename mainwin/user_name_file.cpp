#include "mainwin/user_name_file.h"

#include "beam/atr_data.h"
#include "mainwin/working_files.h"
#include "platform/errors.h"
#include "platform/files/seqfile.h"

namespace vorn::mainwin {

UserNameFile UserNameFileOf(Edition edition)
{
  return edition == Edition::Japanese ? UserNameFile{kPrimaryFileName, kPrimaryDataLines}
                                      : UserNameFile{kAtrFileName, kAtrDataLines};
}

std::vector<std::string> ReadKeptNameFileLines(const std::filesystem::path& path, int keptLines)
{
  std::vector<std::string> lines = ReadAllLines(path);
  if (static_cast<int>(lines.size()) < keptLines) {
    throw DataError(path.filename().string() + ": " + std::to_string(lines.size()) + " lines, " +
                        std::to_string(keptLines) + " data lines expected before the user name",
                    FileFault::PastEnd, path, static_cast<int>(lines.size()) + 1);
  }
  lines.resize(static_cast<std::size_t>(keptLines));
  return lines;
}

void WriteUserNameFile(const std::filesystem::path& path, const std::vector<std::string>& keptLines,
                       const std::string& userName)
{
  std::string text;
  for (const std::string& line : keptLines) text += line + "\r\n";
  text += userName + "\r\n";
  WriteFileAtomically(path, text);
}

}  // namespace vorn::mainwin
