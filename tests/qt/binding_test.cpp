// The control model bound to real widgets (offscreen): the example form and a
// form of lists, lines and check boxes, driven through Qt.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <filesystem>

#include <gtest/gtest.h>

#include "platform/qt/key_map.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/widget_binding.h"
#include "platform/qt/window_placement.h"
#include "platform/ui/ui.h"
#include "tests/ui/example_form.h"
#include "tests/ui/ui_test_support.h"

namespace vorn::qt {
namespace {

using example::ExampleForm;

template <class W>
W* Find(FormWindow* window, const ui::Control& control)
{
  return qobject_cast<W*>(window->WidgetOf(control));
}

QColor PixelAt(QWidget* widget, QPointF at)
{
  const QImage image = widget->grab().toImage();
  return image.pixelColor(at.toPoint());
}

class ExampleWindowTest : public ::testing::Test {
protected:
  ui::testing::TempFolder folder;
  QtServices services{folder.path()};
  ui::Application app{services, "Vorn test"};
  WidgetBinding binding{app};
  ExampleForm form{app};
  FormWindow* window = nullptr;

  void SetUp() override
  {
    form.Show();
    window = binding.WindowOf(form);
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
};

TEST_F(ExampleWindowTest, TheWindowShowsTheFormAtFifteenTwipsAPixel)
{
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->size(), QSize(320, 224));  // 4800 x 3360 twips
  EXPECT_EQ(window->windowTitle(), QString(" Example"));
  auto* voltageEdit = Find<QLineEdit>(window, form.voltageBox);
  ASSERT_NE(voltageEdit, nullptr);
  EXPECT_EQ(voltageEdit->geometry(), QRect(96, 8, 65, 23));  // {1440, 120, 975, 345} twips
  EXPECT_EQ(voltageEdit->text(), QString("75"));
  auto* constantPotentialRadio = Find<QRadioButton>(window, form.constantPotentialOption);
  ASSERT_NE(constantPotentialRadio, nullptr);
  EXPECT_EQ(constantPotentialRadio->parentWidget(), window->WidgetOf(form.rectificationFrame));
  EXPECT_TRUE(constantPotentialRadio->isChecked());
  EXPECT_EQ(Find<QPushButton>(window, form.calculateButton)->toolTip(), QString(" Go ! "));
  // The model gave the focus to the first box when the form was shown.
  EXPECT_TRUE(form.voltageBox.HasFocus());
  EXPECT_EQ(QApplication::focusWidget(), voltageEdit);
}

TEST_F(ExampleWindowTest, ModelChangesReachTheWidgets)
{
  form.voltageCaption.SetCaption("kV");
  form.calculateButton.SetEnabled(false);
  form.currentBox.SetVisible(false);
  form.siteCombo.AddItem("Head");
  form.singlePhaseOption.SetValue(true);
  EXPECT_EQ(Find<QLabel>(window, form.voltageCaption)->text(), QString("kV"));
  EXPECT_FALSE(window->WidgetOf(form.calculateButton)->isEnabled());
  EXPECT_FALSE(window->WidgetOf(form.currentBox)->isVisible());
  EXPECT_EQ(Find<QComboBox>(window, form.siteCombo)->count(), 3);
  EXPECT_FALSE(Find<QRadioButton>(window, form.constantPotentialOption)->isChecked());
  EXPECT_TRUE(Find<QRadioButton>(window, form.singlePhaseOption)->isChecked());
}

TEST_F(ExampleWindowTest, TypingAndEnterDriveTheModel)
{
  auto* voltageEdit = Find<QLineEdit>(window, form.voltageBox);
  voltageEdit->selectAll();
  QTest::keyClicks(voltageEdit, "120");
  EXPECT_EQ(form.voltageBox.Text(), "120");
  EXPECT_DOUBLE_EQ(form.tubeVoltage, 75.0);  // not stored until the box is left
  QTest::keyClick(voltageEdit, Qt::Key_Return);
  EXPECT_DOUBLE_EQ(form.tubeVoltage, 120.0);  // LostFocus ran
  EXPECT_TRUE(form.currentBox.HasFocus());
  EXPECT_EQ(QApplication::focusWidget(), window->WidgetOf(form.currentBox));
}

TEST_F(ExampleWindowTest, ABoxReachedByEnterHasItsTextSelectedForTypingOver)
{
  auto* currentEdit = Find<QLineEdit>(window, form.currentBox);
  QTest::keyClick(Find<QLineEdit>(window, form.voltageBox), Qt::Key_Return);
  ASSERT_EQ(QApplication::focusWidget(), currentEdit);
  EXPECT_EQ(currentEdit->selectedText(), QString("200"));
  EXPECT_EQ(currentEdit->cursorPosition(), 0);  // shown from its start
  QTest::keyClicks(currentEdit, "250");
  EXPECT_EQ(form.currentBox.Text(), "250");  // not 250200
  QTest::keyClick(currentEdit, Qt::Key_Return);
  EXPECT_DOUBLE_EQ(form.tubeCurrent, 250.0);
  // A click places the cursor where the user clicked, selecting nothing.
  QTest::mouseClick(currentEdit, Qt::LeftButton, Qt::NoModifier, QPoint(2, currentEdit->height() / 2));
  EXPECT_TRUE(form.currentBox.HasFocus());
  EXPECT_FALSE(currentEdit->hasSelectedText());
}

TEST_F(ExampleWindowTest, AssistiveToolsSeeRadioButtonsAndPressThemAsAClick)
{
  auto* singlePhase = Find<QRadioButton>(window, form.singlePhaseOption);
  QAccessibleInterface* radio = QAccessible::queryAccessibleInterface(singlePhase);
  ASSERT_NE(radio, nullptr);
  EXPECT_EQ(radio->role(), QAccessible::RadioButton);
  QAccessibleActionInterface* actions = radio->actionInterface();
  ASSERT_NE(actions, nullptr);
  ASSERT_FALSE(actions->actionNames().isEmpty());
  actions->doAction(actions->actionNames().front());
  EXPECT_EQ(form.rectification, 2);  // the option's click routine ran
  EXPECT_TRUE(form.singlePhaseOption.Value());
  EXPECT_FALSE(form.constantPotentialOption.Value());
  EXPECT_TRUE(singlePhase->isChecked());
  EXPECT_FALSE(Find<QRadioButton>(window, form.constantPotentialOption)->isChecked());
  // Pressing the selected one again keeps it selected and runs its routine again.
  form.rectification = 0;
  actions->doAction(actions->actionNames().front());
  EXPECT_EQ(form.rectification, 2);
  EXPECT_TRUE(singlePhase->isChecked());
  EXPECT_TRUE(form.singlePhaseOption.Value());
  // The model may still leave the group with none selected.
  form.singlePhaseOption.SetValue(false);
  EXPECT_FALSE(singlePhase->isChecked());
}

TEST_F(ExampleWindowTest, ALongTextFromTheProgramShowsItsStart)
{
  auto* voltageEdit = Find<QLineEdit>(window, form.voltageBox);
  const std::string comment = "Tube 3, measured 2026-04-01 with the 2.5 mm Al filter and the new chamber";
  form.voltageBox.SetText(comment);
  // The box scrolls to show its cursor: at the start, at the left edge.
  EXPECT_EQ(voltageEdit->cursorPosition(), 0);
  voltageEdit->grab();  // laid out and painted
  EXPECT_LT(voltageEdit->inputMethodQuery(Qt::ImCursorRectangle).toRectF().left(), 8);
  // What the user types is not moved about.
  voltageEdit->setFocus();
  voltageEdit->end(false);
  QTest::keyClicks(voltageEdit, "!");
  EXPECT_EQ(form.voltageBox.Text(), comment + "!");
  EXPECT_EQ(voltageEdit->cursorPosition(), static_cast<int>(comment.size()) + 1);
}

TEST_F(ExampleWindowTest, AFocusChangeInQtFiresLostFocus)
{
  Find<QLineEdit>(window, form.voltageBox)->setText("90");  // programmatic: not the user's typing
  EXPECT_EQ(form.voltageBox.Text(), "75");
  auto* voltageEdit = Find<QLineEdit>(window, form.voltageBox);
  voltageEdit->selectAll();
  QTest::keyClicks(voltageEdit, "90");
  window->WidgetOf(form.currentBox)->setFocus(Qt::MouseFocusReason);
  EXPECT_TRUE(form.currentBox.HasFocus());
  EXPECT_DOUBLE_EQ(form.tubeVoltage, 90.0);
}

TEST_F(ExampleWindowTest, ClicksAndChoicesRunTheModelsRoutines)
{
  QTest::mouseClick(Find<QRadioButton>(window, form.singlePhaseOption), Qt::LeftButton);
  EXPECT_EQ(form.rectification, 2);
  EXPECT_FALSE(Find<QRadioButton>(window, form.constantPotentialOption)->isChecked());
  auto* combo = Find<QComboBox>(window, form.siteCombo);
  emit combo->activated(1);  // the user picks "Abdomen" from the list
  EXPECT_EQ(form.siteCombo.Text(), "Abdomen");
  EXPECT_EQ(form.siteCombo.ListIndex(), 1);
  QTest::mouseClick(Find<QPushButton>(window, form.calculateButton), Qt::LeftButton);
  EXPECT_TRUE(form.calculateButton.HasFocus());
  ASSERT_EQ(form.barPicture.Items().size(), 3u);
  EXPECT_NE(ui::FindText(form.barPicture.Items(), "Abdomen"), nullptr);
}

TEST_F(ExampleWindowTest, ThePicturePaintsItsDisplayListAndReportsTheMouseInItsScale)
{
  QTest::mouseClick(Find<QPushButton>(window, form.calculateButton), Qt::LeftButton);  // 75 kV
  QWidget* picture = window->WidgetOf(form.barPicture);
  ASSERT_NE(picture, nullptr);
  // barPicture is 1935 x 3075 twips: 125 x 201 pixels inside its 2-pixel border.
  // Its scale runs 0..10 across and 160 down to -10; the bar covers x 3..7, y 0..75.
  auto px = [](double x, double y) { return QPointF(2.0 + x / 10.0 * 125.0, 2.0 + (160.0 - y) / 170.0 * 201.0); };
  EXPECT_EQ(PixelAt(picture, px(5, 40)), QColor(0, 0, 255));  // inside the bar
  EXPECT_EQ(PixelAt(picture, px(1.5, 40)), QColor(255, 255, 255));  // beside it
  EXPECT_EQ(PixelAt(picture, px(5, 100)), QColor(255, 255, 255));  // above it

  std::vector<ui::Point> moves;
  form.barPicture.MouseMove = [&moves](int, int, double x, double y) { moves.push_back({x, y}); };
  const QPointF at = px(5, 40);
  QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(picture, &move);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_NEAR(moves[0].x, 5.0, 0.05);
  EXPECT_NEAR(moves[0].y, 40.0, 0.5);
}

TEST_F(ExampleWindowTest, AScreenshotIsWritten)
{
  QTest::mouseClick(Find<QPushButton>(window, form.calculateButton), Qt::LeftButton);
  const QString file = QString(VORN_QT_TEST_OUTPUT) + "/example-form.png";
  const QImage shot = window->grab().toImage();
  ASSERT_TRUE(shot.save(file));
  EXPECT_EQ(QImage(file).size(), QSize(320, 224));
}

TEST_F(ExampleWindowTest, WhereTheDesktopPutsTheWindowBecomesLeftAndTop)
{
  window->move(100, 50);
  QApplication::processEvents();
  EXPECT_TRUE(form.HasPosition());
  EXPECT_EQ(form.Left(), 1500);
  EXPECT_EQ(form.Top(), 750);
  form.Move(3000, 600);  // and the model still moves it
  QApplication::processEvents();
  EXPECT_EQ(window->pos(), QPoint(200, 40));
  EXPECT_EQ(form.Left(), 3000);
}

TEST_F(ExampleWindowTest, ClosingTheWindowUnloadsTheFormAndEndsTheProgram)
{
  bool asked = false;
  form.QueryUnload = [&asked](bool&, ui::UnloadMode mode) { asked = mode == ui::UnloadMode::ControlMenu; };
  window->close();
  EXPECT_TRUE(asked);
  EXPECT_TRUE(form.Unloaded());
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(app.Ended());
}

TEST_F(ExampleWindowTest, QueryUnloadCanKeepTheWindowOpen)
{
  form.QueryUnload = [](bool& cancel, ui::UnloadMode) { cancel = true; };
  window->close();
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(app.Ended());
}

// ---------------------------------------------------------------- the screen

// A form taller and wider than the test's 1600 x 1200 screen.
class Poster : public ui::Form {
public:
  explicit Poster(ui::Application& app) : Form(app, "Poster") { SetSize(27000, 21000); }  // 1800 x 1400 px
  ui::TextBox lastBox{*this, "Text1", {25000, 19500, 1500, 375}};
};

TEST_F(ExampleWindowTest, WindowsKeepInsideTheScreenBesideTheWindowTheyBelongToWithoutMaximize)
{
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);  // a fixed size cannot grow
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  const QRect area = window->screen()->availableGeometry();
  EXPECT_EQ(window->pos(), area.topLeft());  // the program's first window
  window->move(40, 30);
  QApplication::processEvents();

