// The backscatter programs' inputs and output: joken.txt and X_SPCTL.dat as
// the main program writes them, read back; malformed inputs reported with
// the file and line and no result written; the result file read back by the
// main program; the batch plan, the patch and the progress texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "beam/x_spctl_export.h"
#include "bsf_test_support.h"
#include "platform/errors.h"
#include "platform/format/format.h"
#include "tools/bsfprog/bsf_program.h"
#include "tools/bsfprog/run_progress.h"

namespace vorn::testing {
namespace {

namespace fs = std::filesystem;
using bsf::PhantomShape;

// ---------------------------------------------------------------- joken.txt

TEST(ConditionFile, EachShapeReadsBackWhatTheMainProgramWrote)
{
  TempDir dir;
  PhantomGeometry p;
  p.McHistories = 50000000;
  p.PhantomModel = kCylinderModel;
  p.CylinderRadius = 15.0;
  WriteCondition(dir.path(), p);
  bsf::PhantomCondition c = bsf::ReadPhantomCondition(dir.path() / "joken.txt", PhantomShape::Cylinder);
  EXPECT_EQ(c.CylinderRadius, 15.0);
  EXPECT_EQ(c.ObjectThickness, 20.0);
  EXPECT_EQ(c.FSD, 80.0);
  EXPECT_EQ(c.FFD, 100.0);
  EXPECT_EQ(c.SideText11, 35.6);
  EXPECT_EQ(c.SideText10, 43.2);
  EXPECT_EQ(c.McHistories, 50000000);

  p.PhantomModel = kEllipticCylinderModel;
  p.EllipseHRadius = 30.0;
  p.EllipseVRadius = 12.5;
  WriteCondition(dir.path(), p);
  c = bsf::ReadPhantomCondition(dir.path() / "joken.txt", PhantomShape::EllipticCylinder);
  EXPECT_EQ(c.EllipseHRadius, 30.0);
  EXPECT_EQ(c.EllipseVRadius, 12.5);
  EXPECT_EQ(c.ObjectThickness, 20.0);
  EXPECT_EQ(c.SideText10, 43.2);

  p.PhantomModel = kRacetrackModel;
  p.RacetrackA = 0.0;
  p.RacetrackB = 24.0;
  p.RacetrackL = 1000.0;  // written as 1000.0
  p.McHistories = 300000000;
  WriteCondition(dir.path(), p);
  c = bsf::ReadPhantomCondition(dir.path() / "joken.txt", PhantomShape::Racetrack);
  EXPECT_EQ(c.RacetrackA, 0.0);
  EXPECT_EQ(c.RacetrackB, 24.0);
  EXPECT_EQ(c.RacetrackL, 1000.0);
  EXPECT_EQ(c.FSD, 80.0);
  EXPECT_EQ(c.McHistories, 300000000);
}

TEST(ConditionFile, TheMainProgramsRunTokenMayFollowAndTellsWhenItIsSuperseded)
{
  TempDir dir;
  const fs::path joken = dir.path() / "joken.txt";
  PhantomGeometry p;
  p.McHistories = 1000;
  p.PhantomModel = kCylinderModel;
  p.CylinderRadius = 15.0;
  WriteCondition(dir.path(), p, DefaultBeam(), "R0123456789ABCDEF");
  bsf::PhantomCondition c = bsf::ReadPhantomCondition(joken, PhantomShape::Cylinder);
  EXPECT_EQ(c.RunToken, "R0123456789ABCDEF");
  EXPECT_EQ(c.McHistories, 1000);
  EXPECT_FALSE(bsf::ConditionSuperseded(joken, "R0123456789ABCDEF"));
  EXPECT_TRUE(bsf::ConditionSuperseded(joken, "R1111111111111111"));

  WriteCondition(dir.path(), p);  // the old layout: no token
  EXPECT_EQ(bsf::ReadPhantomCondition(joken, PhantomShape::Cylinder).RunToken, "");
  EXPECT_TRUE(bsf::ConditionSuperseded(joken, "R0123456789ABCDEF"));
  fs::remove(joken);  // the main program has ended
  EXPECT_TRUE(bsf::ConditionSuperseded(joken, "R0123456789ABCDEF"));

  // A last line that is no token is a line too many.
  WriteFile(joken, "015.0\r\n020.0\r\n080.0\r\n100.0\r\n035.6\r\n043.2\r\n00000001000\r\nrun-1\r\n");
  EXPECT_THROW(bsf::ReadPhantomCondition(joken, PhantomShape::Cylinder), DataError);
}

TEST(ConditionFile, BlanksLineFeedsAndTrailingEmptyLinesAreAccepted)
{
  TempDir dir;
  WriteFile(dir.path() / "joken.txt", " 15.0\n20 \n80\n100\n35.6\n43.2\n00000001000\n\n\r\n");
  const bsf::PhantomCondition c = bsf::ReadPhantomCondition(dir.path() / "joken.txt", PhantomShape::Cylinder);
  EXPECT_EQ(c.CylinderRadius, 15.0);
  EXPECT_EQ(c.McHistories, 1000);
}

TEST(ConditionFile, TheShortestAndLongestLengthsAreAccepted)
{
  TempDir dir;
  WriteFile(dir.path() / "joken.txt", "0.01\r\n1000\r\n1000\r\n1000\r\n0.01\r\n1000\r\n1\r\n");
  bsf::PhantomCondition c = bsf::ReadPhantomCondition(dir.path() / "joken.txt", PhantomShape::Cylinder);
  EXPECT_EQ(c.CylinderRadius, 0.01);
  EXPECT_EQ(c.ObjectThickness, 1000.0);
  EXPECT_EQ(c.SideText11, 0.01);
  EXPECT_EQ(c.SideText10, 1000.0);
  // A cross-section may be a hundred metres wide: flat over any field.
  WriteFile(dir.path() / "joken.txt", "10000.0\r\n0.01\r\n020.0\r\n" + std::string("080.0\r\n100.0\r\n035.6\r\n043.2\r\n1\r\n"));
  c = bsf::ReadPhantomCondition(dir.path() / "joken.txt", PhantomShape::EllipticCylinder);
  EXPECT_EQ(c.EllipseHRadius, 10000.0);
  EXPECT_EQ(c.EllipseVRadius, 0.01);
}

struct BadCondition {
  const char* name;
  PhantomShape shape;
  std::string text;
  std::string expected;  // part of the message
};

TEST(ConditionFile, MalformedFilesAreRefusedWithTheFileAndLine)
{
  const std::string tail = "080.0\r\n100.0\r\n035.6\r\n043.2\r\n00000001000\r\n";
  const std::vector<BadCondition> cases{
      {"short", PhantomShape::Cylinder, "015.0\r\n020.0\r\n080.0\r\n100.0\r\n035.6\r\n043.2\r\n", "has 6 lines"},
      {"ellipse file for the cylinder", PhantomShape::Cylinder, "030.0\r\n020.0\r\n020.0\r\n" + tail,
       "has 8 lines; the cylinder needs 7"},
      {"text", PhantomShape::Cylinder, "015.0\r\nabc\r\n" + tail, "line 2: expected a number for the body thickness"},
      {"trailing text", PhantomShape::Cylinder, "015.0cm\r\n020.0\r\n" + tail, "line 1"},
      {"empty line", PhantomShape::Cylinder, "015.0\r\n\r\n" + tail, "line 2"},
      {"negative radius", PhantomShape::Cylinder, "-15.0\r\n020.0\r\n" + tail, "the cylinder radius must be above 0"},
      {"zero thickness", PhantomShape::Cylinder, "015.0\r\n000.0\r\n" + tail, "the body thickness must be above 0"},
      {"zero FSD", PhantomShape::Cylinder, "015.0\r\n020.0\r\n000.0\r\n100.0\r\n035.6\r\n043.2\r\n00000001000\r\n",
       "line 3: FSD must be above 0"},
      {"zero histories", PhantomShape::Cylinder, "015.0\r\n020.0\r\n080.0\r\n100.0\r\n035.6\r\n043.2\r\n00000000000\r\n",
       "line 7: the photon histories must be a whole number"},
      {"more histories than a day holds", PhantomShape::Cylinder,
       "015.0\r\n020.0\r\n080.0\r\n100.0\r\n035.6\r\n043.2\r\n1000000000001\r\n",
       "line 7: the photon histories must be a whole number from 1 to 1000000000000"},
      {"fractional histories", PhantomShape::Cylinder, "015.0\r\n020.0\r\n080.0\r\n100.0\r\n035.6\r\n043.2\r\n1000.5\r\n",
       "whole number"},
      {"zero semi-axis", PhantomShape::EllipticCylinder, "030.0\r\n000.0\r\n020.0\r\n" + tail,
       "the vertical semi-axis must be above 0"},
      {"zero end diameter", PhantomShape::Racetrack, "020.0\r\n000.0\r\n080.0\r\n020.0\r\n" + tail,
       "the end diameter b must be above 0"},
      {"negative flat top", PhantomShape::Racetrack, "-1.0\r\n020.0\r\n080.0\r\n020.0\r\n" + tail,
       "the flat top a must be 0 or more"},
      // Sizes no body has: the transport made NaN or nonsense of them, or never ended.
      {"huge radius", PhantomShape::Cylinder, "1e308\r\n020.0\r\n" + tail,
       "line 1: the cylinder radius must lie between 0.01 and 10000 cm, found 1e308"},
      {"thin body", PhantomShape::Cylinder, "015.0\r\n1e-300\r\n" + tail,
       "line 2: the body thickness must lie between 0.01 and 1000 cm, found 1e-300"},
      {"flat ellipse", PhantomShape::EllipticCylinder, "1e308\r\n1e-300\r\n020.0\r\n" + tail,
       "line 1: the horizontal semi-axis must lie between"},
      {"thin ellipse", PhantomShape::EllipticCylinder, "030.0\r\n1e-300\r\n020.0\r\n" + tail,
       "line 2: the vertical semi-axis must lie between"},
      {"tiny flat top", PhantomShape::Racetrack, "1e-300\r\n020.0\r\n080.0\r\n020.0\r\n" + tail,
       "line 1: the flat top a must be 0 or lie between 0.01 and 10000 cm"},
      {"huge end diameter", PhantomShape::Racetrack, "020.0\r\n1e308\r\n080.0\r\n020.0\r\n" + tail,
       "line 2: the end diameter b must lie between"},
      {"short racetrack", PhantomShape::Racetrack, "020.0\r\n020.0\r\n1e-300\r\n020.0\r\n" + tail,
       "line 3: the length L must lie between"},
      {"long racetrack", PhantomShape::Racetrack, "020.0\r\n020.0\r\n1000.1\r\n020.0\r\n" + tail,
       "line 3: the length L must lie between 0.01 and 1000 cm, found 1000.1"},
      {"thick body", PhantomShape::Cylinder, "015.0\r\n1000.1\r\n" + tail,
       "line 2: the body thickness must lie between 0.01 and 1000 cm, found 1000.1"},
      {"far focus", PhantomShape::Cylinder, "015.0\r\n020.0\r\n1e308\r\n1e-300\r\n1e200\r\n1e200\r\n00000001000\r\n",
       "line 3: FSD must lie between"},
      {"near film", PhantomShape::Cylinder, "015.0\r\n020.0\r\n080.0\r\n1e-300\r\n035.6\r\n043.2\r\n00000001000\r\n",
       "line 4: FFD must lie between"},
      {"wide field", PhantomShape::Cylinder, "015.0\r\n020.0\r\n080.0\r\n100.0\r\n1e5\r\n043.2\r\n00000001000\r\n",
       "line 5: the first field side must lie between 0.01 and 1000 cm, found 1e5"},
      {"wide field at the skin", PhantomShape::Cylinder,
       "015.0\r\n020.0\r\n1000\r\n0.01\r\n1000\r\n0.01\r\n00000001000\r\n",
       "the field at the skin, 100000000 x 1000 cm (the sides at FFD times FSD / FFD), must have sides between 0.01 "
       "and 1000 cm"},
  };
  for (const BadCondition& c : cases) {
    TempDir dir;
    WriteFile(dir.path() / "joken.txt", c.text);
    try {
      bsf::ReadPhantomCondition(dir.path() / "joken.txt", c.shape);
      ADD_FAILURE() << c.name << ": accepted";
    } catch (const DataError& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find("joken.txt"), std::string::npos) << c.name << ": " << message;
      EXPECT_NE(message.find(c.expected), std::string::npos) << c.name << ": " << message;
    }
  }
  TempDir dir;
  EXPECT_THROW(bsf::ReadPhantomCondition(dir.path() / "joken.txt", PhantomShape::Cylinder), FileError);
}

// ---------------------------------------------------------------- X_SPCTL.dat

TEST(SpectrumFile, ReadsTheMainProgramsExportAsPhotonShares)
{
  TempDir dir;
  EnergyBinArray spectrum{};
  spectrum[2] = 0.1;     // 1 keV, the lowest energy transported
  spectrum[100] = 0.3;   // 50 keV
  spectrum[300] = 0.6;   // 150 keV
  WriteSpectrumExport(dir.path() / "X_SPCTL.dat", spectrum);
  const bsf::BeamSpectrum s = bsf::ReadSpectrumExport(dir.path() / "X_SPCTL.dat");
  EXPECT_EQ(s.E_keV, (std::vector<double>{1.0, 50.0, 150.0}));
  ASSERT_EQ(s.probability.size(), 3u);
  EXPECT_NEAR(s.probability[0], 0.1, 1e-12);
  EXPECT_NEAR(s.probability[1], 0.3, 1e-12);
  EXPECT_NEAR(s.probability[2], 0.6, 1e-12);
  EXPECT_NEAR(s.MeanEnergy_keV(), 0.1 + 15.0 + 90.0, 1e-9);
}

TEST(SpectrumFile, TheMainProgramsSpectrumReadsBackWithItsMeanEnergy)
{
  // Against the spectrum in memory: the export keeps 5 decimals, so the
  // mean energy agrees to a few tenths of a keV.
  TempDir dir;
  SilentWindows windows;
  BeamCalculation m(Edition::English, dir.path(), windows);
  PrepareMainModule(m, 80.0);
  m.CalcSpectrum();
  double mean = 0.0, sum = 0.0;
  for (int i = 1; i <= kLastBin; ++i) {
    mean += BinEnergy_keV(i) * m.Spectrum[i];
    sum += m.Spectrum[i];
  }
  const bsf::BeamSpectrum s = bsf::ReadSpectrumExport(dir.path() / "X_SPCTL.dat");
  EXPECT_NEAR(s.MeanEnergy_keV(), mean / sum, 0.3);
  EXPECT_LE(s.E_keV.back(), 80.0);
  EXPECT_GT(s.MeanEnergy_keV(), 30.0);
  EXPECT_LT(s.MeanEnergy_keV(), 60.0);
}

std::string SpectrumText(int lines)
{
  std::string text;
  for (int i = 1; i <= lines; ++i) text += Format(0.5 * i, "0000.0") + ", " + (i == 100 ? "0.50000" : "0.00000") + "\r\n";
  return text;
}

TEST(SpectrumFile, MalformedExportsAreRefusedWithTheFileAndLine)
{
  struct Bad {
    const char* name;
    std::string text;
    std::string expected;
  };
  std::string wrong_energy = SpectrumText(300);
  wrong_energy.replace(wrong_energy.find("0050.0"), 6, "0051.0");
  std::string negative = SpectrumText(300);
  negative.replace(negative.find("0010.0, 0.00000"), 15, "0010.0, -0.0001");
  std::string text_count = SpectrumText(300);
  text_count.replace(text_count.find("0020.0, 0.00000"), 15, "0020.0, x");
  std::string low = SpectrumText(300);
  low.replace(low.find("0000.5, 0.00000"), 15, "0000.5, 0.10000");
  std::string empty = SpectrumText(300);
  empty.replace(empty.find("0.50000"), 7, "0.00000");
  std::string no_comma = SpectrumText(300);
  no_comma.replace(no_comma.find("0030.0, 0.00000"), 15, "0030.0 0.00000");
  const std::vector<Bad> cases{
      {"short", SpectrumText(299), "has 299 lines"},
      {"long", SpectrumText(301), "has 301 lines"},
      {"wrong energy", wrong_energy, "line 100: the energy should be 50 keV, found 51"},
      {"negative", negative, "line 20: a negative photon count"},
      {"text", text_count, "line 40: expected \"energy, count\""},
      {"below the transport", low, "line 1: photons below 1 keV"},
      {"no comma", no_comma, "line 60"},
      {"empty", empty, "holds no photons"},
  };
  for (const Bad& c : cases) {
    TempDir dir;
    WriteFile(dir.path() / "X_SPCTL.dat", c.text);
    try {
      bsf::ReadSpectrumExport(dir.path() / "X_SPCTL.dat");
      ADD_FAILURE() << c.name << ": accepted";
    } catch (const DataError& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find("X_SPCTL.dat"), std::string::npos) << c.name << ": " << message;
      EXPECT_NE(message.find(c.expected), std::string::npos) << c.name << ": " << message;
    }
  }
  TempDir dir;
  EXPECT_THROW(bsf::ReadSpectrumExport(dir.path() / "X_SPCTL.dat"), FileError);
}

