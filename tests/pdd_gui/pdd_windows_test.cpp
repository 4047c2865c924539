// The depth-dose program in real Qt windows: started on the shipped data,
// the cursor moved with the mouse, the effective-dose window opened and
// confirmed with clicks; screenshots of both windows are saved as PNG files.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "depthdose/depthdose_program.h"
#include "depthdose/effective_dose_window.h"
#include "depthdose/graph_drawing.h"
#include "depthdose/graph_window.h"
#include "platform/format/format.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/widget_binding.h"
#include "tests/depthdose_ui/pdd_ui_fixture.h"
#include "tests/support/text_fit.h"

namespace vorn::pdd::test {
namespace {

class PddWindows : public ::testing::TestWithParam<Edition> {
protected:
  PddWindows()
  {
    std::random_device random;
    folder = fs::temp_directory_path() /
             (std::string("vorn-pddgui-") + (Japanese() ? "J-" : "E-") + std::to_string(random()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    CopyShippedData(folder);
    WriteHandoverFile(folder, {.site = Japanese() ? "腹部正面" : "Abdomen-F"});
  }
  ~PddWindows() override
  {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }

  bool Japanese() const { return GetParam() == Edition::Japanese; }
  std::string Shot(const char* what) const
  {
    return std::string(VORN_PDD_GUI_OUTPUT) + "/pdd-" + what + (Japanese() ? "-J" : "-E") + ".png";
  }

  fs::path folder;
};

// Pixels of the image that are neither white nor the grid's light grey.
int InkedPixels(const QImage& image, QRect area)
{
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c != QColor(255, 255, 255) && c != QColor(192, 192, 192)) ++count;
    }
  }
  return count;
}

TEST_P(PddWindows, BothWindowsShowAndScreenshotsAreWritten)
{
  qt::QtServices services(folder);
  DepthDoseProgram program(GetParam(), services);
  qt::WidgetBinding binding(program.app);
  program.Start();
  ASSERT_FALSE(program.app.Ended());

  pdd::GraphWindow& graph = *program.graphWindow;
  qt::FormWindow* window = binding.WindowOf(graph);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  // 8655 x 9720 twips at 15 twips a pixel.
  EXPECT_EQ(window->size(), QSize(577, 648));

  // The mouse over the graph at 5 cm depth, halfway down the dose axis.
  QWidget* picture = window->WidgetOf(graph.graphPicture);
  ASSERT_NE(picture, nullptr);
  const ui::UserScale scale = graph.graphPicture.CurrentScale();
  const ui::Point twips = scale.ToTwips({150.0, 450.0});
  const QPointF at(2.0 + twips.x / 15.0, 2.0 + twips.y / 15.0);
  QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(picture, &move);
  EXPECT_EQ(program.module().CursorIndex, 10);
  EXPECT_EQ(graph.farDepthBox.Text(), "5.0");

  const QImage graph_shot = window->grab().toImage();
  ASSERT_TRUE(graph_shot.save(QString::fromStdString(Shot("graph"))));
  // The curves and frame ink the plot area; the read-outs show their values.
  EXPECT_GT(InkedPixels(graph_shot, QRect(150, 60, 300, 300)), 500);

  // On to the effective-dose window by a click on the button.
  auto* go_on = qobject_cast<QPushButton*>(window->WidgetOf(graph.effectiveDoseButton));
  ASSERT_NE(go_on, nullptr);
  QTest::mouseClick(go_on, Qt::LeftButton);
  pdd::EffectiveDoseWindow& organs = *program.effectiveDoseWindow;
  ASSERT_TRUE(organs.Visible());
  qt::FormWindow* organ_window = binding.WindowOf(organs);
  ASSERT_NE(organ_window, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(organ_window));
  EXPECT_EQ(window->isVisible(), Japanese());

  auto* ok = qobject_cast<QPushButton*>(organ_window->WidgetOf(organs.okButton));
  ASSERT_NE(ok, nullptr);
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_FALSE(organs.totalLabel.Caption().empty());
  EXPECT_TRUE(fs::exists(folder / "Eff-Dose.dat"));
  const QImage organ_shot = organ_window->grab().toImage();
  ASSERT_TRUE(organ_shot.save(QString::fromStdString(Shot("effective-dose"))));
  EXPECT_EQ(organ_shot.size(), Japanese() ? QSize(646, 774) : QSize(639, 767));

  // Exit ends the program and deletes the scratch table.
  auto* exit = qobject_cast<QPushButton*>(organ_window->WidgetOf(organs.exitButton));
  ASSERT_NE(exit, nullptr);
  QTest::mouseClick(exit, Qt::LeftButton);
  EXPECT_TRUE(program.app.Ended());
  EXPECT_FALSE(fs::exists(folder / "PDD_tempDATA.txt"));
}

// The cursor on the deepest slab whose total lies near 45 %: its level line
// runs at the height of the depth read-out. Then the arrow keys, with the
// picture holding the focus (the window has key preview).
TEST_P(PddWindows, TheCursorPassesUnderTheReadOutsStepsOneSlabAKeyAndEveryCaptionFits)
{
  qt::QtServices services(folder);
  DepthDoseProgram program(GetParam(), services);
  qt::WidgetBinding binding(program.app);
  program.Start();
  pdd::GraphWindow& graph = *program.graphWindow;
  qt::FormWindow* window = binding.WindowOf(graph);
  ASSERT_NE(window, nullptr);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  const std::string tag = Japanese() ? "J" : "E";

  const DepthDoseCalculation& m = program.module();
  int slab = 1;
  while (slab < 40 && m.PddTable[3][slab + 1] >= 45.0) ++slab;
  ASSERT_NEAR(m.PddTable[3][slab], 45.0, 8.0);
  QWidget* picture = window->WidgetOf(graph.graphPicture);
  const ui::Point twips = graph.graphPicture.CurrentScale().ToTwips({SlabX(slab), 450.0});
  const QPoint at(static_cast<int>(2.0 + twips.x / 15.0), static_cast<int>(2.0 + twips.y / 15.0));
  QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(picture, &move);
  ASSERT_EQ(m.CursorIndex, slab);
  ASSERT_TRUE(window->grab().toImage().save(QString::fromStdString(Shot("graph-cursor"))));

  // A label the cursor's lines cross lies above them.
  const QObjectList stack = picture->children();  // bottom to top
  int crossings = 0;
  for (const ui::Label* label : {&graph.surfaceDoseLabel, &graph.depthCaption, &graph.depthSeparatorCaption,
                                 &graph.depthUnit, &graph.doseCaption, &graph.doseUnit}) {
    QWidget* l = window->WidgetOf(*label);
    for (const ui::LineControl* line :
         {&graph.totalLevelLine, &graph.depthLine, &graph.primaryLevelLine, &graph.scatterLevelLine}) {
      QWidget* w = window->WidgetOf(*line);
      if (!l->isVisible() || !w->isVisible() || !w->geometry().intersects(l->geometry())) continue;
      ++crossings;
      EXPECT_GT(stack.indexOf(l), stack.indexOf(w)) << label->Name() << " under " << line->Name();
    }
  }
  EXPECT_GT(crossings, 0);
  EXPECT_GE(testing::ExpectCaptionsFit(*window, graph, tag + " graph"), 8);

  QTest::mouseClick(picture, Qt::LeftButton, {}, at);
  ASSERT_EQ(QApplication::focusWidget(), picture);
  QTest::keyClick(picture, Qt::Key_Right);
  EXPECT_EQ(m.CursorIndex, slab + 1);
  QTest::keyClick(picture, Qt::Key_Left);
  QTest::keyClick(picture, Qt::Key_Left);
  EXPECT_EQ(m.CursorIndex, slab - 1);
  EXPECT_EQ(graph.farDepthBox.Text(), Format(0.5 * (slab - 1), "##0.0"));

  graph.effectiveDoseButton.UserClick();
  qt::FormWindow* organs = binding.WindowOf(*program.effectiveDoseWindow);
  ASSERT_NE(organs, nullptr);
  EXPECT_GT(testing::ExpectCaptionsFit(*organs, *program.effectiveDoseWindow, tag + " effective dose"), 40);
}

INSTANTIATE_TEST_SUITE_P(Editions, PddWindows, ::testing::Values(Edition::English, Edition::Japanese),
                         [](const ::testing::TestParamInfo<Edition>& p) {
                           return std::string(p.param == Edition::English ? "English" : "Japanese");
                         });

}  // namespace
}  // namespace vorn::pdd::test
