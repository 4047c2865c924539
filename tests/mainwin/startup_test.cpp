// Start-up of the main program: the data tables, the defaults, the result
// window's splash, the guest and registered states; and the shut-down.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "mainwin_test_support.h"
#include "platform/files/folder_lock.h"
#include "text/mainwin_texts.h"

namespace vorn::testing {
namespace {

namespace fs = std::filesystem;
using mainwin::MainWindow;

const std::string kRegisteredCaption = "Vorn-V18 ( Quendral, Version 18 )  :  ";

// ---------------------------------------------------------------- tables

// Start-up stops at the first table it cannot read and names it.
struct StopCase {
  const char* name;
  Edition edition;
  std::vector<std::string> removed;
  std::string named;  // the file the message must name
};

class StartupStops : public ::testing::TestWithParam<StopCase> {};

TEST_P(StartupStops, MessageNamesTheFirstUnreadableTableAndTheProgramEnds)
{
  const StopCase& c = GetParam();
  Session s(c.edition, [&](const fs::path& folder) {
    for (const auto& name : c.removed) fs::remove(folder / name);
  });
  s.services.ExpectMsgBox(ui::vbOK);
  s.program->Start();

  ASSERT_EQ(s.services.msgBoxes.size(), 1u);
  const ui::MsgBoxCall& box = s.services.msgBoxes[0];
  EXPECT_NE(box.text.find(c.named), std::string::npos) << box.text;
  for (const auto& other : c.removed) {
    if (other != c.named) {
      EXPECT_EQ(box.text.find(other), std::string::npos) << box.text;
    }
  }
  EXPECT_EQ(ui::MsgIcon(box.style), ui::vbCritical);
  EXPECT_TRUE(s.program->app.Ended());
  EXPECT_FALSE(s.program->mainWindow.Exists() && s.form().Visible());
  EXPECT_FALSE(s.program->resultWindow.Exists());  // the result window never opened
}

// The tables are read in the order: six backscatter tables, attenuation,
// output data, site list, ATR table. Removing two names the earlier one.
INSTANTIATE_TEST_SUITE_P(
    Tables, StartupStops,
    ::testing::Values(
        StopCase{"FirstBsfTable", Edition::Japanese, {"dBSF-SoftDose-SoftPhantom.dat"}, "dBSF-SoftDose-SoftPhantom.dat"},
        StopCase{"HeadBeforeAttenuation", Edition::Japanese,
                 {"Att_coeff2020.dat", "dBSF-SkinDose-Soft_Head.dat"}, "dBSF-SkinDose-Soft_Head.dat"},
        StopCase{"AttenuationBeforeOutput", Edition::Japanese, {"vorn_default.op", "Att_coeff2020.dat"},
                 "Att_coeff2020.dat"},
        StopCase{"OutputBeforeSites", Edition::Japanese, {"撮影部位.txt", "vorn_default.op"}, "vorn_default.op"},
        StopCase{"SitesBeforeAtr", Edition::Japanese, {"dATR.dat", "撮影部位.txt"}, "撮影部位.txt"},
        StopCase{"AtrLast", Edition::Japanese, {"dATR.dat"}, "dATR.dat"},
        StopCase{"EnglishAttenuation", Edition::English, {"Att_coeff2020.dat"}, "Att_coeff2020.dat"}),
    [](const ::testing::TestParamInfo<StopCase>& p) { return std::string(p.param.name); });

// The Japanese edition says it in Japanese, and names the table by its name
// in the working folder, not by its full path.
TEST(StartupTables, TheMessageSpeaksTheEditionsLanguage)
{
  Session s(Edition::Japanese, [](const fs::path& folder) { fs::remove(folder / "Att_coeff2020.dat"); });
  s.services.ExpectMsgBox("データファイルを読み込めないため、Vorn-V18 を終了します。\n\n"
                          "Att_coeff2020.dat：ファイルが見つかりません",
                          ui::vbOK);
  s.program->Start();
  EXPECT_EQ(s.services.msgBoxes.size(), 1u);
}

std::string WithoutLastLines(const fs::path& path, int count)
{
  auto lines = FileLines(path);
  lines.resize(lines.size() - static_cast<std::size_t>(count));
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

// A pipe or a link to a device at a table's name stops start-up at once with
// the message that names it: no open waits for a writer, no read runs on.
TEST(StartupTables, ATableThatIsNoOrdinaryFileStopsStartUpAtOnce)
{
  for (const char* table : {"Att_coeff2020.dat", "vorn_default.op", "撮影部位.txt", "dATR.dat"}) {
    Session s(Edition::Japanese, [&](const fs::path& folder) {
      fs::remove(folder / table);
      if (std::string(table) == "dATR.dat") {
        fs::create_symlink("/dev/zero", folder / table);
      } else {
        ASSERT_EQ(mkfifo((folder / table).c_str(), 0644), 0);
      }
    });
    s.services.ExpectMsgBox(std::string("データファイルを読み込めないため、Vorn-V18 を終了します。\n\n") + table +
                                "：通常のファイルではありません（パイプまたはデバイスです）",
                            ui::vbOK);
    s.program->Start();
    EXPECT_EQ(s.services.PendingMsgBoxes(), 0u) << table;
    EXPECT_TRUE(s.program->app.Ended());
  }
}

TEST(StartupTables, ABackscatterTableWithOnly299RecordsStopsTheProgram)
{
  Session s(Edition::Japanese, [](const fs::path& folder) {
    const fs::path table = folder / "dBSF-AirDose-Soft_Head.dat";
    WriteText(table, WithoutLastLines(table, 1));
  });
  s.services.ExpectMsgBox(ui::vbOK);
  s.program->Start();
  EXPECT_NE(s.services.msgBoxes.at(0).text.find("dBSF-AirDose-Soft_Head.dat"), std::string::npos);
  EXPECT_TRUE(s.program->app.Ended());
}

TEST(StartupTables, TextWhereANumberBelongsStopsTheProgram)
{
  Session s(Edition::English, [](const fs::path& folder) {
    const fs::path table = folder / "Att_coeff2020.dat";
    auto lines = FileLines(table);
    lines[41] = "21.0,abc,1,2,3,4,5";
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    WriteText(table, text);
  });
  s.services.ExpectMsgBox(ui::vbOK);
  s.program->Start();
  EXPECT_NE(s.services.msgBoxes.at(0).text.find("Att_coeff2020.dat"), std::string::npos);
  EXPECT_TRUE(s.program->app.Ended());
}

TEST(StartupTables, TrailingLinesAfterTheLastRecordAreIgnored)
{
  Session s(Edition::Japanese, [](const fs::path& folder) {
    AppendText(folder / "dBSF-SoftDose-SoftPhantom.dat", "999,1,2,3\r\nnot a record\r\n");
    AppendText(folder / "Att_coeff2020.dat", "\r\n");
    KeepUserName(folder, Edition::Japanese, "Tester");
  });
  s.program->Start();
  EXPECT_TRUE(s.services.msgBoxes.empty());
  EXPECT_FALSE(s.program->app.Ended());
  EXPECT_TRUE(s.form().Visible());
}

TEST(StartupTables, TheEnglishEditionNeedsNeitherTheSiteListNorTheAtrTable)
{
  Session s(Edition::English, [](const fs::path& folder) {
    fs::remove(folder / "撮影部位.txt");
    fs::remove(folder / "dATR.dat");  // the name file too: a guest start
  });
  s.program->Start();
  EXPECT_TRUE(s.services.msgBoxes.empty());
  EXPECT_TRUE(s.form().Visible());
  EXPECT_EQ(s.program->UserName, "Guest");
}

TEST(StartupTables, TablesArriveInTheComputingModule)
{
  auto s = StartRegistered(Edition::Japanese);
  const BeamCalculation& m = s->m();
  EXPECT_EQ(m.DiffBsf.DbsfGrid[1], 1.0);
  EXPECT_EQ(m.DiffBsf.DbsfGrid[2], 5.0);
  EXPECT_EQ(m.DiffBsf.DbsfGrid[31], 150.0);
  EXPECT_EQ(m.AirWValue, 33.97);
  // Values as the files hold them: the first record of the attenuation table
  // and the 80 kV point of the default output data.
  EXPECT_GT(m.Attenuation.MuAl[1], 0.0);
  EXPECT_EQ(m.Output.OptionFileName, "vorn_default.op");
  EXPECT_EQ(m.Output.OutputTable(1, 5), 80.0);
  EXPECT_DOUBLE_EQ(m.Output.OutputTable(2, 5), 1.47E-06);
  EXPECT_DOUBLE_EQ(m.Output.OutputFilterAl[1], 0.25);  // 2.50 mm in the file
  // The ATR weights behind the plate are below those free in air.
  EXPECT_GT(m.Atr.AtrTable(0, 100), m.Atr.AtrTable(1, 100));
  EXPECT_GT(m.Atr.AtrTable(1, 100), 0.0);
}

// ---------------------------------------------------------------- site list

TEST(StartupSites, EveryLineOfTheSiteFileIsASiteTheEmptyOneToo)
{
  Session s(Edition::Japanese, [](const fs::path& folder) {
    WriteText(folder / "撮影部位.txt", "頭部正面\r\n\r\n  胸部正面\n腹部正面\r\n");
  });
  s.program->Start();
  EXPECT_EQ(s.form().siteCombo.Items(), (std::vector<std::string>{"頭部正面", "", "  胸部正面", "腹部正面"}));
  EXPECT_EQ(s.form().siteCombo.Text(), "腹部正面");
}

TEST(StartupSites, AnEmptySiteFileGivesAnEmptyListWithTheDefaultText)
{
  Session s(Edition::Japanese, [](const fs::path& folder) { WriteText(folder / "撮影部位.txt", ""); });
  s.program->Start();
  EXPECT_EQ(s.form().siteCombo.ListCount(), 0);
  EXPECT_EQ(s.form().siteCombo.Text(), "腹部正面");
  EXPECT_TRUE(s.form().Visible());
}

TEST(StartupSites, TheEnglishListIsFixed)
{
  auto s = StartRegistered(Edition::English);
  EXPECT_EQ(s->form().siteCombo.Items(),
            (std::vector<std::string>{"Skull-Frontal", "Skull-Lateral", "Neck-Frontal", "Neck-Lateral",
                                      "Chest-Frontal", "Chest-Lateral", "Abdomen-F", "Abdomen-L", "Lumbar-F",
                                      "Lumbar-L", "Pelvis-F"}));
  EXPECT_EQ(s->form().siteCombo.Text(), "Abdomen-F");
  EXPECT_EQ(s->form().siteCombo.ListIndex(), 6);
}

// ---------------------------------------------------------------- defaults

TEST(StartupDefaults, BoxesLabelsAndConditionJapanese)
{
  auto s = StartRegistered(Edition::Japanese);
  MainWindow& f = s->form();
  EXPECT_EQ(f.targetAngleBox.Text(), "12");
  EXPECT_EQ(f.inherentFilterBox.Text(), "2.5");
  EXPECT_EQ(f.addedAlBox.Text(), "1.0");
  EXPECT_EQ(f.addedCuBox.Text(), "0");
  EXPECT_EQ(f.optionalFilterThicknessLabel.Caption(), "0");
  EXPECT_EQ(f.optionalFilterMaterialLabel.Caption(), "―");
  EXPECT_EQ(f.outputDataInUseLabel.Caption(), "vorn_default");
  EXPECT_EQ(f.tubeVoltageBox.Text(), "75");
  EXPECT_EQ(f.tubeCurrentBox.Text(), "200");
  EXPECT_EQ(f.exposureTimeBox.Text(), "0.05");
  EXPECT_EQ(f.ffdBox.Text(), "100");
  EXPECT_EQ(f.fsdBox.Text(), "80");
  EXPECT_EQ(f.thicknessBox.Text(), "20");
  EXPECT_EQ(f.fieldPresetCombo.Text(), "半切サイズ 縦");
  EXPECT_EQ(f.fieldLongSideBox.Text(), "43.2");
  EXPECT_EQ(f.fieldShortSideBox.Text(), "35.6");
  EXPECT_EQ(f.dateLabel.Caption(), "2026/12/09 です");
  EXPECT_EQ(f.fieldLongSideCaption.Caption(), "　長軸方向サイズ");
  for (ui::Label* result :
       {&f.exposureAt1mLabel, &f.hvlLabel, &f.effectiveEnergyLabel, &f.atrIndexLabel, &f.bsfSoftLabel, &f.bsfSkinLabel,
        &f.bsfAirLabel, &f.convFactorSoftLabel, &f.convFactorSkinLabel, &f.surfaceDoseSoftLabel,
        &f.surfaceDoseSkinLabel, &f.surfaceDoseAirLabel})
    EXPECT_EQ(result->Caption(), "") << result->Name();
  EXPECT_TRUE(f.constantPotentialOption.Value());
  EXPECT_TRUE(f.flatSurfaceOption.Value());
  EXPECT_TRUE(f.otherThanHeadOption.Value());
  EXPECT_FALSE(f.measuredExposureOption.Value() || f.outputDataOption.Value());

  const BeamCalculation& m = s->m();
  const ExposureCondition& c = m.Condition;
  EXPECT_EQ(c.TargetAngle, 12);
  EXPECT_EQ(c.InherentFilterAl, 0.25);
  EXPECT_EQ(c.AddedFilterAl, 0.1);
  EXPECT_EQ(c.AddedFilterCu, 0);
  EXPECT_EQ(c.TubeVoltage, 75);
  EXPECT_EQ(c.TubeCurrent, 200);
  EXPECT_EQ(c.ExposureTime, 0.05);
  EXPECT_EQ(c.FFD, 100);
  EXPECT_EQ(c.FSD, 80);
  EXPECT_EQ(c.ObjectThickness, 20);
  EXPECT_EQ(c.FieldSizeName, "半切サイズ 縦");
  EXPECT_EQ(c.FieldLength, FieldSide(43.2));
  EXPECT_EQ(c.FieldWidth, FieldSide(35.6));
  EXPECT_EQ(c.FieldShape, kRectangularField);
  EXPECT_EQ(c.RectificationType, kConstantPotential);
  EXPECT_EQ(c.OutputSource, kOutputDataTable);
  EXPECT_EQ(m.OtherFilter.OtherFilterOn, 0);
  EXPECT_EQ(m.OtherFilter.OtherFilterThickness, 0);
  EXPECT_EQ(m.OtherFilter.OtherFilterMaterial, "");
  EXPECT_EQ(m.Phantom.BsfMethod, kFlatSurface);
  EXPECT_EQ(m.Phantom.PhantomModel, 0);
  EXPECT_EQ(m.Phantom.HeadFlag, 0);
  EXPECT_EQ(s->program->AddingRowFlag, 0);
  EXPECT_TRUE(f.headOption.Enabled() && f.otherThanHeadOption.Enabled());
}

TEST(StartupDefaults, EnglishDiffersInTimeFieldNameBarAndDate)
{
  auto s = StartRegistered(Edition::English);
  MainWindow& f = s->form();
  EXPECT_EQ(f.exposureTimeBox.Text(), "0.1");
  EXPECT_EQ(s->m().Condition.ExposureTime, 0.1);
  EXPECT_EQ(f.fieldPresetCombo.Text(), "17x14");
  EXPECT_EQ(s->m().Condition.FieldSizeName, "17x14");
  EXPECT_EQ(f.optionalFilterMaterialLabel.Caption(), "---");
  EXPECT_EQ(f.dateLabel.Caption(), "2026/12/09");
  EXPECT_EQ(f.outputDataInUseLabel.Caption(), "vorn_default");
  // No ATR-index features and no site dialog in this edition.
  EXPECT_FALSE(f.atrIndexLabel.Visible());
  EXPECT_FALSE(f.atrExplanationButton.Visible());
  EXPECT_FALSE(f.siteListButton.Visible());
}

TEST(StartupDefaults, ResultTableEmptyGridHiddenAndSplashOnTheResultWindow)
{
  auto s = StartRegistered(Edition::Japanese);
  EXPECT_EQ(s->program->Results, results::ResultTable{});
  results::ResultWindow& r = s->results();
  EXPECT_TRUE(r.Visible());
  EXPECT_EQ(r.Left(), 60);
  EXPECT_EQ(r.Top(), 405);
  ASSERT_EQ(r.RulingLines().size(), 37u);
  for (const auto& line : r.RulingLines()) EXPECT_FALSE(line->Visible()) << line->Name();
  EXPECT_FALSE(r.totalsButton.Visible());

  const ui::TextItem* title = ui::FindText(r.tablePicture.Items(), "Vorn-V18");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->at, (ui::Point{500, 350}));
  EXPECT_EQ(title->color, ui::FromVbLong(0xC0C0C0));
  EXPECT_EQ(title->font.name, "Times New Roman");
  EXPECT_EQ(title->font.size, 28);
  const ui::TextItem* name = ui::FindText(r.tablePicture.Items(), "Tester");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->at, (ui::Point{500, 500}));
  EXPECT_EQ(name->font.name, "メイリオ");
  EXPECT_EQ(name->font.size, 28);
  EXPECT_EQ(name->color, ui::FromVbLong(0xC0C0C0));
  // Afterwards the picture's pen is the table's again.
  EXPECT_EQ(r.tablePicture.ForeColor(), ui::colors::ButtonText);
  EXPECT_EQ(r.tablePicture.FontSize(), 9);
  EXPECT_EQ(r.userNameLabel.Caption(), "Tester");
}

TEST(StartupDefaults, EnglishSplashKeepsTheTitleFontForTheName)
{
  auto s = StartRegistered(Edition::English);
  const ui::TextItem* name = ui::FindText(s->results().tablePicture.Items(), "Tester");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->font.name, "Times New Roman");
  EXPECT_EQ(name->at, (ui::Point{500, 500}));
}