// ---------------------------------------------------------------- the program's run

class ProgramRun : public ::testing::Test {
protected:
  void SetUp() override
  {
    phantom.PhantomModel = kCylinderModel;
    phantom.CylinderRadius = 15.0;
    phantom.McHistories = 200000;  // enough for a factor within a few per cent
    WriteCondition(dir.path(), phantom);
    WriteMainProgramSpectrum(dir.path(), 80.0);
  }
  bsf::ProgramOutcome Run(PhantomShape shape = PhantomShape::Cylinder, const bsf::RunOptions& options = {})
  {
    return bsf::RunBackscatterProgram(shape, dir.path(), options, &Physics());
  }
  fs::path Result() const { return dir.path() / "resultBSF.txt"; }

  TempDir dir;
  PhantomGeometry phantom;
};

TEST_F(ProgramRun, WritesThreeFactorsThatTheMainProgramReadsBack)
{
  WriteFile(Result(), "9,9,9\r\n");  // an earlier run's
  const bsf::ProgramOutcome o = Run();
  ASSERT_TRUE(o.ok) << o.message;
  EXPECT_EQ(o.result.histories, 200000u);
  const std::string text = FileText(Result());
  EXPECT_EQ(text, bsf::ResultFileText(o.result));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 3);
  const BackscatterFactors f = ReadBackscatterResult(Result());
  EXPECT_NEAR(f.BsfAir, o.result.air.value, 5e-6);
  EXPECT_NEAR(f.BsfSoft, o.result.soft.value, 5e-6);
  EXPECT_NEAR(f.BsfSkin, o.result.skin.value, 5e-6);
  EXPECT_FALSE(fs::exists(dir.path() / "resultBSF.txt.part"));
}

