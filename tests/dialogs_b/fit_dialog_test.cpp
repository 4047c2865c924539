// The fit dialog: its presets, the refusals before any fit, the failure flags
// of the fits, the recomputation after a successful fit, and a failure inside
// the calculation reported as the calculate command reports it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "dialogs_b_support.h"
#include "platform/files/seqfile.h"
#include "platform/format/format.h"
#include "tests/support/entry_messages.h"

namespace vorn::dialogs_b_test {
namespace {

using mainwin::FitDialog;

constexpr const char* kHvlEmpty = "　半価層を入力してください　";
constexpr const char* kHvlSame = "　実測値と計算値が同じです　";
constexpr const char* kAtrEmpty = "  ATR-Index を入力して下さい  ";
constexpr const char* kAtrSame = "  実測値と計算値が同じです  ";
constexpr const char* kFinished = "　＊＊＊  計算を完了しました　＊＊＊   ";
constexpr const char* kCouldNotCalculate = "　???  正しく計算できませんでした  ???   ";
constexpr const char* kAbove150 = " 管電圧が規定の最大値(150kV)を超え、正しく計算できません ";
constexpr const char* kBelowMinus10 = " 管電圧が JIS規格の設定値-10% より小さくなり、正しく計算できません ";
constexpr const char* kAtrOutOfRange = "実測 ATR Index 値が、計算可能範囲外です";

// A program with a calculated result and the fit dialog opened from the
// recalculate command.
struct FitSession : Session {
  explicit FitSession(Edition edition) : Session(edition)
  {
    Calculate();
    main().fitButton.UserClick();
  }
  FitDialog& fit() { return *program->fitDialog; }
  // A sentinel in every result the dialog recomputes after a fit.
  void MarkResults()
  {
    m().Result.OutputAt1m = -1.0;
    m().Result.BsfSoft = -1.0;
    m().Result.EntranceSurfaceDoseSoft = -1.0;
    m().Result.EntranceSurfaceDoseAir = -1.0;
  }
  bool ResultsUntouched()
  {
    const CalculationResult& r = m().Result;
    return r.OutputAt1m == -1.0 && r.BsfSoft == -1.0 && r.EntranceSurfaceDoseSoft == -1.0 &&
           r.EntranceSurfaceDoseAir == -1.0;
  }
  // The measured half-value layer as the user types it: mm with four decimals.
  std::string MillimetresOf(double hvl_cm) { return Format(10.0 * hvl_cm, "0.0000"); }
};

// ---------------------------------------------------------------- presets

TEST(FitDialogPresets, JapaneseEditionShowsTheCalculatedValuesAndEmptyBoxes)
{
  FitSession s(Edition::Japanese);
  FitDialog& f = s.fit();
  f.measuredHvlBox.UserType("3.1");
  f.measuredAtrBox.UserType("0.4");
  f.fitToAtrOption.UserClick();
  f.byVoltageOption.UserClick();
  f.cancelButton.UserClick();  // Cancel keeps the entries until the next opening
  EXPECT_FALSE(f.Visible());
  EXPECT_EQ(f.measuredHvlBox.Text(), "3.1");

  s.main().fitButton.UserClick();
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(f.measuredHvlBox.Text(), "");
  EXPECT_EQ(f.measuredAtrBox.Text(), "");
  EXPECT_EQ(f.calculatedHvlLabel.Caption(), s.main().hvlLabel.Caption());
  EXPECT_EQ(f.calculatedAtrLabel.Caption(), s.main().atrIndexLabel.Caption());
  EXPECT_NE(f.calculatedHvlLabel.Caption(), "");
  EXPECT_TRUE(f.fitToHvlOption.Value());
  EXPECT_TRUE(f.byFiltrationOption.Value());
  EXPECT_FALSE(f.byVoltageOption.Value());
  EXPECT_EQ(f.Caption(), "  HVL or ATR-Index ");
}

TEST(FitDialogPresets, EnglishEditionHasTheHalfValueLayerFitOnly)
{
  FitSession s(Edition::English);
  FitDialog& f = s.fit();
  EXPECT_EQ(f.Caption(), " Half Value Layer");
  EXPECT_EQ(f.calculatedHvlEnglishLabel.Caption(), s.main().hvlLabel.Caption());
  EXPECT_NE(f.calculatedHvlEnglishLabel.Caption(), "");
  EXPECT_TRUE(f.byFiltrationOption.Value());
  EXPECT_FALSE(f.targetFrame.Visible());
  EXPECT_FALSE(f.aboutAtrButton.Visible());
  EXPECT_TRUE(f.measuredHvlBox.Reachable());
  EXPECT_FALSE(f.measuredAtrBox.Reachable());
  EXPECT_EQ(f.headingCaption.Caption(), "Calculation of X-ray spectrum");
  EXPECT_EQ(f.headingLine2Caption.Caption(), "that approximates the measured HVL.");
}

TEST(FitDialogPresets, EnterInTheMeasuredBoxMovesToOkWithoutPressingIt)
{
  FitSession s(Edition::Japanese);
  s.fit().measuredHvlBox.UserType("3");
  s.fit().measuredHvlBox.UserKeyDown(ui::vbKeyReturn);
  EXPECT_TRUE(s.fit().okButton.HasFocus());
  EXPECT_TRUE(s.services.msgBoxes.empty());
  EXPECT_TRUE(s.fit().Visible());
}

// ---------------------------------------------------------------- refusals

TEST(FitDialogRefusals, EmptyHalfValueLayerBoxBeepsAndWarns)
{
  FitSession s(Edition::Japanese);
  const std::size_t mark = s.services.calls.size();
  s.services.ExpectMsgBox(kHvlEmpty);
  s.fit().okButton.UserClick();
  EXPECT_EQ(s.CallsSince(mark), (std::vector<std::string>{"Beep", std::string("MsgBox ") + kHvlEmpty}));
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbExclamation);
  EXPECT_TRUE(s.fit().Visible());
}

TEST(FitDialogRefusals, EnglishEmptyBoxMessage)
{
  FitSession s(Edition::English);
  s.services.ExpectMsgBox("  Input the measured HVL  ");
  s.fit().okButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  EXPECT_EQ(s.services.beeps, 1);
}

TEST(FitDialogRefusals, MeasuredEqualToCalculatedIsRefusedAfterStoringCentimetres)
{
  FitSession s(Edition::Japanese);
  s.m().Result.Hvl1 = 0.25;  // cm Al
  s.MarkResults();
  s.fit().measuredHvlBox.UserType("2.5");  // mm Al
  s.services.ExpectMsgBox(kHvlSame);
  s.fit().okButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  EXPECT_EQ(s.m().Fit.HvlMeasured, 0.25);
  EXPECT_TRUE(s.ResultsUntouched());
  EXPECT_TRUE(s.fit().Visible());
}

TEST(FitDialogRefusals, EnglishEqualValueMessage)
{
  FitSession s(Edition::English);
  s.m().Result.Hvl1 = 0.25;
  s.fit().measuredHvlBox.UserType("2.5");
  s.services.ExpectMsgBox("  The measured value and the calculated value are the same  ");
  s.fit().okButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
}

TEST(FitDialogRefusals, AtrBoxEmptyAndAtrEqualToCalculated)
{
  FitSession s(Edition::Japanese);
  FitDialog& f = s.fit();
  f.fitToAtrOption.UserClick();
  s.services.ExpectMsgBox(kAtrEmpty);
  f.okButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);

