// The optional-filter dialog and the measured-exposure dialog: what they set
// in the condition and show on the main window, and what they refuse.
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mainwin/filter_material.h"
#include "mainwin/optional_filter_dialog.h"
#include "mainwin/measured_exposure_dialog.h"
#include "platform/format/format.h"
#include "tests/dialogs_a/dialogs_test_support.h"
#include "tests/support/entry_messages.h"

namespace vorn::mainwin {
namespace {

namespace fs = std::filesystem;
using testing::Session;

struct Started {
  explicit Started(Edition edition = Edition::Japanese) : s(edition, [edition](const fs::path& dir) {
    testing::KeepUserName(dir, edition, "Tester");
  })
  {
    s.program->Start();
  }
  Session s;
  OptionalFilterDialog& filter() { return *s.program->optionalFilterDialog; }
  MeasuredExposureDialog& measured() { return *s.program->measuredExposureDialog; }
  int IndexOf(const std::string& file)
  {
    const std::vector<std::string>& items = filter().materialFileList.Items();
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i] == file) return static_cast<int>(i);
    ADD_FAILURE() << file << " is not listed";
    return 0;
  }
  // Opens the dialog, picks the file and types the thickness.
  void Choose(const std::string& file, const std::string& thickness_mm)
  {
    s.main().optionalFilterButton.UserClick();
    filter().materialFileList.UserChoose(IndexOf(file));
    filter().thicknessBox.UserType(thickness_mm);
  }
};

// ---------------------------------------------------------------- optional filter

TEST(OptionalFilter, ListsOnlyMaterialFiles)
{
  Started t;
  t.s.main().optionalFilterButton.UserClick();
  OptionalFilterDialog& f = t.filter();
  ASSERT_TRUE(f.Visible());
  const std::vector<std::string>& items = f.materialFileList.Items();
  EXPECT_GE(items.size(), 10u);
  for (const std::string& name : items) {
    const std::string ext = fs::path(name).extension().string();
    EXPECT_TRUE(ext == ".ele" || ext == ".mix") << name;
  }
  EXPECT_NE(std::find(items.begin(), items.end(), "PMMA.mix"), items.end());
}

TEST(OptionalFilter, SetTakesTheMaterialsCoefficientsAndTheThicknessInCentimetres)
{
  Started t;
  t.s.main().optionalFilterButton.UserClick();
  OptionalFilterDialog& f = t.filter();
  f.materialFileList.UserChoose(t.IndexOf("Cu.ele"));
  EXPECT_EQ(f.materialLabel.Caption(), "Cu");
  EXPECT_EQ(f.ActiveControl(), &f.thicknessBox);
  EXPECT_EQ(t.s.m().OtherFilter.OtherFilterMaterial, "") << "a click alone changes nothing in use";
  f.thicknessBox.UserType("0.5");
  f.thicknessBox.UserKeyDown(ui::vbKeyReturn);
  EXPECT_EQ(f.ActiveControl(), &f.setButton);
  EXPECT_TRUE(f.Visible()) << "Enter does not press Set";
  f.setButton.UserClick();

  const OtherFilterSpec& inUse = t.s.m().OtherFilter;
  EXPECT_FALSE(f.Visible());
  EXPECT_EQ(inUse.OtherFilterOn, 1);
  EXPECT_EQ(inUse.OtherFilterMaterial, "Cu");
  EXPECT_DOUBLE_EQ(inUse.OtherFilterThickness, 0.05);
  EXPECT_EQ(t.s.main().optionalFilterMaterialLabel.Caption(), "Cu");
  EXPECT_EQ(t.s.main().optionalFilterThicknessLabel.Caption(), "0.5");
  EXPECT_EQ(inUse.OtherFilterMu, OtherFilterMuOf(ReadFilterMaterialFile(t.s.file("Cu.ele"))));
  // Copper at 50 keV: 2.613 cm2/g x 8.96 g/cm3 (Hubbell and Seltzer).
  EXPECT_NEAR(inUse.OtherFilterMu[100] / (2.613 * 8.96), 1.0, 0.02);
}

