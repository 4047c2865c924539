// The main window's hand-over button (effectiveDoseButton) and add-effective-dose
// button (addEffectiveDoseButton): the file, the program start, the answer drawn into the
// result window, and every failure leaving the buttons and the table sound.
#include <filesystem>
#include <new>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "mainwin/handover.h"
#include "platform/files/seqfile.h"
#include "platform/format/format.h"
#include "tests/mainwin/mainwin_test_support.h"

namespace vorn::mainwin {
namespace {

namespace fs = std::filesystem;
using vorn::testing::Session;

class Handover : public ::testing::Test {
protected:
  // A started program with one result calculated and added to the table.
  Session& Ready(Edition edition)
  {
    session_ = vorn::testing::StartRegistered(edition);
    MainWindow& f = session_->form();
    f.calculateButton.UserClick();
    f.addToTableButton.UserClick();
    EXPECT_TRUE(f.effectiveDoseButton.Enabled());
    EXPECT_FALSE(f.addEffectiveDoseButton.Enabled());
    EXPECT_EQ(session_->program->Results.ResultRowCount, 2);
    session_->services.calls.clear();
    return *session_;
  }
  MainWindow& form() { return session_->form(); }
  ui::ScriptedServices& services() { return session_->services; }
  fs::path File(const char* name) const { return session_->dir() / name; }
  void Answer(const std::string& text) { vorn::testing::WriteText(File(kEffDoseFileName), text); }

