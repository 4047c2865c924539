#include "platform/files/seqfile.h"

#include "platform/errors.h"
#include "platform/format/format.h"

#include <cerrno>
#include <cstring>
#include <iterator>
#include <optional>
#include <system_error>

namespace vorn {
namespace {

namespace fs = std::filesystem;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The reason of the last failed system call, for messages.
std::string SystemReason()
{
  return errno != 0 ? std::string(std::strerror(errno)) : std::string("unknown error");
}

std::string ReadWholeFile(const fs::path& path)
{
  std::error_code ec;
  if (fs::is_directory(path, ec)) throw FileError("cannot open " + path.string() + ": it is a folder");
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) throw FileError("cannot open " + path.string() + ": " + SystemReason());
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw FileError("cannot read " + path.string() + ": " + SystemReason());
  return content;
}

}  // namespace

// ---------------------------------------------------------------- SeqReader

SeqReader::SeqReader(const std::filesystem::path& path)
    : path_(path), content_(ReadWholeFile(path))
{
  if (content_.compare(0, 3, "\xEF\xBB\xBF") == 0) pos_ = 3;
}

bool SeqReader::AtLineEnd() const { return pos_ < content_.size() && IsLineEnd(content_[pos_]); }

void SeqReader::ConsumeLineEnd()
{
  // CR LF, LF or a lone CR: one line end each.
  if (content_[pos_] == '\r' && pos_ + 1 < content_.size() && content_[pos_ + 1] == '\n') ++pos_;
  ++pos_;
  ++line_;
}

void SeqReader::SkipBlanks()
{
  while (pos_ < content_.size() && IsBlank(content_[pos_])) ++pos_;
}

void SeqReader::FinishItem()
{
  SkipBlanks();
  if (pos_ < content_.size() && content_[pos_] == ',') {
    ++pos_;
  } else if (AtLineEnd()) {
    ConsumeLineEnd();
  }
}

void SeqReader::Fail(const std::string& what) const
{
  throw DataError(path_.filename().string() + ", line " + std::to_string(line_) + ": " + what);
}

double SeqReader::ReadNumber()
{
  while (pos_ < content_.size() && (IsBlank(content_[pos_]) || IsLineEnd(content_[pos_]))) {
    if (AtLineEnd()) {
      ConsumeLineEnd();
    } else {
      ++pos_;
    }
  }
  if (pos_ >= content_.size()) Fail("input past end of file");
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
  if (!value) Fail("type mismatch: \"" + std::string(token) + "\" where a number belongs");
  pos_ = end;
  FinishItem();
  return *value;
}

std::string SeqReader::ReadText()
{
  SkipBlanks();
  if (pos_ >= content_.size()) Fail("input past end of file");
  std::string text;
  if (content_[pos_] == '"') {
    ++pos_;
    const std::size_t start = pos_;
    while (pos_ < content_.size() && content_[pos_] != '"' && !IsLineEnd(content_[pos_])) ++pos_;
    text = content_.substr(start, pos_ - start);
    if (pos_ < content_.size() && content_[pos_] == '"') ++pos_;
    // Anything between the closing quote and the next comma or line end
    // belongs to no item.
    while (pos_ < content_.size() && content_[pos_] != ',' && !IsLineEnd(content_[pos_])) ++pos_;
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

std::string SeqReader::ReadLine()
{
  if (pos_ >= content_.size()) Fail("input past end of file");
  const std::size_t start = pos_;
  while (pos_ < content_.size() && !IsLineEnd(content_[pos_])) ++pos_;
  std::string line = content_.substr(start, pos_ - start);
  if (AtLineEnd()) ConsumeLineEnd();
  return line;
}

bool SeqReader::Eof() { return pos_ >= content_.size(); }

// ---------------------------------------------------------------- SeqWriter

SeqWriter::SeqWriter(const std::filesystem::path& path) : path_(path)
{
  std::error_code ec;
  if (fs::is_directory(path, ec)) throw FileError("cannot create " + path.string() + ": it is a folder");
  errno = 0;
  out_.open(path, std::ios::binary | std::ios::trunc);
  if (!out_.is_open()) throw FileError("cannot create " + path.string() + ": " + SystemReason());
}

SeqWriter::~SeqWriter()
{
  if (!closed_) out_.close();  // quietly: an error here has nobody to tell
}

void SeqWriter::Write(std::string_view text)
{
  if (closed_) throw FileError("cannot write " + path_.string() + ": the file is closed");
  out_.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!out_) throw FileError("cannot write " + path_.string());
}

void SeqWriter::WriteLine(std::string_view text)
{
  Write(text);
  Write("\r\n");
}

void SeqWriter::Close()
{
  if (closed_) return;
  closed_ = true;
  errno = 0;
  out_.flush();
  const bool flushed = out_.good();
  out_.close();
  if (!flushed || out_.fail()) throw FileError("cannot write " + path_.string() + ": " + SystemReason());
}

// ---------------------------------------------------------------- whole files

void WriteFileAtomically(const std::filesystem::path& target, std::string_view content)
{
  fs::path part = target;
  part += ".part";
  std::error_code ec;
  if (fs::is_directory(part, ec)) {
    throw FileError("cannot write " + target.string() + ": " + part.filename().string() +
                    " is a folder");
  }
  {
    errno = 0;
    std::ofstream out(part, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) throw FileError("cannot write " + target.string() + ": " + SystemReason());
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    const bool written = out.good();
    out.close();
    if (!written || out.fail()) {
      const std::string reason = SystemReason();
      fs::remove(part, ec);
      throw FileError("cannot write " + target.string() + ": " + reason);
    }
  }
  // On one file system a rename replaces the target in one step: a reader
  // sees the old file or the new one, never half of either.
  fs::rename(part, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(part, ignored);
    throw FileError("cannot write " + target.string() + ": " + ec.message());
  }
}

std::vector<std::string> ReadAllLines(const std::filesystem::path& path)
{
  SeqReader reader(path);
  std::vector<std::string> lines;
  while (!reader.Eof()) lines.push_back(reader.ReadLine());
  return lines;
}

}  // namespace vorn