TEST(OptionalFilter, TheNextCalculationHardensTheBeam)
{
  Started t;
  t.s.main().calculateButton.UserClick();
  const double hvlWithout = t.s.m().Result.Hvl1;
  ASSERT_GT(hvlWithout, 0.0);
  t.Choose("Cu.ele", "0.2");
  t.filter().setButton.UserClick();
  EXPECT_EQ(t.s.m().Result.Hvl1, hvlWithout) << "the set does not recalculate";
  t.s.main().calculateButton.UserClick();
  const double hvlWith = t.s.m().Result.Hvl1;
  EXPECT_GT(hvlWith, hvlWithout * 1.2);
  // Removed, the next calculation is back where it started.
  t.s.main().optionalFilterButton.UserClick();
  t.filter().removeButton.UserClick();
  t.s.main().calculateButton.UserClick();
  EXPECT_DOUBLE_EQ(t.s.m().Result.Hvl1, hvlWithout);
}

TEST(OptionalFilter, RefusesAMissingFileOrThickness)
{
  Started t;
  t.s.main().optionalFilterButton.UserClick();
  OptionalFilterDialog& f = t.filter();
  f.thicknessBox.UserType("1");
  t.s.services.ExpectMsgBox("　フィルター材質が未選択です　");
  f.setButton.UserClick();
  f.materialFileList.UserChoose(t.IndexOf("Al.ele"));
  for (const char* thickness : {"", "0", "-1", "abc", "0mm"}) {
    f.thicknessBox.UserType(thickness);
    t.s.services.ExpectMsgBox("　フィルターの厚さを入力して下さい　");
    f.setButton.UserClick();
  }
  for (const ui::MsgBoxCall& box : t.s.services.msgBoxes) EXPECT_EQ(box.style, ui::vbExclamation);
  EXPECT_EQ(t.s.services.beeps, 6);
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(t.s.m().OtherFilter.OtherFilterOn, 0);
  EXPECT_EQ(t.s.main().optionalFilterThicknessLabel.Caption(), "0");

  // Enter in an empty box stays there.
  f.thicknessBox.UserType("");
  f.thicknessBox.UserKeyDown(ui::vbKeyReturn);
  EXPECT_EQ(f.ActiveControl(), &f.thicknessBox);
}

TEST(OptionalFilter, AThicknessWithMoreThanItsNumberIsRefusedNamingTheBox)
{
  // "2,5" would be taken as 2 mm.
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    for (const char* typed : {"2,5", "0.5 mm", "1e999"}) {
      Started t(edition);
      t.Choose("Al.ele", typed);
      const bool tooLarge = std::string(typed) == "1e999";
      const std::string box = edition == Edition::Japanese ? "厚さ (mm)" : "Thickness (mm)";
      t.s.services.ExpectMsgBox(!tooLarge                      ? vorn::testing::NotANumberMessage(edition, box, typed)
                                : edition == Edition::Japanese ? "　厚さ (mm)：数値が大きすぎます　"
                                                               : "  Thickness (mm): the number is too large  ");
      t.filter().setButton.UserClick();
      EXPECT_EQ(t.s.services.PendingMsgBoxes(), 0u) << typed;
      EXPECT_TRUE(t.filter().thicknessBox.HasFocus()) << typed;
      EXPECT_TRUE(t.filter().Visible()) << typed;
      EXPECT_EQ(t.s.m().OtherFilter.OtherFilterOn, 0) << typed;
    }
  }
}

TEST(OptionalFilter, EnglishEditionRefusesInItsOwnWords)
{
  Started t(Edition::English);
  t.s.main().optionalFilterButton.UserClick();
  t.s.services.ExpectMsgBox("  Select substance  ");
  t.filter().setButton.UserClick();
  t.filter().materialFileList.UserChoose(0);
  t.s.services.ExpectMsgBox("  Input the thickness of filter  ");
  t.filter().setButton.UserClick();
}

