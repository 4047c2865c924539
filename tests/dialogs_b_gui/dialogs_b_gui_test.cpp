// The fit dialog, the fluoroscopy dialog, the shape dialog with its preview
// and the ATR explanation as real Qt widgets (offscreen), in both editions:
// each is photographed next to the test program and every caption must fit
// its control in the fonts actually used.
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "beam/atr_data.h"
#include "mainwin/main_program.h"
#include "mainwin/working_files.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/widget_binding.h"
#include "tests/dialogs_b/dialogs_b_support.h"
#include "tests/support/press_key.h"

namespace vorn::dialogs_b_test {
namespace {

namespace fs = std::filesystem;

QString Q(const std::string& text) { return QString::fromStdString(text); }

// How far a caption overflows its control, in pixels (0 when it fits).
int Overflow(QWidget* widget)
{
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    const QFontMetrics fm(label->font());
    const QRect inside = label->contentsRect();
    if (label->text().trimmed().isEmpty()) return 0;
    return std::max(fm.horizontalAdvance(label->text()) - inside.width(), fm.height() - inside.height());
  }
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    const QFontMetrics fm(button->font());
    const QStyle* style = button->style();
    const int margins = 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) / 2 +
                             style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
    return std::max(fm.horizontalAdvance(button->text()) + margins - button->width(),
                    fm.height() - (button->height() - 2));
  }
  if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(radio);
    option.text = radio->text();
    const QRect contents = radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
    const QFontMetrics fm(radio->font());
    return std::max(fm.horizontalAdvance(radio->text()) - contents.width(), fm.height() - radio->height());
  }
  if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    const QFontMetrics fm(group->font());
    return fm.horizontalAdvance(group->title()) + 16 - group->width();
  }
  return 0;
}

void CollectControls(const ui::Container& container, std::vector<ui::Control*>& out)
{
  for (ui::Control* control : container.Children()) {
    out.push_back(control);
    if (const auto* inner = dynamic_cast<const ui::Container*>(control)) CollectControls(*inner, out);
  }
}

struct GuiCase {
  Edition edition;
  const char* tag;
};

