// The user-name registration and change dialogs, the site dialog and the exit
// dialog, driven as the user drives them.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mainwin/user_name_registration_dialog.h"
#include "mainwin/site_list_dialog.h"
#include "mainwin/user_name_change_dialog.h"
#include "mainwin/exit_dialog.h"
#include "tests/dialogs_a/dialogs_test_support.h"
#include "tests/support/failing_writes.h"

namespace vorn::mainwin {
namespace {

namespace fs = std::filesystem;
using testing::Lines;
using testing::ReadBytes;
using testing::Session;

const std::string kRegistered = "Vorn-V18 ( Quendral, Version 18 )  :  ";

std::string NumberedLines(int from, int to)
{
  std::string text;
  for (int i = from; i <= to; ++i) text += "extra " + std::to_string(i) + "\r\n";
  return text;
}

// A program started in the guest state (the shipped name file has no name).
struct GuestStart {
  explicit GuestStart(Edition edition, const Session::Prepare& prepare = {}) : s(edition, prepare)
  {
    s.program->Start();
  }
  Session s;
};

// ---------------------------------------------------------------- registration

TEST(Registration, KeepsThirtyOneLinesAndTheNameAndShowsIt)
{
  GuestStart g(Edition::Japanese);
  Session& s = g.s;
  ASSERT_TRUE(s.main().welcomeButton.Visible());
  ASSERT_FALSE(s.main().calculateButton.Enabled());
  const std::vector<std::string> data = Lines(s.file("Primary.dat"));
  ASSERT_EQ(data.size(), 31u);
  // A file that has grown beyond its name line loses what follows it.
  std::ofstream(s.file("Primary.dat"), std::ios::binary | std::ios::app) << NumberedLines(32, 40);

  s.main().welcomeButton.UserClick();
  UserNameRegistrationDialog& dialog = *s.program->userNameRegistrationDialog;
  ASSERT_TRUE(dialog.Visible());
  dialog.nameBox.UserType(" 山田　太郎 ");
  dialog.okButton.UserClick();

  const std::vector<std::string> lines = Lines(s.file("Primary.dat"));
  ASSERT_EQ(lines.size(), 32u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 31), data);
  EXPECT_EQ(lines[31], " 山田　太郎 ");
  EXPECT_EQ(s.program->UserName, " 山田　太郎 ");
  EXPECT_EQ(s.main().Caption(), kRegistered + " 山田　太郎 ");
  EXPECT_FALSE(s.main().welcomeButton.Visible());
  EXPECT_TRUE(s.main().calculateButton.Enabled());
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(s.program->resultWindow->userNameLabel.Caption(), " 山田　太郎 ");
  // The result window shows the title higher than the start-up splash, and the
  // name below it in the Japanese font.
  const ui::DisplayList& items = s.program->resultWindow->tablePicture.Items();
  const auto* title = ui::FindText(items, "Vorn-V18");
  const auto* name = ui::FindText(items, " 山田　太郎 ");
  ASSERT_NE(title, nullptr);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(title->at, (ui::Point{500, 200}));
  EXPECT_EQ(name->at, (ui::Point{500, 350}));
  EXPECT_EQ(name->font.name, "メイリオ");
  EXPECT_EQ(title->color, ui::FromVbLong(0xC0C0C0));
  EXPECT_EQ(ui::FindText(items, "ゲスト"), nullptr) << "the picture is cleared before the title is drawn again";
  EXPECT_EQ(s.services.msgBoxes.size(), 0u);
}

TEST(Registration, EnglishEditionKeepsTheNameAsLine302OfTheAtrTable)
{
  GuestStart g(Edition::English);
  Session& s = g.s;
  const std::vector<std::string> data = Lines(s.file("dATR.dat"));
  ASSERT_EQ(data.size(), 301u);
  s.main().welcomeButton.UserClick();
  s.program->userNameRegistrationDialog->nameBox.UserType("Smith");
  s.program->userNameRegistrationDialog->okButton.UserClick();
  const std::vector<std::string> lines = Lines(s.file("dATR.dat"));
  ASSERT_EQ(lines.size(), 302u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 301), data);
  EXPECT_EQ(lines[301], "Smith");
  EXPECT_EQ(s.main().Caption(), kRegistered + "Smith");
  const auto* name = ui::FindText(s.program->resultWindow->tablePicture.Items(), "Smith");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->font.name, "Times New Roman");
  EXPECT_EQ(Lines(s.file("Primary.dat")).size(), 31u) << "the English edition leaves Primary.dat alone";
}

