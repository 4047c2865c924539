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
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/qt/qt_services.h"
#include "platform/qt/widget_binding.h"
#include "tests/dialogs_a/dialogs_test_support.h"

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
  Form1& main = *program->Form1;
  const bool japanese = GetParam() == Edition::Japanese;

  main.Command8.UserClick();
  program->Form15->Text1.UserType(japanese ? "山田　太郎" : "John Smith");
  Check(*program->Form15, "form15_registration");
  program->Form15->Command2.UserClick();  // continue as the guest

  main.Picture1.UserDblClick();
  Check(*program->Form18, "form18_name_change");
  program->Form18->Command2.UserClick();

  if (japanese) {
    main.Command7.UserClick();
    program->Form17->Text1.UserType("胸部斜位");
    Check(*program->Form17, "form17_sites");
    program->Form17->Command2.UserClick();
  }

  main.Command12.UserClick();
  Check(*program->Form7, "form7_output_editor");
  program->Form7->Command2.UserClick();

  main.Command13.UserClick();
  program->Form8->File1.UserChoose(0);
  Check(*program->Form8, "form8_output_chooser");
  program->Form8->Command2.UserClick();

  main.Command9.UserClick();
  program->Form5->File1.UserChoose(1);
  program->Form5->Text2.UserType("0.5");
  Check(*program->Form5, "form5_optional_filter");
  program->Form5->Command3.UserClick();

  main.Option4.UserClick();
  program->Form9->Text1.UserType("2.58E-04");
  Check(*program->Form9, "form9_measured_exposure");
  program->Form9->Command2.UserClick();

  main.Command1.UserClick();
  Check(*program->Form6, "form6_exit");
  program->Form6->Command2.UserClick();

  EXPECT_GT(measured, japanese ? 90 : 80);
}

INSTANTIATE_TEST_SUITE_P(Editions, DialogsGui, ::testing::Values(Edition::Japanese, Edition::English),
                         [](const ::testing::TestParamInfo<Edition>& p) {
                           return std::string(p.param == Edition::Japanese ? "J" : "E");
                         });

}  // namespace
}  // namespace vorn::mainwin