  // Opened from the example window, in front: beside it, not over it.
  Poster poster(app);
  poster.Show();
  FormWindow* big = binding.WindowOf(poster);
  ASSERT_NE(big, nullptr);
  EXPECT_TRUE(area.contains(big->frameGeometry()));
  // Too large for the screen: the form scrolls inside the window.
  auto* scroll = big->findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  QApplication::processEvents();  // laid out
  EXPECT_EQ(scroll->widget()->size(), QSize(1800, 1400));
  EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
  EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
  // The program's focus scrolls to the box it goes to.
  poster.lastBox.SetFocus();
  EXPECT_GT(scroll->verticalScrollBar()->value(), 0);
  // A window that fits shows no scroll bars and hides nothing of its owner.
  auto* exampleScroll = window->findChild<QScrollArea*>();
  EXPECT_FALSE(exampleScroll->verticalScrollBar()->isVisible());
  ExampleForm second(app);
  second.Show();
  EXPECT_FALSE(binding.WindowOf(second)->frameGeometry().intersects(window->frameGeometry()));

  // A place of the program's off the screen is moved onto it.
  form.Move(-3000, 40000);
  EXPECT_TRUE(area.contains(window->frameGeometry()));
}

TEST(WindowPlacementTest, AWindowFitsItsScreenAndOpensWhereItHidesLeast)
{
  const int bar = 15;
  // The effective-dose window, 646 x 774, on a 1366 x 768 screen less a title bar.
  EXPECT_EQ(FittedSize({646, 774}, {1366, 730}, bar), QSize(661, 730));
  EXPECT_EQ(FittedSize({646, 774}, {650, 730}, bar), QSize(650, 730));  // both bars
  EXPECT_EQ(FittedSize({320, 224}, {1366, 730}, bar), QSize(320, 224));
  EXPECT_EQ(KeepInside({-50, 900}, {300, 200}, {0, 0, 1366, 768}), QPoint(0, 568));
  EXPECT_EQ(KeepInside({10, 10}, {2000, 200}, {0, 0, 1366, 768}), QPoint(0, 10));
  const QRect screen(0, 0, 1366, 768);
  const QRect owner(0, 0, 600, 500);
  EXPECT_EQ(PlaceBeside(owner, {300, 200}, screen), QPoint(608, 0));  // to the right
  EXPECT_EQ(PlaceBeside({766, 0, 600, 500}, {300, 200}, screen), QPoint(458, 0));  // to the left
  // No room on either side: below, as far as the screen lets it.
  EXPECT_EQ(PlaceBeside({100, 0, 1100, 500}, {800, 300}, screen), QPoint(100, 468));
}

// ---------------------------------------------------------------- lists, lines, check boxes

class Sheet : public ui::Form {
public:
  explicit Sheet(ui::Application& app) : Form(app, "Sheet")
  {
    SetSize(9000, 9000);
    graphPicture.Scale(-150, 90, 1100, 900);
    graphPicture.SetBackColor(ui::colors::White);
    cursorLine.SetBorderColor(ui::colors::Red);
    cursorLine.SetBorderWidth(3);
    siteList.AddItem("頭部正面");
    siteList.AddItem("胸部正面");
    siteList.Click = [this] { clicked = siteList.Text(); };
    organCheck.SetCaption("Breast");
  }
  ui::PictureBox graphPicture{*this, "Picture1", {0, 0, 8415, 8415}};
  ui::LineControl cursorLine{graphPicture, "Line1", {0, 110, 900, 110}};
  ui::ListBox siteList{*this, "List1", {0, 8415, 3000, 585}};
  ui::CheckBox organCheck{*this, "Check1", {3120, 8415, 1500, 300}};
  std::string clicked;
};

class SheetWindowTest : public ::testing::Test {
protected:
  ui::testing::TempFolder folder;
  QtServices services{folder.path()};
  ui::Application app{services, "Vorn test"};
  WidgetBinding binding{app};
  Sheet sheet{app};
  FormWindow* window = nullptr;

