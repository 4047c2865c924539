#include "platform/files/seqfile.h"

#include "platform/errors.h"
#include "platform/format/format.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <new>
#include <optional>
#include <random>
#include <system_error>

namespace vorn {
namespace {

namespace fs = std::filesystem;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The reason of a failed system call, for messages.
std::string SystemReason(int error)
{
  return error != 0 ? std::string(std::strerror(error)) : std::string("unknown error");
}

FileFault FaultOf(int error, FileFault otherwise)
{
  switch (error) {
    case ENOENT:
    case ENOTDIR: return FileFault::NotFound;
    case EACCES:
    case EPERM:
    case EROFS: return FileFault::Denied;
    case EISDIR: return FileFault::IsFolder;
    case ENOSPC:
    case EDQUOT: return FileFault::DiskFull;
    default: return otherwise;
  }
}

[[noreturn]] void ThrowSystemError(const std::string& verb, const fs::path& path, int error, FileFault otherwise)
{
  throw FileError(verb + " " + path.string() + ": " + SystemReason(error), FaultOf(error, otherwise), path);
}

[[noreturn]] void ThrowTooLarge(const fs::path& path, std::uintmax_t maxBytes)
{
  throw FileError("cannot read " + path.string() + ": larger than " + std::to_string(maxBytes >> 10) +
                      " kB, the most a file of its kind may hold",
                  FileFault::TooLarge, path);
}

// A file descriptor that closes itself.
class Descriptor {
public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor()
  {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  Descriptor& operator=(Descriptor&&) = delete;
  int get() const { return fd_; }
  // Closes now and reports whether the close succeeded (a late write error
  // of some file systems shows only here).
  bool Close()
  {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

private:
  int fd_;
};

Descriptor OpenForReading(const fs::path& path)
{
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    throw FileError("cannot open " + path.string() + ": it is a folder", FileFault::IsFolder, path);
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) ThrowSystemError("cannot open", path, errno, FileFault::ReadFailed);
  return Descriptor(fd);
}

// Up to `limit` bytes from fd (fewer at the end of the file); error is the
// errno of a failed read, 0 when none failed.
std::string ReadUpTo(int fd, std::size_t limit, int& error)
{
  std::string content;
  char buffer[65536];
  error = 0;
  while (content.size() < limit) {
    const std::size_t want = std::min(sizeof buffer, limit - content.size());
    const ssize_t got = ::read(fd, buffer, want);
    if (got < 0) {
      if (errno == EINTR) continue;
      error = errno;
      break;
    }
    if (got == 0) break;
    content.append(buffer, static_cast<std::size_t>(got));
  }
  return content;
}

std::string ReadWholeFile(const fs::path& path, std::uintmax_t maxBytes)
{
  Descriptor fd = OpenForReading(path);
  struct stat info {};
  if (::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode) &&
      static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
    ThrowTooLarge(path, maxBytes);
  }
  // A file that grows, or is no regular file, is still read no further than
  // one byte beyond the limit.
  int error = 0;
  std::string content;
  try {
    content = ReadUpTo(fd.get(), static_cast<std::size_t>(maxBytes) + 1, error);
  } catch (const std::bad_alloc&) {
    throw FileError("cannot read " + path.string() + ": not enough memory", FileFault::TooLarge, path);
  }
  if (error != 0) ThrowSystemError("cannot read", path, error, FileFault::ReadFailed);
  if (content.size() > maxBytes) ThrowTooLarge(path, maxBytes);
  return content;
}

}  // namespace

// ---------------------------------------------------------------- SeqReader

SeqReader::SeqReader(const std::filesystem::path& path, std::uintmax_t maxBytes)
    : path_(path), content_(ReadWholeFile(path, maxBytes))
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

void SeqReader::Fail(FileFault fault, const std::string& what, const std::string& detail) const
{
  throw DataError(FilePlaceText(path_, line_) + ": " + what, fault, path_, line_, detail);
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
  if (pos_ >= content_.size()) Fail(FileFault::PastEnd, "input past end of file");
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
  if (!value) Fail(FileFault::NotANumber, "type mismatch: \"" + std::string(token) + "\" where a number belongs", std::string(token));
  // 1E999 reads as infinity: no table holds such a value, and every
  // calculation with it would fail far from the file that caused it.
  if (!std::isfinite(*value)) {
    Fail(FileFault::NotFinite, "\"" + std::string(token) + "\" is beyond the range of numbers", std::string(token));
  }
  pos_ = end;
  FinishItem();
  return *value;
}

std::string SeqReader::ReadText()
{
  SkipBlanks();
  if (pos_ >= content_.size()) Fail(FileFault::PastEnd, "input past end of file");
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
  if (pos_ >= content_.size()) Fail(FileFault::PastEnd, "input past end of file");
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
  if (fs::is_directory(path, ec)) {
    throw FileError("cannot create " + path.string() + ": it is a folder", FileFault::IsFolder, path);
  }
  errno = 0;
  out_.open(path, std::ios::binary | std::ios::trunc);
  if (!out_.is_open()) ThrowSystemError("cannot create", path, errno, FileFault::WriteFailed);
}

SeqWriter::~SeqWriter()
{
  if (!closed_) out_.close();  // quietly: an error here has nobody to tell
}

void SeqWriter::Write(std::string_view text)
{
  if (closed_) {
    throw FileError("cannot write " + path_.string() + ": the file is closed", FileFault::WriteFailed, path_);
  }
  errno = 0;
  out_.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!out_) ThrowSystemError("cannot write", path_, errno, FileFault::WriteFailed);
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
  if (!flushed || out_.fail()) ThrowSystemError("cannot write", path_, errno, FileFault::WriteFailed);
}

