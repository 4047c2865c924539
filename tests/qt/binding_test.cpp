// The control model bound to real widgets (offscreen): the example form and a
// form of lists, lines and check boxes, driven through Qt.
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
#include <QTest>
#include <filesystem>

#include <gtest/gtest.h>

#include "platform/qt/key_map.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/widget_binding.h"
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
  auto* text1 = Find<QLineEdit>(window, form.Text1);
  ASSERT_NE(text1, nullptr);
  EXPECT_EQ(text1->geometry(), QRect(96, 8, 65, 23));  // {1440, 120, 975, 345} twips
  EXPECT_EQ(text1->text(), QString("75"));
  auto* option1 = Find<QRadioButton>(window, form.Option1);
  ASSERT_NE(option1, nullptr);
  EXPECT_EQ(option1->parentWidget(), window->WidgetOf(form.Frame1));
  EXPECT_TRUE(option1->isChecked());
  EXPECT_EQ(Find<QPushButton>(window, form.Command1)->toolTip(), QString(" Go ! "));
  // The model gave the focus to the first box when the form was shown.
  EXPECT_TRUE(form.Text1.HasFocus());
  EXPECT_EQ(QApplication::focusWidget(), text1);
}

TEST_F(ExampleWindowTest, ModelChangesReachTheWidgets)
{
  form.Label1.SetCaption("kV");
  form.Command1.SetEnabled(false);
  form.Text2.SetVisible(false);
  form.Combo1.AddItem("Head");
  form.Option2.SetValue(true);
  EXPECT_EQ(Find<QLabel>(window, form.Label1)->text(), QString("kV"));
  EXPECT_FALSE(window->WidgetOf(form.Command1)->isEnabled());
  EXPECT_FALSE(window->WidgetOf(form.Text2)->isVisible());
  EXPECT_EQ(Find<QComboBox>(window, form.Combo1)->count(), 3);
  EXPECT_FALSE(Find<QRadioButton>(window, form.Option1)->isChecked());
  EXPECT_TRUE(Find<QRadioButton>(window, form.Option2)->isChecked());
}

TEST_F(ExampleWindowTest, TypingAndEnterDriveTheModel)
{
  auto* text1 = Find<QLineEdit>(window, form.Text1);
  text1->selectAll();
  QTest::keyClicks(text1, "120");
  EXPECT_EQ(form.Text1.Text(), "120");
  EXPECT_DOUBLE_EQ(form.tubeVoltage, 75.0);  // not stored until the box is left
  QTest::keyClick(text1, Qt::Key_Return);
  EXPECT_DOUBLE_EQ(form.tubeVoltage, 120.0);  // LostFocus ran
  EXPECT_TRUE(form.Text2.HasFocus());
  EXPECT_EQ(QApplication::focusWidget(), window->WidgetOf(form.Text2));
}

TEST_F(ExampleWindowTest, ALongTextFromTheProgramShowsItsStart)
{
  auto* text1 = Find<QLineEdit>(window, form.Text1);
  const std::string comment = "Tube 3, measured 2026-04-01 with the 2.5 mm Al filter and the new chamber";
  form.Text1.SetText(comment);
  // The box scrolls to show its cursor: at the start, at the left edge.
  EXPECT_EQ(text1->cursorPosition(), 0);
  text1->grab();  // laid out and painted
  EXPECT_LT(text1->inputMethodQuery(Qt::ImCursorRectangle).toRectF().left(), 8);
  // What the user types is not moved about.
  text1->setFocus();
  text1->end(false);
  QTest::keyClicks(text1, "!");
  EXPECT_EQ(form.Text1.Text(), comment + "!");
  EXPECT_EQ(text1->cursorPosition(), static_cast<int>(comment.size()) + 1);
}

TEST_F(ExampleWindowTest, AFocusChangeInQtFiresLostFocus)
{
  Find<QLineEdit>(window, form.Text1)->setText("90");  // programmatic: not the user's typing
  EXPECT_EQ(form.Text1.Text(), "75");
  auto* text1 = Find<QLineEdit>(window, form.Text1);
  text1->selectAll();
  QTest::keyClicks(text1, "90");
  window->WidgetOf(form.Text2)->setFocus(Qt::MouseFocusReason);
  EXPECT_TRUE(form.Text2.HasFocus());
  EXPECT_DOUBLE_EQ(form.tubeVoltage, 90.0);
}

TEST_F(ExampleWindowTest, ClicksAndChoicesRunTheModelsRoutines)
{
  QTest::mouseClick(Find<QRadioButton>(window, form.Option2), Qt::LeftButton);
  EXPECT_EQ(form.rectification, 2);
  EXPECT_FALSE(Find<QRadioButton>(window, form.Option1)->isChecked());
  auto* combo = Find<QComboBox>(window, form.Combo1);
  emit combo->activated(1);  // the user picks "Abdomen" from the list
  EXPECT_EQ(form.Combo1.Text(), "Abdomen");
  EXPECT_EQ(form.Combo1.ListIndex(), 1);
  QTest::mouseClick(Find<QPushButton>(window, form.Command1), Qt::LeftButton);
  EXPECT_TRUE(form.Command1.HasFocus());
  ASSERT_EQ(form.Picture1.Items().size(), 3u);
  EXPECT_NE(ui::FindText(form.Picture1.Items(), "Abdomen"), nullptr);
}

