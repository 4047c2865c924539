// The file that keeps the user name: one line after the data lines of a
// shipped table. The Japanese edition keeps it as line 32 of Primary.dat, the
// English edition as line 302 of dATR.dat.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/files/seqfile.h"
#include "text/edition.h"

namespace vorn::mainwin {

struct UserNameFile {
  const char* fileName;  // in the working folder
  int keptLines;         // data lines before the name
};

UserNameFile UserNameFileOf(Edition edition);

// The first keptLines lines of the name file, which a rewrite keeps, as they
// stand on file (byte order mark and line ends included). Throws FileError
// when it cannot be read and DataError, naming the file, when it holds fewer
// lines: the name never takes the place of a data line.
RawTextFile ReadKeptNameFileLines(const std::filesystem::path& path, int keptLines);

// Replaces the name file with the kept lines, byte for byte, then the name as
// the last line, ended by CR LF (as is a kept last line that had no line
// end). The file is replaced in one step, so a failure leaves it as it was
// (FileError).
void WriteUserNameFile(const std::filesystem::path& path, RawTextFile keptLines, const std::string& userName);

}  // namespace vorn::mainwin