TEST(OptionalFilter, ABrokenMaterialFileLeavesTheFilterInUse)
{
  Started t;
  t.Choose("Al.ele", "1.5");
  t.filter().setButton.UserClick();
  const OtherFilterSpec before = t.s.m().OtherFilter;

  // Records that stop short of 10 MeV.
  t.s.folder.Write("Broken.ele", "Broken\r\n2.0, 2\r\n0.001, 1, 1, 1, 0, 0\r\n0.01, 1, 1, 1, 0, 0\r\n");
  t.s.folder.Write("Late.mix", "Late\r\n2.0, 2\r\n0.002, 1, 1, 1, 0, 0\r\n10, 1, 1, 1, 0, 0\r\n");
  for (const char* file : {"Broken.ele", "Late.mix"}) {
    t.Choose(file, "1");
    t.s.services.ExpectMsgBox(ui::vbOK);
    t.filter().setButton.UserClick();
    const std::string& text = t.s.services.msgBoxes.back().text;
    EXPECT_EQ(text.rfind("　フィルター材質のファイルを読み込めませんでした　\n", 0), 0u) << text;
    EXPECT_NE(text.find(file), std::string::npos) << text;
    EXPECT_TRUE(t.filter().Visible());
    t.filter().cancelButton.UserClick();
  }
  const OtherFilterSpec& now = t.s.m().OtherFilter;
  EXPECT_EQ(now.OtherFilterOn, 1);
  EXPECT_EQ(now.OtherFilterMaterial, "Al");
  EXPECT_DOUBLE_EQ(now.OtherFilterThickness, 0.15);
  EXPECT_EQ(now.OtherFilterMu, before.OtherFilterMu);
  EXPECT_EQ(t.s.main().optionalFilterMaterialLabel.Caption(), "Al");
  EXPECT_EQ(t.s.main().optionalFilterThicknessLabel.Caption(), "1.5");
}

TEST(OptionalFilter, CancelAfterAClickKeepsTheNameInUse)
{
  Started t;
  t.Choose("Al.ele", "1");
  t.filter().setButton.UserClick();
  t.Choose("Pb.ele", "2");
  EXPECT_EQ(t.filter().materialLabel.Caption(), "Pb");
  t.filter().cancelButton.UserClick();
  EXPECT_FALSE(t.filter().Visible());
  EXPECT_EQ(t.s.m().OtherFilter.OtherFilterMaterial, "Al");
  EXPECT_DOUBLE_EQ(t.s.m().OtherFilter.OtherFilterThickness, 0.1);
  // Reopened, the dialog starts with an empty preview and box.
  t.s.main().optionalFilterButton.UserClick();
  EXPECT_EQ(t.filter().materialLabel.Caption(), "");
  EXPECT_EQ(t.filter().thicknessBox.Text(), "");
  EXPECT_EQ(t.filter().materialFileList.ListIndex(), -1);
}

TEST(OptionalFilter, RemoveClearsTheLabelsAndTheFlag)
{
  Started t;
  t.Choose("Sn.ele", "0.3");
  t.filter().setButton.UserClick();
  ASSERT_EQ(t.s.m().OtherFilter.OtherFilterOn, 1);
  t.s.main().optionalFilterButton.UserClick();
  t.filter().removeButton.UserClick();
  const OtherFilterSpec& inUse = t.s.m().OtherFilter;
  EXPECT_EQ(inUse.OtherFilterOn, 0);
  EXPECT_EQ(inUse.OtherFilterMaterial, "");
  EXPECT_EQ(inUse.OtherFilterThickness, 0.0);
  EXPECT_EQ(t.s.main().optionalFilterMaterialLabel.Caption(), "");
  EXPECT_EQ(t.s.main().optionalFilterThicknessLabel.Caption(), "");
  EXPECT_FALSE(t.filter().Visible());
}