  s.m().Result.AtrIndex = 0.5;
  f.measuredAtrBox.UserType("0.5");
  s.services.ExpectMsgBox(kAtrSame);
  f.okButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  EXPECT_EQ(s.m().Fit.AtrMeasured, 0.5);
  EXPECT_EQ(s.services.beeps, 2);
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbExclamation);
}

TEST(FitDialogRefusals, TextThatIsNoCompleteNumberIsRefusedBeforeAnyFit)
{
  // "abc" would be fitted to a half-value layer of 0, "2,5" to 2 mm.
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    FitSession s(edition);
    const ExposureCondition before = s.m().Condition;
    for (const char* typed : {"abc", "2,5", "-3"}) {
      s.fit().measuredHvlBox.UserType(typed);
      const bool number = std::string(typed) == "-3";
      const std::string box = edition == Edition::Japanese ? "実測 HVL (mmAl)" : "Measured HVL (mmAl)";
      s.services.ExpectMsgBox(!number                         ? vorn::testing::NotANumberMessage(edition, box, typed)
                              : edition == Edition::Japanese ? "　実測 HVL (mmAl)：0 より大きい数値を入力して下さい　"
                                                             : "  Measured HVL (mmAl): enter a number above 0  ");
      s.fit().okButton.UserClick();
      EXPECT_EQ(s.services.PendingMsgBoxes(), 0u) << typed;
      EXPECT_TRUE(s.fit().measuredHvlBox.HasFocus()) << typed;
    }
    EXPECT_EQ(s.m().Condition.InherentFilterAl, before.InherentFilterAl);
    EXPECT_TRUE(s.fit().Visible());
    EXPECT_TRUE(s.main().addToTableButton.Enabled());  // nothing ran: the result stands
  }
  FitSession s(Edition::Japanese);
  s.fit().fitToAtrOption.UserClick();
  s.fit().measuredAtrBox.UserType("0.5x");
  s.services.ExpectMsgBox(vorn::testing::NotANumberMessage(Edition::Japanese, "実測 ATR-Index", "0.5x"));
  s.fit().okButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
}