  void SetUp() override
  {
    sheet.Show();
    window = binding.WindowOf(sheet);
    ASSERT_NE(window, nullptr);
  }
};

TEST_F(SheetWindowTest, LinesInAPictureFollowItsScaleAndMove)
{
  QWidget* picture = window->WidgetOf(sheet.graphPicture);
  // 8415 twips with a 2-pixel border: 557 pixels of drawing area for 1100 x 900 units.
  auto px = [](double x, double y) { return QPointF(2.0 + (x + 150.0) * 557.0 / 1100.0, 2.0 + (y - 90.0) * 557.0 / 900.0); };
  EXPECT_EQ(PixelAt(picture, px(450, 110)), QColor(255, 0, 0));
  EXPECT_EQ(PixelAt(picture, px(450, 300)), QColor(255, 255, 255));
  sheet.cursorLine.SetEnds({0, 300, 900, 300});  // a cursor line moved at run time
  EXPECT_EQ(PixelAt(picture, px(450, 300)), QColor(255, 0, 0));
  EXPECT_EQ(PixelAt(picture, px(450, 110)), QColor(255, 255, 255));
  sheet.cursorLine.SetVisible(false);
  EXPECT_EQ(PixelAt(picture, px(450, 300)), QColor(255, 255, 255));
}

TEST_F(SheetWindowTest, ListChoicesAndCheckClicksReachTheModel)
{
  auto* list = Find<QListWidget>(window, sheet.siteList);
  ASSERT_EQ(list->count(), 2);
  list->setCurrentRow(1);  // as the user's click or arrow key does
  EXPECT_EQ(sheet.siteList.ListIndex(), 1);
  EXPECT_EQ(sheet.clicked, "胸部正面");
  sheet.siteList.RemoveItem(0);
  EXPECT_EQ(list->count(), 1);
  EXPECT_EQ(list->currentRow(), 0);
  auto* check = Find<QCheckBox>(window, sheet.organCheck);
  QTest::mouseClick(check, Qt::LeftButton);
  EXPECT_EQ(sheet.organCheck.Value(), ui::vbChecked);
  sheet.organCheck.SetValue(ui::vbUnchecked);
  EXPECT_EQ(check->checkState(), Qt::Unchecked);
}

TEST_F(SheetWindowTest, OneKeyPressIsOneKeyDownWithOrWithoutKeyPreview)
{
  int formKeys = 0;
  int pictureKeys = 0;
  int listKeys = 0;
  sheet.KeyDown = [&formKeys](int, int) { ++formKeys; };
  sheet.graphPicture.KeyDown = [&pictureKeys](int, int) { ++pictureKeys; };
  sheet.siteList.KeyDown = [&listKeys](int, int) { ++listKeys; };
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));

  // The picture uses no key itself, so Qt hands each one on to the window.
  sheet.graphPicture.SetFocus();
  QWidget* picture = window->WidgetOf(sheet.graphPicture);
  ASSERT_EQ(QApplication::focusWidget(), picture);
  QTest::keyClick(picture, Qt::Key_Right);
  EXPECT_EQ(pictureKeys, 1);
  EXPECT_EQ(formKeys, 0);  // no key preview: the form hears nothing

  sheet.SetKeyPreview(true);
  QTest::keyClick(picture, Qt::Key_Right);
  EXPECT_EQ(pictureKeys, 2);
  EXPECT_EQ(formKeys, 1);

  // A key the list uses itself (it moves the selection) is heard once too.
  sheet.siteList.SetFocus();
  QTest::keyClick(window->WidgetOf(sheet.siteList), Qt::Key_Down);
  EXPECT_EQ(listKeys, 1);
  EXPECT_EQ(formKeys, 2);
}