TEST(StartupDefaults, TheMainWindowIsInFrontOfTheResultWindow)
{
  auto s = StartRegistered(Edition::Japanese);
  EXPECT_EQ(s->program->app.FrontForm(), &s->form());
  EXPECT_TRUE(s->form().targetAngleBox.HasFocus());
}

// ---------------------------------------------------------------- user name

void ExpectButtons(MainWindow& f, bool calculate)
{
  EXPECT_EQ(f.calculateButton.Enabled(), calculate);
  for (ui::CommandButton* b : {&f.addToTableButton, &f.addEffectiveDoseButton, &f.effectiveDoseButton, &f.fitButton})
    EXPECT_FALSE(b->Enabled()) << b->Name();
}

TEST(StartupUserName, ThirtyTwoLinesGiveTheRegisteredState)
{
  auto s = StartRegistered(Edition::Japanese);
  MainWindow& f = s->form();
  EXPECT_EQ(s->program->UserName, "Tester");
  EXPECT_EQ(f.Caption(), kRegisteredCaption + "Tester");
  EXPECT_FALSE(f.welcomeButton.Visible());
  ExpectButtons(f, true);
  EXPECT_TRUE(f.Visible());
}

TEST(StartupUserName, ThirtyOneLinesGiveTheGuestState)
{
  Session s(Edition::Japanese);  // the shipped Primary.dat has its 31 data lines only
  s.program->Start();
  MainWindow& f = s.form();
  EXPECT_TRUE(s.services.msgBoxes.empty());  // no message for a guest
  EXPECT_EQ(s.program->UserName, "ゲスト");
  EXPECT_EQ(f.Caption(), " Vorn_V18  ( Quendral, Version 18 )");
  EXPECT_TRUE(f.welcomeButton.Visible());
  EXPECT_EQ(f.welcomeButton.Caption(), "ようこそ Vorn_V18 へ ： 最初にユーザー名を登録して下さい");
  ExpectButtons(f, false);
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(s.results().userNameLabel.Caption(), "ゲスト");
  ASSERT_NE(ui::FindText(s.results().tablePicture.Items(), "ゲスト"), nullptr);
}

