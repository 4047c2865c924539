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
#include <ctime>
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

[[noreturn]] void ThrowNotRegular(const fs::path& path, const char* verb)
{
  throw FileError(std::string(verb) + " " + path.string() + ": not an ordinary file (a pipe, device or socket)",
                  FileFault::NotRegular, path);
}

// Opens a file for reading only when it is an ordinary file. A pipe at the
// name would block the open until a writer comes, and a link to a device
// such as /dev/zero would never end: both are refused before any byte is
// read, and the open itself never waits (O_NONBLOCK).
Descriptor OpenForReading(const fs::path& path)
{
  struct stat named {};
  if (::stat(path.c_str(), &named) == 0) {
    if (S_ISDIR(named.st_mode)) {
      throw FileError("cannot open " + path.string() + ": it is a folder", FileFault::IsFolder, path);
    }
    if (!S_ISREG(named.st_mode)) ThrowNotRegular(path, "cannot open");
  }
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) ThrowSystemError("cannot open", path, errno, FileFault::ReadFailed);
  // What was opened, not what the name showed a moment before.
  struct stat opened {};
  if (::fstat(fd.get(), &opened) != 0) ThrowSystemError("cannot open", path, errno, FileFault::ReadFailed);
  if (S_ISDIR(opened.st_mode)) {
    throw FileError("cannot open " + path.string() + ": it is a folder", FileFault::IsFolder, path);
  }
  if (!S_ISREG(opened.st_mode)) ThrowNotRegular(path, "cannot open");
  const int flags = ::fcntl(fd.get(), F_GETFL);
  if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
  return fd;
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

}  // namespace

FileFault FileFaultOf(int error, FileFault otherwise) { return FaultOf(error, otherwise); }

std::string ReadFileBytes(const std::filesystem::path& path, std::uintmax_t maxBytes)
{
  Descriptor fd = OpenForReading(path);
  struct stat info {};
  if (::fstat(fd.get(), &info) == 0 && static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
    ThrowTooLarge(path, maxBytes);
  }
  // A file that grows while it is read is still read no further than one
  // byte beyond the limit.
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

// ---------------------------------------------------------------- SeqReader

SeqReader::SeqReader(const std::filesystem::path& path, std::uintmax_t maxBytes)
    : SeqReader(path, ReadFileBytes(path, maxBytes), Content{})
{
}

SeqReader::SeqReader(const std::filesystem::path& path, std::string content, Content)
    : path_(path), content_(std::move(content))
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
  if (!value) {
    const std::string quoted = ShortStart(token);
    Fail(FileFault::NotANumber, "type mismatch: \"" + quoted + "\" where a number belongs", quoted);
  }
  // 1E999 reads as infinity: no table holds such a value, and every
  // calculation with it would fail far from the file that caused it.
  if (!std::isfinite(*value)) {
    const std::string quoted = ShortStart(token);
    Fail(FileFault::NotFinite, "\"" + quoted + "\" is beyond the range of numbers", quoted);
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

// The file a save of `target` replaces: target itself, or, where target is a
// symbolic link, the file the link leads to (so that the link stays a link).
// A link is followed only when it belongs to the saver or to the owner of the
// folder it lies in, as the system does in shared folders: a link another
// user put into a shared working folder would otherwise lead a save into any
// file of the saver's. Links to links are followed up to 40 deep.
fs::path FileToReplace(const fs::path& target)
{
  fs::path path = target;
  for (int depth = 0;; ++depth) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
    if (depth == 40) ThrowSystemError("cannot write", target, ELOOP, FileFault::WriteFailed);
    const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    struct stat holder {};
    const bool ownLink = link.st_uid == ::geteuid() ||
                         (::stat(folder.c_str(), &holder) == 0 && holder.st_uid == link.st_uid);
    if (!ownLink) {
      throw FileError("cannot write " + target.string() + ": a link of another user leads there",
                      FileFault::OtherOwner, target);
    }
    std::error_code ec;
    const fs::path next = fs::read_symlink(path, ec);
    if (ec) ThrowSystemError("cannot write", target, ec.value(), FileFault::WriteFailed);
    path = next.is_absolute() ? next : folder / next;
  }
}

}  // namespace