TEST_F(ProgramRun, EchoesTheMainProgramsRunTokenAfterTheFactors)
{
  WriteCondition(dir.path(), phantom, DefaultBeam(), "R0123456789ABCDEF");
  const bsf::ProgramOutcome o = Run();
  ASSERT_TRUE(o.ok) << o.message;
  EXPECT_EQ(FileText(Result()), bsf::ResultFileText(o.result) + "R0123456789ABCDEF\r\n");
  const BackscatterResultFile read = ReadBackscatterResultFile(Result());
  EXPECT_EQ(read.run, "R0123456789ABCDEF");
  EXPECT_NEAR(read.factors.BsfSoft, o.result.soft.value, 5e-6);
}

TEST_F(ProgramRun, ARunStopsWhenTheMainProgramAsksForAnotherCalculation)
{
  phantom.McHistories = 2000000000;  // far more than can run before the next look
  WriteCondition(dir.path(), phantom, DefaultBeam(), "RFIRST");
  bsf::RunProgress progress;
  bsf::ProgramOutcome o;
  std::atomic<bool> ended{false};
  std::thread run([&] {
    o = Run(PhantomShape::Cylinder, {.progress = &progress});
    ended = true;
  });
  while (progress.total() == 0 && !ended) std::this_thread::yield();  // the transport has begun
  WriteCondition(dir.path(), phantom, DefaultBeam(), "RSECOND");
  run.join();
  EXPECT_FALSE(o.ok);
  EXPECT_NE(o.message.find("joken.txt no longer holds this run's token"), std::string::npos) << o.message;
  EXPECT_LT(progress.done(), progress.total());
  EXPECT_FALSE(fs::exists(Result()));
}