TEST(StartupUserName, AnEmptyLine32IsARegisteredEmptyName)
{
  Session s(Edition::Japanese, [](const fs::path& folder) { AppendText(folder / "Primary.dat", "\r\n"); });
  s.program->Start();
  EXPECT_EQ(s.program->UserName, "");
  EXPECT_EQ(s.form().Caption(), kRegisteredCaption);
  EXPECT_FALSE(s.form().welcomeButton.Visible());
  ExpectButtons(s.form(), true);
}

TEST(StartupUserName, AMissingNameFileGivesTheGuestState)
{
  Session s(Edition::Japanese, [](const fs::path& folder) { fs::remove(folder / "Primary.dat"); });
  s.program->Start();
  EXPECT_EQ(s.program->UserName, "ゲスト");
  ExpectButtons(s.form(), false);
}

TEST(StartupUserName, OnlyLine32CountsLaterLinesAreNotRead)
{
  Session s(Edition::Japanese, [](const fs::path& folder) {
    AppendText(folder / "Primary.dat", "  Dr. Sato  \r\nsomething else\r\n");
  });
  s.program->Start();
  EXPECT_EQ(s.program->UserName, "  Dr. Sato  ");  // the whole line, blanks kept
}

TEST(StartupUserName, EnglishReadsLine302OfTheAtrTable)
{
  auto s = StartRegistered(Edition::English);
  EXPECT_EQ(s->program->UserName, "Tester");
  EXPECT_EQ(s->form().Caption(), kRegisteredCaption + "Tester");

  Session guest(Edition::English);  // the shipped dATR.dat has 301 lines
  guest.program->Start();
  EXPECT_EQ(guest.program->UserName, "Guest");
  EXPECT_EQ(guest.form().Caption(), " Vorn-V18   ( Quendral, Version 18 )");
  EXPECT_EQ(guest.form().welcomeButton.Caption(), "Welcome to Vorn-V18  -   Please register your Username");
  ExpectButtons(guest.form(), false);
}

