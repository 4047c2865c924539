// The file that keeps the user name: one line after the lines of a data table
// that the programs read. The Japanese edition keeps it as line 32 of
// Primary.dat, the English edition as line 302 of dATR.dat.
#pragma once

#include <filesystem>
#include <string>

#include "text/edition.h"

namespace vorn::mainwin {

struct UserNameFile {
  const char* fileName;  // in the working folder
  int keptLines;         // data lines before the name
};

UserNameFile UserNameFileOf(Edition edition);

// Rewrites the name file: its first keptLines lines unchanged, then the name
// as the last line; every line ends in CR LF and nothing follows the name.
// The file is read whole first and replaced in one step, so a failure leaves
// it as it was. Throws FileError when it cannot be read or written and
// DataError, naming the file, when it holds fewer than keptLines lines.
void RewriteUserNameFile(const std::filesystem::path& path, int keptLines, const std::string& userName);

}  // namespace vorn::mainwin