TEST_F(ExampleWindowTest, ThePicturePaintsItsDisplayListAndReportsTheMouseInItsScale)
{
  QTest::mouseClick(Find<QPushButton>(window, form.Command1), Qt::LeftButton);  // 75 kV
  QWidget* picture = window->WidgetOf(form.Picture1);
  ASSERT_NE(picture, nullptr);
  // Picture1 is 1935 x 3075 twips: 125 x 201 pixels inside its 2-pixel border.
  // Its scale runs 0..10 across and 160 down to -10; the bar covers x 3..7, y 0..75.
  auto px = [](double x, double y) { return QPointF(2.0 + x / 10.0 * 125.0, 2.0 + (160.0 - y) / 170.0 * 201.0); };
  EXPECT_EQ(PixelAt(picture, px(5, 40)), QColor(0, 0, 255));  // inside the bar
  EXPECT_EQ(PixelAt(picture, px(1.5, 40)), QColor(255, 255, 255));  // beside it
  EXPECT_EQ(PixelAt(picture, px(5, 100)), QColor(255, 255, 255));  // above it

  std::vector<ui::Point> moves;
  form.Picture1.MouseMove = [&moves](int, int, double x, double y) { moves.push_back({x, y}); };
  const QPointF at = px(5, 40);
  QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(picture, &move);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_NEAR(moves[0].x, 5.0, 0.05);
  EXPECT_NEAR(moves[0].y, 40.0, 0.5);
}

TEST_F(ExampleWindowTest, AScreenshotIsWritten)
{
  QTest::mouseClick(Find<QPushButton>(window, form.Command1), Qt::LeftButton);
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

// ---------------------------------------------------------------- lists, lines, check boxes

class Sheet : public ui::Form {
public:
  explicit Sheet(ui::Application& app) : Form(app, "Sheet")
  {
    SetSize(9000, 9000);
    Picture1.Scale(-150, 90, 1100, 900);
    Picture1.SetBackColor(ui::colors::White);
    Line1.SetBorderColor(ui::colors::Red);
    Line1.SetBorderWidth(3);
    List1.AddItem("頭部正面");
    List1.AddItem("胸部正面");
    List1.Click = [this] { clicked = List1.Text(); };
    Check1.SetCaption("Breast");
  }
  ui::PictureBox Picture1{*this, "Picture1", {0, 0, 8415, 8415}};
  ui::LineControl Line1{Picture1, "Line1", {0, 110, 900, 110}};
  ui::ListBox List1{*this, "List1", {0, 8415, 3000, 585}};
  ui::CheckBox Check1{*this, "Check1", {3120, 8415, 1500, 300}};
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
  QWidget* picture = window->WidgetOf(sheet.Picture1);
  // 8415 twips with a 2-pixel border: 557 pixels of drawing area for 1100 x 900 units.
  auto px = [](double x, double y) { return QPointF(2.0 + (x + 150.0) * 557.0 / 1100.0, 2.0 + (y - 90.0) * 557.0 / 900.0); };
  EXPECT_EQ(PixelAt(picture, px(450, 110)), QColor(255, 0, 0));
  EXPECT_EQ(PixelAt(picture, px(450, 300)), QColor(255, 255, 255));
  sheet.Line1.SetEnds({0, 300, 900, 300});  // a cursor line moved at run time
  EXPECT_EQ(PixelAt(picture, px(450, 300)), QColor(255, 0, 0));
  EXPECT_EQ(PixelAt(picture, px(450, 110)), QColor(255, 255, 255));
  sheet.Line1.SetVisible(false);
  EXPECT_EQ(PixelAt(picture, px(450, 300)), QColor(255, 255, 255));
}

TEST_F(SheetWindowTest, ListChoicesAndCheckClicksReachTheModel)
{
  auto* list = Find<QListWidget>(window, sheet.List1);
  ASSERT_EQ(list->count(), 2);
  list->setCurrentRow(1);  // as the user's click or arrow key does
  EXPECT_EQ(sheet.List1.ListIndex(), 1);
  EXPECT_EQ(sheet.clicked, "胸部正面");
  sheet.List1.RemoveItem(0);
  EXPECT_EQ(list->count(), 1);
  EXPECT_EQ(list->currentRow(), 0);
  auto* check = Find<QCheckBox>(window, sheet.Check1);
  QTest::mouseClick(check, Qt::LeftButton);
  EXPECT_EQ(sheet.Check1.Value(), ui::vbChecked);
  sheet.Check1.SetValue(ui::vbUnchecked);
  EXPECT_EQ(check->checkState(), Qt::Unchecked);
}

TEST_F(SheetWindowTest, OneKeyPressIsOneKeyDownWithOrWithoutKeyPreview)
{
  int formKeys = 0;
  int pictureKeys = 0;
  int listKeys = 0;
  sheet.KeyDown = [&formKeys](int, int) { ++formKeys; };
  sheet.Picture1.KeyDown = [&pictureKeys](int, int) { ++pictureKeys; };
  sheet.List1.KeyDown = [&listKeys](int, int) { ++listKeys; };
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));

  // The picture uses no key itself, so Qt hands each one on to the window.
  sheet.Picture1.SetFocus();
  QWidget* picture = window->WidgetOf(sheet.Picture1);
  ASSERT_EQ(QApplication::focusWidget(), picture);
  QTest::keyClick(picture, Qt::Key_Right);
  EXPECT_EQ(pictureKeys, 1);
  EXPECT_EQ(formKeys, 0);  // no key preview: the form hears nothing

  sheet.SetKeyPreview(true);
  QTest::keyClick(picture, Qt::Key_Right);
  EXPECT_EQ(pictureKeys, 2);
  EXPECT_EQ(formKeys, 1);

  // A key the list uses itself (it moves the selection) is heard once too.
  sheet.List1.SetFocus();
  QTest::keyClick(window->WidgetOf(sheet.List1), Qt::Key_Down);
  EXPECT_EQ(listKeys, 1);
  EXPECT_EQ(formKeys, 2);
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