TEST(Registration, EmptyNameIsRefusedInEachEditionsWords)
{
  for (const auto& [edition, text] : {std::pair{Edition::Japanese, "名前が入力されていません"},
                                      std::pair{Edition::English, "  Input User name  "}}) {
    GuestStart g(edition);
    Session& s = g.s;
    const std::string before = ReadBytes(s.file(edition == Edition::Japanese ? "Primary.dat" : "dATR.dat"));
    s.main().welcomeButton.UserClick();
    s.services.ExpectMsgBox(text);
    s.program->userNameRegistrationDialog->okButton.UserClick();
    EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbExclamation);
    EXPECT_TRUE(s.program->userNameRegistrationDialog->Visible());
    EXPECT_FALSE(s.main().calculateButton.Enabled());
    EXPECT_EQ(ReadBytes(s.file(edition == Edition::Japanese ? "Primary.dat" : "dATR.dat")), before);
  }
}

TEST(Registration, CancelGivesTheGuestFullUseAndChangesNoFile)
{
  GuestStart g(Edition::Japanese);
  Session& s = g.s;
  const std::string before = ReadBytes(s.file("Primary.dat"));
  s.main().welcomeButton.UserClick();
  s.program->userNameRegistrationDialog->nameBox.UserType("typed, then cancelled");
  s.program->userNameRegistrationDialog->cancelButton.UserClick();
  EXPECT_EQ(s.program->UserName, "ゲスト");
  EXPECT_TRUE(s.main().calculateButton.Enabled());
  EXPECT_FALSE(s.main().welcomeButton.Visible());
  EXPECT_EQ(s.main().Caption(), kRegistered + "ゲスト");
  EXPECT_EQ(s.program->resultWindow->userNameLabel.Caption(), "ゲスト");
  EXPECT_FALSE(s.program->userNameRegistrationDialog->Visible());
  EXPECT_EQ(ReadBytes(s.file("Primary.dat")), before);
}

TEST(Registration, MissingShortOrUnwritableNameFileIsRefusedAndLeftAlone)
{
  const std::string refusedStart = "　ユーザー名を保存できませんでした　\n";
  auto expectRefused = [&](Session& s) {
    s.services.ExpectMsgBox(ui::vbOK);
    s.program->userNameRegistrationDialog->okButton.UserClick();
    ASSERT_FALSE(s.services.msgBoxes.empty());
    EXPECT_EQ(s.services.msgBoxes.back().text.rfind(refusedStart, 0), 0u) << s.services.msgBoxes.back().text;
    EXPECT_NE(s.services.msgBoxes.back().text.find("Primary.dat"), std::string::npos);
    EXPECT_EQ(s.program->UserName, "ゲスト");
    EXPECT_FALSE(s.main().calculateButton.Enabled());
    EXPECT_TRUE(s.main().welcomeButton.Visible());
    EXPECT_TRUE(s.program->userNameRegistrationDialog->Visible());
  };

  {  // missing: not created
    GuestStart g(Edition::Japanese);
    fs::remove(g.s.file("Primary.dat"));
    g.s.main().welcomeButton.UserClick();
    g.s.program->userNameRegistrationDialog->nameBox.UserType("Tanaka");
    expectRefused(g.s);
    EXPECT_FALSE(fs::exists(g.s.file("Primary.dat")));
    // The registration can still be cancelled.
    g.s.program->userNameRegistrationDialog->cancelButton.UserClick();
    EXPECT_TRUE(g.s.main().calculateButton.Enabled());
  }
  {  // short: its data lines are not replaced by the name
    GuestStart g(Edition::Japanese);
    const std::string shortFile = NumberedLines(1, 20);
    std::ofstream(g.s.file("Primary.dat"), std::ios::binary | std::ios::trunc) << shortFile;
    g.s.main().welcomeButton.UserClick();
    g.s.program->userNameRegistrationDialog->nameBox.UserType("Tanaka");
    expectRefused(g.s);
    EXPECT_EQ(ReadBytes(g.s.file("Primary.dat")), shortFile);
  }
  {  // cannot be written: the old file stays whole
    GuestStart g(Edition::Japanese);
    const std::string before = ReadBytes(g.s.file("Primary.dat"));
    g.s.main().welcomeButton.UserClick();
    g.s.program->userNameRegistrationDialog->nameBox.UserType("Tanaka");
    {
      const vorn::testing::FailingWrites full;
      expectRefused(g.s);
    }
    EXPECT_EQ(ReadBytes(g.s.file("Primary.dat")), before);
  }
}