TEST(FitDialogRefusals, TheMainWindowsBoxesAreCheckedFirst)
{
  // The fit computes from the main window's condition: a box left there with
  // a wrong number is named and nothing runs; the result on show stays, but
  // it is no longer that of the condition, so it cannot be added.
  FitSession s(Edition::Japanese);
  const ExposureCondition before = s.m().Condition;
  const std::string dose = s.main().surfaceDoseSoftLabel.Caption();
  s.main().fsdBox.UserType("-80");
  s.fit().measuredHvlBox.UserType(s.MillimetresOf(s.m().Result.Hvl1 * 1.1));
  s.services.ExpectMsgBox("　FSD (cm)：0 より大きい数値を入力して下さい　");
  s.fit().okButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  EXPECT_TRUE(s.fit().Visible());
  EXPECT_TRUE(s.main().fsdBox.HasFocus());
  EXPECT_EQ(s.m().Condition.InherentFilterAl, before.InherentFilterAl);
  EXPECT_EQ(s.main().surfaceDoseSoftLabel.Caption(), dose);
  s.services.ExpectMsgBox("　計算の後で照射条件が変更されました。もう一度計算して下さい　");
  s.main().addToTableButton.UserClick();
  EXPECT_EQ(s.program->Results.ResultRowCount, 1);
}

// ---------------------------------------------------------------- fit flags

TEST(FitDialogFlags, UpwardFitStoppedAt150kVSetsItsFlagAndRecomputesNothing)
{
  FitSession s(Edition::Japanese);
  s.main().tubeVoltageBox.UserType("150");
  s.Calculate();
  s.main().fitButton.UserClick();
  const double hvl = s.m().Result.Hvl1;
  s.MarkResults();
  s.m().Fit.FitFailHvlUp = 1;  // stale flags from an earlier run
  s.m().Fit.FitFailHvlDown = 1;
  s.fit().byVoltageOption.UserClick();
  s.fit().measuredHvlBox.UserType(s.MillimetresOf(hvl * 1.2));
  s.services.ExpectMsgBox(kAbove150);
  s.fit().okButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  EXPECT_EQ(s.m().Fit.FitFailHvlUp, 1);
  EXPECT_EQ(s.m().Fit.FitFailHvlDown, 0);  // reset before the run
  EXPECT_EQ(s.m().Condition.TubeVoltage, 150.0);
  EXPECT_TRUE(s.ResultsUntouched());
  EXPECT_TRUE(s.fit().Visible());
}

