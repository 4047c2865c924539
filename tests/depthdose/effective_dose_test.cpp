// Organ doses and the effective dose from the rows of the effective-dose window.
#include <cmath>

#include <gtest/gtest.h>

#include "platform/files/seqfile.h"
#include "tests/depthdose/pdd_fixture.h"
#include "text/depthdose_texts.h"
#include "tests/support/failing_writes.h"

namespace vorn::pdd::test {
namespace {

class EffectiveDose : public PddFolder {
protected:
  // A 20 cm body with a depth dose that halves every 3.5 cm, so that every
  // slab range gives its own mean; 10 mGy at the surface.
  DepthDoseCalculation Body(Edition edition = Edition::English, const std::string& site = "Abdomen-F")
  {
    DepthDoseCalculation module(edition, folder_);
    module.InSiteName = site;
    module.InObjectThickness = 20.0;
    module.InEntranceSurfaceDose = 10.0;
    for (int j = 1; j <= 40; ++j) module.PddTable[3][j] = 100.0 * std::pow(0.9, j - 1);
    module.DepthDoseComputed = true;
    return module;
  }

  static void Tick(OrganRowInputs& rows, int row, const char* near, const char* far, const char* percent)
  {
    rows[row] = {true, near, far, percent};
  }

  // The organ dose (mSv) of a row averaged over slabs s1..s2 of module's table.
  static double Dose(const DepthDoseCalculation& module, int row, int s1, int s2, double fraction = 1.0)
  {
    double sum = 0.0;
    for (int j = s1; j <= s2; ++j) sum += 0.01 * module.PddTable[3][j];
    return module.TissueWeight[OrganWeightIndex(row)] * fraction * sum / (s2 - s1 + 1) * 10.0;
  }

