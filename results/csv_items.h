// Items of a result file: the sequential item rules of the system's data files
// (blanks before an item skipped, items ended by a comma or a line end, a
// number also by a blank, a text without its trailing blanks), with quoted
// text items as spreadsheets write them: "a, b" and "say ""cheese""" read as
// a, b and say "cheese". A quoted item does not run over a line end.
//
//   CsvItemReader in(text, folder / "results.csv");
//   const std::string comment = in.ReadLine();
//   const double n = in.ReadNumber();
//
// Errors throw DataError naming the file and the line (and what went wrong as
// a FileFault, so that a window can tell it in its edition's words).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/errors.h"

namespace vorn::results {

class CsvItemReader {
public:
  // `content` is the whole file; `file` names it in messages.
  CsvItemReader(std::string content, std::filesystem::path file);

  std::string ReadLine();    // everything up to the line end
  double ReadNumber();       // one numeric item; an empty item reads as 0
  std::string ReadText();    // one text item, unquoted
  // True when only blanks and line ends are left.
  bool AtEnd() const;
  int line_number() const { return line_; }

private:
  bool AtLineEnd() const;
  void ConsumeLineEnd();
  void SkipBlanks();
  void FinishItem();
  [[noreturn]] void Fail(const std::string& what, FileFault fault, const std::string& detail = {}) const;

  std::string content_;
  std::filesystem::path file_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

// A text cell as the file holds it: unchanged unless it holds a comma or
// starts with a double quote, which only a quoted item can carry.
std::string CsvTextCell(std::string_view text);

}  // namespace vorn::results
