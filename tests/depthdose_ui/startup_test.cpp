// Start-up of the depth-dose program in its graph window's load event: the
// order of its steps, the 40 cm check both ways, and start-ups that stop on a
// missing, short or malformed data file.
#include <string>
#include <vector>

#include "tests/depthdose_ui/pdd_ui_fixture.h"
#include "text/depthdose_texts.h"

namespace vorn::pdd::test {
namespace {

using Calls = std::vector<std::string>;

using Startup = PddWindowTest;

TEST_F(Startup, ReadsComputesDrawsAndFillsTheHiddenOrganWindowInOrder)
{
  DepthDoseProgram& program = Started(Edition::English);
  // One yield after the hand-over file, one after the tables, one after the computation.
  EXPECT_EQ(services_.calls, (Calls{"DoEvents", "DoEvents", "DoEvents"}));
  EXPECT_TRUE(graph().Visible());
  EXPECT_EQ(graph().Caption(), "Central-Axis Depth Dose for Diagnostic X-rays");
  EXPECT_TRUE(graph().effectiveDoseButton.Enabled());
  EXPECT_EQ(graph().surfaceDoseLabel.Caption(), " Surface Dose = 1.2 mGy ");
  EXPECT_EQ(graph().doseBox.Text(), "");
  EXPECT_EQ(graph().nearDepthBox.Text(), "");
  EXPECT_EQ(graph().farDepthBox.Text(), "");
  EXPECT_EQ(module().KeyStepOn, 0);
  EXPECT_EQ(module().MouseReadOn, 1);
  EXPECT_DOUBLE_EQ(module().PddTable[3][1], 100.0);
  EXPECT_TRUE(fs::exists(File("PDD_tempDATA.txt")));
  EXPECT_FALSE(ui::LineItems(graph().graphPicture.Items()).empty());

  // The organ window is loaded but hidden, its rows filled for Abdomen-F at 20 cm:
  // red marrow from 0.45 to 0.9 of the thickness, 43 %.
  ASSERT_TRUE(program.effectiveDoseWindow.Exists());
  EXPECT_FALSE(organs().Visible());
  EXPECT_EQ(organs().organRows[1].check.Value(), ui::vbChecked);
  EXPECT_EQ(organs().organRows[1].nearDepthBox.Text(), "9.0");
  EXPECT_EQ(organs().organRows[1].farDepthBox.Text(), "18.0");
  EXPECT_EQ(organs().organRows[1].percentBox.Text(), "43");
  // Breast is not in the field at this site: the row stays reset.
  EXPECT_EQ(organs().organRows[0].check.Value(), ui::vbUnchecked);
  EXPECT_EQ(organs().organRows[0].nearDepthBox.Text(), "0");
  // Exit skin, mode 2 (from the exit surface): 20 - 0.2 and 20 - 0.
  EXPECT_EQ(organs().organRows[12].nearDepthBox.Text(), "19.8");
  EXPECT_EQ(organs().organRows[12].farDepthBox.Text(), "20.0");
}

TEST_F(Startup, SurfaceDoseShowsInItsShortestForm)
{
  Started(Edition::English, {.dose = "12.340"});
  EXPECT_EQ(graph().surfaceDoseLabel.Caption(), " Surface Dose = 12.34 mGy ");
}

TEST_F(Startup, JapaneseEditionKeepsTheEnglishGraphWordsAndShowsThePercentageBoxes)
{
  Started(Edition::Japanese);
  EXPECT_EQ(graph().Caption(), "Central-Axis Depth Dose for Diagnostic X-rays");
  EXPECT_EQ(graph().surfaceDoseLabel.Caption(), " Surface Dose = 1.2 mGy ");
  EXPECT_EQ(graph().effectiveDoseButton.Caption(), "実効線量の概算へ進む");
  EXPECT_EQ(graph().mouseHintCaption.Caption(), "グラフ上でマウスカーソルを動かすと、深部線量が表示されます");
  EXPECT_EQ(graph().Font().name, "メイリオ");
  EXPECT_TRUE(graph().depthSeparatorCaption.Visible());
  EXPECT_EQ(graph().depthSeparatorCaption.Caption(), "～");
  EXPECT_TRUE(graph().totalPercentBox.Visible());
  EXPECT_TRUE(graph().primaryPercentBox.Visible());
  EXPECT_TRUE(graph().scatterPercentBox.Visible());
  EXPECT_FALSE(graph().depthCaption.Visible());
  EXPECT_NE(ui::FindText(graph().graphPicture.Items(), "depth in soft-tissue [cm]"), nullptr);
  EXPECT_EQ(ui::FindText(graph().graphPicture.Items(), "depth in water [cm]"), nullptr);
}

TEST_F(Startup, EnglishEditionHidesTheCursorReadoutsUntilTheFirstMouseMove)
{
  Started(Edition::English);
  EXPECT_EQ(graph().effectiveDoseButton.Caption(), "Estimation of Effective Dose");
  EXPECT_EQ(graph().mouseHintCaption.Caption(), "Depth dose is indicated, when the mouse is moved on the graph");
  EXPECT_EQ(graph().Font().name, "Times New Roman");
  for (const ui::Control* c :
       std::vector<const ui::Control*>{&graph().totalPercentBox, &graph().primaryPercentBox, &graph().scatterPercentBox,
                                       &graph().depthSeparatorCaption, &graph().depthCaption, &graph().totalLevelLine,
                                       &graph().depthLine, &graph().primaryLevelLine, &graph().scatterLevelLine}) {
    EXPECT_FALSE(c->Visible()) << c->Name();
  }
  EXPECT_NE(ui::FindText(graph().graphPicture.Items(), "depth in water [cm]"), nullptr);
}

TEST_F(Startup, ExactlyFortyCentimetresPassesWithoutAQuestion)
{
  Started(Edition::English, {.thickness = 40});
  EXPECT_TRUE(graph().effectiveDoseButton.Enabled());
  EXPECT_DOUBLE_EQ(module().InObjectThickness, 40.0);
}

TEST_F(Startup, AcceptingFortyCentimetresComputesWithFortyAndEnablesTheButton)
{
  Make(Edition::English, {.thickness = 40.1});
  services_.ExpectMsgBox("Effective dose can't be calculated because body thickness exceeds 40 cm");
  services_.ExpectMsgBox("Does the thickness be assumed 40 cm and the effective dose be calculated ?", ui::vbOK);
  program_->Start();
  ASSERT_EQ(services_.PendingMsgBoxes(), 0u);
  // The questions come after the hand-over is read and before the tables are.
  EXPECT_EQ(services_.calls,
            (Calls{"DoEvents", "MsgBox Effective dose can't be calculated because body thickness exceeds 40 cm",
                   "MsgBox Does the thickness be assumed 40 cm and the effective dose be calculated ?", "DoEvents",
                   "DoEvents"}));
  EXPECT_EQ(services_.msgBoxes[0].style, ui::vbExclamation | ui::vbOKOnly);
  EXPECT_EQ(services_.msgBoxes[1].style, ui::vbOKCancel);
  EXPECT_EQ(services_.msgBoxes[0].title, "Vorn18E_PDD");
  EXPECT_DOUBLE_EQ(module().InObjectThickness, 40.0);
  EXPECT_TRUE(graph().effectiveDoseButton.Enabled());
  EXPECT_GT(module().PddTable[3][80], 0.0);  // 80 slabs for 40 cm
  // The organ depths use 40 cm: red marrow 0.45 and 0.9 of it.
  EXPECT_EQ(organs().organRows[1].nearDepthBox.Text(), "18.0");
  EXPECT_EQ(organs().organRows[1].farDepthBox.Text(), "36.0");
}

TEST_F(Startup, CancellingKeepsTheThicknessAndDisablesTheButton)
{
  Make(Edition::English, {.thickness = 45});
  services_.ExpectMsgBox("Effective dose can't be calculated because body thickness exceeds 40 cm");
  services_.ExpectMsgBox("Does the thickness be assumed 40 cm and the effective dose be calculated ?", ui::vbCancel);
  program_->Start();
  EXPECT_FALSE(program_->app.Ended());
  EXPECT_DOUBLE_EQ(module().InObjectThickness, 45.0);
  EXPECT_FALSE(graph().effectiveDoseButton.Enabled());
  EXPECT_TRUE(graph().Visible());
  EXPECT_GT(module().PddTable[3][80], 0.0);  // the curve is computed all the same
  EXPECT_EQ(organs().organRows[1].farDepthBox.Text(), "40.5");  // 0.9 x 45
}

TEST_F(Startup, JapaneseThicknessQuestionsUseTheirOwnTexts)
{
  Make(Edition::Japanese, {.thickness = 40.5});
  services_.ExpectMsgBox("体厚が40cmを超えているため実効線量を計算できません。");
  services_.ExpectMsgBox("体厚を40cmとして計算しますか？", ui::vbCancel);
  program_->Start();
  EXPECT_EQ(services_.PendingMsgBoxes(), 0u);
  EXPECT_EQ(services_.msgBoxes[0].title, "vorn18J_PDD");
  EXPECT_FALSE(graph().effectiveDoseButton.Enabled());
}

TEST_F(Startup, SiteNameWithACommaIsCutThereAndItsOrganFileFound)
{
  Started(Edition::English, {.site = "Chest-Frontal,standing"});
  EXPECT_EQ(module().InSiteName, "Chest-Frontal");
  EXPECT_EQ(organs().organRows[0].check.Value(), ui::vbChecked);  // the breast lies in a frontal chest field
  EXPECT_EQ(organs().organRows[0].nearDepthBox.Text(), "16.0");           // 0.8 x 20
}

TEST_F(Startup, MissingOrganFileIsToldOverTheFinishedGraph)
{
  Make(Edition::English, {.site = "Knee"});
  services_.ExpectMsgBox("There is no data of Knee");
  program_->Start();
  EXPECT_EQ(services_.PendingMsgBoxes(), 0u);
  EXPECT_EQ(services_.calls.back(), "MsgBox There is no data of Knee");
  EXPECT_EQ(services_.msgBoxes[0].style, ui::vbOKOnly);
  EXPECT_FALSE(program_->app.Ended());
  EXPECT_TRUE(graph().Visible());
  for (const OrganRowControls& row : organs().organRows) {
    EXPECT_EQ(row.check.Value(), ui::vbUnchecked);
    EXPECT_EQ(row.nearDepthBox.Text(), "0");
  }
}

// A computation that fails tells the fixed text and, on the next line, the
// file or value that failed; the graph and the organ rows stay, but no
// effective dose can be estimated, so nothing (not 0.000) is handed back.
struct FailedComputation {
  const char* name;
  const char* named;  // what the message must name
  HandoverValues values;
  void (*spoil)(PddWindowTest&);
};
void PrintTo(const FailedComputation& f, std::ostream* os) { *os << f.name; }

class ComputationFails : public PddWindowTest, public ::testing::WithParamInterface<FailedComputation> {
public:
  static void RemoveKernel(PddWindowTest& t) { fs::remove(t.File("PDS-data/50.dat")); }
  // The first line of the hand-over, the spectrum left as a 75 kV one.
  static void Kilovolt(PddWindowTest& t, const char* line)
  {
    std::string text = t.ReadFile("Vorn2PDD.dat");
    t.WriteFile("Vorn2PDD.dat", line + text.substr(text.find('\r')));
  }
  static void ZeroKilovolt(PddWindowTest& t) { Kilovolt(t, " 0 "); }
  static void TenKilovolt(PddWindowTest& t) { Kilovolt(t, " 10 "); }  // no photon of 10.5 keV or more
  static void AttenuationTo60keV(PddWindowTest& t)  // for a 75 kV beam
  {
    const std::string text = t.ReadFile("ICRUSoft.dat");
    std::size_t end = 0;
    for (int line = 0; line < 19; ++line) end = text.find('\n', end) + 1;
    t.WriteFile("ICRUSoft.dat", "18" + text.substr(text.find(','), end - text.find(',')));
  }
};

TEST_P(ComputationFails, NamesWhatFailedAndAllowsNoEffectiveDose)
{
  WriteFile("Eff-Dose.dat", "Effective dose (mSv)\r\n0.186\r\n");  // left by an earlier run
  Make(Edition::English, GetParam().values);
  if (GetParam().spoil) GetParam().spoil(*this);
  services_.ExpectMsgBox(ui::vbOK);
  program_->Start();
  ASSERT_EQ(services_.msgBoxes.size(), 1u);
  const std::string& text = services_.msgBoxes[0].text;
  EXPECT_EQ(text.rfind("It couldn't be calculated right\n", 0), 0u) << text;
  EXPECT_NE(text.find(GetParam().named), std::string::npos) << text;
  EXPECT_EQ(services_.msgBoxes[0].style, ui::vbOKOnly);
  EXPECT_EQ(services_.calls.back(), "DoEvents");  // the start-up went on
  EXPECT_FALSE(program_->app.Ended());
  EXPECT_TRUE(graph().Visible());
  EXPECT_EQ(organs().organRows[1].nearDepthBox.Text(), "9.0");  // the organ rows are still filled

  EXPECT_FALSE(graph().effectiveDoseButton.Enabled());
  EXPECT_FALSE(fs::exists(File("Eff-Dose.dat")));
  // The window's OK, reached anyway, writes nothing.
  organs().Show();
  services_.ExpectMsgBox("It couldn't be calculated right");
  organs().okButton.UserClick();
  EXPECT_EQ(services_.PendingMsgBoxes(), 0u);
  EXPECT_FALSE(fs::exists(File("Eff-Dose.dat")));
  EXPECT_EQ(organs().totalLabel.Caption(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Startup, ComputationFails,
    ::testing::Values(FailedComputation{"MissingKernel", "50.dat", {}, ComputationFails::RemoveKernel},
                      FailedComputation{"ShortAttenuationTable", "ICRUSoft.dat", {}, ComputationFails::AttenuationTo60keV},
                      FailedComputation{"ZeroKilovolt", "tube voltage", {}, ComputationFails::ZeroKilovolt},
                      FailedComputation{"NoPhotonAbove10keV", "tube voltage", {}, ComputationFails::TenKilovolt},
                      FailedComputation{"ZeroFfd", "FFD", {.FFD = 0}, nullptr},
                      FailedComputation{"ZeroFsd", "FSD", {.FSD = 0}, nullptr},
                      FailedComputation{"NegativeSurfaceDose", "entrance surface dose in Vorn2PDD.dat is -1.5 mGy",
                                        {.dose = "-1.500"}, nullptr}),
    [](const ::testing::TestParamInfo<FailedComputation>& p) { return std::string(p.param.name); });

// The Japanese edition tells the cause in its own words, the numbers in place.
TEST_F(PddWindowTest, AFailedComputationIsToldInTheEditionsWords)
{
  Make(Edition::Japanese, {.FFD = 0});
  services_.ExpectMsgBox(ui::vbOK);
  program_->Start();
  ASSERT_EQ(services_.msgBoxes.size(), 1u);
  EXPECT_EQ(services_.msgBoxes[0].text, "正しく計算できませんでした。\nVorn2PDD.dat の FFD が 0 cm です。0 より大きい値が必要です");
  EXPECT_EQ(FillIn("%2 x %1 %3%", {"a", "b"}), "b x a %3%");  // a missing value leaves its mark as it stands
}

// A start-up that cannot read its data ends the program with one message
// (critical icon) that names the file; no window is shown.
struct BrokenStart {
  const char* name;
  const char* file;       // the file the message must name
  void (*spoil)(PddWindowTest&);
};
void PrintTo(const BrokenStart& b, std::ostream* os) { *os << b.name; }

class StartupStops : public PddWindowTest, public ::testing::WithParamInterface<BrokenStart> {
public:
  static void RemoveHandover(PddWindowTest& t) { fs::remove(t.File("Vorn2PDD.dat")); }
  static void ShortHandover(PddWindowTest& t) { WriteHandoverFile(t.File(""), {}, 307); }
  static void TextInHandover(PddWindowTest& t)
  {
    std::string text = t.ReadFile("Vorn2PDD.dat");
    text.replace(text.find(" 80 "), 4, "eighty");  // the FSD line
    t.WriteFile("Vorn2PDD.dat", text);
  }
  static void RemoveAttenuation(PddWindowTest& t) { fs::remove(t.File("ICRUSoft.dat")); }
  static void TooManyAttenuationRows(PddWindowTest& t)
  {
    std::string text = t.ReadFile("ICRUSoft.dat");
    text.replace(0, text.find(','), "38");
    t.WriteFile("ICRUSoft.dat", text);
  }
  static void ShortAttenuation(PddWindowTest& t)
  {
    const std::string text = t.ReadFile("ICRUSoft.dat");
    t.WriteFile("ICRUSoft.dat", text.substr(0, text.size() / 2));
  }
  static void RemovePrimary(PddWindowTest& t) { fs::remove(t.File("Primary.dat")); }
  static void ZeroPrimary(PddWindowTest& t)
  {
    std::string text = t.ReadFile("Primary.dat");
    const std::size_t line3 = text.find("20,");
    text.replace(line3, text.find('\n', line3) - line3, "20,0\r");
    t.WriteFile("Primary.dat", text);
  }
  static void ShortPrimary(PddWindowTest& t) { t.WriteFile("Primary.dat", "10,49.9\r\n15,21.0\r\n"); }
};

TEST_P(StartupStops, WithAMessageNamingTheFile)
{
  Make(Edition::English);
  GetParam().spoil(*this);
  services_.ExpectMsgBox(ui::vbOK);
  program_->Start();
  ASSERT_EQ(services_.msgBoxes.size(), 1u);
  const ui::MsgBoxCall& box = services_.msgBoxes[0];
  EXPECT_NE(box.text.find(GetParam().file), std::string::npos) << box.text;
  EXPECT_EQ(box.text.rfind("The depth dose cannot be calculated", 0), 0u) << box.text;
  EXPECT_EQ(box.style, ui::vbCritical);
  EXPECT_TRUE(program_->app.Ended());
  EXPECT_FALSE(graph().Visible());
  EXPECT_FALSE(program_->effectiveDoseWindow.Exists());
  EXPECT_FALSE(fs::exists(File("PDD_tempDATA.txt")));
}

INSTANTIATE_TEST_SUITE_P(
    Files, StartupStops,
    ::testing::Values(BrokenStart{"MissingHandover", "Vorn2PDD.dat", &StartupStops::RemoveHandover},
                      BrokenStart{"ShortHandover", "Vorn2PDD.dat", &StartupStops::ShortHandover},
                      BrokenStart{"TextInHandover", "Vorn2PDD.dat", &StartupStops::TextInHandover},
                      BrokenStart{"MissingAttenuation", "ICRUSoft.dat", &StartupStops::RemoveAttenuation},
                      BrokenStart{"ThirtyEightRows", "ICRUSoft.dat", &StartupStops::TooManyAttenuationRows},
                      BrokenStart{"ShortAttenuation", "ICRUSoft.dat", &StartupStops::ShortAttenuation},
                      BrokenStart{"MissingPrimary", "Primary.dat", &StartupStops::RemovePrimary},
                      BrokenStart{"ZeroPrimary", "Primary.dat", &StartupStops::ZeroPrimary},
                      BrokenStart{"ShortPrimary", "Primary.dat", &StartupStops::ShortPrimary}),
    [](const ::testing::TestParamInfo<BrokenStart>& p) { return std::string(p.param.name); });

TEST_F(Startup, TheStopMessageSpeaksTheEditionsLanguage)
{
  Make(Edition::Japanese);
  fs::remove(File("Primary.dat"));
  services_.ExpectMsgBox("データファイルを読めないため、深部線量を計算できません。\nPrimary.dat：ファイルが見つかりません",
                         ui::vbOK);
  program_->Start();
  EXPECT_EQ(services_.msgBoxes.size(), 1u);
}

TEST_F(Startup, StopAfterTheThicknessQuestionsShowsTheMessageLast)
{
  Make(Edition::English, {.thickness = 41});
  fs::remove(File("Primary.dat"));
  services_.ExpectMsgBox("Effective dose can't be calculated because body thickness exceeds 40 cm");
  services_.ExpectMsgBox("Does the thickness be assumed 40 cm and the effective dose be calculated ?", ui::vbOK);
  services_.ExpectMsgBox(ui::vbOK);
  program_->Start();
  ASSERT_EQ(services_.msgBoxes.size(), 3u);
  EXPECT_NE(services_.msgBoxes[2].text.find("Primary.dat"), std::string::npos);
  EXPECT_TRUE(program_->app.Ended());
}

TEST_F(Startup, ClosingTheGraphWindowEndsTheProgramAndKeepsTheScratchTable)
{
  Started(Edition::Japanese);
  graph().UserClose();
  EXPECT_TRUE(program_->app.Ended());
  EXPECT_TRUE(fs::exists(File("PDD_tempDATA.txt")));
}

}  // namespace
}  // namespace vorn::pdd::test