TEST(StartupUserName, TheJapaneseEditionDoesNotTakeTheNameFromTheAtrTable)
{
  Session s(Edition::Japanese, [](const fs::path& folder) { KeepUserName(folder, Edition::English, "Smith"); });
  s.program->Start();
  EXPECT_EQ(s.program->UserName, "ゲスト");
  EXPECT_FALSE(s.program->app.Ended());  // the 302nd line does not disturb the table
}

// ---------------------------------------------------------------- result window view

TEST(ResultWindowView, ShowTableButtonMovesTheResultWindowToTheCornerWithTheName)
{
  auto s = StartRegistered(Edition::Japanese);
  results::ResultWindow& r = s->results();
  r.userNameLabel.SetCaption("someone else");
  r.Move(3000, 2000);
  r.Hide();
  s->form().showTableButton.UserClick();
  EXPECT_TRUE(r.Visible());
  EXPECT_EQ(r.Left(), 15);
  EXPECT_EQ(r.Top(), 15);
  EXPECT_EQ(r.userNameLabel.Caption(), "Tester");
  EXPECT_EQ(s->program->app.FrontForm(), &r);
}

// ---------------------------------------------------------------- shut-down

const std::vector<std::string> kClosingFiles{"Vorn2PDD.dat",  "X_SPCTL.dat",  "joken.txt",
                                             "resultBSF.txt", "Eff-Dose.dat", "JorE.dat"};