// ---------------------------------------------------------------- captions in lines

class Captions : public ui::Form {
public:
  explicit Captions(ui::Application& app) : Form(app, "Captions")
  {
    SetSize(6000, 4000);
    SetFont({"Arial", 9});
    for (ui::CommandButton* b : {&showButton, &lowButton}) b->SetCaption("         Show         the result table");
    narrowButton.SetCaption("Re-calculation by measured HVL");
    hintLabel.SetFont({"メイリオ", 9});
    hintLabel.SetCaption("ファイル名を拡張子なしで入力して下さい");  // 19 characters of 12 pixels
  }
  ui::CommandButton showButton{*this, "Command10", {0, 0, 3360, 480}};
  ui::CommandButton lowButton{*this, "Command11", {0, 600, 3360, 300}};
  ui::CommandButton narrowButton{*this, "Command12", {0, 1000, 1500, 600}};
  ui::Label hintLabel{*this, "Label1", {0, 1800, 3300, 600}};  // room for 18 of them
};

class CaptionsWindowTest : public ::testing::Test {
protected:
  ui::testing::TempFolder folder;
  QtServices services{folder.path()};
  ui::Application app{services, "Vorn test"};
  WidgetBinding binding{app};
  Captions form{app};
  FormWindow* window = nullptr;

