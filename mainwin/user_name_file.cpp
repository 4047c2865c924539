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

RawTextFile ReadKeptNameFileLines(const std::filesystem::path& path, int keptLines)
{
  RawTextFile file = ReadRawTextFile(path);
  if (static_cast<int>(file.lines.size()) < keptLines) {
    throw DataError(path.filename().string() + ": " + std::to_string(file.lines.size()) + " lines, " +
                        std::to_string(keptLines) + " data lines expected before the user name",
                    FileFault::PastEnd, path, static_cast<int>(file.lines.size()) + 1);
  }
  file.lines.resize(static_cast<std::size_t>(keptLines));
  return file;
}

void WriteUserNameFile(const std::filesystem::path& path, RawTextFile keptLines, const std::string& userName)
{
  keptLines.Append(userName);
  WriteFileAtomically(path, keptLines.Bytes());
}

}  // namespace vorn::mainwin