  std::unique_ptr<Session> session_;
};

TEST_F(Handover, WritesTheBeamStartsTheProgramAndSwapsTheButtons)
{
  Ready(Edition::English);
  const std::string site = session_->program->Results.ResSiteName[1];
  ASSERT_NE(site, "Chest-Frontal");
  form().siteCombo.SetText("Chest-Frontal");  // changed after the row was added: the row's site goes
  form().effectiveDoseButton.UserClick();

  const std::vector<std::string> lines = ReadAllLines(File(kHandoverFileName));
  ASSERT_EQ(lines.size(), 308u);
  // The start-up defaults: 75 kV, FFD 100, FSD 80, 20 cm, the 43.2 x 35.6 film.
  EXPECT_EQ(lines[0], " 75 ");
  EXPECT_EQ(lines[1], " 100 ");
  EXPECT_EQ(lines[2], " 80 ");
  EXPECT_EQ(lines[3], " 20 ");
  EXPECT_EQ(lines[4], " 43.2 ");
  EXPECT_EQ(lines[5], " 35.6 ");
  const double dose = session_->m().Result.EntranceSurfaceDoseSoft;
  ASSERT_GT(dose, 0.0);
  EXPECT_EQ(lines[6], Format(dose, "##0.000"));
  // The spectrum of 75 kV fills bins 2..150 and sums to 1.
  double sum = 0.0;
  for (int i = 1; i <= 300; ++i) {
    const std::string& item = lines[6 + i];
    ASSERT_EQ(item.size(), 9u) << "bin " << i << ": " << item;
    sum += Val(item);
    if (i == 1 || i > 150) {
      EXPECT_EQ(item, "0.000E+00") << "bin " << i;
    }
  }
  EXPECT_NEAR(sum, 1.0, 300 * 5e-4 * 0.02);
  EXPECT_EQ(lines[307], site);

  EXPECT_EQ(services().calls, (std::vector<std::string>{"DoEvents", "Shell Vorn18E_PDD.exe"}));
  EXPECT_TRUE(form().addEffectiveDoseButton.Enabled());
  EXPECT_FALSE(form().effectiveDoseButton.Enabled());
}

TEST_F(Handover, JapaneseEditionStartsItsOwnProgramAndReplacesAnOldFile)
{
  Ready(Edition::Japanese);
  vorn::testing::WriteText(File(kHandoverFileName), "old\r\n");
  form().effectiveDoseButton.UserClick();
  EXPECT_EQ(services().shellCalls, (std::vector<std::string>{"vorn18J_PDD.exe"}));
  EXPECT_EQ(ReadAllLines(File(kHandoverFileName)).size(), 308u);
}

TEST_F(Handover, FileThatCannotBeWrittenIsToldAndNothingStarts)
{
  Ready(Edition::English);
  // A folder with content where the file belongs cannot be replaced.
  fs::create_directories(File(kHandoverFileName));
  vorn::testing::WriteText(File(kHandoverFileName) / "keep", "x");
  services().ExpectMsgBox(ui::vbOK);
  form().effectiveDoseButton.UserClick();
  ASSERT_EQ(services().msgBoxes.size(), 1u);
  const std::string& text = services().msgBoxes[0].text;
  EXPECT_EQ(text.rfind("The beam could not be handed over to the depth-dose program.\n", 0), 0u) << text;
  EXPECT_NE(text.find("Vorn2PDD.dat"), std::string::npos) << text;
  EXPECT_EQ(services().msgBoxes[0].style, ui::vbExclamation);
  EXPECT_TRUE(services().shellCalls.empty());
  EXPECT_TRUE(form().effectiveDoseButton.Enabled());
  EXPECT_FALSE(form().addEffectiveDoseButton.Enabled());
}

TEST_F(Handover, AnAnswerLeftFromAnEarlierHandOverIsNeverTakenForTheNewRow)
{
  // Row 1 was handed over and answered but not added; row 2 is handed over
  // and "add" pressed before the depth-dose program has answered.
  Ready(Edition::English);
  form().effectiveDoseButton.UserClick();
  Answer("Effective dose (mSv)\r\n0.186\r\n");
  form().calculateButton.UserClick();
  form().addToTableButton.UserClick();
  form().effectiveDoseButton.UserClick();
  EXPECT_FALSE(fs::exists(File(kEffDoseFileName)));
  EXPECT_EQ(services().shellCalls.size(), 2u);
  services().ExpectMsgBox("  Effective dose in not calculated  ");
  form().addEffectiveDoseButton.UserClick();
  EXPECT_EQ(services().PendingMsgBoxes(), 0u);
  EXPECT_EQ(session_->program->Results.ResEffectiveDose[2], 0.0);

  // An old answer that cannot be removed stops the hand-over, naming it.
  fs::create_directories(File(kEffDoseFileName));
  vorn::testing::WriteText(File(kEffDoseFileName) / "keep", "x");
  services().ExpectMsgBox(ui::vbOK);
  form().effectiveDoseButton.UserClick();
  const std::string& text = services().msgBoxes.back().text;
  EXPECT_EQ(text.rfind("The beam could not be handed over to the depth-dose program.\n", 0), 0u) << text;
  EXPECT_NE(text.find(kEffDoseFileName), std::string::npos) << text;
  EXPECT_EQ(services().shellCalls.size(), 2u);
  EXPECT_TRUE(form().effectiveDoseButton.Enabled());
  EXPECT_FALSE(form().addEffectiveDoseButton.Enabled());
}

// What goes over is the row added last, whatever the window holds since:
// another voltage calculated (not added), the free-size preset with its box
// left empty.
TEST_F(Handover, TheLastRowGoesOverWhateverTheWindowHoldsSince)
{
  Ready(Edition::English);
  form().tubeVoltageBox.UserType("90");
  form().calculateButton.UserClick();
  form().fieldPresetCombo.UserChoose(9);
  form().effectiveDoseButton.UserClick();
  EXPECT_TRUE(services().msgBoxes.empty());
  const std::vector<std::string> lines = ReadAllLines(File(kHandoverFileName));
  ASSERT_EQ(lines.size(), 308u);
  EXPECT_EQ(lines[0], " 75 ");
  EXPECT_EQ(lines[4], " 43.2 ");
  EXPECT_EQ(lines[6], Format(session_->program->Results.ResEntranceSurfaceDoseSoft[1], "##0.000"));
  EXPECT_TRUE(form().addEffectiveDoseButton.Enabled());
}

// An answer goes only into the row that was handed over, while it is still
// the last row: a row added or the table erased since ends its wait.
TEST_F(Handover, AnAnswerIsForTheRowHandedOverOnly)
{
  Ready(Edition::English);
  form().effectiveDoseButton.UserClick();
  Answer("Effective dose (mSv)\r\n0.186\r\n");
  form().tubeVoltageBox.UserType("90");
  form().calculateButton.UserClick();
  form().addToTableButton.UserClick();
  EXPECT_FALSE(form().addEffectiveDoseButton.Enabled());
  EXPECT_TRUE(form().effectiveDoseButton.Enabled());

  form().effectiveDoseButton.UserClick();
  Answer("Effective dose (mSv)\r\n0.250\r\n");
  services().ExpectMsgBox(ui::vbOK);
  session_->results().eraseButton.UserClick();
  EXPECT_FALSE(form().addEffectiveDoseButton.Enabled());
  EXPECT_FALSE(form().effectiveDoseButton.Enabled());
  for (int r = 0; r <= 2; ++r) EXPECT_EQ(session_->program->Results.ResEffectiveDose[r], 0.0);
}

// A number that no calculation gives is not put into the table: the file is
// named, the answer stays unread.
TEST_F(Handover, AnAnswerOutsideTheTablesRangeIsRefused)
{
  for (const char* value : {"-1.5", "1E+300", "1000000"}) {
    Ready(Edition::Japanese);
    form().effectiveDoseButton.UserClick();
    Answer(std::string("Effective dose (mSv)\r\n") + value + "\r\n");
    services().ExpectMsgBox(ui::vbOK);
    form().addEffectiveDoseButton.UserClick();
    ASSERT_EQ(services().msgBoxes.size(), 1u);
    EXPECT_NE(services().msgBoxes[0].text.find("Eff-Dose.dat"), std::string::npos) << value;
    EXPECT_EQ(session_->program->Results.ResEffectiveDose[1], 0.0) << value;
    EXPECT_FALSE(form().addEffectiveDoseButton.Enabled());
  }
}

TEST_F(Handover, ProgramThatCannotBeStartedIsToldAndTheButtonsStay)
{
  Ready(Edition::Japanese);
  services().FailShell("vorn18J_PDD.exe");
  services().ExpectMsgBox(ui::vbOK);
  form().effectiveDoseButton.UserClick();
  ASSERT_EQ(services().msgBoxes.size(), 1u);
  const std::string& text = services().msgBoxes[0].text;
  EXPECT_EQ(text.rfind("深部線量プログラムを起動できませんでした。\n", 0), 0u) << text;
  EXPECT_NE(text.find("vorn18J_PDD.exe"), std::string::npos) << text;
  EXPECT_TRUE(form().effectiveDoseButton.Enabled());
  EXPECT_FALSE(form().addEffectiveDoseButton.Enabled());
}

// A failure that no routine expects (here the memory running out while the
// program starts) reaches the event dispatch: it is told, and the program
// goes on with its result table.
TEST_F(Handover, AnUnexpectedFailureIsToldAndTheProgramGoesOnWithItsTable)
{
  Ready(Edition::Japanese);
  const results::ResultTable before = session_->program->Results;
  services().onShell = [](const std::string&) { throw std::bad_alloc(); };
  services().ExpectMsgBox("この操作を完了できませんでした。データはそのままで、続けて使えます。\nメモリが足りません", ui::vbOK);
  form().effectiveDoseButton.UserClick();
  EXPECT_EQ(services().PendingMsgBoxes(), 0u);
  EXPECT_EQ(services().msgBoxes.back().style, ui::vbCritical | ui::vbOKOnly);
  EXPECT_FALSE(session_->program->app.Ended());
  EXPECT_TRUE(form().Visible());
  EXPECT_EQ(session_->program->Results, before);

  services().onShell = nullptr;
  form().calculateButton.UserClick();  // the program still calculates
  EXPECT_TRUE(form().addToTableButton.Enabled());
}

TEST_F(Handover, AnswerGoesIntoTheLastRowAndItsCell)
{
  Ready(Edition::English);
  form().effectiveDoseButton.UserClick();
  Answer("Effective dose (mSv)\r\n0.117\r\n");
  results::ResultWindow& window = session_->results();
  const std::size_t drawn = window.tablePicture.Items().size();
  form().addEffectiveDoseButton.UserClick();

  EXPECT_TRUE(services().msgBoxes.empty());
  EXPECT_EQ(session_->program->Results.ResEffectiveDose[1], 0.117);
  EXPECT_EQ(session_->m().Result.EffectiveDose, 0.117);
  EXPECT_FALSE(fs::exists(File(kEffDoseFileName)));
  EXPECT_FALSE(form().addEffectiveDoseButton.Enabled());
  EXPECT_FALSE(form().effectiveDoseButton.Enabled());

  // Row 1 lies at y = 70 + 50: a white box over the cell, then the value.
  const ui::DisplayList& items = window.tablePicture.Items();
  ASSERT_EQ(items.size(), drawn + 2);
  const auto* box = std::get_if<ui::BoxItem>(&items[drawn]);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->from, (ui::Point{1094, 118}));
  EXPECT_EQ(box->to, (ui::Point{1150, 150}));
  ASSERT_TRUE(box->fill.has_value());
  EXPECT_EQ(box->fill->color, ui::Rgb(255, 255, 255));
  const auto* value = std::get_if<ui::TextItem>(&items[drawn + 1]);
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->text, "0.117");
  EXPECT_EQ(value->at, (ui::Point{1100, 120}));
}