class DialogsGui : public ::testing::TestWithParam<GuiCase> {
protected:
  void SetUp() override
  {
    const GuiCase& c = GetParam();
    const char* source = std::getenv("VORN_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    for (const auto& entry : fs::directory_iterator(fs::path(source) / "data"))
      if (entry.is_regular_file()) fs::copy_file(entry.path(), folder_.path() / entry.path().filename());
    const fs::path nameFile =
        folder_.path() / (c.edition == Edition::Japanese ? mainwin::kPrimaryFileName : kAtrFileName);
    std::ofstream(nameFile, std::ios::binary | std::ios::app) << "Tester\r\n";
    services_ = std::make_unique<qt::QtServices>(folder_.path());
    program_ = std::make_unique<mainwin::MainProgram>(c.edition, *services_);
    binding_ = std::make_unique<qt::WidgetBinding>(program_->app);
    program_->Start();
    ASSERT_FALSE(program_->app.Ended());
    program_->mainWindow->calculateButton.UserClick();  // a result for the fit dialog to show
    QApplication::processEvents();
  }
  void TearDown() override
  {
    binding_.reset();
    program_.reset();
  }

  // Photographs the form's window and checks that its captions fit.
  void Photograph(ui::Form& form, const std::string& name)
  {
    QApplication::processEvents();
    qt::FormWindow* window = binding_->WindowOf(form);
    ASSERT_NE(window, nullptr) << name;
    EXPECT_TRUE(window->isVisible()) << name;
    EXPECT_EQ(window->size(), QSize(static_cast<int>(form.Width() / 15), static_cast<int>(form.Height() / 15)));
    const QString file = QString(VORN_DIALOGS_B_GUI_OUTPUT) + "/" + Q(name) + "_" + GetParam().tag + ".png";
    EXPECT_TRUE(window->grab().toImage().save(file)) << file.toStdString();

    std::vector<ui::Control*> controls;
    CollectControls(form, controls);
    for (ui::Control* control : controls) {
      if (!control->Reachable()) continue;
      QWidget* widget = window->WidgetOf(*control);
      ASSERT_NE(widget, nullptr) << control->Name();
      EXPECT_LE(Overflow(widget), 0) << name << " " << control->Name() << " overflows";
    }
  }

  TempFolder folder_;
  std::unique_ptr<qt::QtServices> services_;
  std::unique_ptr<mainwin::MainProgram> program_;
  std::unique_ptr<qt::WidgetBinding> binding_;
};

TEST_P(DialogsGui, FitDialog)
{
  program_->mainWindow->fitButton.UserClick();
  program_->fitDialog->measuredHvlBox.UserType("3.1");
  Photograph(*program_->fitDialog, "fit_dialog");
}

TEST_P(DialogsGui, FluoroscopyDialog)
{
  program_->mainWindow->fluoroscopyButton.UserClick();
  mainwin::FluoroscopyDialog& f = *program_->fluoroscopyDialog;
  f.pulsedOption.UserClick();
  f.currentBox.UserType("2");
  f.pulseRateBox.UserType("15");
  f.pulseWidthBox.UserType("4");
  f.computeButton.UserClick();
  EXPECT_EQ(f.meanCurrentBox.Text(), "0.12");
  Photograph(f, "fluoroscopy_dialog");
}

TEST_P(DialogsGui, ShapeDialogAndPreviewOfEachShape)
{
  program_->mainWindow->curvedSurfaceOption.UserClick();
  mainwin::ShapeDialog& f = *program_->shapeDialog;
  Photograph(f, "shape_dialog");
  f.shapeCheckButton.UserClick();
  Photograph(*program_->shapePreviewWindow, "preview_cylinder");
  f.ellipseOption.UserClick();
  f.shapeCheckButton.UserClick();
  Photograph(*program_->shapePreviewWindow, "preview_ellipse");
  f.racetrackOption.UserClick();
  f.shapeCheckButton.UserClick();
  Photograph(*program_->shapePreviewWindow, "preview_racetrack");
}

TEST_P(DialogsGui, EscapeCancelsTheFitFluoroscopyAndShapeDialogs)
{
  mainwin::MainWindow& main = *program_->mainWindow;
  const std::vector<std::pair<ui::Form*, ui::CommandButton*>> dialogs{
      {&*program_->fitDialog, &main.fitButton},
      {&*program_->fluoroscopyDialog, &main.fluoroscopyButton},
      {&*program_->shapeDialog, nullptr}};
  for (const auto& [dialog, opener] : dialogs) {
    if (opener != nullptr) {
      opener->UserClick();
    } else {
      main.curvedSurfaceOption.UserClick();
    }
    ASSERT_TRUE(dialog->Visible()) << dialog->Name();
    vorn::testing::PressKey(*binding_, *dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->Visible()) << dialog->Name() << " is still shown after Escape";
  }
}

TEST_P(DialogsGui, AtrExplanation)
{
  if (GetParam().edition != Edition::Japanese) {
    // No ATR index in the English edition: no button opens the window.
    EXPECT_FALSE(program_->mainWindow->atrExplanationButton.Visible());
    EXPECT_FALSE(program_->atrExplanationWindow.Exists());
    return;
  }
  program_->mainWindow->atrExplanationButton.UserClick();
  Photograph(*program_->atrExplanationWindow, "atr_explanation");
}

INSTANTIATE_TEST_SUITE_P(Editions, DialogsGui,
                         ::testing::Values(GuiCase{Edition::Japanese, "J"}, GuiCase{Edition::English, "E"}),
                         [](const ::testing::TestParamInfo<GuiCase>& p) { return std::string(p.param.tag); });

}  // namespace
}  // namespace vorn::dialogs_b_test
