// The user-name, site, exit, output-data, optional-filter and measured-
// exposure dialogs as real Qt windows (offscreen) in both editions: each is
// opened the way the user opens it, photographed, and every text must fit
// its control in the fonts actually used.
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/qt/qt_services.h"
#include "platform/qt/widget_binding.h"
#include "tests/dialogs_a/dialogs_test_support.h"
#include "tests/support/press_key.h"

namespace vorn::mainwin {
namespace {

namespace fs = std::filesystem;

// Width and height a text needs in a widget, against what it has (pixels).
struct Fit {
  int need = 0;
  int have = 0;
  int needHeight = 0;
  int haveHeight = 0;
  bool Fits() const { return need <= have && needHeight <= haveHeight; }
};

std::vector<std::pair<QString, Fit>> TextsOf(QWidget* widget)
{
  std::vector<std::pair<QString, Fit>> fits;
  const QFontMetrics fm(widget->font());
  auto add = [&](const QString& text, int have, int haveHeight, int margin) {
    if (!text.trimmed().isEmpty()) fits.push_back({text, {fm.horizontalAdvance(text) + margin, have, fm.height(), haveHeight}});
  };
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    add(label->text(), label->contentsRect().width(), label->contentsRect().height(), 0);
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    const QStyle* style = button->style();
    const int margins = 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) / 2 +
                             style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
    add(button->text(), button->width(), button->height() - 2, margins);
  } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(radio);
    option.text = radio->text();
    const QRect contents = radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
    add(radio->text(), contents.width(), radio->height(), 0);
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    add(group->title(), group->width(), group->height(), 16);
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    // An input box scrolls a long text; only its height must hold a line.
    add(edit->text().left(1), edit->width(), edit->height() - 2, 8);
  }
  return fits;
}

void CollectControls(const ui::Container& container, std::vector<ui::Control*>& out)
{
  for (ui::Control* control : container.Children()) {
    out.push_back(control);
    if (const auto* inner = dynamic_cast<const ui::Container*>(control)) CollectControls(*inner, out);
  }
}

class DialogsGui : public ::testing::TestWithParam<Edition> {
protected:
  void SetUp() override
  {
    for (const auto& entry : fs::directory_iterator(testing::SourceDir() / "data"))
      if (entry.is_regular_file()) fs::copy_file(entry.path(), folder.path() / entry.path().filename());
    services = std::make_unique<qt::QtServices>(folder.path());
    program = std::make_unique<MainProgram>(GetParam(), *services);
    binding = std::make_unique<qt::WidgetBinding>(program->app);
    program->Start();  // guest: the shipped name file holds no name
    ASSERT_FALSE(program->app.Ended());
  }

  // Photographs a shown dialog and checks that each of its texts fits.
  void Check(ui::Form& form, const std::string& name)
  {
    QApplication::processEvents();
    qt::FormWindow* window = binding->WindowOf(form);
    ASSERT_NE(window, nullptr) << name;
    EXPECT_TRUE(window->isVisible()) << name;
    EXPECT_EQ(window->windowTitle(), QString::fromStdString(form.Caption()));
    const std::string tag = GetParam() == Edition::Japanese ? "J" : "E";
    const QString file = QString(VORN_DIALOGS_GUI_OUTPUT) + "/" + QString::fromStdString(name + "_" + tag) + ".png";
    EXPECT_TRUE(window->grab().toImage().save(file)) << file.toStdString();
    std::vector<ui::Control*> controls;
    CollectControls(form, controls);
    for (ui::Control* control : controls) {
      QWidget* widget = window->WidgetOf(*control);
      ASSERT_NE(widget, nullptr) << name << " " << control->Name();
      if (!control->Visible()) continue;
      // Within the window.
      const QRect place = widget->geometry();
      const QWidget* parent = widget->parentWidget();
      EXPECT_TRUE(parent->rect().contains(place)) << name << " " << control->Name() << " lies outside its container";
      for (const auto& [text, fit] : TextsOf(widget)) {
        ++measured;
        EXPECT_TRUE(fit.Fits()) << name << " " << control->Name() << " \"" << text.toStdString() << "\" needs "
                                << fit.need << " x " << fit.needHeight << " px, has " << fit.have << " x "
                                << fit.haveHeight;
      }
    }
  }

  testing::TempFolder folder;
  std::unique_ptr<qt::QtServices> services;
  std::unique_ptr<MainProgram> program;
  std::unique_ptr<qt::WidgetBinding> binding;
  int measured = 0;
};