// ---------------------------------------------------------------- change

TEST(NameChange, TwiceLeavesOnlyTheSecondName)
{
  Session s(Edition::Japanese, [](const fs::path& dir) { testing::KeepUserName(dir, Edition::Japanese, "Tester"); });
  s.program->Start();
  ASSERT_FALSE(s.main().welcomeButton.Visible());
  UserNameChangeDialog& dialog = *s.program->userNameChangeDialog;

  s.main().mascotPicture.UserDblClick();
  EXPECT_TRUE(dialog.Visible());
  EXPECT_EQ(dialog.nameBox.Text(), "Tester");
  dialog.nameBox.UserType("Alice");
  dialog.okButton.UserClick();
  s.main().mascotPicture.UserDblClick();
  EXPECT_EQ(dialog.nameBox.Text(), "Alice");
  dialog.nameBox.UserType("Bob");
  dialog.okButton.UserClick();

  EXPECT_EQ(s.main().Caption(), kRegistered + "Bob");
  EXPECT_EQ(s.program->resultWindow->userNameLabel.Caption(), "Bob");
  const std::vector<std::string> lines = Lines(s.file("Primary.dat"));
  ASSERT_EQ(lines.size(), 32u);
  EXPECT_EQ(lines.back(), "Bob");
  EXPECT_EQ(ui::FindText(s.program->resultWindow->tablePicture.Items(), "Alice"), nullptr);
}

TEST(NameChange, CancelAndEmptyNameChangeNothing)
{
  Session s(Edition::English, [](const fs::path& dir) { testing::KeepUserName(dir, Edition::English, "Tester"); });
  s.program->Start();
  const std::string before = ReadBytes(s.file("dATR.dat"));
  UserNameChangeDialog& dialog = *s.program->userNameChangeDialog;
  s.main().mascotPicture.UserDblClick();
  dialog.nameBox.UserType("");
  s.services.ExpectMsgBox(" Input User-Name ");
  dialog.okButton.UserClick();
  EXPECT_TRUE(dialog.Visible());
  dialog.nameBox.UserType("Other");
  dialog.cancelButton.UserClick();
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(s.program->UserName, "Tester");
  EXPECT_EQ(ReadBytes(s.file("dATR.dat")), before);
  // Reopened, the box shows the name in use again.
  s.main().mascotPicture.UserDblClick();
  EXPECT_EQ(dialog.nameBox.Text(), "Tester");
}

// ---------------------------------------------------------------- sites

std::vector<std::string> ComboItems(Session& s) { return s.main().siteCombo.Items(); }

TEST(SiteDialog, OpensWithTheListOnFileAndItsCount)
{
  GuestStart g(Edition::Japanese);
  Session& s = g.s;
  s.main().siteListButton.UserClick();
  SiteListDialog& dialog = *s.program->siteListDialog;
  ASSERT_TRUE(dialog.Visible());
  EXPECT_EQ(dialog.siteList.Items(), Lines(s.file("撮影部位.txt")));
  EXPECT_EQ(dialog.siteList.ListCount(), 11);
  EXPECT_EQ(dialog.siteCountLabel.Caption(), "現在の部位数 = 11");
  EXPECT_EQ(dialog.siteMaximumCaption.Caption(), "（最大 30 部位）");
  EXPECT_EQ(dialog.newSiteBox.Text(), "");
}