TEST(Shutdown, ClosingTheMainWindowDeletesItsSixFilesAndEnds)
{
  auto s = StartRegistered(Edition::Japanese);
  for (const auto& name : kClosingFiles) WriteText(s->dir() / name, "x");
  WriteText(s->dir() / "PDD_tempDATA.txt", "x");
  s->form().UserClose();
  for (const auto& name : kClosingFiles) EXPECT_FALSE(fs::exists(s->dir() / name)) << name;
  EXPECT_TRUE(fs::exists(s->dir() / "PDD_tempDATA.txt"));  // the exit dialog's, not this one's
  EXPECT_TRUE(fs::exists(s->dir() / "Primary.dat"));
  EXPECT_TRUE(s->program->app.Ended());
  EXPECT_FALSE(s->results().Visible());
}

// Two copies in one folder would mix their exchange files: a second copy, of
// either edition, says so and ends; once the first has shut down another starts.
TEST(FolderLock, ASecondCopyInTheSameFolderEndsUntilTheFirstHasShutDown)
{
  auto first = StartRegistered(Edition::Japanese);
  ASSERT_TRUE(fs::exists(first->dir() / "vorn.lock"));
  for (const Edition edition : {Edition::English, Edition::Japanese}) {
    ui::ScriptedServices services(first->dir());
    mainwin::MainProgram second(edition, services);
    services.ExpectMsgBox(std::string(MainWinTextsFor(edition).AlreadyRunningHere), ui::vbOK);
    second.Start();
    EXPECT_EQ(services.PendingMsgBoxes(), 0u);
    EXPECT_EQ(services.msgBoxes.at(0).style, ui::vbExclamation);
    EXPECT_TRUE(second.app.Ended());
    EXPECT_FALSE(second.mainWindow.Exists());
  }
  EXPECT_TRUE(first->form().Visible());  // the first copy and its lock are untouched
  EXPECT_TRUE(fs::exists(first->dir() / "vorn.lock"));

  first->form().UserClose();
  EXPECT_FALSE(fs::exists(first->dir() / "vorn.lock"));
  ui::ScriptedServices services(first->dir());
  mainwin::MainProgram next(Edition::English, services);
  next.Start();
  EXPECT_TRUE(next.mainWindow->Visible());
  EXPECT_TRUE(services.msgBoxes.empty());
}