// ---------------------------------------------------------------- measured exposure

struct MeasuredCase {
  const char* typed;
  int unit;  // 1, 2, 3: coulombPerKgOption, roentgenOption, airKermaOption
  double expected_Ckg;
  const char* shown;
};

TEST(MeasuredExposure, OkStoresTheValueAndShowsIt)
{
  const std::vector<MeasuredCase> cases{
      {"2.58E-04", 1, 2.58e-4, "2.58E-4"},
      {"25.8e-5", 1, 2.58e-4, "2.58E-4"},
      {"0.000258", 1, 2.58e-4, "2.58E-4"},
      {"1", 2, 2.58e-4, "2.58E-4"},
      {"0.01", 3, 0.01 / 33.97, "2.94E-4"},
      {" 1E-3\t", 3, 1e-3 / 33.97, "2.94E-5"},
  };
  for (const MeasuredCase& c : cases) {
    Started t;
    t.s.main().measuredExposureOption.UserClick();
    MeasuredExposureDialog& d = t.measured();
    ASSERT_TRUE(d.Visible());
    EXPECT_EQ(d.ActiveControl(), &d.measuredValueBox);
    EXPECT_EQ(d.measuredValueBox.Text(), "");
    (c.unit == 1 ? d.coulombPerKgOption : c.unit == 2 ? d.roentgenOption : d.airKermaOption).UserClick();
    d.measuredValueBox.UserType(c.typed);
    d.okButton.UserClick();
    EXPECT_FALSE(d.Visible());
    EXPECT_EQ(t.s.m().Condition.OutputSource, kMeasuredExposure) << c.typed;
    EXPECT_NEAR(t.s.m().Result.OutputAt1m / c.expected_Ckg, 1.0, 1e-12) << c.typed;
    EXPECT_EQ(t.s.main().exposureAt1mLabel.Caption(), c.shown) << c.typed;
    EXPECT_TRUE(t.s.main().measuredExposureOption.Value());
  }
}

TEST(MeasuredExposure, AnEmptyBoxZeroOrLessFallBackToTheOutputTable)
{
  for (const char* typed : {"", "  ", "0", "-1", "-2.58E-04", "-1e999"}) {
    Started t;
    t.s.main().measuredExposureOption.UserClick();
    t.measured().measuredValueBox.UserType("2.58E-04");
    t.measured().okButton.UserClick();
    ASSERT_EQ(t.s.m().Condition.OutputSource, kMeasuredExposure);
    t.s.main().measuredExposureOption.UserClick();
    t.measured().measuredValueBox.UserType(typed);
    t.measured().okButton.UserClick();
    EXPECT_EQ(t.s.m().Condition.OutputSource, kOutputDataTable) << typed;
    EXPECT_TRUE(t.s.main().outputDataOption.Value()) << typed;
    EXPECT_FALSE(t.s.main().measuredExposureOption.Value()) << typed;
    EXPECT_EQ(t.s.main().exposureAt1mLabel.Caption(), "") << typed;
    EXPECT_FALSE(t.measured().Visible()) << typed;
    EXPECT_TRUE(t.s.services.msgBoxes.empty()) << "no value asked for is no value given: " << typed;
  }
}