TEST(SiteDialog, AddKeepsLeadingBlanksInFileAndCombo)
{
  GuestStart g(Edition::Japanese);
  Session& s = g.s;
  std::vector<std::string> sites = Lines(s.file("撮影部位.txt"));
  const std::vector<std::string> combo = ComboItems(s);
  s.main().siteListButton.UserClick();
  SiteListDialog& dialog = *s.program->siteListDialog;
  dialog.newSiteBox.UserType("  胸部斜位");
  dialog.addButton.UserClick();
  sites.push_back("  胸部斜位");
  EXPECT_EQ(Lines(s.file("撮影部位.txt")), sites);
  ASSERT_EQ(ComboItems(s).size(), combo.size() + 1);
  EXPECT_EQ(ComboItems(s).back(), "  胸部斜位");
  EXPECT_FALSE(dialog.Visible());
  // Reopened, the dialog counts the new site.
  s.main().siteListButton.UserClick();
  EXPECT_EQ(dialog.siteCountLabel.Caption(), "現在の部位数 = 12");
}

TEST(SiteDialog, EmptyNameAndMissingSelectionAreRefused)
{
  GuestStart g(Edition::Japanese);
  Session& s = g.s;
  const std::string before = ReadBytes(s.file("撮影部位.txt"));
  s.main().siteListButton.UserClick();
  SiteListDialog& dialog = *s.program->siteListDialog;
  s.services.ExpectMsgBox("部位を記入して下さい");
  dialog.addButton.UserClick();
  s.services.ExpectMsgBox("削除する部位を選択して下さい");
  dialog.deleteButton.UserClick();
  for (const ui::MsgBoxCall& box : s.services.msgBoxes) EXPECT_EQ(box.style, ui::vbExclamation);
  EXPECT_TRUE(dialog.Visible());
  EXPECT_EQ(ReadBytes(s.file("撮影部位.txt")), before);
}

// A site name is a name: the depth-dose program finds the site's organ file
// by it, so a path (or a dot name) is refused and the list stays as it was.
TEST(SiteDialog, ANameThatIsAPathIsRefused)
{
  GuestStart g(Edition::Japanese);
  Session& s = g.s;
  const std::string before = ReadBytes(s.file("撮影部位.txt"));
  s.main().siteListButton.UserClick();
  SiteListDialog& dialog = *s.program->siteListDialog;
  for (const char* name : {"../Primary", "腹部/正面", "..\\x", ".", ".."}) {
    dialog.newSiteBox.UserType(name);
    s.services.ExpectMsgBox("　部位名には「/」と「\\」を使えません。「.」と「..」も部位名にできません　");
    dialog.addButton.UserClick();
    EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbExclamation);
    EXPECT_TRUE(dialog.Visible());
  }
  EXPECT_EQ(ReadBytes(s.file("撮影部位.txt")), before);
}

