// Sequential text files: the item reader, whole-line reader, end-of-file test
// and writer that every data and exchange file of the system goes through.
// Readers accept LF and CR LF line ends (a lone CR counts as one too) and skip
// a UTF-8 byte order mark at the start; writers end lines as told.
#pragma once

#include <chrono>
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

// What a system error number (errno) says of a file, or otherwise.
FileFault FileFaultOf(int error, FileFault otherwise);

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
  // Reads path whole (ReadFileBytes); throws FileError naming the file when
  // it cannot, when it is no ordinary file, or when it is larger than maxBytes.
  explicit SeqReader(const std::filesystem::path& path, std::uintmax_t maxBytes = kTableFileMaxBytes);
  // Reads bytes already read from path (messages name path).
  struct Content {};
  SeqReader(const std::filesystem::path& path, std::string content, Content);

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

// The whole of an ordinary file, read no further than maxBytes: a pipe, a
// device or a socket at the name is refused before anything is read (and the
// open never waits for a pipe's writer), a folder likewise; a file larger
// than maxBytes, or one that grows beyond it while it is read, is refused.
// Throws FileError naming the file.
std::string ReadFileBytes(const std::filesystem::path& path, std::uintmax_t maxBytes);

// Replaces target with content in one step: writes a temporary file of a name
// no other writer uses (".<name>.<pid>-<unique>.part") in the target's folder,
// puts it on the medium (fsync), then renames it over target. Readers, and
// the program after a crash, find the old file or the new one, never a mix:
// two writers at once leave one of them whole.
// What stays as it was: a symbolic link at target stays a link and the file
// it leads to is replaced (a link of another user is refused); the replaced
// file's mode, owner and group go to the new file.
// Refused with FileError naming target, the file unchanged: a folder, pipe or
// device at target; a write-protected file (no write permission for the
// saver, or none for anybody); another user's file, where the saver cannot
// give the new file to its owner (only the administrator can). On any failure
// target is left as it was and the temporary file is removed. Only a kill
// before the rename can leave the temporary file behind; no reader lists or
// reads such a name, and RemoveStaleTemporaryFiles clears them.
void WriteFileAtomically(const std::filesystem::path& target, std::string_view content);

// Whether a name is a name and not a path: not empty, not "." or "..", and
// without a folder separator ("/", or the backslash of the other system) or a NUL.
// Names that come from a file or a user (a site name) pass this before a
// path is made of them, so that no such path leads out of its folder.
bool IsPlainName(std::string_view name);

// Whether a file name is one that WriteFileAtomically gives its temporary files.
bool IsTemporaryFileName(std::string_view name);

// Removes the temporary files of saves that were killed before they ended:
// the ordinary files of folder whose names IsTemporaryFileName recognises and
// that were last written at least minAge ago (a save under way is younger).
// Nothing else is touched; a file that cannot be removed is left. Returns how
// many were removed.
int RemoveStaleTemporaryFiles(const std::filesystem::path& folder, std::chrono::seconds minAge);

// A text file's bytes as lines, so that a rewrite of some of its lines keeps
// every other byte: the byte order mark before the first line, and each
// line's own line end (CR LF, LF, CR, or none at the end of the file).
struct RawTextFile {
  struct Line {
    std::string text;
    std::string end;
  };
  std::string byteOrderMark;  // empty, or the UTF-8 mark the file starts with
  std::vector<Line> lines;

  // The file's bytes. Where lines were taken out, what is left reads back as
  // the same lines: a first line that starts with a mark gets one in front of
  // it, and a lone CR before an empty line ending in LF becomes a CR LF.
  std::string Bytes() const;
  // A new last line ending in CR LF; a last line without a line end gets one.
  void Append(std::string text);
};
RawTextFile ReadRawTextFile(const std::filesystem::path& path, std::uintmax_t maxBytes = kTableFileMaxBytes);

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