TEST(MeasuredExposure, ATextThatIsNoNumberIsRefusedNamingTheBox)
{
  // "5 mGy" in grays would be 5 Gy, "2,58E-04" 2 C/kg.
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    for (const char* typed : {"abc", "2,58E-04", "5 mGy", "1e999"}) {
      Started t(edition);
      t.s.main().measuredExposureOption.UserClick();
      t.measured().measuredValueBox.UserType(typed);
      const bool tooLarge = std::string(typed) == "1e999";
      const std::string box = edition == Edition::Japanese ? "焦点から１ｍの距離の実測線量" : "Exposure at 1 m from the focus";
      t.s.services.ExpectMsgBox(!tooLarge                      ? vorn::testing::NotANumberMessage(edition, box, typed)
                                : edition == Edition::Japanese ? "　" + box + "：数値が大きすぎます　"
                                                               : "  " + box + ": the number is too large  ");
      t.measured().okButton.UserClick();
      EXPECT_EQ(t.s.services.PendingMsgBoxes(), 0u) << typed;
      EXPECT_TRUE(t.measured().Visible()) << typed;
      EXPECT_TRUE(t.measured().measuredValueBox.HasFocus()) << typed;
      EXPECT_EQ(t.s.m().Condition.OutputSource, kOutputDataTable) << typed;
      EXPECT_TRUE(t.s.main().measuredExposureOption.Value()) << "the choice stands until OK or Cancel";
    }
  }
}

TEST(MeasuredExposure, EnterGoesToOkWithoutPressingIt)
{
  Started t;
  t.s.main().measuredExposureOption.UserClick();
  MeasuredExposureDialog& d = t.measured();
  d.measuredValueBox.UserType("1E-4");
  d.measuredValueBox.UserKeyDown(ui::vbKeyReturn);
  EXPECT_EQ(d.ActiveControl(), &d.okButton);
  EXPECT_TRUE(d.Visible());
  EXPECT_EQ(t.s.m().Condition.OutputSource, kOutputDataTable);
  d.measuredValueBox.UserKeyDown(ui::vbKeyRight);
  EXPECT_EQ(d.ActiveControl(), &d.measuredValueBox);
}

TEST(MeasuredExposure, CancelAndClosingReturnToTheOutputTable)
{
  Started t;
  t.s.main().measuredExposureOption.UserClick();
  MeasuredExposureDialog& d = t.measured();
  d.roentgenOption.UserClick();
  d.measuredValueBox.UserType("1");
  d.cancelButton.UserClick();
  EXPECT_EQ(t.s.m().Condition.OutputSource, kOutputDataTable);
  EXPECT_TRUE(t.s.main().outputDataOption.Value());
  EXPECT_FALSE(d.Visible());

  // Hidden, the dialog keeps its unit; the box is emptied by the opening.
  t.s.main().measuredExposureOption.UserClick();
  EXPECT_TRUE(t.measured().roentgenOption.Value());
  EXPECT_EQ(t.measured().measuredValueBox.Text(), "");

  // Closed through its frame: back to the table, and the next opening starts
  // from the design state.
  t.s.main().measuredExposureOption.UserClick();
  t.measured().measuredValueBox.UserType("3");
  EXPECT_TRUE(t.measured().UserClose());
  EXPECT_FALSE(t.s.program->app.Ended());
  EXPECT_EQ(t.s.m().Condition.OutputSource, kOutputDataTable);
  EXPECT_TRUE(t.s.main().outputDataOption.Value());
  t.s.main().measuredExposureOption.UserClick();
  EXPECT_TRUE(t.measured().coulombPerKgOption.Value());
  EXPECT_FALSE(t.measured().roentgenOption.Value());
}

TEST(MeasuredExposure, TheCalculationKeepsTheMeasuredValue)
{
  Started t;
  t.s.main().measuredExposureOption.UserClick();
  t.measured().airKermaOption.UserClick();
  t.measured().measuredValueBox.UserType("0.01");
  t.measured().okButton.UserClick();
  t.s.main().calculateButton.UserClick();
  EXPECT_DOUBLE_EQ(t.s.m().Result.OutputAt1m, 0.01 / 33.97);
  EXPECT_EQ(t.s.m().Condition.OutputSource, kMeasuredExposure);
  EXPECT_EQ(t.s.main().exposureAt1mLabel.Caption(), Format(0.01 / 33.97, "0.00E+0"));
}

}  // namespace
}  // namespace vorn::mainwin