// Rewriting the site list or the name file changes only what it must: a byte
// order mark (even a doubled one) and the kept lines' own line ends stay.
TEST(SiteDialog, ChangesKeepEveryOtherByteOfTheFiles)
{
  const std::string bom = "\xEF\xBB\xBF";
  const std::string sites = bom + bom + "頭部正面\n胸部正面\r\n腹部正面";
  GuestStart g(Edition::Japanese, [&](const fs::path& folder) {
    std::ofstream(folder / "撮影部位.txt", std::ios::binary) << sites;
    std::string primary = bom + bom;
    for (int i = 1; i <= 31; ++i) primary += "data " + std::to_string(i) + (i % 2 ? "\n" : "\r\n");
    std::ofstream(folder / "Primary.dat", std::ios::binary) << primary;
  });
  Session& s = g.s;
  const std::string primary = ReadBytes(s.file("Primary.dat"));
  s.main().siteListButton.UserClick();
  SiteListDialog& dialog = *s.program->siteListDialog;
  dialog.newSiteBox.UserType("胸部斜位");
  dialog.addButton.UserClick();
  EXPECT_EQ(ReadBytes(s.file("撮影部位.txt")), sites + "\r\n胸部斜位\r\n");
  s.main().siteListButton.UserClick();
  dialog.siteList.UserChoose(1);  // 胸部正面
  s.services.ExpectMsgBox(ui::vbOK);
  dialog.deleteButton.UserClick();
  EXPECT_EQ(ReadBytes(s.file("撮影部位.txt")), bom + bom + "頭部正面\n腹部正面\r\n胸部斜位\r\n");

  s.main().welcomeButton.UserClick();
  s.program->userNameRegistrationDialog->nameBox.UserType("Tester");
  s.program->userNameRegistrationDialog->okButton.UserClick();
  EXPECT_EQ(ReadBytes(s.file("Primary.dat")), primary + "Tester\r\n");
}

TEST(SiteDialog, DeleteRemovesEveryCopyAndResetsTheCombo)
{
  GuestStart g(Edition::Japanese, [](const fs::path& dir) {
    std::ofstream(dir / "撮影部位.txt", std::ios::binary | std::ios::trunc)
        << "頭部正面\r\n腹部正面\r\n胸部正面\r\n腹部正面\r\n 腹部正面\r\n";
  });
  Session& s = g.s;
  s.main().siteListButton.UserClick();
  SiteListDialog& dialog = *s.program->siteListDialog;
  dialog.siteList.UserChoose(1);

  // Cancel keeps everything.
  s.services.ExpectMsgBox("*※* 本当に 腹部正面 を削除してもいいですか？ *※*", ui::vbCancel);
  dialog.deleteButton.UserClick();
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbOKCancel);
  EXPECT_EQ(Lines(s.file("撮影部位.txt")).size(), 5u);
  EXPECT_TRUE(dialog.Visible());

  s.services.ExpectMsgBox("*※* 本当に 腹部正面 を削除してもいいですか？ *※*", ui::vbOK);
  dialog.deleteButton.UserClick();
  const std::vector<std::string> left{"頭部正面", "胸部正面", " 腹部正面"};
  EXPECT_EQ(Lines(s.file("撮影部位.txt")), left);
  EXPECT_EQ(ComboItems(s), left);
  EXPECT_EQ(s.main().siteCombo.Text(), "頭部正面");
  EXPECT_FALSE(dialog.Visible());
}

TEST(SiteDialog, DeletingTheFirstSiteStillShowsItsNameInTheCombo)
{
  GuestStart g(Edition::Japanese);
  Session& s = g.s;
  s.main().siteListButton.UserClick();
  SiteListDialog& dialog = *s.program->siteListDialog;
  dialog.siteList.UserChoose(0);
  ASSERT_EQ(dialog.siteList.Text(), "頭部正面");
  s.services.ExpectMsgBox(ui::vbOK);
  dialog.deleteButton.UserClick();
  EXPECT_EQ(Lines(s.file("撮影部位.txt")).size(), 10u);
  EXPECT_EQ(s.main().siteCombo.Text(), "頭部正面");
  EXPECT_EQ(s.main().siteCombo.ListCount(), 10);
  EXPECT_EQ(s.main().siteCombo.ListIndex(), -1);
}

