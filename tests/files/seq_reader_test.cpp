// The sequential reader on short files: items, lines, end of file and errors.
#include "platform/errors.h"
#include "platform/files/seqfile.h"
#include "tests/files/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vorn {
namespace {

namespace fs = std::filesystem;
using Reader = vorn::testing::TempFolder;

// The message of the DataError that f throws; fails the test when none is.
template <class F>
std::string DataErrorOf(F&& f)
{
  try {
    f();
  } catch (const DataError& e) {
    return e.what();
  }
  ADD_FAILURE() << "no DataError thrown";
  return {};
}

TEST_F(Reader, NumbersAreSeparatedByCommasBlanksAndLineEnds)
{
  SeqReader r(Make("n.dat", "1, 2 3\r\n4,5\n  6\t7\r\n"));
  std::vector<double> got;
  while (!r.Eof()) got.push_back(r.ReadNumber());
  EXPECT_EQ(got, (std::vector<double>{1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(Reader, NumbersInEveryWrittenForm)
{
  SeqReader r(Make("n.dat", "2.58E-04,25.8e-5, -3 ,.5,+7,1E+15\r\n 75 \r\n-3 \r\n0.00E+00 1.23E-05 \r\n"));
  EXPECT_EQ(r.ReadNumber(), 2.58e-4);
  EXPECT_EQ(r.ReadNumber(), 25.8e-5);
  EXPECT_EQ(r.ReadNumber(), -3.0);
  EXPECT_EQ(r.ReadNumber(), 0.5);
  EXPECT_EQ(r.ReadNumber(), 7.0);
  EXPECT_EQ(r.ReadNumber(), 1e15);
  EXPECT_EQ(r.ReadNumber(), 75.0);
  EXPECT_EQ(r.ReadNumber(), -3.0);
  EXPECT_EQ(r.ReadNumber(), 0.0);
  EXPECT_EQ(r.ReadNumber(), 1.23e-5);
  EXPECT_TRUE(r.Eof());
}

TEST_F(Reader, AnEmptyItemBetweenCommasIsZero)
{
  SeqReader r(Make("n.dat", "1,,3, ,5\r\n,7\r\n"));
  std::vector<double> got;
  while (!r.Eof()) got.push_back(r.ReadNumber());
  EXPECT_EQ(got, (std::vector<double>{1, 0, 3, 0, 5, 0, 7}));
}

TEST_F(Reader, ByteOrderMarkIsSkipped)
{
  SeqReader r(Make("bom.dat", "\xEF\xBB\xBF" "12,abc\r\n"));
  EXPECT_EQ(r.ReadNumber(), 12.0);
  EXPECT_EQ(r.ReadText(), "abc");
  EXPECT_TRUE(r.Eof());

  SeqReader lines(Make("bom2.dat", "\xEF\xBB\xBF" "heading\r\n"));
  EXPECT_EQ(lines.ReadLine(), "heading");

  SeqReader only(Make("bom3.dat", "\xEF\xBB\xBF"));
  EXPECT_TRUE(only.Eof());
}

TEST_F(Reader, CrLfAndLfFilesReadAlike)
{
  const std::string lf = "heading line\n1, 2\n\nname, 3.5\nlast\n";
  std::string crlf;
  for (const char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  for (const std::string& content : {lf, crlf}) {
    SeqReader r(Make("ends.dat", content));
    EXPECT_EQ(r.ReadLine(), "heading line");
    EXPECT_EQ(r.ReadNumber(), 1.0);
    EXPECT_EQ(r.ReadNumber(), 2.0);
    EXPECT_EQ(r.line_number(), 3);
    EXPECT_EQ(r.ReadLine(), "");
    EXPECT_EQ(r.ReadText(), "name");
    EXPECT_EQ(r.ReadNumber(), 3.5);
    EXPECT_EQ(r.ReadLine(), "last");
    EXPECT_TRUE(r.Eof());
  }
}

TEST_F(Reader, LoneCarriageReturnsEndLines)
{
  SeqReader r(Make("cr.dat", "a\rb\r"));
  EXPECT_EQ(r.ReadLine(), "a");
  EXPECT_EQ(r.ReadLine(), "b");
  EXPECT_TRUE(r.Eof());
}

TEST_F(Reader, TextItems)
{
  SeqReader r(Make("t.csv", "\"Abdomen, front\",12,  plain text  ,last\r\n\"quoted\" ,next\r\n"));
  EXPECT_EQ(r.ReadText(), "Abdomen, front");  // the comma inside the quotes stays
  EXPECT_EQ(r.ReadNumber(), 12.0);
  EXPECT_EQ(r.ReadText(), "plain text");      // blanks around it dropped, inside kept
  EXPECT_EQ(r.ReadText(), "last");
  EXPECT_EQ(r.ReadText(), "quoted");
  EXPECT_EQ(r.ReadText(), "next");
  EXPECT_TRUE(r.Eof());
}

TEST_F(Reader, TextItemsKeepNonAsciiText)
{
  SeqReader r(Make("t.csv", "照射部位,腹部正面,胸部 正面\r\n―\r\n"));
  EXPECT_EQ(r.ReadText(), "照射部位");
  EXPECT_EQ(r.ReadText(), "腹部正面");
  EXPECT_EQ(r.ReadText(), "胸部 正面");
  EXPECT_EQ(r.ReadText(), "―");
  EXPECT_TRUE(r.Eof());
}

TEST_F(Reader, EmptyTextItems)
{
  SeqReader r(Make("t.csv", "a,,c,\r\n\r\nd\r\n"));
  EXPECT_EQ(r.ReadText(), "a");
  EXPECT_EQ(r.ReadText(), "");
  EXPECT_EQ(r.ReadText(), "c");
  EXPECT_EQ(r.ReadText(), "");   // after the last comma, up to the line end
  EXPECT_EQ(r.ReadText(), "");   // the empty line
  EXPECT_EQ(r.ReadText(), "d");
  EXPECT_TRUE(r.Eof());
}

TEST_F(Reader, UnclosedQuoteEndsAtTheLineEnd)
{
  SeqReader r(Make("t.csv", "\"abc, def\r\nnext line\r\n"));
  EXPECT_EQ(r.ReadText(), "abc, def");
  EXPECT_EQ(r.ReadLine(), "next line");
}

TEST_F(Reader, AfterAnItemTheRestOfItsLineIsTheNextLine)
{
  SeqReader r(Make("m.dat", "5\r\nhello world\r\n7 , tail text\r\n"));
  EXPECT_EQ(r.ReadNumber(), 5.0);
  EXPECT_EQ(r.ReadLine(), "hello world");
  EXPECT_EQ(r.ReadNumber(), 7.0);
  EXPECT_EQ(r.ReadLine(), " tail text");
  EXPECT_TRUE(r.Eof());
}

TEST_F(Reader, LinesUntilEndOfFile)
{
  struct Case {
    const char* content;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"a\r\nb\r\n", {"a", "b"}},        // a final line end makes no extra line
      {"a\r\nb", {"a", "b"}},            // a final line without a line end is a line
      {"a\r\n\r\n", {"a", ""}},          // an empty last line is a line
      {"\r\n", {""}},
      {"", {}},
      {"a\n\nb\n", {"a", "", "b"}},
  };
  for (const Case& c : cases) {
    SeqReader r(Make("lines.txt", c.content));
    std::vector<std::string> got;
    while (!r.Eof()) got.push_back(r.ReadLine());
    EXPECT_EQ(got, c.lines) << "content: " << ::testing::PrintToString(std::string(c.content));
    EXPECT_EQ(ReadAllLines(folder_ / "lines.txt"), c.lines);
  }
}

TEST_F(Reader, ItemsUntilEndOfFileWithAndWithoutFinalLineEnd)
{
  for (const char* content : {"1\r\n2\r\n3\r\n", "1\r\n2\r\n3", "1,2,3\r\n", "1 2 3  \r\n"}) {
    SeqReader r(Make("items.dat", content));
    int count = 0;
    double sum = 0.0;
    while (!r.Eof()) {
      sum += r.ReadNumber();
      ++count;
    }
    EXPECT_EQ(count, 3) << content;
    EXPECT_EQ(sum, 6.0) << content;
  }
}

TEST_F(Reader, TextWhereANumberBelongsIsATypeMismatch)
{
  SeqReader r(Make("bad.dat", "1\r\n2\r\n3,abc,4\r\n"));
  r.ReadNumber();
  r.ReadNumber();
  r.ReadNumber();
  const std::string message = DataErrorOf([&] { r.ReadNumber(); });
  EXPECT_NE(message.find("bad.dat"), std::string::npos) << message;
  EXPECT_NE(message.find("line 3"), std::string::npos) << message;
  EXPECT_NE(message.find("type mismatch"), std::string::npos) << message;
  EXPECT_NE(message.find("abc"), std::string::npos) << message;
}

TEST_F(Reader, PartlyNumericItemsAreTypeMismatches)
{
  for (const char* content : {"75kV", "1.2.3", "12E", "-", ".", "\"12\"", "1;2"}) {
    SeqReader r(Make("bad.dat", content));
    EXPECT_THROW(r.ReadNumber(), DataError) << content;
  }
}

TEST_F(Reader, ReadingPastTheEndIsAnError)
{
  SeqReader r(Make("short.dat", "1,2\r\n\r\n  \r\n"));
  r.ReadNumber();
  r.ReadNumber();
  const std::string message = DataErrorOf([&] { r.ReadNumber(); });
  EXPECT_NE(message.find("short.dat"), std::string::npos) << message;
  EXPECT_NE(message.find("input past end of file"), std::string::npos) << message;

  SeqReader empty(Make("empty.dat", ""));
  EXPECT_TRUE(empty.Eof());
  EXPECT_THROW(empty.ReadNumber(), DataError);
  EXPECT_THROW(empty.ReadText(), DataError);
  EXPECT_THROW(empty.ReadLine(), DataError);

  SeqReader one(Make("one.dat", "x\r\n"));
  EXPECT_EQ(one.ReadText(), "x");
  EXPECT_THROW(one.ReadText(), DataError);
  EXPECT_THROW(one.ReadLine(), DataError);
}

TEST_F(Reader, MissingFileOrFolderIsAFileError)
{
  try {
    SeqReader r(folder_ / "no-such-table.dat");
    FAIL() << "no FileError thrown";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("no-such-table.dat"), std::string::npos) << e.what();
  }
  EXPECT_THROW(SeqReader{folder_}, FileError);
  EXPECT_THROW(ReadAllLines(folder_ / "no-such-list.txt"), FileError);
}

// Each error says what went wrong as data too, for a message in the
// edition's language: the fault, the file, the line, the offending text.
TEST_F(Reader, ErrorsCarryTheFaultTheFileAndTheLine)
{
  struct Case {
    const char* content;
    FileFault fault;
    int line;
    const char* detail;
  };
  for (const Case& c : {Case{"1\r\n2\r\nabc\r\n", FileFault::NotANumber, 3, "abc"},
                        Case{"1,2\r\n", FileFault::PastEnd, 2, ""},
                        // Beyond the range of numbers: it would read as infinity.
                        Case{"1\r\n1E999\r\n", FileFault::NotFinite, 2, "1E999"},
                        Case{"1 -1e400\r\n", FileFault::NotFinite, 1, "-1e400"}}) {
    SeqReader r(Make("t.dat", c.content));
    try {
      for (int i = 0; i < 3; ++i) r.ReadNumber();
      ADD_FAILURE() << "no DataError for " << c.content;
    } catch (const DataError& e) {
      EXPECT_EQ(e.fault(), c.fault) << c.content;
      EXPECT_EQ(e.file(), folder_ / "t.dat");
      EXPECT_EQ(e.line(), c.line) << c.content;
      EXPECT_EQ(e.detail(), c.detail) << c.content;
    }
  }
  // The largest and smallest numbers are numbers; below the smallest is 0.
  SeqReader edge(Make("edge.dat", "1.7976931348623157E308 -1.7976931348623157E308 1e-999"));
  EXPECT_EQ(edge.ReadNumber(), 1.7976931348623157e308);
  EXPECT_EQ(edge.ReadNumber(), -1.7976931348623157e308);
  EXPECT_EQ(edge.ReadNumber(), 0.0);

  auto faultOf = [](const auto& open) {
    try {
      open();
    } catch (const FileError& e) {
      return e.fault();
    }
    return FileFault::None;
  };
  EXPECT_EQ(faultOf([&] { SeqReader r(folder_ / "none.dat"); }), FileFault::NotFound);
  EXPECT_EQ(faultOf([&] { SeqReader r(folder_ / "none" / "x.dat"); }), FileFault::NotFound);
  EXPECT_EQ(faultOf([&] { SeqReader r(folder_); }), FileFault::IsFolder);
}

// A file larger than any of its kind is refused before it is read (a 300 MB
// file would otherwise be taken into memory whole); the limit itself passes.
TEST_F(Reader, FilesAboveTheLimitOfTheirKindAreRefused)
{
  const fs::path atLimit = Make("limit.dat", std::string(99, '1') + "\n");
  EXPECT_EQ(ReadAllLines(atLimit, 100).size(), 1u);
  const fs::path above = Make("above.dat", std::string(100, '1') + "\n");
  for (const auto& read : std::vector<std::function<void()>>{[&] { SeqReader r(above, 100); },
                                                              [&] { ReadAllLines(above, 100); }}) {
    try {
      read();
      ADD_FAILURE() << "no FileError thrown";
    } catch (const FileError& e) {
      EXPECT_EQ(e.fault(), FileFault::TooLarge);
      EXPECT_EQ(e.file(), above);
    }
  }
  // The defaults: a user's file above 1 MiB, a table above 4 MiB.
  const fs::path big = Make("big.csv", std::string(kUserFileMaxBytes + 1, 'x'));
  EXPECT_THROW(ReadAllLines(big, kUserFileMaxBytes), FileError);
  EXPECT_EQ(ReadAllLines(big).size(), 1u);
}

// The read dialog's preview needs the first line only; the rest of a file of
// any size stays unread.
TEST_F(Reader, FirstLineAlone)
{
  EXPECT_EQ(ReadFirstLine(Make("a.csv", "\xEF\xBB\xBFward 3, chest\r\n 2 \r\n"), 100), "ward 3, chest");
  EXPECT_EQ(ReadFirstLine(Make("b.csv", "only line"), 100), "only line");
  EXPECT_EQ(ReadFirstLine(Make("c.csv", "\r\nsecond\r\n"), 100), "");
  EXPECT_EQ(ReadFirstLine(Make("d.csv", "0123456789" + std::string(kUserFileMaxBytes, 'x')), 4), "0123");
  EXPECT_THROW(ReadFirstLine(Make("e.csv", ""), 100), DataError);
  EXPECT_THROW(ReadFirstLine(Make("f.csv", "\xEF\xBB\xBF"), 100), DataError);
  EXPECT_THROW(ReadFirstLine(folder_ / "none.csv", 100), FileError);
  EXPECT_THROW(ReadFirstLine(folder_, 100), FileError);
}

// Only an ordinary file is read: a pipe at a fixed name would block the open
// until some writer came, a link to /dev/zero would never end. Each is
// refused at once, naming the file.
TEST_F(Reader, NothingButAnOrdinaryFileIsRead)
{
  const fs::path pipe = folder_ / "Vorn2PDD.dat";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  const fs::path zero = folder_ / "Eff-Dose.dat";
  fs::create_symlink("/dev/zero", zero);
  for (const fs::path& path : {pipe, zero}) {
    for (const auto& read : std::vector<std::function<void()>>{
             [&] { SeqReader r(path); }, [&] { ReadAllLines(path); }, [&] { ReadFirstLine(path, 100); },
             [&] { ReadFileBytes(path, kUserFileMaxBytes); }, [&] { ReadRawTextFile(path); }}) {
      try {
        read();
        ADD_FAILURE() << path << ": no FileError thrown";
      } catch (const FileError& e) {
        EXPECT_EQ(e.fault(), FileFault::NotRegular) << e.what();
        EXPECT_EQ(e.file(), path);
      }
    }
  }
}

// A bad item is quoted by its start only: a megabyte-long token must not
// become a megabyte-long message. The cut falls between characters.
TEST_F(Reader, ABadItemIsQuotedByItsStart)
{
  const std::string token = "\xE8\x85\xB9" + std::string(1 << 20, 'x');  // 腹, then a megabyte of x
  for (const std::string& content : {token + "\n", "1E999" + std::string(1 << 20, '9') + "\n"}) {
    SeqReader in(Make("big.dat", content));
    try {
      in.ReadNumber();
      ADD_FAILURE() << "no DataError thrown";
    } catch (const DataError& e) {
      EXPECT_LT(std::string(e.what()).size(), 200u);
      EXPECT_LE(e.detail().size(), kQuotedTextMaxBytes + 3);
      EXPECT_TRUE(e.detail().ends_with("\u2026")) << e.detail();
      EXPECT_EQ(e.detail().substr(0, 3), content.substr(0, 3));
    }
  }
  EXPECT_EQ(ShortStart("abc"), "abc");
  EXPECT_EQ(ShortStart("\xE8\x85\xB9\xE9\x83\xA8", 4), "\xE8\x85\xB9\u2026");  // 腹部: not half a 部
}

// A rewrite that changes some lines keeps every other byte: the byte order
// mark (a doubled one too), each line's own line end, a last line without one.
TEST_F(Reader, RawLinesKeepEveryByte)
{
  const std::string bytes = "\xEF\xBB\xBF\xEF\xBB\xBFone\r\ntwo\nthree\rfour";
  RawTextFile file = ReadRawTextFile(Make("sites.txt", bytes));
  EXPECT_EQ(file.byteOrderMark, "\xEF\xBB\xBF");
  ASSERT_EQ(file.lines.size(), 4u);
  EXPECT_EQ(file.lines[0].text, "\xEF\xBB\xBFone");
  EXPECT_EQ(file.lines[2].end, "\r");
  EXPECT_EQ(file.Bytes(), bytes);
  file.Append("five");
  EXPECT_EQ(file.Bytes(), bytes + "\r\nfive\r\n");
  EXPECT_TRUE(ReadRawTextFile(Make("empty.txt", "")).lines.empty());

  // With lines taken out, what is left reads back as the same lines: a mark
  // now at the start keeps one in front of it, a lone CR now before an empty
  // LF line does not join it.
  RawTextFile cut = ReadRawTextFile(Make("cut.txt", "a\n\xEF\xBB\xBF" "b\rc\r\n\nd"));
  cut.lines.erase(cut.lines.begin());      // a
  cut.lines.erase(cut.lines.begin() + 1);  // c
  EXPECT_EQ(cut.Bytes(), "\xEF\xBB\xBF\xEF\xBB\xBF" "b\r\n\nd");
  EXPECT_EQ(ReadAllLines(Make("cut.txt", cut.Bytes())), (std::vector<std::string>{"\xEF\xBB\xBF" "b", "", "d"}));
}

TEST(PlainName, IsANameNotAPath)
{
  for (const char* name : {"Abdomen-F", "腹部正面", "a.b", "..csv", " leading blank", "...", ".hidden"}) {
    EXPECT_TRUE(IsPlainName(name)) << name;
  }
  for (const std::string& name : std::vector<std::string>{"", ".", "..", "../Primary", "a/b", "/etc/passwd", "a\\b",
                                                            std::string("a\0b", 3)}) {
    EXPECT_FALSE(IsPlainName(name)) << name;
  }
}

TEST_F(Reader, ReadAllLinesSkipsTheByteOrderMark)
{
  EXPECT_EQ(ReadAllLines(Make("sites.txt", "\xEF\xBB\xBF腹部正面\r\n胸部正面\r\n")),
            (std::vector<std::string>{"腹部正面", "胸部正面"}));
}

}  // namespace
}  // namespace vorn
