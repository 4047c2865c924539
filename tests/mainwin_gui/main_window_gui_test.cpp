// The main window as real Qt widgets (offscreen): both editions start on the
// shipped data, calculate through the real button, are photographed, and
// every caption must fit its control in the fonts actually used.
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/qt/qt_services.h"
#include "platform/qt/widget_binding.h"
#include "tests/mainwin/mainwin_test_support.h"
#include "tests/support/entry_messages.h"
#include "tests/support/text_fit.h"
#include "text/error_texts.h"
#include "text/mainwin_texts.h"

namespace vorn::testing {
namespace {

// What a control needs to show its text whole, against what it has.
struct Fit {
  int needWidth = 0;
  int haveWidth = 0;
  int needHeight = 0;
  int haveHeight = 0;
  bool Fits() const { return needWidth <= haveWidth && needHeight <= haveHeight; }
};

Fit LabelFit(const QLabel& label, const QString& text)
{
  const QFontMetrics fm(label.font());
  const QRect inside = label.contentsRect();
  return {fm.horizontalAdvance(text), inside.width(), fm.height(), inside.height()};
}

Fit ButtonFit(const QPushButton& button, const QString& text)
{
  const QFontMetrics fm(button.font());
  const QStyle* style = button.style();
  const int margins =
      2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) / 2 +
           style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button));
  return {fm.horizontalAdvance(text) + margins, button.width(), fm.height(), button.height() - 2};
}

Fit RadioFit(const QRadioButton& radio, const QString& text)
{
  QStyleOptionButton option;
  option.initFrom(&radio);
  option.text = text;
  const QRect contents = radio.style()->subElementRect(QStyle::SE_RadioButtonContents, &option, &radio);
  const QFontMetrics fm(radio.font());
  return {fm.horizontalAdvance(text), contents.width(), fm.height(), radio.height()};
}

Fit GroupFit(const QGroupBox& group, const QString& title)
{
  // The title sits on the frame, indented at both ends.
  const QFontMetrics fm(group.font());
  return {fm.horizontalAdvance(title) + 16, group.width(), fm.height(), group.height()};
}

Fit ComboFit(const QComboBox& combo, const QString& text)
{
  QStyleOptionComboBox option;
  option.initFrom(&combo);
  option.editable = combo.isEditable();
  option.frame = combo.hasFrame();
  const QRect field =
      combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo);
  const QFontMetrics fm(combo.font());
  return {fm.horizontalAdvance(text) + 4, field.width(), fm.height(), field.height() + 2};
}

Fit LineEditFit(const QLineEdit& edit, const QString& text)
{
  const QFontMetrics fm(edit.font());
  // Frame and the edit's own text margins.
  return {fm.horizontalAdvance(text) + 8, edit.width(), fm.height(), edit.height() - 2};
}

// Every text of a widget: its caption, or each item of a list.
std::vector<std::pair<QString, Fit>> Fits(QWidget* widget, const std::vector<QString>& extraTexts = {})
{
  std::vector<std::pair<QString, Fit>> fits;
  auto add = [&](const QString& text, auto measure) {
    if (!text.trimmed().isEmpty()) fits.emplace_back(text, measure(text));
  };
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    add(label->text(), [&](const QString& t) { return LabelFit(*label, t); });
    for (const QString& t : extraTexts) add(t, [&](const QString& u) { return LabelFit(*label, u); });
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    add(button->text(), [&](const QString& t) { return ButtonFit(*button, t); });
  } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
    add(radio->text(), [&](const QString& t) { return RadioFit(*radio, t); });
    for (const QString& t : extraTexts) add(t, [&](const QString& u) { return RadioFit(*radio, u); });
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    add(group->title(), [&](const QString& t) { return GroupFit(*group, t); });
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    add(combo->currentText(), [&](const QString& t) { return ComboFit(*combo, t); });
    for (int i = 0; i < combo->count(); ++i)
      add(combo->itemText(i), [&](const QString& t) { return ComboFit(*combo, t); });
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    add(edit->text(), [&](const QString& t) { return LineEditFit(*edit, t); });
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

QString Q(const std::string& text) { return QString::fromStdString(text); }

struct GuiCase {
  Edition edition;
  const char* tag;
  QString fontFamily;  // the installed look-alike of the window's font
};

class MainWindowGui : public ::testing::TestWithParam<GuiCase> {};

