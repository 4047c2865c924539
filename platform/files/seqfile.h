// Sequential text files: the item reader, whole-line reader, end-of-file test
// and writer that every data and exchange file of the system goes through.
// Readers accept LF and CR LF line ends; writers end lines as told.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace vorn {

// Reads a text file item by item or line by line.
// Items: a number ends at a comma, blank or line end; blanks (and tabs) before
// an item are skipped; a comma right after an item and its trailing blanks is
// consumed. A text item ends at a comma or line end; a text item that starts
// with a double quote runs to the closing quote (the quotes are dropped).
// Errors throw FileError (cannot open) or DataError (input past the end of
// the file, text where a number belongs), naming the file and the line.
class SeqReader {
public:
  // Opens path for input; throws FileError naming the file when it cannot.
  explicit SeqReader(const std::filesystem::path& path);

  double ReadNumber();       // one numeric item
  std::string ReadText();    // one text item
  std::string ReadLine();    // everything up to the line end (Line Input)
  bool Eof();                // true when nothing but the end of file is left

  const std::filesystem::path& path() const { return path_; }
  int line_number() const { return line_; }  // 1-based line of the next read

private:
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

private:
  std::filesystem::path path_;
  std::ofstream out_;
  bool closed_ = false;
};

}  // namespace vorn
