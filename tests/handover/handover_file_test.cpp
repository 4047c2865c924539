// Vorn2PDD.dat as the main program writes it: its exact lines, and a round
// trip through the depth-dose program's reader.
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "depthdose/depth_dose_calculation.h"
#include "mainwin/handover.h"
#include "platform/errors.h"
#include "platform/files/seqfile.h"
#include "tests/mainwin/mainwin_test_support.h"

namespace vorn::mainwin {
namespace {

namespace fs = std::filesystem;

PddHandoverRecord Example()
{
  PddHandoverRecord r;
  r.TubeVoltage = 75;
  r.FFD = 100;
  r.FSD = 80.5;
  r.ObjectThickness = 20;
  r.FieldLength = 43.2;
  r.FieldWidth = 35.6;
  r.EntranceSurfaceDoseSoft = 0.5;
  r.Spectrum[2] = 1e-4;
  r.Spectrum[40] = 0.0123456;
  r.Spectrum[150] = 2.5e-11;  // rounds to zero in three decimals: "2.500E-11" all the same
  r.SiteName = "Abdomen-F";
  return r;
}

std::vector<std::string> Lines(const std::string& text)
{
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start) + "<no line end>");
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

TEST(HandoverText, ThreeHundredAndEightLinesInTheirForms)
{
  const std::vector<std::string> lines = Lines(PddHandoverText(Example()));
  ASSERT_EQ(lines.size(), 308u);
  EXPECT_EQ(lines[0], " 75 ");
  EXPECT_EQ(lines[1], " 100 ");
  EXPECT_EQ(lines[2], " 80.5 ");
  EXPECT_EQ(lines[3], " 20 ");
  EXPECT_EQ(lines[4], " 43.2 ");
  EXPECT_EQ(lines[5], " 35.6 ");
  EXPECT_EQ(lines[6], "0.500");  // three decimals, no blanks
  EXPECT_EQ(lines[7], "0.000E+00");   // bin 1
  EXPECT_EQ(lines[8], "1.000E-04");   // bin 2
  EXPECT_EQ(lines[46], "1.235E-02");  // bin 40, rounded to the last digit shown
  EXPECT_EQ(lines[156], "2.500E-11");  // bin 150
  EXPECT_EQ(lines[306], "0.000E+00");  // bin 300
  EXPECT_EQ(lines[307], "Abdomen-F");
}

TEST(HandoverText, EmptySiteGivesAnEmptyLastLine)
{
  PddHandoverRecord r = Example();
  r.SiteName.clear();
  const std::string text = PddHandoverText(r);
  EXPECT_EQ(Lines(text).size(), 308u);
  EXPECT_EQ(text.substr(text.size() - 13), "0.000E+00\r\n\r\n");
}

TEST(HandoverText, LargeDosesAndSmallNumbersKeepTheirDigits)
{
  PddHandoverRecord r = Example();
  r.EntranceSurfaceDoseSoft = 1234.5678;
  r.FieldLength = 0.05;
  const std::vector<std::string> lines = Lines(PddHandoverText(r));
  EXPECT_EQ(lines[6], "1234.568");
  EXPECT_EQ(lines[4], " 0.05 ");
}

TEST(HandoverText, DepthDoseProgramReadsBackWhatWasWritten)
{
  testing::TempFolder folder;
  PddHandoverRecord r = Example();
  r.SiteName = "Chest-Frontal";
  for (int i = 2; i <= 150; ++i) r.Spectrum[i] = 1.0 / 149 * (1 + 0.001 * i);
  WriteFileAtomically(folder.path() / "Vorn2PDD.dat", PddHandoverText(r));

  pdd::DepthDoseCalculation reader(Edition::English, folder.path());
  reader.ReadHandoverFile();
  EXPECT_EQ(reader.InTubeVoltage, 75);
  EXPECT_EQ(reader.InFFD, 100);
  EXPECT_EQ(reader.InFSD, 80.5);
  EXPECT_EQ(reader.InObjectThickness, 20);
  EXPECT_EQ(reader.InFieldLength, 43.2);
  EXPECT_EQ(reader.InFieldWidth, 35.6);
  EXPECT_EQ(reader.InEntranceSurfaceDose, 0.5);
  for (int i = 1; i <= 300; ++i) {
    // Four significant digits survive.
    EXPECT_NEAR(reader.InSpectrum[i], r.Spectrum[i], 5e-4 * r.Spectrum[i] + 1e-300) << i;
  }
  EXPECT_EQ(reader.InSiteName, "Chest-Frontal");
}

TEST(HandoverRecord, CircularFieldHandsOverItsDiameterAndZero)
{
  ExposureCondition c;
  c.FieldShape = kCircularField;
  c.FieldLength = 30;
  c.FieldWidth = 30;  // whatever the second box holds
  const PddHandoverRecord r = MakeHandoverRecord(c, {}, {}, "Chest-Frontal");
  EXPECT_EQ(r.FieldLength, 30);
  EXPECT_EQ(r.FieldWidth, 0);
  const std::vector<std::string> lines = Lines(PddHandoverText(r));
  EXPECT_EQ(lines[4], " 30 ");
  EXPECT_EQ(lines[5], " 0 ");
}

TEST(HandoverRecord, TakesTheCurrentBeamAndTheSiteText)
{
  ExposureCondition c;
  c.TubeVoltage = 90;
  c.FFD = 120;
  c.FSD = 95;
  c.ObjectThickness = 22;
  c.FieldShape = kRectangularField;
  c.FieldLength = 35.6;
  c.FieldWidth = 43.2;  // passed on as it stands: the reader puts the longer side first
  c.SiteName = "Skull-Frontal";
  CalculationResult result;
  result.EntranceSurfaceDoseSoft = 2.25;
  EnergyBinArray spectrum{};
  spectrum[100] = 0.25;
  const PddHandoverRecord r = MakeHandoverRecord(c, result, spectrum, "Abdomen-L");
  EXPECT_EQ(r.TubeVoltage, 90);
  EXPECT_EQ(r.FFD, 120);
  EXPECT_EQ(r.FSD, 95);
  EXPECT_EQ(r.ObjectThickness, 22);
  EXPECT_EQ(r.FieldLength, 35.6);
  EXPECT_EQ(r.FieldWidth, 43.2);
  EXPECT_EQ(r.EntranceSurfaceDoseSoft, 2.25);
  EXPECT_EQ(r.Spectrum[100], 0.25);
  EXPECT_EQ(r.SiteName, "Abdomen-L");  // the box, not the site of the last calculation
}

TEST(HandoverRecord, FieldWithoutASizeIsRefusedNamingTheSide)
{
  ExposureCondition c;
  c.FieldShape = kRectangularField;
  c.FieldLength = FieldSide::Dash();
  c.FieldWidth = FieldSide::Dash();
  try {
    MakeHandoverRecord(c, {}, {}, "Abdomen-F");
    FAIL() << "a dash was handed over";
  } catch (const CalcError& e) {
    EXPECT_NE(std::string(e.what()).find("FieldLength"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace vorn::mainwin