void WriteFileAtomically(const std::filesystem::path& target, std::string_view content)
{
  const fs::path file = FileToReplace(target);
  // What the save replaces, when there is something: it must be a file the
  // saver may write, and the new file takes over its mode, owner and group.
  struct stat old {};
  const bool replacing = ::lstat(file.c_str(), &old) == 0;
  if (replacing) {
    if (S_ISDIR(old.st_mode)) {
      throw FileError("cannot write " + target.string() + ": it is a folder", FileFault::IsFolder, target);
    }
    if (!S_ISREG(old.st_mode)) ThrowNotRegular(target, "cannot write");
    // The folder's permission alone would let the rename replace a file that
    // its owner protected; the file's own permission decides. A file nobody
    // may write is protected even from the administrator.
    const bool anyWriteBit = (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    const bool writable = anyWriteBit && ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0;
    if (anyWriteBit && !writable && errno != EACCES && errno != EPERM) {
      ThrowSystemError("cannot write", target, errno, FileFault::WriteFailed);  // a read-only medium, ...
    }
    if (!writable) {
      throw FileError("cannot write " + target.string() + ": the file is write-protected", FileFault::WriteProtected,
                      target);
    }
  }

  std::random_device entropy;
  fs::path part;
  int fd = -1;
  for (int attempt = 0; fd < 0; ++attempt) {
    const std::uint64_t unique = (std::uint64_t{entropy()} << 32) ^ entropy();
    part = TemporaryNameFor(file, unique);
    // 0666 less the umask, as any newly created file; O_EXCL: never another writer's file.
    fd = ::open(part.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || attempt == 20)) {
      ThrowSystemError("cannot write", target, errno, FileFault::WriteFailed);
    }
  }
  Descriptor out(fd);
  auto removePart = [&] {
    std::error_code ignored;
    fs::remove(part, ignored);
  };
  auto fail = [&](int error) {
    removePart();
    ThrowSystemError("cannot write", target, error, FileFault::WriteFailed);
  };
  if (replacing) {
    // The owner first: a change of owner may clear the mode's special bits.
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) && ::fchown(out.get(), old.st_uid, old.st_gid) != 0 &&
        old.st_uid != ::geteuid()) {
      // Only the administrator may give a file to another user. Replaced by
      // this user's file, another user's file would no longer be theirs to
      // protect or share, so it is left as it was. (A group this user does
      // not belong to cannot be kept either; the mode below still holds.)
      removePart();
      throw FileError("cannot write " + target.string() + ": the file belongs to another user", FileFault::OtherOwner,
                      target);
    }
    // The permission bits and the sticky bit; never set-user or set-group.
    if (::fchmod(out.get(), old.st_mode & 01777) != 0) fail(errno);
  }
  // On the medium before the rename: after a crash the name points to the
  // whole new content or to the old file, never to a file still empty.
  if (!WriteAll(out.get(), content) || ::fsync(out.get()) != 0) fail(errno);
  if (!out.Close()) fail(errno);
  // On one file system a rename replaces the file in one step: a reader
  // sees the old file or the new one, never half of either.
  if (::rename(part.c_str(), file.c_str()) != 0) fail(errno);
  // The rename itself on the medium too; a folder that cannot be synced
  // (some network file systems) still holds the new file.
  const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
}

bool IsPlainName(std::string_view name)
{
  constexpr std::string_view kSeparators("/\\\0", 3);
  return !name.empty() && name != "." && name != ".." && name.find_first_of(kSeparators) == std::string_view::npos;
}

bool IsTemporaryFileName(std::string_view name)
{
  // ".<name>.<pid>-<16 hex digits>.part", as TemporaryNameFor makes it.
  constexpr std::string_view kEnd = ".part";
  if (name.size() < 1 + 1 + 1 + 1 + 1 + 16 + kEnd.size() || name.front() != '.' || !name.ends_with(kEnd)) return false;
  name.remove_suffix(kEnd.size());
  const std::string_view hex = name.substr(name.size() - 16);
  if (hex.find_first_not_of("0123456789abcdef") != std::string_view::npos) return false;
  name.remove_suffix(16);
  if (name.back() != '-') return false;
  name.remove_suffix(1);
  std::size_t digits = 0;
  while (digits < name.size() && name[name.size() - 1 - digits] >= '0' && name[name.size() - 1 - digits] <= '9') {
    ++digits;
  }
  if (digits == 0 || digits > 10) return false;
  name.remove_suffix(digits);
  // The dot before the process id, and a name of at least one byte between the dots.
  return name.size() >= 3 && name.back() == '.';
}

int RemoveStaleTemporaryFiles(const std::filesystem::path& folder, std::chrono::seconds minAge)
{
  int removed = 0;
  std::error_code ec;
  fs::directory_iterator entries(folder, ec);
  if (ec) return 0;
  const std::time_t now = std::time(nullptr);
  for (const fs::directory_entry& entry : entries) {
    const std::string name = entry.path().filename().string();
    if (!IsTemporaryFileName(name)) continue;
    // Only a plain file, never what a link leads to; a save still under way
    // is younger than the age asked for.
    struct stat info {};
    if (::lstat(entry.path().c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    if (now - info.st_mtime < minAge.count()) continue;
    if (::unlink(entry.path().c_str()) == 0) ++removed;
  }
  return removed;
}

RawTextFile ReadRawTextFile(const std::filesystem::path& path, std::uintmax_t maxBytes)
{
  const std::string bytes = ReadFileBytes(path, maxBytes);
  RawTextFile file;
  std::size_t pos = 0;
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    file.byteOrderMark = bytes.substr(0, 3);
    pos = 3;
  }
  while (pos < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", pos);
    RawTextFile::Line line;
    if (end == std::string::npos) {
      line.text = bytes.substr(pos);
      pos = bytes.size();
    } else {
      line.text = bytes.substr(pos, end - pos);
      const std::size_t endLength = bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1;
      line.end = bytes.substr(end, endLength);
      pos = end + endLength;
    }
    file.lines.push_back(std::move(line));
  }
  return file;
}

std::string RawTextFile::Bytes() const
{
  std::string bytes = byteOrderMark;
  // A first line that begins with the mark (the second of a doubled one, now
  // first because the lines before it went) would lose it to the next reader,
  // which takes a mark at the start for the file's: the file gets its own.
  if (bytes.empty() && !lines.empty() && lines.front().text.starts_with("\xEF\xBB\xBF")) bytes = "\xEF\xBB\xBF";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    bytes += lines[i].text;
    // A lone CR that now comes right before an empty line ending in LF would
    // make one CR LF with it, and the empty line would be gone.
    const bool joins = lines[i].end == "\r" && i + 1 < lines.size() && lines[i + 1].text.empty() &&
                       lines[i + 1].end.starts_with('\n');
    bytes += joins ? "\r\n" : lines[i].end;
  }
  return bytes;
}

void RawTextFile::Append(std::string text)
{
  // The last line gets the line end it lacked; the file's own line ends elsewhere stay.
  if (!lines.empty() && lines.back().end.empty()) lines.back().end = "\r\n";
  lines.push_back(Line{std::move(text), "\r\n"});
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
