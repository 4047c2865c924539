// Sequential text files: the item reader, whole-line reader, end-of-file test
// and writer that every data and exchange file of the system goes through.
// Readers accept LF and CR LF line ends (a lone CR counts as one too) and skip
// a UTF-8 byte order mark at the start; writers end lines as told.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/errors.h"

namespace vorn {

// The largest file each kind of reader takes in; a larger one is refused
// (FileError, FileFault::TooLarge) before it is read. Both lie far above the
// largest file of their kind that the system ships or writes (114 kB tables;
// result, output-data, material and exchange files of a few kB) and far below
// what would strain memory.
inline constexpr std::uintmax_t kTableFileMaxBytes = std::uintmax_t{4} << 20;  // shipped data tables
inline constexpr std::uintmax_t kUserFileMaxBytes = std::uintmax_t{1} << 20;   // files a user picks

// Reads a text file item by item or line by line.
// Items: a number ends at a comma, blank or line end; blanks (and tabs) before
// an item are skipped, and before a number line ends too; a comma or a line
// end right after an item and its trailing blanks is consumed, so that after
// the last item of a file that ends in a line end Eof() is true. An empty item
// between two commas reads as the number 0. A text item ends at a comma or
// line end, without its trailing blanks; a text item that starts with a
// double quote runs to the closing quote on the same line (the quotes are
// dropped, commas inside are kept).
// Errors throw FileError (cannot open or read, too large) or DataError (input
// past the end of the file, text where a number belongs, a number beyond the
// range of numbers such as 1E999), naming the file and the line.
// The whole file is read at construction; nothing stays open.
class SeqReader {
public:
  // Reads path whole; throws FileError naming the file when it cannot, or when
  // it is larger than maxBytes.
  explicit SeqReader(const std::filesystem::path& path, std::uintmax_t maxBytes = kTableFileMaxBytes);

  double ReadNumber();       // one numeric item
  std::string ReadText();    // one text item
  std::string ReadLine();    // everything up to the line end (Line Input)
  bool Eof();                // true when nothing but the end of file is left

  const std::filesystem::path& path() const { return path_; }
  int line_number() const { return line_; }  // 1-based line of the next read

private:
  bool AtLineEnd() const;
  void ConsumeLineEnd();
  void SkipBlanks();
  void FinishItem();
  [[noreturn]] void Fail(FileFault fault, const std::string& what, const std::string& detail = {}) const;

  std::filesystem::path path_;
  std::string content_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

// Writes a text file (created or replaced) piece by piece.
class SeqWriter {
public:
  // Creates or truncates path; throws FileError naming the file when it cannot.
  explicit SeqWriter(const std::filesystem::path& path);
  ~SeqWriter();
  SeqWriter(const SeqWriter&) = delete;
  SeqWriter& operator=(const SeqWriter&) = delete;

  void Write(std::string_view text);       // text as it stands
  void WriteLine(std::string_view text);   // text then CR LF
  void Close();                            // flushes; throws FileError on failure
                                           // (writing after Close throws too)

private:
  std::filesystem::path path_;
  std::ofstream out_;
  bool closed_ = false;
};

// Replaces target with content in one step: writes a temporary file of a name
// no other writer uses (".<name>.<unique>.part") in the target's folder, puts
// it on the medium (fsync), then renames it over target. Readers, and the
// program after a crash, find the old file or the new one, never a mix: two
// writers at once leave one of them whole. On a failure target is left as it
// was, the temporary file is removed, and FileError names target and the
// reason. Only a kill before the rename can leave the temporary file behind;
// no reader lists or reads such a name.
void WriteFileAtomically(const std::filesystem::path& target, std::string_view content);

// Every line of a text file without its line end (LF, CR LF or CR). A last
// line without a line end is still a line; a file that ends in a line end
// has no empty line after it. Throws FileError when the file cannot be read
// or is larger than maxBytes.
std::vector<std::string> ReadAllLines(const std::filesystem::path& path,
                                      std::uintmax_t maxBytes = kTableFileMaxBytes);

// The first line of a text file without its line end and byte order mark,
// read without reading the rest of the file; at most maxLength bytes of it.
// Throws FileError when the file cannot be read and DataError when it is empty.
std::string ReadFirstLine(const std::filesystem::path& path, std::size_t maxLength);

}  // namespace vorn