TEST(FitDialogFlags, DownwardTwinStoppedAtMinus10PercentStopsTheRunToo)
{
  FitSession s(Edition::Japanese);  // 75 kV: the downward fit may go to 67.5 kV
  const CalculationResult calculated = s.m().Result;
  const EnergyBinArray spectrum = s.m().Spectrum;
  const std::string hvlShown = s.main().hvlLabel.Caption();
  s.MarkResults();
  s.fit().byVoltageOption.UserClick();
  s.fit().measuredHvlBox.UserType(s.MillimetresOf(calculated.Hvl1 * 0.5));
  s.services.ExpectMsgBox(kBelowMinus10);
  s.fit().okButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  EXPECT_EQ(s.m().Fit.FitFailHvlUp, 0);
  EXPECT_EQ(s.m().Fit.FitFailHvlDown, 1);
  EXPECT_EQ(s.m().Condition.TubeVoltage, 75.0);
  EXPECT_EQ(s.main().tubeVoltageBox.Text(), "75");
  EXPECT_TRUE(s.ResultsUntouched());
  EXPECT_TRUE(s.fit().Visible());
  ASSERT_NE(s.m().Spectrum, spectrum);  // the fit's last trial
  // The main window keeps the result of the calculation, and that result,
  // spectrum included, is what is added and handed over.
  EXPECT_EQ(s.main().hvlLabel.Caption(), hvlShown);
  ASSERT_TRUE(s.main().addToTableButton.Enabled());
  EXPECT_TRUE(s.main().fitButton.Enabled());
  s.main().addToTableButton.UserClick();
  EXPECT_EQ(s.program->Results.ResEntranceSurfaceDoseSoft[1], calculated.EntranceSurfaceDoseSoft);
  s.main().effectiveDoseButton.UserClick();
  const std::vector<std::string> lines = ReadAllLines(s.folder.path() / "Vorn2PDD.dat");
  ASSERT_EQ(lines.size(), 308u);
  for (int i = 1; i <= 300; ++i) EXPECT_EQ(lines[6 + i], Format(spectrum[i], "0.000E+00")) << "bin " << i;
}

TEST(FitDialogFlags, SuccessfulVoltageFitClearsStaleFlags)
{
  FitSession s(Edition::Japanese);
  const double hvl = s.m().Result.Hvl1;
  s.m().Fit.FitFailHvlUp = 1;
  s.m().Fit.FitFailHvlDown = 1;
  s.fit().byVoltageOption.UserClick();
  s.fit().measuredHvlBox.UserType(s.MillimetresOf(hvl * 1.03));
  s.services.ExpectMsgBox(kFinished);
  s.fit().okButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  EXPECT_EQ(s.m().Fit.FitFailHvlUp, 0);
  EXPECT_EQ(s.m().Fit.FitFailHvlDown, 0);
  EXPECT_GT(s.m().Condition.TubeVoltage, 75.0);
  EXPECT_LE(s.m().Condition.TubeVoltage, 82.5);
  EXPECT_EQ(s.main().tubeVoltageBox.Text(), Format(s.m().Condition.TubeVoltage, "#00.0"));
}

// ---------------------------------------------------------------- success