TEST_F(ProgramRun, AStaleResultIsRemovedEvenWhenTheInputsAreBad)
{
  struct Spoil {
    const char* name;
    std::function<void(const fs::path&)> apply;
    const char* file;
  };
  const std::vector<Spoil> spoils{
      {"no condition file", [](const fs::path& d) { fs::remove(d / "joken.txt"); }, "joken.txt"},
      {"short condition file", [](const fs::path& d) { WriteFile(d / "joken.txt", "015.0\r\n020.0\r\n"); }, "joken.txt"},
      {"no spectrum", [](const fs::path& d) { fs::remove(d / "X_SPCTL.dat"); }, "X_SPCTL.dat"},
      {"short spectrum", [](const fs::path& d) { WriteFile(d / "X_SPCTL.dat", "0000.5, 0.00000\r\n"); }, "X_SPCTL.dat"},
  };
  for (const Spoil& s : spoils) {
    SetUp();
    s.apply(dir.path());
    WriteFile(Result(), "1.11,1.22,1.33\r\n");
    const bsf::ProgramOutcome o = Run();
    EXPECT_FALSE(o.ok) << s.name;
    EXPECT_NE(o.message.find(s.file), std::string::npos) << s.name << ": " << o.message;
    EXPECT_FALSE(fs::exists(Result())) << s.name;
  }
}