  void SetUp() override
  {
    form.Show();
    window = binding.WindowOf(form);
    ASSERT_NE(window, nullptr);
  }
  // Each line's width against the room a button gives its caption.
  static void ExpectLinesFit(QPushButton* b)
  {
    const int frame = b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
    const int margin = b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
    const QFontMetricsF metrics(b->font());
    const QStringList lines = b->text().split('\n');
    for (const QString& line : lines)
      EXPECT_LE(metrics.horizontalAdvance(line), b->width() - 2 * (margin / 2 + frame)) << line.toStdString();
    EXPECT_LE(static_cast<double>(lines.size()) * metrics.lineSpacing(), b->height() - 2 * frame);
  }
};

TEST_F(CaptionsWindowTest, AButtonShowsItsCaptionOnTheLinesItsBlanksAskFor)
{
  auto* show = Find<QPushButton>(window, form.showButton);
  EXPECT_EQ(show->text(), QString("Show\nthe result table"));
  ExpectLinesFit(show);
  EXPECT_EQ(show->accessibleName(), QString("         Show         the result table"));
  // Too low for two lines: the blanks stay blanks.
  EXPECT_EQ(Find<QPushButton>(window, form.lowButton)->text(), QString("         Show         the result table"));
  // Too narrow for one line: it wraps at its blanks, as the old desktop's buttons did.
  auto* narrow = Find<QPushButton>(window, form.narrowButton);
  EXPECT_EQ(narrow->text().count('\n'), 1);
  EXPECT_EQ(QString(narrow->text()).replace('\n', ' '), QString("Re-calculation by measured HVL"));
  ExpectLinesFit(narrow);
  // A caption that fits again shows as it is.
  form.narrowButton.Move(0, 1000, 4500, 600);
  EXPECT_EQ(narrow->text(), QString("Re-calculation by measured HVL"));
  EXPECT_EQ(narrow->accessibleName(), QString());
}