// ---------------------------------------------------------------- whole files

namespace {

// The temporary name of one save: hidden, in the target's folder (a rename
// replaces in one step only within one file system), unique to this process
// and this call, and ending in ".part" so that no reader's pattern lists it.
fs::path TemporaryNameFor(const fs::path& target, std::uint64_t unique)
{
  std::string stem = target.filename().string();
  // Keep within the 255 bytes a file name may have, cut on a character boundary.
  std::size_t keep = std::min<std::size_t>(stem.size(), 160);
  while (keep > 0 && keep < stem.size() && (static_cast<unsigned char>(stem[keep]) & 0xC0) == 0x80) --keep;
  stem.resize(keep);
  char suffix[48];
  std::snprintf(suffix, sizeof suffix, ".%ld-%016llx.part", static_cast<long>(::getpid()),
                static_cast<unsigned long long>(unique));
  return target.parent_path() / ("." + stem + suffix);
}

bool WriteAll(int fd, std::string_view content)
{
  while (!content.empty()) {
    const ssize_t put = ::write(fd, content.data(), content.size());
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

}  // namespace

void WriteFileAtomically(const std::filesystem::path& target, std::string_view content)
{
  std::error_code ec;
  if (fs::is_directory(target, ec)) {
    throw FileError("cannot write " + target.string() + ": it is a folder", FileFault::IsFolder, target);
  }
  std::random_device entropy;
  fs::path part;
  int fd = -1;
  for (int attempt = 0; fd < 0; ++attempt) {
    const std::uint64_t unique = (std::uint64_t{entropy()} << 32) ^ entropy();
    part = TemporaryNameFor(target, unique);
    // 0666 less the umask, as any newly created file; O_EXCL: never another writer's file.
    fd = ::open(part.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || attempt == 20)) {
      ThrowSystemError("cannot write", target, errno, FileFault::WriteFailed);
    }
  }
  Descriptor out(fd);
  auto fail = [&](int error) {
    std::error_code ignored;
    fs::remove(part, ignored);
    ThrowSystemError("cannot write", target, error, FileFault::WriteFailed);
  };
  // On the medium before the rename: after a crash the name points to the
  // whole new content or to the old file, never to a file still empty.
  if (!WriteAll(out.get(), content) || ::fsync(out.get()) != 0) fail(errno);
  if (!out.Close()) fail(errno);
  // On one file system a rename replaces the target in one step: a reader
  // sees the old file or the new one, never half of either.
  if (::rename(part.c_str(), target.c_str()) != 0) fail(errno);
  // The rename itself on the medium too; a folder that cannot be synced
  // (some network file systems) still holds the new file.
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
}

std::vector<std::string> ReadAllLines(const std::filesystem::path& path, std::uintmax_t maxBytes)
{
  SeqReader reader(path, maxBytes);
  std::vector<std::string> lines;
  while (!reader.Eof()) lines.push_back(reader.ReadLine());
  return lines;
}

std::string ReadFirstLine(const std::filesystem::path& path, std::size_t maxLength)
{
  Descriptor fd = OpenForReading(path);
  // Piece by piece until the first line end: the rest of the file is never
  // read. The byte order mark may come before maxLength bytes of text.
  std::string text;
  while (text.size() < maxLength + 3 && text.find_first_of("\r\n") == std::string::npos) {
    int error = 0;
    const std::string piece = ReadUpTo(fd.get(), std::min<std::size_t>(4096, maxLength + 3 - text.size()), error);
    if (error != 0) ThrowSystemError("cannot read", path, error, FileFault::ReadFailed);
    if (piece.empty()) break;
    text += piece;
  }
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
  if (text.empty()) throw DataError(FilePlaceText(path, 1) + ": input past end of file", FileFault::PastEnd, path, 1);
  const std::size_t end = text.find_first_of("\r\n");
  if (end != std::string::npos) text.resize(end);
  if (text.size() > maxLength) text.resize(maxLength);
  return text;
}

}  // namespace vorn
