// Run-time errors of the system. Each carries a message that names the file
// or quantity involved; the window that started the work decides how to tell
// the user (an error trap is a try/catch around the same steps).
//
// An error about one file also says which file, which line and what went
// wrong as data (fault, file, line, detail), so that a window can say it in
// its edition's language and name the file as the user knows it; what()
// stays an English sentence for logs and the command-line programs.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace vorn {

enum class FileFault {
  None,         // not about one file: the message says it all
  NotFound,     // the file or its folder does not exist
  Denied,       // no permission, or a read-only folder or medium
  IsFolder,     // a folder stands where the file belongs
  DiskFull,     // no room left on the medium
  TooLarge,     // larger than any file of its kind
  ReadFailed,   // another failure while opening or reading
  WriteFailed,  // another failure while creating or writing
  PastEnd,      // the file ends before all its items were read
  NotANumber,   // text where a number belongs (detail: the text)
  NotFinite,    // a number beyond the range of numbers (detail: the text)
  Malformed,    // breaks its layout in another way (detail: how, in English)
  NotStarted,   // a program could not be started (file: the program)
  PrintFailed,  // the document could not be printed
  BadName,      // a name no file may have (a "/" in it)
  NotRegular,   // a pipe, device or socket stands where the file belongs
  WriteProtected,  // the file may not be written (no write permission on it)
  OtherOwner,   // the file, or a link to it, belongs to another user
};

class Error : public std::runtime_error {
public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
  Error(const std::string& message, FileFault fault, std::filesystem::path file, int line = 0,
        std::string detail = {})
      : std::runtime_error(message), fault_(fault), file_(std::move(file)), line_(line), detail_(std::move(detail))
  {
  }

  FileFault fault() const { return fault_; }
  const std::filesystem::path& file() const { return file_; }
  int line() const { return line_; }  // 1-based; 0 when no line is meant
  const std::string& detail() const { return detail_; }

private:
  FileFault fault_ = FileFault::None;
  std::filesystem::path file_;
  int line_ = 0;
  std::string detail_;
};

// A file could not be opened, created, read or written.
class FileError : public Error {
public:
  using Error::Error;
};

// A data file was opened but its content is short or malformed.
class DataError : public Error {
public:
  using Error::Error;
};

// A computation met a condition it cannot continue from (a division by zero,
// a subscript beyond a table, a value outside the model's range).
class CalcError : public Error {
public:
  using Error::Error;
};

// The start of a text as a message quotes it: a bad item of a file may be a
// megabyte long, and a message box of that size takes seconds to lay out and
// helps nobody. At most maxBytes bytes, cut where a UTF-8 character begins,
// then "…" when something was cut.
inline constexpr std::size_t kQuotedTextMaxBytes = 64;
inline std::string ShortStart(std::string_view text, std::size_t maxBytes = kQuotedTextMaxBytes)
{
  if (text.size() <= maxBytes) return std::string(text);
  std::size_t keep = maxBytes;
  while (keep > 0 && (static_cast<unsigned char>(text[keep]) & 0xC0) == 0x80) --keep;
  return std::string(text.substr(0, keep)) + "\u2026";
}

// "<file name>[, line N]: <what>", the English form of a file's place.
inline std::string FilePlaceText(const std::filesystem::path& file, int line)
{
  std::string text = file.filename().string();
  if (line > 0) text += ", line " + std::to_string(line);
  return text;
}

// A file's content breaks its layout in a way the reader describes.
inline DataError MalformedFile(const std::filesystem::path& file, int line, const std::string& how)
{
  return DataError(FilePlaceText(file, line) + ": " + how, FileFault::Malformed, file, line, how);
}

}  // namespace vorn