TEST_P(DialogsGui, EachDialogShowsWhole)
{
  MainWindow& main = *program->mainWindow;
  const bool japanese = GetParam() == Edition::Japanese;

  main.welcomeButton.UserClick();
  program->userNameRegistrationDialog->nameBox.UserType(japanese ? "山田　太郎" : "John Smith");
  Check(*program->userNameRegistrationDialog, "form15_registration");
  program->userNameRegistrationDialog->cancelButton.UserClick();  // continue as the guest

  main.mascotPicture.UserDblClick();
  Check(*program->userNameChangeDialog, "form18_name_change");
  program->userNameChangeDialog->cancelButton.UserClick();

  if (japanese) {
    main.siteListButton.UserClick();
    program->siteListDialog->newSiteBox.UserType("胸部斜位");
    Check(*program->siteListDialog, "form17_sites");
    program->siteListDialog->cancelButton.UserClick();
  }

  main.editOutputDataButton.UserClick();
  Check(*program->outputDataEditor, "form7_output_editor");
  program->outputDataEditor->cancelButton.UserClick();

  main.chooseOutputDataButton.UserClick();
  program->outputDataChooser->outputFileList.UserChoose(0);
  Check(*program->outputDataChooser, "form8_output_chooser");
  program->outputDataChooser->cancelButton.UserClick();

  main.optionalFilterButton.UserClick();
  program->optionalFilterDialog->materialFileList.UserChoose(1);
  program->optionalFilterDialog->thicknessBox.UserType("0.5");
  Check(*program->optionalFilterDialog, "form5_optional_filter");
  program->optionalFilterDialog->cancelButton.UserClick();

  main.measuredExposureOption.UserClick();
  program->measuredExposureDialog->measuredValueBox.UserType("2.58E-04");
  Check(*program->measuredExposureDialog, "form9_measured_exposure");
  program->measuredExposureDialog->cancelButton.UserClick();

  main.exitButton.UserClick();
  Check(*program->exitDialog, "form6_exit");
  program->exitDialog->noButton.UserClick();

  EXPECT_GT(measured, japanese ? 90 : 80);
}

TEST_P(DialogsGui, EnterPressesADialogsDefaultButtonAndEscapeItsCancelButton)
{
  MainWindow& main = *program->mainWindow;
  const bool japanese = GetParam() == Edition::Japanese;
  auto escapes = [&](ui::Form& form, const std::function<void()>& open) {
    open();
    ASSERT_TRUE(form.Visible()) << form.Name();
    vorn::testing::PressKey(*binding, form, Qt::Key_Escape);
    EXPECT_FALSE(form.Visible()) << form.Name() << " is still shown after Escape";
  };
  // Enter in the name box, which has no Enter chain, registers the name (and
  // the welcome button goes).
  main.welcomeButton.UserClick();
  program->userNameRegistrationDialog->nameBox.UserType("Tester");
  vorn::testing::PressKey(*binding, *program->userNameRegistrationDialog, Qt::Key_Return);
  EXPECT_FALSE(program->userNameRegistrationDialog->Visible());
  EXPECT_EQ(program->UserName, "Tester");

  escapes(*program->userNameChangeDialog, [&] { main.mascotPicture.UserDblClick(); });
  if (japanese) escapes(*program->siteListDialog, [&] { main.siteListButton.UserClick(); });
  escapes(*program->outputDataEditor, [&] { main.editOutputDataButton.UserClick(); });
  escapes(*program->outputDataChooser, [&] { main.chooseOutputDataButton.UserClick(); });
  escapes(*program->optionalFilterDialog, [&] { main.optionalFilterButton.UserClick(); });
  escapes(*program->measuredExposureDialog, [&] { main.measuredExposureOption.UserClick(); });
  escapes(*program->exitDialog, [&] { main.exitButton.UserClick(); });
  EXPECT_FALSE(program->app.Ended());
  EXPECT_EQ(program->UserName, "Tester");  // the change dialog's Escape changed nothing

  // Enter on a chosen output-data file loads it.
  main.chooseOutputDataButton.UserClick();
  program->outputDataChooser->outputFileList.UserChoose(0);
  vorn::testing::PressKey(*binding, *program->outputDataChooser, Qt::Key_Return);
  EXPECT_FALSE(program->outputDataChooser->Visible());
  EXPECT_FALSE(main.outputDataInUseLabel.Caption().empty());
}

TEST_P(DialogsGui, MessageBoxButtonsSpeakTheEditionsLanguage)
{
  QStringList shown;
  QTimer::singleShot(0, [&shown] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (box == nullptr || !box->isVisible()) continue;
      for (QAbstractButton* b : box->buttons()) shown << b->text();
      box->button(QMessageBox::No)->click();
    }
  });
  EXPECT_EQ(program->app.MsgBox("?", ui::vbYesNoCancel), ui::vbNo);
  QStringList expected = GetParam() == Edition::Japanese ? QStringList({"はい", "いいえ", "キャンセル"})
                                                         : QStringList({"Yes", "No", "Cancel"});
  shown.sort();
  expected.sort();
  EXPECT_EQ(shown, expected);
}

INSTANTIATE_TEST_SUITE_P(Editions, DialogsGui, ::testing::Values(Edition::Japanese, Edition::English),
                         [](const ::testing::TestParamInfo<Edition>& p) {
                           return std::string(p.param == Edition::Japanese ? "J" : "E");
                         });

}  // namespace
}  // namespace vorn::mainwin