TEST(FolderLock, ALockLeftByACopyThatDiedIsTakenOver)
{
  Session s(Edition::English, [](const fs::path& folder) {
    KeepUserName(folder, Edition::English, "Tester");
    WriteText(folder / "vorn.lock", "999999999\n");  // its owner is gone: nobody holds the file
  });
  s.program->Start();
  EXPECT_TRUE(s.services.msgBoxes.empty());
  EXPECT_TRUE(s.form().Visible());
  EXPECT_EQ(FileLines(s.dir() / "vorn.lock"), std::vector<std::string>{std::to_string(getpid()) + " " + HostName()});
}

// Where the folder cannot be locked, the copy says why, naming the lock file
// with its full path, and ends: it never runs unlocked. A link at the lock's
// name is not followed.
TEST(FolderLock, ALockThatCannotBeTakenIsToldAndTheCopyEnds)
{
  struct Case {
    Edition edition;
    std::function<void(const fs::path& folder)> prepare;
    std::vector<std::string> told;
  };
  const std::vector<Case> cases{
      {Edition::English, [](const fs::path& f) { WriteText(f / "vorn.lock", "4242 another-workstation\n"); },
       {"may be running in this working folder (the lock file names process 4242 on host another-workstation)",
        "Delete this file and start again"}},
      {Edition::Japanese, [](const fs::path& f) { WriteText(f / "vorn.lock", "4242 another-workstation\n"); },
       {"動いているかもしれません", "プロセス 4242、ホスト another-workstation", "削除してから起動し直して下さい"}},
      {Edition::English, [](const fs::path& f) { fs::create_symlink(f / "Primary.dat", f / "vorn.lock"); },
       {"cannot be locked: this is not an ordinary file", "Vorn-V18 ends."}},
      {Edition::Japanese, [](const fs::path& f) { fs::create_directory(f / "vorn.lock"); },
       {"作業フォルダをロックできません", "Vorn-V18 を終了します。"}},
  };
  for (const Case& c : cases) {
    Session s(c.edition, c.prepare);
    const std::vector<std::string> primary = FileLines(s.dir() / "Primary.dat");
    s.services.ExpectMsgBox(ui::vbOK);
    s.program->Start();
    ASSERT_EQ(s.services.msgBoxes.size(), 1u);
    const std::string& text = s.services.msgBoxes[0].text;
    for (const std::string& part : c.told) EXPECT_NE(text.find(part), std::string::npos) << text;
    EXPECT_NE(text.find((s.dir() / "vorn.lock").string()), std::string::npos) << text;
    EXPECT_TRUE(s.program->app.Ended());
    EXPECT_FALSE(s.program->mainWindow.Exists());
    EXPECT_EQ(FileLines(s.dir() / "Primary.dat"), primary);
    s.program->ReleaseFolderLock();  // nothing held: the file that was there stays
    EXPECT_TRUE(fs::exists(fs::symlink_status(s.dir() / "vorn.lock")));
  }
}