TEST(FitDialogSuccess, FiltrationFitRecomputesEverythingAndEnablesAdd)
{
  FitSession s(Edition::Japanese);
  const double target = s.m().Result.Hvl1 * 1.1;
  s.main().addToTableButton.SetEnabled(false);  // as after adding the last result to the table
  s.main().fitButton.SetEnabled(false);  // as after an earlier run that stopped
  s.MarkResults();
  s.fit().measuredHvlBox.UserType(s.MillimetresOf(target));
  const std::size_t mark = s.services.calls.size();
  s.services.ExpectMsgBox(kFinished);
  s.fit().okButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  const std::vector<std::string> calls = s.CallsSince(mark);
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[calls.size() - 2], "Beep");
  EXPECT_EQ(calls.back(), std::string("MsgBox ") + kFinished);
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbOKOnly);
  EXPECT_FALSE(s.fit().Visible());
  EXPECT_TRUE(s.main().addToTableButton.Enabled());
  EXPECT_TRUE(s.main().fitButton.Enabled());

  // The fitted beam has the measured half-value layer (to the fit's 0.01 cm
  // steps and interpolation) and more filtration than before.
  EXPECT_NEAR(s.m().Result.Hvl1, target, 0.002);
  EXPECT_GT(s.m().Condition.InherentFilterAl, 0.25);
  EXPECT_EQ(s.main().inherentFilterBox.Text(), Format(10.0 * s.m().Condition.InherentFilterAl, "0.000"));

  // The dose results are those of a full calculation of the fitted condition.
  const CalculationResult afterFit = s.m().Result;
  const std::string doseLabel = s.main().surfaceDoseSoftLabel.Caption();
  EXPECT_GT(afterFit.OutputAt1m, 0.0);
  s.Calculate();
  EXPECT_DOUBLE_EQ(afterFit.OutputAt1m, s.m().Result.OutputAt1m);
  EXPECT_DOUBLE_EQ(afterFit.BsfSoft, s.m().Result.BsfSoft);
  EXPECT_DOUBLE_EQ(afterFit.EntranceSurfaceDoseSoft, s.m().Result.EntranceSurfaceDoseSoft);
  EXPECT_DOUBLE_EQ(afterFit.EntranceSurfaceDoseAir, s.m().Result.EntranceSurfaceDoseAir);
  EXPECT_EQ(doseLabel, s.main().surfaceDoseSoftLabel.Caption());
}

TEST(FitDialogSuccess, EnglishCompletionComesWithoutABeep)
{
  FitSession s(Edition::English);
  s.fit().measuredHvlBox.UserType(s.MillimetresOf(s.m().Result.Hvl1 * 0.95));
  const std::size_t mark = s.services.calls.size();
  s.services.ExpectMsgBox(" ***  Approximation finished  *** ");
  s.fit().okButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  const std::vector<std::string> calls = s.CallsSince(mark);
  for (const std::string& call : calls) EXPECT_NE(call, "Beep");
  EXPECT_LT(s.m().Condition.InherentFilterAl, 0.25);
  EXPECT_FALSE(s.fit().Visible());
}

TEST(FitDialogSuccess, FullResultTableKeepsAddDisabled)
{
  FitSession s(Edition::Japanese);
  s.program->Results.ResultRowCount = 16;
  s.main().addToTableButton.SetEnabled(false);
  s.fit().measuredHvlBox.UserType(s.MillimetresOf(s.m().Result.Hvl1 * 1.05));
  s.services.ExpectMsgBox(kFinished);
  s.fit().okButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  EXPECT_FALSE(s.main().addToTableButton.Enabled());
  EXPECT_GT(s.m().Result.OutputAt1m, 0.0);
}

TEST(FitDialogSuccess, AtrFitByFiltrationReachesTheMeasuredIndex)
{
  FitSession s(Edition::Japanese);
  const double target = s.m().Result.AtrIndex * 1.05;
  ASSERT_GT(target, 0.1);
  ASSERT_LT(target, 0.74);
  s.MarkResults();
  s.fit().fitToAtrOption.UserClick();
  s.fit().measuredAtrBox.UserType(Format(target, "0.00000"));
  s.services.ExpectMsgBox(kFinished);
  s.fit().okButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  EXPECT_NEAR(s.m().Result.AtrIndex, Val(Format(target, "0.00000")), 2e-4);
  EXPECT_GT(s.m().Condition.InherentFilterAl, 0.25);  // more filtration raises the index
  EXPECT_GT(s.m().Result.OutputAt1m, 0.0);
  EXPECT_FALSE(s.fit().Visible());
}