TEST_P(MainWindowGui, StartsCalculatesAndShowsEveryTextWhole)
{
  const GuiCase& c = GetParam();
  TempFolder folder;
  CopyShippedData(folder.path());
  KeepUserName(folder.path(), c.edition, "Tester");
  qt::QtServices services(folder.path());
  mainwin::MainProgram program(c.edition, services);
  qt::WidgetBinding binding(program.app);
  program.Start();
  ASSERT_FALSE(program.app.Ended());

  mainwin::MainWindow& form = *program.mainWindow;
  qt::FormWindow* window = binding.WindowOf(form);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->size(), QSize(1040, 504));  // 15600 x 7560 twips
  EXPECT_EQ(window->windowTitle(), Q("Vorn-V18 ( Quendral, Version 18 )  :  Tester"));

  // Calculate with the real button.
  auto* calculate = qobject_cast<QPushButton*>(window->WidgetOf(form.calculateButton));
  ASSERT_NE(calculate, nullptr);
  QTest::mouseClick(calculate, Qt::LeftButton);
  QApplication::processEvents();
  auto* dose = qobject_cast<QLabel*>(window->WidgetOf(form.surfaceDoseSoftLabel));
  ASSERT_NE(dose, nullptr);
  EXPECT_FALSE(dose->text().isEmpty());
  EXPECT_EQ(dose->text(), Q(form.surfaceDoseSoftLabel.Caption()));
  EXPECT_TRUE(qobject_cast<QPushButton*>(window->WidgetOf(form.addToTableButton))->isEnabled());

  const QString base = QString(VORN_MAINWIN_GUI_OUTPUT) + "/main_window_" + c.tag;
  ASSERT_TRUE(window->grab().toImage().save(base + ".png"));
  qt::FormWindow* results = binding.WindowOf(*program.resultWindow);
  ASSERT_NE(results, nullptr);
  ASSERT_TRUE(results->grab().toImage().save(QString(VORN_MAINWIN_GUI_OUTPUT) + "/result_window_" + c.tag + ".png"));

  // The font actually drawn is the look-alike, not an unrelated fallback.
  EXPECT_EQ(QFontInfo(window->WidgetOf(form.targetAngleCaption)->font()).family(), c.fontFamily);

  // Captions other routines put into the window later must fit as well.
  const bool japanese = c.edition == Edition::Japanese;
  const std::vector<QString> curvedSurfaceCaptions =
      japanese ? std::vector<QString>{Q("半径20cm の円柱表面"), Q("30:20cmの楕円柱表面"),
                                      Q("レーストラック型モデルの表面"), Q("半径150.5cm の円柱表面")}
               : std::vector<QString>{};
  const std::vector<QString> fieldLongSideCaptions{japanese ? Q("  照射野サイズ（直径）") : Q("Field size (diameter)")};
  const std::vector<QString> resultCaptions{Q("0.00E+0"), Q("8.88E-10"), Q("188.88"), Q("88.888"), Q("1888.88")};

  std::vector<ui::Control*> controls;
  CollectControls(form, controls);
  int measured = 0;
  for (ui::Control* control : controls) {
    QWidget* widget = window->WidgetOf(*control);
    ASSERT_NE(widget, nullptr) << control->Name();
    std::vector<QString> extra;
    if (control == &form.curvedSurfaceOption) extra = curvedSurfaceCaptions;
    if (control == &form.fieldLongSideCaption) extra = fieldLongSideCaptions;
    if (control == &form.hvlLabel || control == &form.exposureAt1mLabel || control == &form.surfaceDoseSoftLabel ||
        control == &form.convFactorSoftLabel)
      extra = resultCaptions;
    if (control == &form.outputDataInUseLabel) extra = {Q("vorn_default_with_long_name")};
    // The longest material name among the shipped filter files, and a thickness.
    if (control == &form.optionalFilterMaterialLabel) extra = {Q("ICRU soft tissue"), Q("Polyethylene")};
    if (control == &form.optionalFilterThicknessLabel) extra = {Q("10.25")};
    for (const auto& [text, fit] : Fits(widget, extra)) {
      ++measured;
      EXPECT_TRUE(fit.Fits()) << c.tag << " " << control->Name() << " \"" << text.toStdString() << "\" needs "
                              << fit.needWidth << " x " << fit.needHeight << " px, has " << fit.haveWidth
                              << " x " << fit.haveHeight;
    }
  }
  EXPECT_GT(measured, 80);
}

INSTANTIATE_TEST_SUITE_P(Editions, MainWindowGui,
                         ::testing::Values(GuiCase{Edition::Japanese, "J", "Noto Sans CJK JP"},
                                           GuiCase{Edition::English, "E", "Liberation Sans"}),
                         [](const ::testing::TestParamInfo<GuiCase>& p) { return std::string(p.param.tag); });

TEST(MainWindowGuiGuest, TheWelcomeButtonShowsWholeInTheGuestState)
{
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    TempFolder folder;
    CopyShippedData(folder.path());
    qt::QtServices services(folder.path());
    mainwin::MainProgram program(edition, services);
    qt::WidgetBinding binding(program.app);
    program.Start();
    mainwin::MainWindow& form = *program.mainWindow;
    qt::FormWindow* window = binding.WindowOf(form);
    ASSERT_NE(window, nullptr);
    auto* welcome = qobject_cast<QPushButton*>(window->WidgetOf(form.welcomeButton));
    ASSERT_NE(welcome, nullptr);
    EXPECT_TRUE(welcome->isVisible());
    EXPECT_FALSE(qobject_cast<QPushButton*>(window->WidgetOf(form.calculateButton))->isEnabled());
    const Fit fit = ButtonFit(*welcome, welcome->text());
    EXPECT_TRUE(fit.Fits()) << welcome->text().toStdString() << " needs " << fit.needWidth << " has "
                            << fit.haveWidth;
    if (edition == Edition::Japanese) {
      ASSERT_TRUE(window->grab().toImage().save(QString(VORN_MAINWIN_GUI_OUTPUT) + "/main_window_J_guest.png"));
    }
  }
}