TEST_F(ProgramRun, EachProgramReadsItsOwnShapesFile)
{
  // The cylinder's 7 lines are not an elliptic cylinder's 8.
  const bsf::ProgramOutcome o = Run(PhantomShape::EllipticCylinder);
  EXPECT_FALSE(o.ok);
  EXPECT_NE(o.message.find("the elliptic cylinder needs 8"), std::string::npos) << o.message;
  EXPECT_FALSE(fs::exists(Result()));
}

TEST_F(ProgramRun, AStopBeforeTheEndWritesNothing)
{
  bsf::RunProgress progress;
  progress.RequestCancel();
  const bsf::ProgramOutcome o = Run(PhantomShape::Cylinder, {.progress = &progress});
  EXPECT_FALSE(o.ok);
  EXPECT_NE(o.message.find("stopped"), std::string::npos) << o.message;
  EXPECT_FALSE(fs::exists(Result()));
}

TEST_F(ProgramRun, ProgressCountsEveryHistoryRun)
{
  bsf::RunProgress progress;
  phantom.McHistories = 212345;
  WriteCondition(dir.path(), phantom);
  const bsf::ProgramOutcome o = Run(PhantomShape::Cylinder, {.progress = &progress});
  ASSERT_TRUE(o.ok) << o.message;
  EXPECT_EQ(progress.total(), 212361u);  // 997 batches of 213
  EXPECT_EQ(progress.done(), 212361u);
  EXPECT_EQ(progress.fraction(), 1.0);
  EXPECT_EQ(o.result.histories, 212361u);
}

