// The main program's side of the curved surfaces: the condition file it
// writes for each shape, the start of the shape's program, the wait message,
// the result file it reads, and what fails on the way.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "beam/backscatter_exchange.h"
#include "beam/curved_surface.h"
#include "beam/beam_calculation.h"
#include "platform/errors.h"
#include "tests/beam/recording_window_port.h"
#include "text/beam_texts.h"

namespace vorn::testing {
namespace {

namespace fs = std::filesystem;

// Records program starts among the other events; `on_start`, `on_message`
// and `on_ask` let a test act as the started program and the user, and
// `running` says whether the started program still runs.
class CurvedWindowPort : public RecordingWindowPort {
public:
  long long StartProgram(std::string_view name) override
  {
    started.emplace_back(name);
    events.push_back("start");
    if (on_start) on_start(name);
    return static_cast<long long>(started.size());
  }
  bool ProgramEnded(long long process) const override
  {
    return process == static_cast<long long>(started.size()) && !running;
  }
  void ShowMessage(std::string_view text, MsgIcon icon, MsgTitle title) override
  {
    RecordingWindowPort::ShowMessage(text, icon, title);
    if (on_message) on_message();
  }
  bool AskOkCancel(std::string_view text, MsgIcon icon, MsgTitle title) override
  {
    messages.push_back({std::string(text), icon, title});
    events.push_back("ask");
    return on_ask && on_ask();
  }
  std::vector<std::string> started;
  bool running = false;
  std::function<void(std::string_view)> on_start;
  std::function<void()> on_message;
  std::function<bool()> on_ask;  // OK when it answers true; Cancel when absent
};

std::string ReadBytes(const fs::path& path)
{
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteBytes(const fs::path& path, const std::string& text)
{
  std::ofstream out(path, std::ios::binary);
  out << text;
}

class CurvedSurface : public ::testing::Test {
protected:
  CurvedSurface()
  {
    fs::remove_all(folder);
    fs::create_directories(folder);
    // Tables and a kerma spectrum just rich enough for the conversion factors.
    for (int i = 1; i <= kLastBin; ++i) {
      m.Attenuation.MuenAir[i] = 1.0;
      m.Attenuation.MuenSoft[i] = 1.05;
      m.Attenuation.MuenSkin[i] = 1.04;
    }
    for (int i = 5; i <= 160; ++i) m.KermaSpectrum[i] = 1.0 / 156.0;
    m.Condition.TubeVoltage = 80.0;
    m.Condition.ObjectThickness = 20.0;
    m.Result.OutputAt1m = 2.58e-4;
    m.Phantom.BsfMethod = kCurvedSurface;
    m.Phantom.PhantomModel = kCylinderModel;
    m.Phantom.CylinderRadius = 15.0;
    m.Phantom.McHistories = 50000000;
    SetBeamBoxes("80", "100", "35.6", "43.2");
  }
  ~CurvedSurface() override { fs::remove_all(folder); }

  void SetBeamBoxes(const std::string& fsd, const std::string& ffd, const std::string& shortSide,
                    const std::string& longSide)
  {
    windows.main_boxes[MainBox::Fsd] = fsd;
    windows.main_boxes[MainBox::Ffd] = ffd;
    windows.main_boxes[MainBox::FieldShortSide] = shortSide;
    windows.main_boxes[MainBox::FieldLongSide] = longSide;
  }
  void WriteResult(const std::string& text) { WriteBytes(folder / "resultBSF.txt", text); }
  // The run token on the last line of joken.txt.
  std::string Run() const
  {
    const std::string joken = Joken();
    const std::size_t last = joken.rfind("\r\n", joken.size() - 3);
    return joken.substr(last + 2, joken.size() - last - 4);
  }
  // What the started program writes, its run's token after the factors.
  void WriteRunResult(const std::string& factors) { WriteResult(factors + Run() + "\r\n"); }
  // The started program writes its result while the user waits.
  void ProgramWrites(const std::string& factors)
  {
    windows.on_start = [this, factors](std::string_view) { WriteRunResult(factors); };
  }
  // The same calculation in another module (the English edition's), on its own windows.
  void Mirror(BeamCalculation& other, CurvedWindowPort& other_windows) const
  {
    other_windows.main_boxes = windows.main_boxes;
    other.Attenuation = m.Attenuation;
    other.KermaSpectrum = m.KermaSpectrum;
    other.Condition = m.Condition;
    other.Phantom = m.Phantom;
    other.Result.OutputAt1m = 2.58e-4;
  }
  std::string Joken() const { return ReadBytes(folder / "joken.txt"); }
  // joken.txt without the run token: the lines the programs have always read.
  std::string JokenBeforeRun() const { return Joken().substr(0, Joken().size() - Run().size() - 2); }

  const fs::path folder = fs::temp_directory_path() / ("vorn_curved_" + std::to_string(::getpid()));
  CurvedWindowPort windows;
  BeamCalculation m{Edition::Japanese, folder, windows};
};

TEST_F(CurvedSurface, CylinderConditionFileHoldsTheSevenLinesOfTheExample)
{
  ProgramWrites("1.35,1.42,1.40\r\n");
  m.CalcBsfAndSurfaceDose();
  EXPECT_EQ(JokenBeforeRun(), "015.0\r\n020.0\r\n080.0\r\n100.0\r\n035.6\r\n043.2\r\n00050000000\r\n");
  EXPECT_EQ(windows.started, std::vector<std::string>{"Tubrin.exe"});
}

TEST_F(CurvedSurface, EllipseAndRacetrackFilesPutTheirDimensionsFirst)
{
  ProgramWrites("1.35,1.42,1.40\r\n");
  m.Phantom.PhantomModel = kEllipticCylinderModel;
  m.Phantom.EllipseHRadius = 30.0;
  m.Phantom.EllipseVRadius = 12.5;
  m.Phantom.McHistories = 300000000;
  m.CalcBsfAndSurfaceDose();
  EXPECT_EQ(JokenBeforeRun(), "030.0\r\n012.5\r\n020.0\r\n080.0\r\n100.0\r\n035.6\r\n043.2\r\n00300000000\r\n");

  m.Phantom.PhantomModel = kRacetrackModel;
  m.Phantom.RacetrackA = 0.0;
  m.Phantom.RacetrackB = 22.25;  // "000.0" rounds half away from zero: 22.3
  m.Phantom.RacetrackL = 80.0;
  m.Phantom.McHistories = 123;
  m.CalcBsfAndSurfaceDose();
  EXPECT_EQ(JokenBeforeRun(), "000.0\r\n022.3\r\n080.0\r\n020.0\r\n080.0\r\n100.0\r\n035.6\r\n043.2\r\n00000000123\r\n");
  EXPECT_EQ(windows.started, (std::vector<std::string>{"Ovalis.exe", "Lapmoor.exe"}));
}

TEST_F(CurvedSurface, BoxesAreReadByTheirLeadingNumberAndLargeValuesKeepAllDigits)
{
  ProgramWrites("1.35,1.42,1.40\r\n");
  SetBeamBoxes(" 75abc", "1000", "35.6 cm", "43.2");
  m.Phantom.CylinderRadius = 1000.0;
  m.Phantom.McHistories = 500000000;
  m.CalcBsfAndSurfaceDose();
  EXPECT_EQ(JokenBeforeRun(), "1000.0\r\n020.0\r\n075.0\r\n1000.0\r\n035.6\r\n043.2\r\n00500000000\r\n");
  // FSD and FFD are taken into the condition; the doses use them.
  EXPECT_EQ(m.Condition.FSD, 75.0);
  EXPECT_EQ(m.Condition.FFD, 1000.0);
}

TEST_F(CurvedSurface, ResultItemsGoToAirSoftTissueAndSkinAndTheDosesFollow)
{
  ProgramWrites("1.35,1.42,1.40\r\n");
  m.CalcBsfAndSurfaceDose();
  EXPECT_EQ(m.Result.BsfAir, 1.35);
  EXPECT_EQ(m.Result.BsfSoft, 1.42);
  EXPECT_EQ(m.Result.BsfSkin, 1.40);
  EXPECT_EQ(windows.CaptionOf(ResultLabel::BsfAir), "1.350");
  EXPECT_EQ(windows.CaptionOf(ResultLabel::BsfSoft), "1.420");
  EXPECT_EQ(windows.CaptionOf(ResultLabel::BsfSkin), "1.400");
  // Dose = 1000 x BSF x conversion factor x output x 10000 / FSD^2; the
  // conversion factor here is 33.97 x 1.05 (soft tissue), FSD 80 cm.
  const double conv_soft = 33.97 * 1.05;
  EXPECT_NEAR(m.Result.EntranceSurfaceDoseSoft, 1000.0 * 1.42 * conv_soft * 2.58e-4 * 10000.0 / 6400.0, 1e-9);
  EXPECT_NEAR(m.Result.EntranceSurfaceDoseAir, 1000.0 * 1.35 * 33.97 * 2.58e-4 * 10000.0 / 6400.0, 1e-9);
}

TEST_F(CurvedSurface, ResultFileOnThreeLinesOrWithBlanksReadsTheSameAndLaterItemsAreIgnored)
{
  for (const std::string text : {"1.35\r\n1.42\r\n1.40\r\n", "1.35\n1.42\n1.40", "  1.35  1.42 , 1.40\r\n",
                                 "1.35,1.42,1.40,not read\r\n9\r\n"}) {
    WriteResult(text);
    const BackscatterFactors f = ReadBackscatterResult(folder / "resultBSF.txt");
    EXPECT_EQ(f.BsfAir, 1.35) << text;
    EXPECT_EQ(f.BsfSoft, 1.42) << text;
    EXPECT_EQ(f.BsfSkin, 1.40) << text;
  }
}

TEST_F(CurvedSurface, ShortMissingOrTextResultFilesRaise)
{
  EXPECT_THROW(ReadBackscatterResult(folder / "resultBSF.txt"), FileError);
  WriteResult("1.35,1.42\r\n");
  EXPECT_THROW(ReadBackscatterResult(folder / "resultBSF.txt"), DataError);
  WriteResult("");
  EXPECT_THROW(ReadBackscatterResult(folder / "resultBSF.txt"), DataError);
  WriteResult("1.35,abc,1.40\r\n");
  EXPECT_THROW(ReadBackscatterResult(folder / "resultBSF.txt"), DataError);
}

TEST_F(CurvedSurface, TheFileIsCompleteBeforeTheStartAndTheResultIsReadAfterTheWait)
{
  // An earlier calculation's file is there; it is gone before the start, the
  // program writes its own while the user waits, and that one is taken.
  WriteResult("1.11,1.11,1.11\r\n");
  std::string at_start;
  bool earlier_gone = false;
  windows.on_start = [&](std::string_view) {
    at_start = JokenBeforeRun();
    earlier_gone = !fs::exists(folder / "resultBSF.txt");
  };
  windows.on_message = [&] { WriteRunResult("1.35,1.42,1.40\r\n"); };
  m.CalcBsfAndSurfaceDose();
  EXPECT_EQ(at_start, "015.0\r\n020.0\r\n080.0\r\n100.0\r\n035.6\r\n043.2\r\n00050000000\r\n");
  EXPECT_TRUE(earlier_gone);
  EXPECT_EQ(m.Result.BsfSoft, 1.42);
  // Conversion factors, then a yield, the start and the wait; then the six result labels.
  const std::vector<std::string> expected{"caption", "caption", "yield",   "start",   "message",
                                          "caption", "caption", "caption", "caption", "caption",
                                          "caption"};
  EXPECT_EQ(windows.events, expected);
}

TEST_F(CurvedSurface, EachRunHasItsOwnTokenAfterTheOldLines)
{
  ProgramWrites("1.35,1.42,1.40\r\n");
  m.CalcBsfAndSurfaceDose();
  const std::string first = Run();
  m.CalcBsfAndSurfaceDose();
  EXPECT_TRUE(IsRunToken(first)) << first;
  EXPECT_TRUE(IsRunToken(Run())) << Run();
  EXPECT_NE(Run(), first);
  EXPECT_EQ(JokenBeforeRun(), "015.0\r\n020.0\r\n080.0\r\n100.0\r\n035.6\r\n043.2\r\n00050000000\r\n");
  // The result file's old lines read as before; the token follows them.
  const BackscatterResultFile read = ReadBackscatterResultFile(folder / "resultBSF.txt");
  EXPECT_EQ(read.factors.BsfSkin, 1.40);
  EXPECT_EQ(read.run, Run());
  WriteResult("1.35\r\n1.42\r\n1.40\r\n");
  EXPECT_EQ(ReadBackscatterResultFile(folder / "resultBSF.txt").run, "");
}

// The case: the program of an earlier run finishes late and writes
// its factor, or a file of the old layout is there; neither is this run's.
TEST_F(CurvedSurface, AResultOfAnotherRunOrOfNoneIsNeverTaken)
{
  for (const std::string other : {"1.404,1.404,1.404\r\n0123456789ABCDEF\r\n", "1.404,1.404,1.404\r\n"}) {
    windows.Clear();
    windows.on_message = [&] { WriteResult(other); };
    EXPECT_THROW(m.CalcBsfAndSurfaceDose(), BackscatterNotTaken) << other;
    // The program has ended without this run's result, and says so.
    ASSERT_EQ(windows.messages.size(), 2u);
    EXPECT_EQ(windows.messages[1].text, "後方散乱係数の計算プログラムは、この計算の結果を書かずに終了しました");
    EXPECT_EQ(windows.messages[1].icon, MsgIcon::Warning);
    EXPECT_EQ(m.Result.BsfSoft, 0.0);
    EXPECT_EQ(windows.CaptionOf(ResultLabel::BsfSoft), "");
  }
}

TEST_F(CurvedSurface, OkBeforeTheProgramHasFinishedLetsTheUserWaitAgainOrGiveUp)
{
  windows.running = true;
  int asked = 0;
  windows.on_ask = [&] {
    // The first OK comes too early again; by the second the program has written.
    if (++asked == 2) WriteRunResult("1.35,1.42,1.40\r\n");
    return true;
  };
  m.CalcBsfAndSurfaceDose();
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(m.Result.BsfSoft, 1.42);
  ASSERT_EQ(windows.messages.size(), 3u);
  EXPECT_EQ(windows.messages[1].text,
            "後方散乱係数の計算プログラムはまだ終了していません。 計算終了後、OK ボタンを押して下さい。"
            "この計算をやめるときは Cancel ボタンを押して下さい");
  EXPECT_EQ(windows.messages[1].icon, MsgIcon::Warning);

  // Cancel gives the calculation up, with nothing more to say.
  windows.Clear();
  m.Result = {};
  m.Result.OutputAt1m = 2.58e-4;
  windows.on_ask = nullptr;
  EXPECT_THROW(m.CalcBsfAndSurfaceDose(), BackscatterNotTaken);
  EXPECT_EQ(windows.messages.size(), 2u);
  EXPECT_EQ(m.Result.BsfSoft, 0.0);

  // English: the same question in the edition's words.
  CurvedWindowPort english_windows;
  english_windows.running = true;
  BeamCalculation english(Edition::English, folder, english_windows);
  Mirror(english, english_windows);
  EXPECT_THROW(english.CalcBsfAndSurfaceDose(), BackscatterNotTaken);
  ASSERT_EQ(english_windows.messages.size(), 2u);
  EXPECT_EQ(english_windows.messages[1].text,
            " The backscatter program has not finished yet. Press OK after the calculation is completed, or Cancel "
            "to give up this calculation ");
}

TEST_F(CurvedSurface, FactorsNoBodyHasAreRefusedNamingTheFile)
{
  for (const std::string bad : {"-1.5", "0", "0.2", "50", "0.99999", "1.80001"}) {
    windows.Clear();
    ProgramWrites("1.35," + bad + ",1.40\r\n");
    EXPECT_THROW(m.CalcBsfAndSurfaceDose(), BackscatterNotTaken) << bad;
    ASSERT_EQ(windows.messages.size(), 2u) << bad;
    EXPECT_EQ(windows.messages[1].text, "resultBSF.txt：軟部組織吸収線量の後方散乱係数が " + bad +
                                            " です。後方散乱係数は 1 から 1.8 の値です");
    EXPECT_EQ(m.Result.BsfSoft, 0.0);
  }
  // Text where this run's factor belongs.
  windows.Clear();
  ProgramWrites("1.35,abc,1.40\r\n");
  EXPECT_THROW(m.CalcBsfAndSurfaceDose(), BackscatterNotTaken);
  ASSERT_EQ(windows.messages.size(), 2u);
  EXPECT_EQ(windows.messages[1].text, "resultBSF.txt（1 行目）：数値の位置に「abc」があります");

  // The limits themselves are a body's factors.
  ProgramWrites("1,1.8,1.00000\r\n");
  m.CalcBsfAndSurfaceDose();
  EXPECT_EQ(m.Result.BsfSoft, 1.8);

  CurvedWindowPort english_windows;
  english_windows.on_start = [this](std::string_view) { WriteRunResult("50,1.3,1.3\r\n"); };
  BeamCalculation english(Edition::English, folder, english_windows);
  Mirror(english, english_windows);
  EXPECT_THROW(english.CalcBsfAndSurfaceDose(), BackscatterNotTaken);
  ASSERT_EQ(english_windows.messages.size(), 2u);
  EXPECT_EQ(english_windows.messages[1].text,
            "resultBSF.txt: the backscatter factor based on air kerma is 50; a backscatter factor lies between 1 and 1.8");
}

TEST_F(CurvedSurface, WaitMessageHasTheWarningIconAndTheEditionsText)
{
  ProgramWrites("1.35,1.42,1.40\r\n");
  m.CalcBsfAndSurfaceDose();
  ASSERT_EQ(windows.messages.size(), 1u);
  EXPECT_EQ(windows.messages[0].text, "しばらくこのままお待ちください。 計算終了後、この OK ボタンを押して下さい");
  EXPECT_EQ(windows.messages[0].icon, MsgIcon::Warning);
  EXPECT_EQ(windows.messages[0].title, MsgTitle::ProgramTitle);

  CurvedWindowPort english_windows;
  english_windows.on_start = windows.on_start;
  BeamCalculation english(Edition::English, folder, english_windows);
  Mirror(english, english_windows);
  english.CalcBsfAndSurfaceDose();
  ASSERT_EQ(english_windows.messages.size(), 1u);
  EXPECT_EQ(english_windows.messages[0].text,
            " Please wait for a while. Press this OK button after the calculation is completed ");
}

TEST_F(CurvedSurface, AProgramThatCannotStartRaisesBeforeTheWait)
{
  WriteResult("1.35,1.42,1.40\r\n");
  windows.on_start = [](std::string_view name) { throw FileError(std::string(name) + ": program not found"); };
  EXPECT_THROW(m.CalcBsfAndSurfaceDose(), FileError);
  EXPECT_TRUE(windows.messages.empty());
  EXPECT_EQ(windows.CaptionOf(ResultLabel::BsfSoft), "");  // no backscatter factor shown
  EXPECT_NE(windows.CaptionOf(ResultLabel::ConvFactorSoft), "");  // the conversion factors were
  EXPECT_EQ(m.Result.BsfSoft, 0.0);
}

TEST_F(CurvedSurface, AWindowPortWithoutProgramStartsRefuses)
{
  RecordingWindowPort plain;
  plain.main_boxes = windows.main_boxes;
  BeamCalculation other(Edition::Japanese, folder, plain);
  other.Attenuation = m.Attenuation;
  other.KermaSpectrum = m.KermaSpectrum;
  other.Condition = m.Condition;
  other.Phantom = m.Phantom;
  WriteResult("1.35,1.42,1.40\r\n");
  EXPECT_THROW(other.CalcBsfAndSurfaceDose(), FileError);
  EXPECT_TRUE(plain.messages.empty());
}

TEST_F(CurvedSurface, AnotherModelHasNoProgramAndTakesNoResult)
{
  for (const int model : {0, 3, 5}) {
    m.Phantom.PhantomModel = model;
    windows.Clear();
    WriteResult("1.2,1.3,1.25\r\n");  // left by an earlier calculation
    EXPECT_THROW(m.CalcBsfAndSurfaceDose(), CalcError) << model;
    EXPECT_FALSE(fs::exists(folder / "joken.txt")) << model;
    EXPECT_TRUE(windows.started.empty()) << model;
    EXPECT_TRUE(windows.messages.empty()) << model;
    EXPECT_EQ(m.Result.BsfAir, 0.0) << model;
  }
}

TEST_F(CurvedSurface, AnFsdBoxWithoutANumberWritesZeroAndTheDoseStepFails)
{
  ProgramWrites("1.35,1.42,1.40\r\n");
  SetBeamBoxes("abc", "100", "35.6", "43.2");
  EXPECT_THROW(m.CalcBsfAndSurfaceDose(), CalcError);
  EXPECT_EQ(JokenBeforeRun(), "015.0\r\n020.0\r\n000.0\r\n100.0\r\n035.6\r\n043.2\r\n00050000000\r\n");
  EXPECT_EQ(m.Condition.FSD, 0.0);
  EXPECT_EQ(m.Result.BsfSoft, 1.42);  // read before the failure
}

TEST_F(CurvedSurface, AnUnwritableFolderRaisesBeforeAnyStart)
{
  BeamCalculation nowhere(Edition::Japanese, folder / "missing" / "deeper", windows);
  nowhere.Attenuation = m.Attenuation;
  nowhere.KermaSpectrum = m.KermaSpectrum;
  nowhere.Condition = m.Condition;
  nowhere.Phantom = m.Phantom;
  EXPECT_THROW(nowhere.CalcBsfAndSurfaceDose(), FileError);
  EXPECT_TRUE(windows.started.empty());
}

}  // namespace
}  // namespace vorn::testing