TEST(SiteDialog, AFullListOfThirtyRefusesAnother)
{
  GuestStart g(Edition::Japanese, [](const fs::path& dir) {
    std::ofstream out(dir / "撮影部位.txt", std::ios::binary | std::ios::trunc);
    for (int i = 1; i <= 30; ++i) out << "部位" << i << "\r\n";
  });
  Session& s = g.s;
  const std::string before = ReadBytes(s.file("撮影部位.txt"));
  s.main().siteListButton.UserClick();
  SiteListDialog& dialog = *s.program->siteListDialog;
  EXPECT_EQ(dialog.siteCountLabel.Caption(), "現在の部位数 = 30");
  dialog.newSiteBox.UserType("部位31");
  s.services.ExpectMsgBox("　照射部位は最大 30 部位です。これ以上追加できません　");
  dialog.addButton.UserClick();
  EXPECT_EQ(s.services.msgBoxes.back().style, ui::vbExclamation);
  EXPECT_EQ(ReadBytes(s.file("撮影部位.txt")), before);
  EXPECT_EQ(s.main().siteCombo.ListCount(), 30);
  EXPECT_TRUE(dialog.Visible());
  // One fewer, and the add goes through.
  dialog.siteList.UserChoose(29);
  s.services.ExpectMsgBox(ui::vbOK);
  dialog.deleteButton.UserClick();
  s.main().siteListButton.UserClick();
  dialog.newSiteBox.UserType("部位31");
  dialog.addButton.UserClick();
  EXPECT_EQ(Lines(s.file("撮影部位.txt")).back(), "部位31");
}

TEST(SiteDialog, AMissingListOpensEmptyAndRefusesChanges)
{
  GuestStart g(Edition::Japanese);
  Session& s = g.s;
  const int comboItems = s.main().siteCombo.ListCount();
  fs::remove(s.file("撮影部位.txt"));
  s.main().siteListButton.UserClick();
  SiteListDialog& dialog = *s.program->siteListDialog;
  EXPECT_EQ(dialog.siteList.ListCount(), 0);
  EXPECT_EQ(dialog.siteCountLabel.Caption(), "現在の部位数 = 0");
  dialog.newSiteBox.UserType("頭部");
  s.services.ExpectMsgBox(ui::vbOK);
  dialog.addButton.UserClick();
  EXPECT_EQ(s.services.msgBoxes.back().text.rfind("　照射部位のファイルを読み書きできませんでした　\n", 0), 0u);
  EXPECT_FALSE(fs::exists(s.file("撮影部位.txt")));
  EXPECT_EQ(s.main().siteCombo.ListCount(), comboItems);
}

// ---------------------------------------------------------------- exit

const std::vector<std::string> kExitFiles{"Vorn2PDD.dat",     "X_SPCTL.dat",  "joken.txt", "resultBSF.txt",
                                          "PDD_tempDATA.txt", "Eff-Dose.dat", "JorE.dat"};

TEST(ExitDialog, NoKeepsTheProgramAndItsFiles)
{
  GuestStart g(Edition::Japanese);
  Session& s = g.s;
  for (const std::string& f : kExitFiles) std::ofstream(s.file(f)) << "x";
  s.main().exitButton.UserClick();
  ExitDialog& dialog = *s.program->exitDialog;
  ASSERT_TRUE(dialog.Visible());
  EXPECT_EQ(dialog.questionCaption.Caption(), "Vorn_V18 を終了しますか？");
  dialog.noButton.UserClick();
  EXPECT_FALSE(dialog.Visible());
  EXPECT_FALSE(s.program->app.Ended());
  for (const std::string& f : kExitFiles) EXPECT_TRUE(fs::exists(s.file(f))) << f;
}

TEST(ExitDialog, YesRemovesTheEditionsListAndEnds)
{
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    GuestStart g(edition);
    Session& s = g.s;
    // Some files are missing: the others go all the same.
    for (const std::string& f : kExitFiles)
      if (f != "X_SPCTL.dat") std::ofstream(s.file(f)) << "x";
    s.main().exitButton.UserClick();
    s.program->exitDialog->yesButton.UserClick();
    EXPECT_TRUE(s.program->app.Ended());
    for (const std::string& f : kExitFiles) {
      const bool kept = f == "JorE.dat" && edition == Edition::Japanese;
      EXPECT_EQ(fs::exists(s.file(f)), kept) << f;
    }
    EXPECT_TRUE(fs::exists(s.file("Primary.dat")));
  }
}

}  // namespace
}  // namespace vorn::mainwin