TEST_F(ProgramRun, AResultThatMeasuresNothingIsNotWritten)
{
  // Too few histories for the patch; and an ellipse so narrow (radius of
  // curvature 0.0125 cm at the top) that no photon reaches its patch.
  phantom.McHistories = 2000;
  WriteCondition(dir.path(), phantom);
  WriteFile(Result(), "1.1,1.1,1.1\r\n");
  bsf::ProgramOutcome o = Run();
  EXPECT_FALSE(o.ok);
  EXPECT_NE(o.message.find("run more photon histories"), std::string::npos) << o.message;
  EXPECT_FALSE(fs::exists(Result()));

  phantom.PhantomModel = kEllipticCylinderModel;
  phantom.EllipseHRadius = 0.5;
  phantom.EllipseVRadius = 20.0;
  phantom.McHistories = 200000;
  WriteCondition(dir.path(), phantom);
  o = Run(PhantomShape::EllipticCylinder);
  EXPECT_FALSE(o.ok);
  EXPECT_NE(o.message.find("no backscattered photon reached the scoring patch of radius 0.00125 cm"),
            std::string::npos)
      << o.message;
  EXPECT_FALSE(fs::exists(Result()));
}

TEST(ResultCheck, OnlyFiniteScoredAndCertainFactorsPass)
{
  bsf::BackscatterResult r;
  r.air = r.soft = r.skin = {1.4, 0.004};
  r.histories = 1000000;
  r.patch_radius_cm = 1.0;
  EXPECT_NO_THROW(bsf::CheckResultUsable(r));
  r.skin = {1.2, 0.06};  // exactly at the limit
  EXPECT_NO_THROW(bsf::CheckResultUsable(r));
  r.skin = {1.8, 0.01};  // a body's largest factor
  EXPECT_NO_THROW(bsf::CheckResultUsable(r));

  const auto message = [](const bsf::BackscatterResult& x) {
    try {
      bsf::CheckResultUsable(x);
    } catch (const CalcError& e) {
      return std::string(e.what());
    }
    return std::string("accepted");
  };
  bsf::BackscatterResult bad = r;
  bad.soft = {7.96, 2.31};  // what a 1e308 x 1e-300 ellipse once gave
  EXPECT_EQ(message(bad),
            "the backscatter factor for soft-tissue dose, 7.960 \u00B1 2.310, is uncertain by 29.0 %, more than the "
            "5 % a result may have; run more photon histories");
  bad = r;
  bad.air.value = std::nan("");
  EXPECT_EQ(message(bad), "the backscatter factor for air kerma came out as NaN, not a finite number");
  bad = r;
  bad.skin = {1.4, std::numeric_limits<double>::infinity()};  // a single batch
  EXPECT_NE(message(bad).find("skin dose, 1.400 \u00B1 Inf, is uncertain by Inf %"), std::string::npos) << message(bad);
  // Certain, but no body's, as the file would write them: the main program would refuse them.
  bad = r;
  bad.skin = {1.800006, 0.01};
  EXPECT_EQ(message(bad), "the backscatter factor for skin dose came out as 1.80001, outside the 1 to 1.8 that a "
                          "body's backscatter factor lies in");
  bad = r;
  bad.air = bad.soft = bad.skin = {1.0, 0.0};
  EXPECT_EQ(message(bad), "no backscattered photon reached the scoring patch of radius 1 cm around the entrance point "
                          "in 1000000 histories; run more photon histories");
}

