#include "text/error_texts.h"

#include <new>

#include "platform/errors.h"

namespace vorn {
namespace {

constexpr ErrorTexts kJapanese{
    .NotFound = "ファイルが見つかりません",
    .Denied = "アクセスが許可されていません",
    .IsFolder = "ファイルではなくフォルダです",
    .DiskFull = "ディスクに空きがありません",
    .TooLarge = "この種類のファイルとしては大きすぎます",
    .ReadFailed = "読み込めません",
    .WriteFailed = "書き込めません",
    .PastEnd = "データが途中で終わっています",
    .NotANumberBefore = "数値の位置に「",
    .NotANumberAfter = "」があります",
    .NotFiniteBefore = "「",
    .NotFiniteAfter = "」は扱える範囲を超えた数値です",
    .Malformed = "内容がこのファイルの形式に合っていません",
    .NotStarted = "プログラムを起動できません",
    .PrintFailed = "印刷できません",
    .BadName = "ファイル名に「/」は使えません",
    .NotRegular = "通常のファイルではありません（パイプまたはデバイスです）",
    .WriteProtected = "書き込み禁止のファイルです。ファイルはそのままです",
    .OtherOwner = "ほかのユーザーのファイルです。ファイルはそのままです",
    .OutOfMemory = "メモリが足りません",
    .LineBefore = "（",
    .LineAfter = " 行目）",
    .Separator = "：",
    .StepNotFinished = "この操作を完了できませんでした。データはそのままで、続けて使えます。",
    .UnknownError = "原因のわからないエラーです",
};

constexpr ErrorTexts kEnglish{
    .NotFound = "file not found",
    .Denied = "access denied",
    .IsFolder = "this is a folder, not a file",
    .DiskFull = "the disk is full",
    .TooLarge = "too large for a file of this kind",
    .ReadFailed = "the file cannot be read",
    .WriteFailed = "the file cannot be written",
    .PastEnd = "the file ends before all its data",
    .NotANumberBefore = "\"",
    .NotANumberAfter = "\" stands where a number belongs",
    .NotFiniteBefore = "\"",
    .NotFiniteAfter = "\" is beyond the range of numbers",
    .Malformed = "",
    .NotStarted = "the program cannot be started",
    .PrintFailed = "the document cannot be printed",
    .BadName = "a file name cannot hold \"/\"",
    .NotRegular = "this is not an ordinary file (a pipe or a device)",
    .WriteProtected = "the file is write-protected; it is left as it was",
    .OtherOwner = "the file belongs to another user; it is left as it was",
    .OutOfMemory = "Not enough memory",
    .LineBefore = ", line ",
    .LineAfter = "",
    .Separator = ": ",
    .StepNotFinished = "This step could not be finished. The data are as they were, and the program goes on.",
    .UnknownError = "An error of unknown cause",
};

std::string Reason(const Error& e, const ErrorTexts& t)
{
  auto around = [&](std::string_view before, std::string_view after) {
    return std::string(before) + e.detail() + std::string(after);
  };
  switch (e.fault()) {
    case FileFault::NotFound: return std::string(t.NotFound);
    case FileFault::Denied: return std::string(t.Denied);
    case FileFault::IsFolder: return std::string(t.IsFolder);
    case FileFault::DiskFull: return std::string(t.DiskFull);
    case FileFault::TooLarge: return std::string(t.TooLarge);
    case FileFault::ReadFailed: return std::string(t.ReadFailed);
    case FileFault::WriteFailed: return std::string(t.WriteFailed);
    case FileFault::PastEnd: return std::string(t.PastEnd);
    case FileFault::NotANumber: return around(t.NotANumberBefore, t.NotANumberAfter);
    case FileFault::NotFinite: return around(t.NotFiniteBefore, t.NotFiniteAfter);
    case FileFault::Malformed: return t.Malformed.empty() ? e.detail() : std::string(t.Malformed);
    case FileFault::NotStarted: return std::string(t.NotStarted);
    case FileFault::PrintFailed: return std::string(t.PrintFailed);
    case FileFault::BadName: return std::string(t.BadName);
    case FileFault::NotRegular: return std::string(t.NotRegular);
    case FileFault::WriteProtected: return std::string(t.WriteProtected);
    case FileFault::OtherOwner: return std::string(t.OtherOwner);
    case FileFault::None: break;
  }
  return e.what();
}

}  // namespace

const ErrorTexts& ErrorTextsFor(Edition edition)
{
  return edition == Edition::Japanese ? kJapanese : kEnglish;
}

std::string FileNameForUser(const std::filesystem::path& file, const std::filesystem::path& workingFolder)
{
  const std::filesystem::path inside = file.lexically_normal().lexically_relative(workingFolder.lexically_normal());
  const bool within = !inside.empty() && *inside.begin() != ".." && inside != ".";
  return within ? inside.generic_string() : file.filename().string();
}

std::string ErrorText(const std::exception& error, Edition edition, const std::filesystem::path& workingFolder)
{
  const ErrorTexts& t = ErrorTextsFor(edition);
  if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) return std::string(t.OutOfMemory);
  const auto* e = dynamic_cast<const Error*>(&error);
  if (e == nullptr || e->fault() == FileFault::None) return error.what();
  if (e->file().empty()) return Reason(*e, t);
  // A name the user typed is shown as typed.
  std::string text = e->fault() == FileFault::BadName ? e->file().string() : FileNameForUser(e->file(), workingFolder);
  if (e->line() > 0) {
    text += t.LineBefore;
    text += std::to_string(e->line());
    text += t.LineAfter;
  }
  text += t.Separator;
  return text + Reason(*e, t);
}

std::string FileCauseLine(const std::exception& error, Edition edition, const std::filesystem::path& workingFolder)
{
  const auto* e = dynamic_cast<const Error*>(&error);
  if (e == nullptr || e->fault() == FileFault::None || e->file().empty()) return {};
  // Appended rather than "\n" + text: g++ 12 at -O3 takes the latter for an
  // overlapping copy (-Wrestrict) and stops the Release build.
  std::string line = "\n";
  line += ErrorText(error, edition, workingFolder);
  return line;
}

std::string UntrappedErrorText(std::exception_ptr error, Edition edition, const std::filesystem::path& workingFolder)
{
  const ErrorTexts& t = ErrorTextsFor(edition);
  std::string text(t.StepNotFinished);
  text += "\n";
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    text += ErrorText(e, edition, workingFolder);
  } catch (...) {
    text += t.UnknownError;
  }
  return text;
}

}  // namespace vorn