TEST_F(Handover, AnswerOfTheSecondRowIsDrawnOneRowLower)
{
  Ready(Edition::Japanese);
  form().calculateButton.UserClick();
  form().addToTableButton.UserClick();
  ASSERT_EQ(session_->program->Results.ResultRowCount, 3);
  form().effectiveDoseButton.UserClick();
  Answer("実効線量 (mSv)\r\n12.5\r\n");
  form().addEffectiveDoseButton.UserClick();
  EXPECT_EQ(session_->program->Results.ResEffectiveDose[2], 12.5);
  EXPECT_EQ(session_->program->Results.ResEffectiveDose[1], 0.0);
  const ui::TextItem* value = ui::FindText(session_->results().tablePicture.Items(), "12.500");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->at, (ui::Point{1100, 170}));
}

// No answer yet: the message, and nothing in the table or the window changes.
struct NoAnswer {
  Edition edition;
  const char* message;
  bool handOverAgain;  // effectiveDoseButton enabled afterwards
};

class HandoverWithoutAnswer : public Handover, public ::testing::WithParamInterface<NoAnswer> {};

TEST_P(HandoverWithoutAnswer, IsToldAndChangesNothing)
{
  Ready(GetParam().edition);
  form().effectiveDoseButton.UserClick();
  const results::ResultTable before = session_->program->Results;
  const std::size_t drawn = session_->results().tablePicture.Items().size();
  services().ExpectMsgBox(GetParam().message);
  form().addEffectiveDoseButton.UserClick();
  EXPECT_EQ(services().PendingMsgBoxes(), 0u);
  EXPECT_EQ(services().msgBoxes.back().style, ui::vbExclamation);
  EXPECT_FALSE(form().addEffectiveDoseButton.Enabled());
  EXPECT_EQ(form().effectiveDoseButton.Enabled(), GetParam().handOverAgain);
  EXPECT_EQ(session_->program->Results, before);
  EXPECT_EQ(session_->results().tablePicture.Items().size(), drawn);
}