// ---------------------------------------------------------------- plan, patch, texts

TEST(BatchPlan, WholeBatchesOfAtMostAThousandCoverTheHistoriesAsked)
{
  const auto plan = [](std::int64_t n) {
    const bsf::BatchPlan p = bsf::PlanBatches(n);
    return std::vector<std::uint64_t>{p.batches, p.histories_per_batch};
  };
  EXPECT_EQ(plan(50000000), (std::vector<std::uint64_t>{1000, 50000}));
  EXPECT_EQ(plan(12345), (std::vector<std::uint64_t>{950, 13}));
  EXPECT_EQ(plan(1), (std::vector<std::uint64_t>{1, 1}));
  EXPECT_EQ(plan(999), (std::vector<std::uint64_t>{999, 1}));
  EXPECT_EQ(plan(1001), (std::vector<std::uint64_t>{501, 2}));
  EXPECT_THROW(bsf::PlanBatches(0), std::invalid_argument);
}

TEST(Patch, SmallAgainstTheCurvatureAndInsideTheEntranceFace)
{
  bsf::PhantomCondition c = Condition(PhantomShape::Cylinder, 1);
  c.CylinderRadius = 20.0;
  EXPECT_EQ(bsf::PatchRadius(c), 1.0);
  c.CylinderRadius = 3.0;
  EXPECT_NEAR(bsf::PatchRadius(c), 0.3, 1e-15);
  c.ObjectThickness = 0.4;
  EXPECT_NEAR(bsf::PatchRadius(c), 0.2, 1e-15);

  c = Condition(PhantomShape::EllipticCylinder, 1);
  c.EllipseHRadius = 10.0;
  c.EllipseVRadius = 30.0;  // radius of curvature at the top h^2 / v = 10/3
  EXPECT_NEAR(bsf::PatchRadius(c), 1.0 / 3.0, 1e-15);
  c.EllipseHRadius = 30.0;
  c.EllipseVRadius = 10.0;
  EXPECT_EQ(bsf::PatchRadius(c), 1.0);

  c = Condition(PhantomShape::Racetrack, 1);
  c.RacetrackA = 0.0;
  c.RacetrackB = 20.0;
  c.RacetrackL = 80.0;
  EXPECT_EQ(bsf::PatchRadius(c), 1.0);
  c.RacetrackA = 1.0;
  c.RacetrackB = 4.0;
  EXPECT_EQ(bsf::PatchRadius(c), 0.5);  // the flat top's half width
  c.RacetrackA = 0.0;
  EXPECT_NEAR(bsf::PatchRadius(c), 0.2, 1e-15);  // a tenth of the shoulders' radius
  c.RacetrackA = 40.0;
  c.RacetrackL = 2.0;
  EXPECT_EQ(bsf::PatchRadius(c), 0.5);  // a quarter of the length
}

