// Failures as the user reads them: the file named as the user knows it, the
// reason in the edition's words.
#include "platform/errors.h"
#include "text/error_texts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <new>
#include <string>

namespace vorn {
namespace {

namespace fs = std::filesystem;

TEST(ErrorText, NamesTheFileAsTheUserKnowsIt)
{
  const fs::path folder = "/home/ward/vorn";
  EXPECT_EQ(FileNameForUser(folder / "Primary.dat", folder), "Primary.dat");
  EXPECT_EQ(FileNameForUser(folder / "PDS-data" / "50.dat", folder), "PDS-data/50.dat");
  EXPECT_EQ(FileNameForUser(folder / "PDS-data" / ".." / "Primary.dat", "/home/ward/vorn/"), "Primary.dat");
  EXPECT_EQ(FileNameForUser("/media/usb/tables/chest.csv", folder), "chest.csv");  // chosen elsewhere
  EXPECT_EQ(FileNameForUser("/home/ward/vorn2/x.csv", folder), "x.csv");
  EXPECT_EQ(FileNameForUser("Tubrin.exe", folder), "Tubrin.exe");
}

TEST(ErrorText, GivesTheReasonInTheEditionsWords)
{
  const fs::path folder = "/home/ward/vorn";
  struct Case {
    Error error;
    const char* japanese;
    const char* english;
  };
  const Case cases[] = {
      {FileError("cannot open /home/ward/vorn/Primary.dat: No such file or directory", FileFault::NotFound,
                 folder / "Primary.dat"),
       "Primary.dat：ファイルが見つかりません", "Primary.dat: file not found"},
      {DataError("50.dat, line 3: type mismatch", FileFault::NotANumber, folder / "PDS-data/50.dat", 3, "abc"),
       "PDS-data/50.dat（3 行目）：数値の位置に「abc」があります",
       "PDS-data/50.dat, line 3: \"abc\" stands where a number belongs"},
      {DataError("Cu.ele, line 6: ...", FileFault::NotFinite, "/media/usb/Cu.ele", 6, "1E999"),
       "Cu.ele（6 行目）：「1E999」は扱える範囲を超えた数値です", "Cu.ele, line 6: \"1E999\" is beyond the range of numbers"},
      {MalformedFile(folder / "ICRUSoft.dat", 1, "the row count must be a whole number from 1 to 37, found 38"),
       "ICRUSoft.dat（1 行目）：内容がこのファイルの形式に合っていません",
       "ICRUSoft.dat, line 1: the row count must be a whole number from 1 to 37, found 38"},
      {FileError("cannot write ...", FileFault::DiskFull, folder / "chest.csv"), "chest.csv：ディスクに空きがありません",
       "chest.csv: the disk is full"},
      {FileError("Tubrin.exe: program not found", FileFault::NotStarted, "Tubrin.exe"),
       "Tubrin.exe：プログラムを起動できません", "Tubrin.exe: the program cannot be started"},
      {FileError("the printer could not be opened", FileFault::PrintFailed, {}), "印刷できません",
       "the document cannot be printed"},
      {FileError("sub/x.csv: a file name cannot hold \"/\"", FileFault::BadName, "sub/x.csv"),
       "sub/x.csv：ファイル名に「/」は使えません", "sub/x.csv: a file name cannot hold \"/\""},
      {FileError("cannot open ...: not an ordinary file", FileFault::NotRegular, folder / "Vorn2PDD.dat"),
       "Vorn2PDD.dat：通常のファイルではありません（パイプまたはデバイスです）",
       "Vorn2PDD.dat: this is not an ordinary file (a pipe or a device)"},
      {FileError("cannot write ...: write-protected", FileFault::WriteProtected, folder / "chest.csv"),
       "chest.csv：書き込み禁止のファイルです。ファイルはそのままです",
       "chest.csv: the file is write-protected; it is left as it was"},
      {FileError("cannot write ...: another user's", FileFault::OtherOwner, folder / "vorn_default.op"),
       "vorn_default.op：ほかのユーザーのファイルです。ファイルはそのままです",
       "vorn_default.op: the file belongs to another user; it is left as it was"},
      // Not about a file: its own message.
      {CalcError("division by zero: the output at 1 m"), "division by zero: the output at 1 m",
       "division by zero: the output at 1 m"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorText(c.error, Edition::Japanese, folder), c.japanese);
    EXPECT_EQ(ErrorText(c.error, Edition::English, folder), c.english);
  }
  EXPECT_EQ(ErrorText(std::bad_alloc(), Edition::Japanese, folder), "メモリが足りません");
  EXPECT_EQ(ErrorText(std::bad_alloc(), Edition::English, folder), "Not enough memory");
}

}  // namespace
}  // namespace vorn
