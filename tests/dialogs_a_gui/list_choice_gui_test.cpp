// Lists through the real widgets (offscreen): on a dialog's first opening the
// file or site list gets the focus, and Qt's own focus handling must not
// choose an item for the user. Only the user's click or arrow key chooses.
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <string>

#include <gtest/gtest.h>

#include "platform/qt/widget_binding.h"
#include "tests/dialogs_a/dialogs_test_support.h"
#include "tests/support/scripted_desktop.h"

namespace vorn::mainwin {
namespace {

namespace fs = std::filesystem;

class FirstOpening : public ::testing::TestWithParam<Edition> {
protected:
  void SetUp() override
  {
    for (const auto& entry : fs::directory_iterator(testing::SourceDir() / "data"))
      if (entry.is_regular_file()) fs::copy_file(entry.path(), folder.path() / entry.path().filename());
    desktop = std::make_unique<vorn::testing::DesktopWithScriptedAnswers>(folder.path());
    program = std::make_unique<MainProgram>(GetParam(), *desktop);
    binding = std::make_unique<qt::WidgetBinding>(program->app);
    program->Start();
    ASSERT_FALSE(program->app.Ended());
  }

  bool Japanese() const { return GetParam() == Edition::Japanese; }

  // The dialog's window, active, with the focus in the list: what a user sees.
  QListWidget* OpenedList(ui::Form& form, const ui::Control& list)
  {
    qt::FormWindow* window = binding->WindowOf(form);
    EXPECT_NE(window, nullptr);
    if (window == nullptr) return nullptr;
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    auto* widget = qobject_cast<QListWidget*>(window->WidgetOf(list));
    EXPECT_NE(widget, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), widget);
    return widget;
  }

  void Press(ui::Form& form, const ui::CommandButton& button)
  {
    auto* widget = qobject_cast<QPushButton*>(binding->WindowOf(form)->WidgetOf(button));
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton);
  }

  testing::TempFolder folder;
  std::unique_ptr<vorn::testing::DesktopWithScriptedAnswers> desktop;
  std::unique_ptr<MainProgram> program;
  std::unique_ptr<qt::WidgetBinding> binding;
};

TEST_P(FirstOpening, TheOptionalFilterDialogWaitsForTheUsersMaterial)
{
  program->mainWindow->optionalFilterButton.UserClick();
  OptionalFilterDialog& dialog = *program->optionalFilterDialog;
  QListWidget* list = OpenedList(dialog, dialog.materialFileList);
  ASSERT_NE(list, nullptr);
  ASSERT_GE(list->count(), 2);
  EXPECT_EQ(dialog.materialFileList.ListIndex(), -1);
  EXPECT_EQ(dialog.materialLabel.Caption(), "");
  EXPECT_TRUE(list->selectedItems().isEmpty());

  const std::string filterShown = program->mainWindow->optionalFilterMaterialLabel.Caption();
  dialog.thicknessBox.UserType("1");
  desktop->script.ExpectMsgBox(Japanese() ? "　フィルター材質が未選択です　" : "  Select substance  ");
  Press(dialog, dialog.setButton);
  EXPECT_EQ(desktop->script.PendingMsgBoxes(), 0u);
  EXPECT_EQ(program->Module().OtherFilter.OtherFilterOn, 0);
  EXPECT_EQ(program->mainWindow->optionalFilterMaterialLabel.Caption(), filterShown);

  // The user's own choices still count: a click, then an arrow key.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
  EXPECT_EQ(dialog.materialFileList.ListIndex(), 1);
  const std::string second = dialog.materialLabel.Caption();
  EXPECT_NE(second, "");
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Up);
  EXPECT_EQ(dialog.materialFileList.ListIndex(), 0);
  EXPECT_NE(dialog.materialLabel.Caption(), second);
}

TEST_P(FirstOpening, TheOutputDataChooserLoadsNothingUnchosen)
{
  const std::string inUse = program->Module().Output.OptionFileName;
  // A second file, so that a wrong first-row choice would show.
  fs::copy_file(folder.path() / "vorn_default.op", folder.path() / "another.op");
  program->mainWindow->chooseOutputDataButton.UserClick();
  OutputDataChooser& chooser = *program->outputDataChooser;
  QListWidget* list = OpenedList(chooser, chooser.outputFileList);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(chooser.outputFileList.ListIndex(), -1);
  EXPECT_EQ(chooser.commentBox.Text(), "");

  desktop->script.ExpectMsgBox(Japanese() ? "　ファイルを選択して下さい　" : "  Select file  ");
  Press(chooser, chooser.okButton);
  EXPECT_EQ(desktop->script.PendingMsgBoxes(), 0u);
  EXPECT_EQ(program->Module().Output.OptionFileName, inUse);
  EXPECT_TRUE(chooser.Visible());
}

TEST_P(FirstOpening, TheSiteDialogDeletesOnlyAChosenSite)
{
  if (!Japanese()) GTEST_SKIP() << "the site dialog is the Japanese edition's";
  const std::vector<std::string> before = testing::Lines(folder.path() / "撮影部位.txt");
  program->mainWindow->siteListButton.UserClick();
  SiteListDialog& dialog = *program->siteListDialog;
  QListWidget* list = OpenedList(dialog, dialog.siteList);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(dialog.siteList.ListIndex(), -1);

  desktop->script.ExpectMsgBox("削除する部位を選択して下さい");
  Press(dialog, dialog.deleteButton);
  EXPECT_EQ(desktop->script.PendingMsgBoxes(), 0u);
  EXPECT_EQ(testing::Lines(folder.path() / "撮影部位.txt"), before);
}

INSTANTIATE_TEST_SUITE_P(Editions, FirstOpening, ::testing::Values(Edition::Japanese, Edition::English),
                         [](const ::testing::TestParamInfo<Edition>& p) {
                           return std::string(p.param == Edition::Japanese ? "J" : "E");
                         });

}  // namespace
}  // namespace vorn::mainwin