TEST_F(CaptionsWindowTest, AJapaneseCaptionWiderThanItsLabelBreaksIntoEvenLines)
{
  // Filled line by line, the last character would stand alone ("下さ" / "い").
  auto* label = Find<QLabel>(window, form.hintLabel);
  const QStringList lines = label->text().split('\n');
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines.join(QString()), QString("ファイル名を拡張子なしで入力して下さい"));
  EXPECT_GE(lines.back().size(), lines.front().size() - 2) << label->text().toStdString();
  const QFontMetricsF metrics(label->font());
  for (const QString& line : lines) EXPECT_LE(metrics.horizontalAdvance(line), label->contentsRect().width());
  EXPECT_EQ(label->accessibleName(), QString("ファイル名を拡張子なしで入力して下さい"));
}

TEST(KeyMapTest, QtKeysBecomeTheOldRuntimesCodes)
{
  EXPECT_EQ(VbKeyCode(Qt::Key_Return, Qt::NoModifier), 13);
  EXPECT_EQ(VbKeyCode(Qt::Key_Enter, Qt::KeypadModifier), 13);
  EXPECT_EQ(VbKeyCode(Qt::Key_Left, Qt::NoModifier), 37);
  EXPECT_EQ(VbKeyCode(Qt::Key_Right, Qt::NoModifier), 39);
  EXPECT_EQ(VbKeyCode(Qt::Key_A, Qt::ShiftModifier), 65);
  EXPECT_EQ(VbKeyCode(Qt::Key_5, Qt::NoModifier), 53);
  EXPECT_EQ(VbKeyCode(Qt::Key_5, Qt::KeypadModifier), 101);
  EXPECT_EQ(VbKeyCode(Qt::Key_F12, Qt::NoModifier), 123);
  EXPECT_EQ(VbKeyCode(Qt::Key_Launch0, Qt::NoModifier), 0);
  EXPECT_EQ(VbShift(Qt::ShiftModifier | Qt::AltModifier), 5);
  EXPECT_EQ(VbButtons(Qt::LeftButton | Qt::MiddleButton), 5);
}

}  // namespace
}  // namespace vorn::qt
