// Items of a result file: the sequential item rules of the system's data files
// (blanks before an item skipped, items ended by a comma or a line end, a
// number also by a blank, a text without its trailing blanks), with quoted
// text items as spreadsheets write them: "a, b" and "say ""cheese""" read as
// a, b and say "cheese". A quoted item does not run over a line end.
//
//   CsvItemReader in(text, "results.csv");
//   const std::string comment = in.ReadLine();
//   const double n = in.ReadNumber();
//
// Errors throw DataError naming the file and the line.
#pragma once

#include <string>
#include <string_view>

namespace vorn::results {

class CsvItemReader {
public:
  // `content` is the whole file; `name` names it in messages.
  CsvItemReader(std::string content, std::string name);

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
  [[noreturn]] void Fail(const std::string& what) const;

  std::string content_;
  std::string name_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

// A text cell as the file holds it: unchanged unless it holds a comma or
// starts with a double quote, which only a quoted item can carry.
std::string CsvTextCell(std::string_view text);

}  // namespace vorn::results
