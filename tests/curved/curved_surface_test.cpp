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

#include "beam/curved_surface.h"
#include "beam/beam_calculation.h"
#include "platform/errors.h"
#include "tests/beam/recording_window_port.h"
#include "text/beam_texts.h"

namespace vorn::testing {
namespace {

namespace fs = std::filesystem;

// Records program starts among the other events; `on_start` and `on_message`
// let a test act as the started program.
class CurvedWindowPort : public RecordingWindowPort {
public:
  void StartProgram(std::string_view name) override
  {
    started.emplace_back(name);
    events.push_back("start");
    if (on_start) on_start(name);
  }
  void ShowMessage(std::string_view text, MsgIcon icon, MsgTitle title) override
  {
    RecordingWindowPort::ShowMessage(text, icon, title);
    if (on_message) on_message();
  }
  std::vector<std::string> started;
  std::function<void(std::string_view)> on_start;
  std::function<void()> on_message;
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
  // The started program writes its result while the user waits.
  void ProgramWrites(const std::string& text)
  {
    windows.on_start = [this, text](std::string_view) { WriteResult(text); };
  }
  std::string Joken() const { return ReadBytes(folder / "joken.txt"); }

  const fs::path folder = fs::temp_directory_path() / ("vorn_curved_" + std::to_string(::getpid()));
  CurvedWindowPort windows;
  BeamCalculation m{Edition::Japanese, folder, windows};
};

TEST_F(CurvedSurface, CylinderConditionFileHoldsTheSevenLinesOfTheExample)
{
  ProgramWrites("1.35,1.42,1.40\r\n");
  m.CalcBsfAndSurfaceDose();
  EXPECT_EQ(Joken(), "015.0\r\n020.0\r\n080.0\r\n100.0\r\n035.6\r\n043.2\r\n00050000000\r\n");
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
  EXPECT_EQ(Joken(), "030.0\r\n012.5\r\n020.0\r\n080.0\r\n100.0\r\n035.6\r\n043.2\r\n00300000000\r\n");

  m.Phantom.PhantomModel = kRacetrackModel;
  m.Phantom.RacetrackA = 0.0;
  m.Phantom.RacetrackB = 22.25;  // "000.0" rounds half away from zero: 22.3
  m.Phantom.RacetrackL = 80.0;
  m.Phantom.McHistories = 123;
  m.CalcBsfAndSurfaceDose();
  EXPECT_EQ(Joken(), "000.0\r\n022.3\r\n080.0\r\n020.0\r\n080.0\r\n100.0\r\n035.6\r\n043.2\r\n00000000123\r\n");
  EXPECT_EQ(windows.started, (std::vector<std::string>{"Ovalis.exe", "Lapmoor.exe"}));
}

TEST_F(CurvedSurface, BoxesAreReadByTheirLeadingNumberAndLargeValuesKeepAllDigits)
{
  ProgramWrites("1.35,1.42,1.40\r\n");
  SetBeamBoxes(" 75abc", "1000", "35.6 cm", "43.2");
  m.Phantom.CylinderRadius = 1000.0;
  m.Phantom.McHistories = 500000000;
  m.CalcBsfAndSurfaceDose();
  EXPECT_EQ(Joken(), "1000.0\r\n020.0\r\n075.0\r\n1000.0\r\n035.6\r\n043.2\r\n00500000000\r\n");
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
    at_start = Joken();
    earlier_gone = !fs::exists(folder / "resultBSF.txt");
  };
  windows.on_message = [&] { WriteResult("1.35,1.42,1.40\r\n"); };
  m.CalcBsfAndSurfaceDose();
  EXPECT_EQ(at_start, "015.0\r\n020.0\r\n080.0\r\n100.0\r\n035.6\r\n043.2\r\n00050000000\r\n");
  EXPECT_TRUE(earlier_gone);
  EXPECT_EQ(m.Result.BsfSoft, 1.42);
  // Conversion factors, then a yield, the start and the wait; then the six result labels.
  const std::vector<std::string> expected{"caption", "caption", "yield",   "start",   "message",
                                          "caption", "caption", "caption", "caption", "caption",
                                          "caption"};
  EXPECT_EQ(windows.events, expected);

  // OK pressed before the program has written anything: the earlier result
  // does not pass for this one's, the read fails.
  windows.Clear();
  windows.on_message = nullptr;
  WriteResult("1.11,1.11,1.11\r\n");
  EXPECT_THROW(m.CalcBsfAndSurfaceDose(), FileError);
  EXPECT_EQ(m.Result.BsfSoft, 1.42);
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
  english_windows.main_boxes = windows.main_boxes;
  english_windows.on_start = windows.on_start;
  BeamCalculation english(Edition::English, folder, english_windows);
  english.Attenuation = m.Attenuation;
  english.KermaSpectrum = m.KermaSpectrum;
  english.Condition = m.Condition;
  english.Phantom = m.Phantom;
  english.Result.OutputAt1m = 2.58e-4;
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

TEST_F(CurvedSurface, AnotherModelWritesAndStartsNothingButStillWaitsAndReads)
{
  for (const int model : {0, 3, 5}) {
    m.Phantom.PhantomModel = model;
    windows.Clear();
    windows.started.clear();
    WriteResult("1.2,1.3,1.25\r\n");  // left by an earlier calculation
    m.CalcBsfAndSurfaceDose();
    EXPECT_FALSE(fs::exists(folder / "joken.txt")) << model;
    EXPECT_TRUE(windows.started.empty()) << model;
    EXPECT_EQ(windows.messages.size(), 1u) << model;
    EXPECT_EQ(windows.yields, 0) << model;
    EXPECT_EQ(m.Result.BsfAir, 1.2) << model;
    EXPECT_EQ(m.Result.BsfSkin, 1.25) << model;
  }
  // Without a result file the read fails after the wait.
  fs::remove(folder / "resultBSF.txt");
  windows.Clear();
  EXPECT_THROW(m.CalcBsfAndSurfaceDose(), FileError);
  EXPECT_EQ(windows.messages.size(), 1u);
}

TEST_F(CurvedSurface, AnFsdBoxWithoutANumberWritesZeroAndTheDoseStepFails)
{
  ProgramWrites("1.35,1.42,1.40\r\n");
  SetBeamBoxes("abc", "100", "35.6", "43.2");
  EXPECT_THROW(m.CalcBsfAndSurfaceDose(), CalcError);
  EXPECT_EQ(Joken(), "015.0\r\n020.0\r\n000.0\r\n100.0\r\n035.6\r\n043.2\r\n00050000000\r\n");
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
