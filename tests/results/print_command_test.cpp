// The print command of the result window: its questions, the page it hands
// to the printer, where the page went, and the main window it leaves behind.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "program_session.h"
#include "text/results_texts.h"

namespace vorn::results {
namespace {

using testing::Session;
using testing::ThreeRowTable;

// A started program whose table holds the three sample rows, with the main
// window showing the results of a calculation.
struct PrintSession : Session {
  explicit PrintSession(Edition edition) : Session(edition)
  {
    Calculate(80);
    table() = ThreeRowTable();
    main().optionalFilterMaterialLabel.SetCaption("Mo");
    main().optionalFilterThicknessLabel.SetCaption("0.03");
    m().OtherFilter.OtherFilterOn = 1;
    m().Condition.OutputSource = 1;
  }
};

TEST(PrintCommand, EmptyTableOnlySaysSo)
{
  Session s(Edition::English);
  s.services.ExpectMsgBox(" No data to print ");
  s.window().printButton.UserClick();
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbExclamation);
  EXPECT_TRUE(s.services.printed.empty());
}

TEST(PrintCommand, NoPrinterReadyChangesNothing)
{
  PrintSession s(Edition::Japanese);
  const std::string label = s.main().surfaceDoseSoftLabel.Caption();
  s.services.ExpectMsgBox("　プリンターは準備できていますか？　", ui::vbNo);
  s.window().printButton.UserClick();
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbYesNo);
  EXPECT_TRUE(s.services.printed.empty());
  EXPECT_FALSE(s.app().Printer().DocumentStarted());
  EXPECT_EQ(s.main().surfaceDoseSoftLabel.Caption(), label);
  EXPECT_EQ(s.m().Condition.TubeVoltage, 80.0);
}

TEST(PrintCommand, PrintsOnePageAndResetsTheMainWindow)
{
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    PrintSession s(edition);
    ASSERT_FALSE(s.main().surfaceDoseSoftLabel.Caption().empty());
    ExposureCondition before = s.m().Condition;
    before.OutputSource = 2;  // the default output data, chosen by the reset below
    const PhantomGeometry phantom = s.m().Phantom;
    s.services.ExpectMsgBox(ui::vbYes);
    s.window().printButton.UserClick();
    ASSERT_EQ(s.services.printed.size(), 1u);
    ASSERT_EQ(s.services.printed[0].pages.size(), 1u);
    const ui::PrintedPage& page = s.services.printed[0].pages[0];
    EXPECT_EQ(page.orientation, ui::Orientation::Landscape);
    EXPECT_EQ(ui::FindText(page.items, "胸部正面")->at, (ui::Point{edition == Edition::Japanese ? 3.0 : 2.0, 41}));
    EXPECT_EQ(ui::FindText(page.items, "頭部側面")->at.y, 61);
    EXPECT_EQ(ui::FindText(page.items, "Tester  with  Vorn-V18")->at, (ui::Point{200, 12}));
    EXPECT_EQ(ui::FindText(page.items, std::string(ResultsTextsFor(edition).SheetTitle))->at, (ui::Point{50, 12}));

    // The table is as before, and so is the condition of the next
    // calculation: printing copies rows, it never loads them.
    EXPECT_EQ(s.table(), ThreeRowTable());
    EXPECT_EQ(s.m().Condition, before);
    EXPECT_EQ(s.m().Phantom, phantom);
    // The main window no longer shows results of its own.
    mainwin::MainWindow& f = s.main();
    for (const ui::Label* label :
         {&f.exposureAt1mLabel, &f.hvlLabel, &f.effectiveEnergyLabel, &f.surfaceDoseAirLabel, &f.bsfSoftLabel,
          &f.convFactorSoftLabel, &f.convFactorSkinLabel, &f.surfaceDoseSoftLabel, &f.surfaceDoseSkinLabel,
          &f.bsfSkinLabel, &f.bsfAirLabel, &f.optionalFilterMaterialLabel, &f.optionalFilterThicknessLabel}) {
      EXPECT_EQ(label->Caption(), "") << label->Name();
    }
    EXPECT_EQ(s.m().OtherFilter.OtherFilterOn, 0);
    EXPECT_TRUE(f.outputDataOption.Value());
    EXPECT_EQ(s.m().Condition.OutputSource, 2);
    // Printed to a printer: nothing more to tell.
    EXPECT_EQ(s.services.msgBoxes.size(), 1u);
  }
}

TEST(PrintCommand, APageWrittenToAFileIsNamedToTheUser)
{
  PrintSession s(Edition::English);
  s.services.printReport = {true, true, (s.dir() / "Vorn-result-20261209-101500.pdf").string()};
  s.services.ExpectMsgBox(ui::vbYes);
  s.services.ExpectMsgBox(ui::vbOK);
  s.window().printButton.UserClick();
  const ui::MsgBoxCall& told = s.services.msgBoxes.back();
  EXPECT_EQ(told.text, "  No printer was found: the result sheet was written to a PDF file  \n" +
                           (s.dir() / "Vorn-result-20261209-101500.pdf").string());
}

TEST(PrintCommand, AFailedPrintIsReportedAndTheNextOneStartsAfresh)
{
  PrintSession s(Edition::Japanese);
  s.services.FailPrint();
  s.services.ExpectMsgBox(ui::vbYes);
  s.services.ExpectMsgBox(ui::vbOK);
  s.window().printButton.UserClick();
  const ui::MsgBoxCall& told = s.services.msgBoxes.back();
  EXPECT_EQ(told.text.rfind("　印刷できませんでした　\n", 0), 0u) << told.text;
  EXPECT_EQ(told.style, ui::vbExclamation);
  // The rows went through the condition variables all the same.
  EXPECT_EQ(s.main().surfaceDoseSoftLabel.Caption(), "");

  s.services.FailPrint(false);
  s.services.ExpectMsgBox(ui::vbYes);
  s.window().printButton.UserClick();
  ASSERT_EQ(s.services.printed.size(), 1u);
  EXPECT_EQ(s.services.printed[0].pages.size(), 1u);
}

}  // namespace
}  // namespace vorn::results