TEST(FitDialogSuccess, AtrOutOfRangeStopsWithTheFitsMessage)
{
  FitSession s(Edition::Japanese);
  s.MarkResults();
  s.fit().fitToAtrOption.UserClick();
  s.fit().measuredAtrBox.UserType("0.75");
  s.services.ExpectMsgBox(kAtrOutOfRange);
  s.fit().okButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  EXPECT_EQ(s.m().Fit.FitFailAtrFilt, 1);
  EXPECT_TRUE(s.ResultsUntouched());
  EXPECT_TRUE(s.fit().Visible());
}

// ---------------------------------------------------------------- failures

TEST(FitDialogFailure, FittedVoltageBeyondTheOutputTableIsReportedAndTheProgramGoesOn)
{
  FitSession s(Edition::Japanese);
  // An output table that ends at 80 kV (25, 30, ... 80 kV).
  for (int k = 1; k <= kOutputPoints; ++k) s.m().Output.OutputTable(1, k) = 25.0 + 5.0 * (k - 1);
  // The half-value layer of the same beam at 81 kV: the upward fit lands there.
  s.m().Condition.TubeVoltage = 81.0;
  s.m().CalcSpectrum();
  const double hvlAt81 = s.m().Result.Hvl1;
  s.m().Condition.TubeVoltage = 75.0;
  s.m().CalcSpectrum();
  s.main().addToTableButton.SetEnabled(false);

  s.fit().byVoltageOption.UserClick();
  s.fit().measuredHvlBox.UserType(s.MillimetresOf(hvlAt81));
  const std::size_t mark = s.services.calls.size();
  s.services.ExpectMsgBox(kCouldNotCalculate);
  s.fit().okButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  const std::vector<std::string> calls = s.CallsSince(mark);
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[calls.size() - 2], "Beep");
  EXPECT_EQ(calls.back(), std::string("MsgBox ") + kCouldNotCalculate);
  EXPECT_EQ(s.services.msgBoxes.size(), 1u);  // the fit itself succeeded quietly
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbExclamation);
  EXPECT_NEAR(s.m().Condition.TubeVoltage, 81.0, 0.21);  // what the fit left
  EXPECT_FALSE(s.main().addToTableButton.Enabled());
  EXPECT_FALSE(s.main().fitButton.Enabled());
  EXPECT_EQ(s.main().hvlLabel.Caption(), "");  // 81 kV's, written before the failure
  EXPECT_TRUE(s.fit().Visible());
  EXPECT_FALSE(s.program->app.Ended());

  // The program goes on: the dialog closes, and after a calculation within
  // the table the fit opens again.
  s.fit().cancelButton.UserClick();
  EXPECT_FALSE(s.fit().Visible());
  s.main().tubeVoltageBox.UserType("75");
  s.Calculate();
  s.main().fitButton.UserClick();
  EXPECT_TRUE(s.fit().Visible());
}

TEST(FitDialogFailure, CurvedSurfaceWhoseProgramCannotStartIsReported)
{
  FitSession s(Edition::English);
  // A curved surface: the dose routine starts the outside program for it.
  s.m().Phantom.BsfMethod = kCurvedSurface;
  s.m().Phantom.PhantomModel = 1;
  s.m().Phantom.CylinderRadius = 20;
  s.m().Phantom.McHistories = 10000000;
  s.services.FailShell("Tubrin.exe");
  s.fit().measuredHvlBox.UserType(s.MillimetresOf(s.m().Result.Hvl1 * 1.05));
  s.services.ExpectMsgBox(" ???  Could not calculate correctly  ??? \nTubrin.exe: the program cannot be started");
  s.fit().okButton.UserClick();
  EXPECT_EQ(s.services.PendingMsgBoxes(), 0u);
  EXPECT_TRUE(s.fit().Visible());
  EXPECT_FALSE(s.program->app.Ended());
}

// ---------------------------------------------------------------- others