// Temporary files of saves killed in an earlier run go at start-up (which
// ones exactly: the files tests).
TEST(StartupFolder, StaleTemporaryFilesOfKilledSavesAreRemoved)
{
  const std::string stale = ".results.csv.4242-0123456789abcdef.part", fresh = ".new.csv.4242-0123456789abcdef.part";
  Session s(Edition::English, [&](const fs::path& folder) {
    KeepUserName(folder, Edition::English, "Tester");
    WriteText(folder / stale, "x");
    fs::last_write_time(folder / stale, fs::file_time_type::clock::now() - std::chrono::hours(2));
    WriteText(folder / fresh, "a save under way");
  });
  s.program->Start();
  EXPECT_FALSE(fs::exists(s.dir() / stale));
  EXPECT_TRUE(fs::exists(s.dir() / fresh));
}

TEST(Shutdown, MissingFilesAreSkippedAndTheOthersStillGo)
{
  auto s = StartRegistered(Edition::English);
  WriteText(s->dir() / "Vorn2PDD.dat", "x");
  WriteText(s->dir() / "JorE.dat", "x");  // nothing writes it, closing removes it anyway
  // X_SPCTL.dat, joken.txt and resultBSF.txt do not exist.
  s->form().UserClose();
  EXPECT_FALSE(fs::exists(s->dir() / "Vorn2PDD.dat"));
  EXPECT_FALSE(fs::exists(s->dir() / "JorE.dat"));
  EXPECT_TRUE(s->services.msgBoxes.empty());
  EXPECT_TRUE(s->program->app.Ended());
}

TEST(Shutdown, AFileThatCannotBeDeletedDoesNotStopTheOthers)
{
  auto s = StartRegistered(Edition::Japanese);
  // A folder under a scratch file's name cannot be removed as a file.
  fs::create_directory(s->dir() / "X_SPCTL.dat");
  WriteText(s->dir() / "X_SPCTL.dat" / "inside", "x");
  WriteText(s->dir() / "joken.txt", "x");
  WriteText(s->dir() / "resultBSF.txt", "x");
  s->form().UserClose();
  EXPECT_FALSE(fs::exists(s->dir() / "joken.txt"));
  EXPECT_FALSE(fs::exists(s->dir() / "resultBSF.txt"));
  EXPECT_TRUE(s->program->app.Ended());
}

}  // namespace
}  // namespace vorn::testing