TEST(ProgressTexts, TimeLeftFromTheRateSoFar)
{
  EXPECT_EQ(bsf::TimeLeftText(0.0, 0.0), "Time left: estimating ...");
  EXPECT_EQ(bsf::TimeLeftText(5.0, 0.01), "Time left: estimating ...");
  EXPECT_EQ(bsf::TimeLeftText(10.0, 0.5), "Time left: about 10 s");
  EXPECT_EQ(bsf::TimeLeftText(1.0, 0.1), "Time left: about 10 s");   // 9 s, up to 5 s steps
  EXPECT_EQ(bsf::TimeLeftText(0.1, 0.5), "Time left: about 5 s");    // never "0 s"
  EXPECT_EQ(bsf::TimeLeftText(130.0, 0.5), "Time left: about 2 min 10 s");
  EXPECT_EQ(bsf::TimeLeftText(100.0, 0.25), "Time left: about 5 min");
  EXPECT_EQ(bsf::TimeLeftText(1000.0, 0.5), "Time left: about 17 min");
  EXPECT_EQ(bsf::TimeLeftText(10.0, 1.0), "Time left: none");
}

TEST(ProgressTexts, ResultTextAndFileCarryTheFactors)
{
  bsf::BackscatterResult r;
  r.air = {1.35212, 0.00312};
  r.soft = {1.42, 0.004};
  r.skin = {1.40, 0.0035};
  r.histories = 50000000;
  r.threads = 8;
  r.seconds = 12.34;
  const std::string text = bsf::ResultText(r);
  EXPECT_NE(text.find("BSF, air kerma:        1.352 \u00B1 0.003  (0.23 %)"), std::string::npos) << text;
  EXPECT_NE(text.find("BSF, soft-tissue dose: 1.420 \u00B1 0.004  (0.28 %)"), std::string::npos) << text;
  EXPECT_NE(text.find("50000000 histories in 12.3 s on 8 threads"), std::string::npos) << text;
  EXPECT_EQ(bsf::ResultFileText(r), "1.35212\r\n1.42000\r\n1.40000\r\n");
}

}  // namespace
}  // namespace vorn::testing