TEST(FitDialogOthers, CancelChangesNothing)
{
  FitSession s(Edition::Japanese);
  const ExposureCondition before = s.m().Condition;
  s.MarkResults();
  s.fit().measuredHvlBox.UserType("4");
  s.fit().cancelButton.UserClick();
  EXPECT_FALSE(s.fit().Visible());
  EXPECT_TRUE(s.services.msgBoxes.empty());
  EXPECT_EQ(s.m().Condition.InherentFilterAl, before.InherentFilterAl);
  EXPECT_EQ(s.m().Condition.TubeVoltage, before.TubeVoltage);
  EXPECT_TRUE(s.ResultsUntouched());
}

TEST(FitDialogOthers, AtrExplanationOpensFromTheDialogAndFromTheMainWindow)
{
  FitSession s(Edition::Japanese);
  s.fit().aboutAtrButton.UserClick();
  mainwin::AtrExplanationWindow& about = *s.program->atrExplanationWindow;
  EXPECT_TRUE(about.Visible());
  EXPECT_EQ(about.Caption(), "　ATR Index とは");
  EXPECT_TRUE(s.fit().Visible());
  about.closeButton.UserClick();
  EXPECT_FALSE(about.Visible());
  s.main().atrExplanationButton.UserClick();
  EXPECT_TRUE(about.Visible());
}

TEST(FitDialogOthers, AtrExplanationOpensBesideTheDialogWhereTheScreenHasRoom)
{
  FitSession s(Edition::Japanese);
  mainwin::AtrExplanationWindow& about = *s.program->atrExplanationWindow;
  s.fit().aboutAtrButton.UserClick();  // the desktop has not placed the dialog: it places both
  EXPECT_FALSE(about.HasPosition());
  about.closeButton.UserClick();

  // 1920 x 1040 pixels; the desktop put the dialog (8040 twips wide) at x 3000.
  s.services.screenArea = ui::Rect{0, 0, 28800, 15600};
  s.fit().DesktopMoved(3000, 1500);
  s.fit().aboutAtrButton.UserClick();
  EXPECT_EQ(about.Left(), 3000 + 8040 + 240);
  EXPECT_EQ(about.Top(), 1500);
  // Near the right edge: on the left of it.
  s.fit().DesktopMoved(18000, 900);
  s.fit().aboutAtrButton.UserClick();
  EXPECT_EQ(about.Left(), 18000 - 240 - about.Width());
  EXPECT_EQ(about.Top(), 900);
  // 1280 pixels: room on neither side; against the edge with more room.
  s.services.screenArea = ui::Rect{0, 0, 19200, 15360};
  s.fit().DesktopMoved(5580, 900);
  s.fit().aboutAtrButton.UserClick();
  EXPECT_EQ(about.Left(), 19200 - 240 - about.Width());
  EXPECT_TRUE(about.Visible());
}

TEST(FitDialogOthers, AtrExplanationDrawsTheMeasuringArrangement)
{
  FitSession s(Edition::Japanese);
  mainwin::AtrExplanationWindow& about = *s.program->atrExplanationWindow;
  const ui::DisplayList& items = about.arrangementPicture.Items();
  for (const char* word : {"Ｘ線焦点", "100 cm", "50 cm", "厚さ 2 cm", "線量計"})
    EXPECT_NE(ui::FindText(items, word), nullptr) << word;
  // The plate: 2 cm thick, 30 cm high, its near face 50 cm from the focus.
  bool plate = false;
  for (const ui::DrawItem& item : items) {
    if (const auto* box = std::get_if<ui::BoxItem>(&item)) {
      plate = plate || (box->from.x == 50.0 && box->to.x == 52.0 && std::abs(box->to.y - box->from.y) == 30.0);
    }
  }
  EXPECT_TRUE(plate);
  EXPECT_EQ(about.formulaLeadCaption.Caption(), "ATR (Acrylic Transmittance) Index =");
  EXPECT_EQ(about.x0DefinitionCaption.Caption(), "：Ｘ線焦点から 100 cm の距離の自由空間における照射線量または空気カーマ");
}

}  // namespace
}  // namespace vorn::dialogs_b_test