TEST(MainWindowGuiChecks, ABadBoxIsNamedInAWarningAndTheFocusGoesIntoIt)
{
  // Typed through the real box and the real button; the message box is
  // photographed and answered, then the typing cursor must be in the box.
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    TempFolder folder;
    CopyShippedData(folder.path());
    KeepUserName(folder.path(), edition, "Tester");
    qt::QtServices services(folder.path());
    mainwin::MainProgram program(edition, services);
    qt::WidgetBinding binding(program.app);
    program.Start();
    mainwin::MainWindow& form = *program.mainWindow;
    qt::FormWindow* window = binding.WindowOf(form);
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto* added_al = qobject_cast<QLineEdit*>(window->WidgetOf(form.addedAlBox));
    ASSERT_NE(added_al, nullptr);
    QTest::mouseClick(added_al, Qt::LeftButton);
    added_al->selectAll();
    QTest::keyClicks(added_al, "2,5");

    QString shown;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    const QString shot = QString(VORN_MAINWIN_GUI_OUTPUT) + "/bad_box_message_" +
                         (edition == Edition::Japanese ? "J" : "E") + ".png";
    QTimer::singleShot(0, [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box == nullptr || !box->isVisible()) continue;
        shown = box->text();
        icon = box->icon();
        box->grab().toImage().save(shot);
        box->button(QMessageBox::Ok)->click();
        return;
      }
    });
    QTest::mouseClick(qobject_cast<QPushButton*>(window->WidgetOf(form.calculateButton)), Qt::LeftButton);
    // The desktop gives the window back its activation when the box closes;
    // the offscreen platform needs to be asked.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));

    EXPECT_EQ(testing::WordsOf(shown),
              testing::WordsOf(Q(vorn::testing::NotANumberMessage(
                  edition, edition == Edition::Japanese ? "付加フィルタ Al (mm)" : "Added filter Al (mm)", "2,5"))));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_TRUE(form.addedAlBox.HasFocus());
    EXPECT_EQ(QApplication::focusWidget(), added_al);
    EXPECT_EQ(qobject_cast<QLabel*>(window->WidgetOf(form.surfaceDoseSoftLabel))->text(), QString());
  }
}

// The real message boxes of two failures that end or interrupt nothing of the
// user's: a second copy in the same folder, and an error that no routine
// expected. Photographed in both editions and answered.
TEST(MainWindowGuiMessages, ASecondCopyAndAnUnexpectedErrorAreToldInRealBoxes)
{
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    const char* tag = edition == Edition::Japanese ? "J" : "E";
    TempFolder folder;
    CopyShippedData(folder.path());
    KeepUserName(folder.path(), edition, "Tester");
    qt::QtServices services(folder.path());
    mainwin::MainProgram first(edition, services);
    qt::WidgetBinding binding(first.app);
    first.Start();

    struct Seen {
      QString text;
      QMessageBox::Icon icon = QMessageBox::NoIcon;
    };
    auto photograph = [](Seen& seen, const QString& shot) {
      QTimer::singleShot(0, [&seen, shot] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
          auto* box = qobject_cast<QMessageBox*>(w);
          if (box == nullptr || !box->isVisible()) continue;
          seen = {box->text(), box->icon()};
          box->grab().toImage().save(shot);
          box->button(QMessageBox::Ok)->click();
          return;
        }
      });
    };

    Seen second;
    photograph(second, QString(VORN_MAINWIN_GUI_OUTPUT) + "/already_running_" + tag + ".png");
    mainwin::MainProgram copy(edition, services);
    copy.Start();
    EXPECT_EQ(testing::WordsOf(second.text), testing::WordsOf(Q(std::string(MainWinTextsFor(edition).AlreadyRunningHere))));
    EXPECT_EQ(second.icon, QMessageBox::Warning);
    EXPECT_TRUE(copy.app.Ended());

    Seen unexpected;
    photograph(unexpected, QString(VORN_MAINWIN_GUI_OUTPUT) + "/unexpected_error_" + tag + ".png");
    first.app.ReportUntrappedError(std::make_exception_ptr(std::bad_alloc()));
    EXPECT_EQ(testing::WordsOf(unexpected.text), testing::WordsOf(Q(std::string(ErrorTextsFor(edition).StepNotFinished) +
                                                                    "\n" + std::string(ErrorTextsFor(edition).OutOfMemory))));
    EXPECT_EQ(unexpected.icon, QMessageBox::Critical);
    EXPECT_FALSE(first.app.Ended());
    EXPECT_TRUE(binding.WindowOf(*first.mainWindow)->isVisible());
  }
}

}  // namespace
}  // namespace vorn::testing
