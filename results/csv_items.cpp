#include "results/csv_items.h"

#include <optional>

#include "platform/errors.h"
#include "platform/format/format.h"

namespace vorn::results {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

CsvItemReader::CsvItemReader(std::string content, std::filesystem::path file)
    : content_(std::move(content)), file_(std::move(file))
{
  if (content_.compare(0, 3, "\xEF\xBB\xBF") == 0) pos_ = 3;  // a byte order mark
}

bool CsvItemReader::AtLineEnd() const { return pos_ < content_.size() && IsLineEnd(content_[pos_]); }

void CsvItemReader::ConsumeLineEnd()
{
  if (content_[pos_] == '\r' && pos_ + 1 < content_.size() && content_[pos_ + 1] == '\n') ++pos_;
  ++pos_;
  ++line_;
}

void CsvItemReader::SkipBlanks()
{
  while (pos_ < content_.size() && IsBlank(content_[pos_])) ++pos_;
}

void CsvItemReader::FinishItem()
{
  SkipBlanks();
  if (pos_ < content_.size() && content_[pos_] == ',') {
    ++pos_;
  } else if (AtLineEnd()) {
    ConsumeLineEnd();
  }
}

void CsvItemReader::Fail(const std::string& what, FileFault fault, const std::string& detail) const
{
  throw DataError(file_.filename().string() + ", line " + std::to_string(line_) + ": " + what, fault, file_, line_,
                  detail.empty() ? what : detail);
}

std::string CsvItemReader::ReadLine()
{
  if (pos_ >= content_.size()) Fail("input past end of file", FileFault::PastEnd);
  const std::size_t start = pos_;
  while (pos_ < content_.size() && !IsLineEnd(content_[pos_])) ++pos_;
  std::string line = content_.substr(start, pos_ - start);
  if (AtLineEnd()) ConsumeLineEnd();
  return line;
}

double CsvItemReader::ReadNumber()
{
  while (pos_ < content_.size() && (IsBlank(content_[pos_]) || IsLineEnd(content_[pos_]))) {
    if (AtLineEnd()) {
      ConsumeLineEnd();
    } else {
      ++pos_;
    }
  }
  if (pos_ >= content_.size()) Fail("input past end of file", FileFault::PastEnd);
  if (content_[pos_] == ',') {  // an empty item
    ++pos_;
    return 0.0;
  }
  std::size_t end = pos_;
  while (end < content_.size() && content_[end] != ',' && !IsBlank(content_[end]) &&
         !IsLineEnd(content_[end])) {
    ++end;
  }
  const std::string_view token(content_.data() + pos_, end - pos_);
  const std::optional<double> value = ParseNumber(token);
  if (!value) {
    const std::string quoted = ShortStart(token);
    Fail("\"" + quoted + "\" where a number belongs", FileFault::NotANumber, quoted);
  }
  pos_ = end;
  FinishItem();
  return *value;
}

std::string CsvItemReader::ReadText()
{
  SkipBlanks();
  if (pos_ >= content_.size()) Fail("input past end of file", FileFault::PastEnd);
  std::string text;
  if (content_[pos_] == '"') {
    ++pos_;
    for (;;) {
      if (pos_ >= content_.size() || IsLineEnd(content_[pos_])) {
        Fail("a quoted text without its closing quote", FileFault::Malformed);
      }
      if (content_[pos_] == '"') {
        if (pos_ + 1 < content_.size() && content_[pos_ + 1] == '"') {
          text += '"';
          pos_ += 2;
          continue;
        }
        ++pos_;
        break;
      }
      text += content_[pos_++];
    }
    SkipBlanks();
    if (pos_ < content_.size() && content_[pos_] != ',' && !IsLineEnd(content_[pos_])) {
      Fail("text after a closing quote", FileFault::Malformed);
    }
  } else {
    const std::size_t start = pos_;
    while (pos_ < content_.size() && content_[pos_] != ',' && !IsLineEnd(content_[pos_])) ++pos_;
    std::size_t end = pos_;
    while (end > start && IsBlank(content_[end - 1])) --end;
    text = content_.substr(start, end - start);
  }
  FinishItem();
  return text;
}

bool CsvItemReader::AtEnd() const
{
  for (std::size_t i = pos_; i < content_.size(); ++i) {
    if (!IsBlank(content_[i]) && !IsLineEnd(content_[i])) return false;
  }
  return true;
}

std::string CsvTextCell(std::string_view text)
{
  // A line break would split the row; the boxes the texts come from hold one line.
  std::string cell;
  cell.reserve(text.size());
  for (const char c : text) cell += IsLineEnd(c) ? ' ' : c;
  // The reader skips blanks before an item, so a quote after them opens a quoted item too.
  const std::size_t first = cell.find_first_not_of(" \t");
  const bool opensQuote = first != std::string::npos && cell[first] == '"';
  if (cell.find(',') == std::string::npos && !opensQuote) return cell;
  std::string quoted = "\"";
  for (const char c : cell) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

}  // namespace vorn::results