INSTANTIATE_TEST_SUITE_P(Editions, HandoverWithoutAnswer,
                         ::testing::Values(NoAnswer{Edition::English, "  Effective dose in not calculated  ", true},
                                           NoAnswer{Edition::Japanese, "実効線量は計算されていません", false}));

TEST_F(Handover, AnswerThatIsNotANumberStaysAndIsTold)
{
  Ready(Edition::English);
  form().effectiveDoseButton.UserClick();
  Answer("Effective dose (mSv)\r\nabc\r\n");
  services().ExpectMsgBox(
      "  The effective dose handed back cannot be read  \nEff-Dose.dat, line 2: \"abc\" stands where a number belongs");
  form().addEffectiveDoseButton.UserClick();
  EXPECT_EQ(services().PendingMsgBoxes(), 0u);
  EXPECT_EQ(session_->program->Results.ResEffectiveDose[1], 0.0);
  EXPECT_TRUE(fs::exists(File(kEffDoseFileName)));
}

TEST_F(Handover, AnswerAfterTheTableWasEmptiedHasNoRowToGoTo)
{
  Ready(Edition::English);
  form().effectiveDoseButton.UserClick();
  results::ClearResultTable(session_->program->Results);  // as the erase command leaves it
  Answer("Effective dose (mSv)\r\n0.250\r\n");
  services().ExpectMsgBox("  Effective dose in not calculated  ");
  form().addEffectiveDoseButton.UserClick();
  EXPECT_EQ(services().PendingMsgBoxes(), 0u);
  EXPECT_EQ(session_->program->Results.ResEffectiveDose[0], 0.0);  // cell 0 is never used
  EXPECT_TRUE(fs::exists(File(kEffDoseFileName)));  // the answer is not lost
  EXPECT_FALSE(form().effectiveDoseButton.Enabled());  // no row left to hand over
}

}  // namespace
}  // namespace vorn::mainwin