  // The dose of one ticked row alone.
  double Alone(const DepthDoseCalculation& module, int row, const char* near, const char* far, OrganRowInputs rows = {})
  {
    Tick(rows, row, near, far, "100");
    const EffectiveDoseResult r = module.EvaluateEffectiveDose(rows);
    EXPECT_TRUE(r.completed) << r.message;
    return r.organ_dose_mSv[row];
  }
};

TEST_F(EffectiveDose, NoRowTickedWritesZero)
{
  const DepthDoseCalculation module = Body();
  const EffectiveDoseResult r = module.ConfirmEffectiveDose({});
  ASSERT_TRUE(r.completed);
  for (int row = 1; row <= 16; ++row) EXPECT_EQ(r.labels[row], "-");
  EXPECT_EQ(r.total_text, "0.000");
  EXPECT_EQ(Read("Eff-Dose.dat"), "Effective dose (mSv)\r\n0.000\r\n");
}

TEST_F(EffectiveDose, HandWorkedDosesAndTheFileTheMainProgramReads)
{
  DepthDoseCalculation module = Body(Edition::Japanese);
  for (int j = 1; j <= 40; ++j) module.PddTable[3][j] = 50.0;
  OrganRowInputs rows;
  Tick(rows, kGonads, "5", "10", "62.5");      // 0.08 x 0.625 x 0.5 x 10 = 0.25 mSv
  Tick(rows, kOesophagus, "2", "8", "100");    // 0.04 x 0.5 x 10 = 0.2
  Tick(rows, kLiver, " 3 ", "9", "25");        // 0.04 x 0.25 x 0.5 x 10 = 0.05
  const EffectiveDoseResult r = module.ConfirmEffectiveDose(rows);
  ASSERT_TRUE(r.completed) << r.message;
  EXPECT_EQ(r.labels[kGonads], "250.0");
  EXPECT_EQ(r.labels[kLiver], "50.0");
  EXPECT_EQ(r.total_text, "0.500");
  EXPECT_EQ(Read("Eff-Dose.dat"), "実効線量 (mSv)\r\n0.500\r\n");
  SeqReader in(File("Eff-Dose.dat"));
  in.ReadLine();
  EXPECT_DOUBLE_EQ(in.ReadNumber(), 0.5);
}

TEST_F(EffectiveDose, SlabRangesOfTheDepths)
{
  const DepthDoseCalculation module = Body();
  EXPECT_DOUBLE_EQ(Alone(module, kColon, "0", "0"), Dose(module, kColon, 1, 1));
  EXPECT_DOUBLE_EQ(Alone(module, kColon, "1.2", "1.4"), Dose(module, kColon, 3, 3));
  EXPECT_DOUBLE_EQ(Alone(module, kColon, "1.0", "2.0"), Dose(module, kColon, 3, 4));
  EXPECT_DOUBLE_EQ(Alone(module, kColon, "-0.3", "0.2"), Dose(module, kColon, 1, 1));
  EXPECT_DOUBLE_EQ(Alone(module, kColon, "19.5", "20"), Dose(module, kColon, 40, 40));
  EXPECT_DOUBLE_EQ(Alone(module, kExitSkin, "19.5", "20"), Dose(module, kExitSkin, 39, 40));
  EXPECT_EQ(Alone(module, kColon, "20", "20"), 0.0);  // slab 41, beyond the table
  // The lung's range shrinks to 0.3 of its thickness: 4 to 7.6 cm.
  EXPECT_DOUBLE_EQ(Alone(module, kLung, "4", "16"), Dose(module, kLung, 9, 15));
}

TEST_F(EffectiveDose, LungCorrectionOfTheChestViews)
{
  OrganRowInputs lung_boxes;
  lung_boxes[kLung] = {false, "4", "16", "0"};  // unticked, still read: C = 3.6 cm
  const struct {
    Edition edition;
    const char* site;
    int breast_s1, breast_s2;
    bool exit_corrected;
  } cases[] = {{Edition::English, "Chest-Frontal", 27, 32, true},
               {Edition::English, "Chest-Lateral", 35, 40, true},
               {Edition::English, "chest-frontal", 35, 40, false},
               {Edition::English, "胸部正面", 35, 40, false},
               {Edition::Japanese, "胸部正面", 27, 32, true},
               {Edition::Japanese, "胸部側面", 35, 40, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.site);
    const DepthDoseCalculation module = Body(c.edition, c.site);
    EXPECT_DOUBLE_EQ(Alone(module, kBreast, "17", "20", lung_boxes), Dose(module, kBreast, c.breast_s1, c.breast_s2));
    const int exit_s1 = c.exit_corrected ? 31 : 39, exit_s2 = c.exit_corrected ? 32 : 40;
    EXPECT_DOUBLE_EQ(Alone(module, kExitSkin, "19.5", "20", lung_boxes), Dose(module, kExitSkin, exit_s1, exit_s2));
  }
  // Checked as 19.4 cm after the correction, so it passes in a 20 cm body.
  const DepthDoseCalculation frontal = Body(Edition::English, "Chest-Frontal");
  EXPECT_GT(Alone(frontal, kBreast, "17", "23", lung_boxes), 0.0);
}

TEST_F(EffectiveDose, EveryRowRefusesDepthsOrPercentagesOutOfRange)
{
  const DepthDoseCalculation module = Body();
  for (Edition edition : {Edition::English, Edition::Japanese}) {
    const DepthDoseCalculation m = Body(edition);
    for (int row = 1; row <= 16; ++row) {
      OrganRowInputs rows;
      Tick(rows, row, "5", "4", "50");
      const EffectiveDoseResult r = m.EvaluateEffectiveDose(rows);
      EXPECT_FALSE(r.completed);
      EXPECT_EQ(r.refused_row, row);
      EXPECT_EQ(r.message, DepthDoseTextsFor(edition).OrganRowRefused[row]);
    }
  }
  EXPECT_EQ(DepthDoseTextsFor(Edition::English).OrganRowRefused[kExitSkin], "There is a typing mistake in Exit skin data");
  EXPECT_EQ(DepthDoseTextsFor(Edition::English).OrganRowRefused[kBrain], "There is a typing mistake in Brain depth");
  EXPECT_EQ(DepthDoseTextsFor(Edition::Japanese).OrganRowRefused[kEntranceSkin], "皮膚のデータに入力ミスがあります");
  EXPECT_EQ(DepthDoseTextsFor(Edition::Japanese).OrganRowRefused[kExitSkin], "皮膚のデータに入力ミスがあります");

  const struct {
    const char *near, *far, *percent;
    bool passes;
  } limits[] = {{"2", "20", "0", true},     {"2", "20", "100", true}, {"2", "20.1", "50", false},
                {"2", "4", "100.5", false}, {"2", "4", "-1", false},  {"-5", "-1", "50", true}};
  for (const auto& l : limits) {
    OrganRowInputs rows;
    Tick(rows, kStomach, l.near, l.far, l.percent);
    const EffectiveDoseResult r = module.EvaluateEffectiveDose(rows);
    EXPECT_EQ(r.refused_row == kStomach, !l.passes) << l.near << " " << l.far << " " << l.percent;
  }
}

TEST_F(EffectiveDose, ABoxThatHoldsNoNumberRefusesItsRow)
{
  // "17,6" would count as 17 cm, "3cm" as 3 and "abc" as 0, without a word.
  for (const Edition edition : {Edition::English, Edition::Japanese}) {
    const DepthDoseCalculation module = Body(edition, std::string(DepthDoseTextsFor(edition).ChestFrontalSite));
    const std::string hint(DepthDoseTextsFor(edition).OrganBoxNotANumber);
    for (const char* typed : {"17,6", "3cm", "abc", "", "1 2"}) {
      for (int box = 0; box < 3; ++box) {
        OrganRowInputs rows;
        Tick(rows, kColon, "2", "5", "100");
        Tick(rows, kStomach, box == 0 ? typed : "2", box == 1 ? typed : "5", box == 2 ? typed : "100");
        const EffectiveDoseResult r = module.EvaluateEffectiveDose(rows);
        EXPECT_FALSE(r.completed) << typed;
        EXPECT_EQ(r.refused_row, kStomach) << typed;
        EXPECT_EQ(r.message, std::string(DepthDoseTextsFor(edition).OrganRowRefused[kStomach]) + "\n" + hint);
        EXPECT_TRUE(r.labels[kColon].has_value()) << "the rows before it are done";
      }
    }
    // An unticked row's boxes are not read; the lung's are where they correct
    // the breast, an emptied one counting 0.
    OrganRowInputs rows;
    rows[kColon] = {false, "abc", "17,6", ""};
    rows[kLung] = {false, "", "", ""};
    Tick(rows, kBreast, "1", "3", "100");
    EXPECT_TRUE(module.EvaluateEffectiveDose(rows).completed);
    rows[kLung].far_depth = "16cm";
    const EffectiveDoseResult lung = module.EvaluateEffectiveDose(rows);
    EXPECT_EQ(lung.refused_row, kLung);
    EXPECT_EQ(lung.message, std::string(DepthDoseTextsFor(edition).OrganRowRefused[kLung]) + "\n" + hint);
  }
}

TEST_F(EffectiveDose, AFarDepthAtTheExitSurfaceAsTheRowsShowItPasses)
{
  // The organ rows show depths to 0.1 cm: the exit surface of a 20.25 cm body
  // reads "20.3" and is still the exit surface; "20.4" lies beyond it.
  DepthDoseCalculation module = Body();
  module.InObjectThickness = 20.25;
  for (const auto& [far, passes] : {std::pair{"20.3", true}, std::pair{"20.25", true}, std::pair{"20.4", false}}) {
    OrganRowInputs rows;
    Tick(rows, kExitSkin, "20.1", far, "3");
    const EffectiveDoseResult r = module.EvaluateEffectiveDose(rows);
    EXPECT_EQ(r.completed, passes) << far;
  }
  // Below the displayed rounding the thickness itself stays the limit.
  module.InObjectThickness = 20.24;
  OrganRowInputs rows;
  Tick(rows, kExitSkin, "20.1", "20.24", "3");
  EXPECT_TRUE(module.EvaluateEffectiveDose(rows).completed);
}

TEST_F(EffectiveDose, RefusalMidwayKeepsEarlierRowsAndTheOldFile)
{
  const DepthDoseCalculation module = Body();
  OrganRowInputs rows;
  Tick(rows, kBreast, "1", "3", "50");
  Tick(rows, kStomach, "6", "12", "30");
  ASSERT_TRUE(module.ConfirmEffectiveDose(rows).completed);
  const std::string first = Read("Eff-Dose.dat");

  Tick(rows, kStomach, "6", "12", "130");
  const EffectiveDoseResult r = module.ConfirmEffectiveDose(rows);
  EXPECT_FALSE(r.completed);
  EXPECT_EQ(r.message, "There is a typing mistake in Stomach data");
  EXPECT_TRUE(r.labels[kBreast].has_value());
  EXPECT_EQ(r.labels[kLung], "-");
  for (int row = kStomach; row <= 16; ++row) EXPECT_FALSE(r.labels[row].has_value()) << row;
  EXPECT_TRUE(r.total_text.empty());
  EXPECT_EQ(Read("Eff-Dose.dat"), first);

  // A second completed OK replaces the file.
  Tick(rows, kStomach, "6", "12", "100");
  const EffectiveDoseResult again = module.ConfirmEffectiveDose(rows);
  ASSERT_TRUE(again.completed);
  EXPECT_EQ(Read("Eff-Dose.dat"), "Effective dose (mSv)\r\n" + again.total_text + "\r\n");
  EXPECT_NE(Read("Eff-Dose.dat"), first);
}

TEST_F(EffectiveDose, DepthsAboveTheSurfaceOrBeyondTheTableFailWithTheGeneralMessage)
{
  DepthDoseCalculation body40 = Body(Edition::Japanese);
  body40.InObjectThickness = 40.0;
  const struct {
    int row;
    const char *near, *far;
  } bad[] = {{kColon, "-1", "2"}, {kExitSkin, "-0.3", "2"}, {kColon, "40", "40"}, {kColon, "1E400", "1E400"}};
  for (const auto& b : bad) {
    OrganRowInputs rows;
    Tick(rows, kBreast, "1", "2", "100");
    Tick(rows, b.row, b.near, b.far, "50");
    const EffectiveDoseResult r = body40.ConfirmEffectiveDose(rows);
    EXPECT_FALSE(r.completed) << b.near;
    EXPECT_EQ(r.refused_row, 0);
    EXPECT_EQ(r.message, "正しく計算できません");
    EXPECT_TRUE(r.labels[kBreast].has_value());
  }
  EXPECT_FALSE(std::filesystem::exists(File("Eff-Dose.dat")));
}

TEST_F(EffectiveDose, FileThatCannotBeWrittenIsToldAndTheOldOneKept)
{
  const DepthDoseCalculation module = Body();
  ASSERT_TRUE(module.ConfirmEffectiveDose({}).handed_back);
  OrganRowInputs rows;
  Tick(rows, kColon, "5", "10", "100");
  EffectiveDoseResult r;
  {
    const vorn::testing::FailingWrites full;  // the new file cannot be written
    r = module.ConfirmEffectiveDose(rows);
  }
  // The total is valid and shown; only the hand-back is withheld.
  EXPECT_TRUE(r.completed);
  EXPECT_NE(r.total_text, "");
  EXPECT_FALSE(r.handed_back);
  EXPECT_EQ(r.not_handed_back.rfind("  Eff-Dose.dat could not be written: this effective dose is not handed back  \n", 0),
            0u)
      << r.not_handed_back;
  EXPECT_NE(r.not_handed_back.find("Eff-Dose.dat: "), std::string::npos) << r.not_handed_back;  // and why
  EXPECT_EQ(Read("Eff-Dose.dat"), "Effective dose (mSv)\r\n0.000\r\n");
}

// The main program's result table keeps effective doses below 1000000 mSv
// (its file reader refuses any other): a total at or above is shown, not handed back.
TEST_F(EffectiveDose, ATotalTheResultTableCannotHoldIsNotHandedBack)
{
  DepthDoseCalculation module = Body(Edition::Japanese);
  OrganRowInputs rows;
  Tick(rows, kEntranceSkin, "0", "0", "100");  // 0.01 x the surface dose
  module.InEntranceSurfaceDose = 99999999.0;   // 999999.990 mSv: still taken
  EffectiveDoseResult r = module.ConfirmEffectiveDose(rows);
  EXPECT_TRUE(r.handed_back);
  EXPECT_EQ(Read("Eff-Dose.dat"), "実効線量 (mSv)\r\n999999.990\r\n");
  std::filesystem::remove(File("Eff-Dose.dat"));
  module.InEntranceSurfaceDose = 99999999.96;  // shown as 1000000.000
  r = module.ConfirmEffectiveDose(rows);
  EXPECT_TRUE(r.completed);
  EXPECT_EQ(r.total_text, "1000000.000");
  EXPECT_FALSE(r.handed_back);
  EXPECT_EQ(r.not_handed_back, "　この実効線量は結果表に入れられない大きさです（1000000 mSv 以上）。結果表に渡されません　");
  EXPECT_FALSE(std::filesystem::exists(File("Eff-Dose.dat")));
}

TEST(TissueWeight, WeightsOfTheSixteenRowsSumToOneWithBothSkinRows)
{
  const DepthDoseCalculation module(Edition::English, ".");
  double sum = 0.0;
  for (int i = 1; i <= 15; ++i) sum += module.TissueWeight[i];
  EXPECT_NEAR(sum, 1.0, 1e-12);
  EXPECT_EQ(OrganWeightIndex(kEntranceSkin), 12);
  EXPECT_EQ(OrganWeightIndex(kExitSkin), 12);
  EXPECT_EQ(OrganWeightIndex(kBrain), 13);
  EXPECT_EQ(OrganWeightIndex(kRemainder), 15);
  EXPECT_EQ(module.TissueWeight[OrganWeightIndex(kGonads)], 0.08);
}

}  // namespace
}  // namespace vorn::pdd::test
