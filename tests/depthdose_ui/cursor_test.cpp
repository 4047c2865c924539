// The graph cursor: the slab under the mouse at the band edges, the arrow
// keys and their limits, the read-outs, and slabs that hold no dose.
#include <cmath>
#include <string>

#include "depthdose/graph_drawing.h"
#include "platform/format/format.h"
#include "tests/depthdose_ui/pdd_ui_fixture.h"

namespace vorn::pdd::test {
namespace {

class Cursor : public PddWindowTest {
protected:
  void Move(double x, double y = 400) { graph().graphPicture.UserMouseMove(0, 0, x, y); }
  void Key(int keyCode) { graph().UserKeyDown(keyCode); }
  bool LinesVisible()
  {
    return graph().totalLevelLine.Visible() && graph().depthLine.Visible() && graph().primaryLevelLine.Visible() &&
           graph().scatterLevelLine.Visible();
  }
  bool LinesHidden()
  {
    return !graph().totalLevelLine.Visible() && !graph().depthLine.Visible() && !graph().primaryLevelLine.Visible() &&
           !graph().scatterLevelLine.Visible();
  }
};

TEST_F(Cursor, FirstSlabReadsTheSurfaceDoseAndOneHundredPercent)
{
  Started(Edition::English);
  Move(15);
  EXPECT_EQ(module().CursorIndex, 1);
  EXPECT_EQ(module().KeyStepOn, 1);
  EXPECT_TRUE(LinesVisible());
  EXPECT_EQ(graph().nearDepthBox.Text(), "0.0");
  EXPECT_EQ(graph().farDepthBox.Text(), "0.5");
  EXPECT_EQ(graph().doseBox.Text(), "1.2");      // 1.2 mGy x 100 %
  EXPECT_EQ(graph().totalPercentBox.Text(), "100.00%");
  // Primary and scatter make up the total.
  EXPECT_NEAR(Val(graph().primaryPercentBox.Text()) + Val(graph().scatterPercentBox.Text()), 100.0, 0.011);
  EXPECT_EQ(graph().depthLine.Ends(), (ui::LineEnds{8, 110, 8, 800}));
  EXPECT_NEAR(graph().totalLevelLine.Y1(), 109.2245, 1e-4);  // 100 % on the log axis
  EXPECT_EQ(graph().totalLevelLine.Y1(), graph().totalLevelLine.Y2());
  EXPECT_EQ(graph().totalLevelLine.X1(), 0);
  EXPECT_EQ(graph().totalLevelLine.X2(), 900);
  EXPECT_NEAR(graph().primaryLevelLine.Y1(), 800 - 100 * std::log(10 * module().PddTable[1][1]), 1e-9);
  // The English read-outs appear with the first slab shown.
  EXPECT_TRUE(graph().totalPercentBox.Visible());
  EXPECT_TRUE(graph().depthCaption.Visible());
  EXPECT_TRUE(graph().depthSeparatorCaption.Visible());
}

TEST_F(Cursor, ReadoutsFollowTheTableAtADeeperSlab)
{
  Started(Edition::English);
  Move(150);  // 5 cm: the end of slab 10
  EXPECT_EQ(module().CursorIndex, 10);
  const double total = module().PddTable[3][10];
  ASSERT_GT(total, 0.1);
  ASSERT_LT(total, 100.0);  // the dose falls with depth
  EXPECT_EQ(graph().nearDepthBox.Text(), "4.5");
  EXPECT_EQ(graph().farDepthBox.Text(), "5.0");
  EXPECT_EQ(graph().doseBox.Text(), Format(1.2 * total / 100, "##0.###"));
  EXPECT_EQ(graph().totalPercentBox.Text(), Format(total / 100, "##0.00%"));
  EXPECT_EQ(graph().depthLine.X1(), 143);
}

TEST_F(Cursor, BandEdgeGoesToTheShallowerSlab)
{
  Started(Edition::English);
  Move(15.01);
  EXPECT_EQ(module().CursorIndex, 2);
  EXPECT_EQ(graph().nearDepthBox.Text(), "0.5");
  Move(30);
  EXPECT_EQ(module().CursorIndex, 2);
}

TEST_F(Cursor, PlotEdgesCountAsOutside)
{
  Started(Edition::English);  // 20 cm: the read-out area ends at x 600
  Move(599.9);
  EXPECT_EQ(module().CursorIndex, 40);
  EXPECT_EQ(graph().farDepthBox.Text(), "20.0");
  for (auto [x, y] : {std::pair{0.0, 400.0}, {600.0, 400.0}, {300.0, 110.0}, {300.0, 800.0}, {-10.0, 400.0}}) {
    Move(599.9);
    ASSERT_TRUE(LinesVisible());
    Move(x, y);
    EXPECT_TRUE(LinesHidden()) << x << ", " << y;
    EXPECT_EQ(graph().farDepthBox.Text(), "20.0");  // the read-outs keep their values
    EXPECT_EQ(module().CursorIndex, 40);
  }
}

TEST_F(Cursor, ArrowKeysDoNothingBeforeTheMouseHasBeenOverThePicture)
{
  Started(Edition::English);
  Key(ui::vbKeyRight);
  EXPECT_EQ(module().CursorIndex, 0);
  EXPECT_EQ(graph().nearDepthBox.Text(), "");
  EXPECT_TRUE(LinesHidden());
}

TEST_F(Cursor, AMouseMoveOutsideThePlotArmsTheKeys)
{
  Started(Edition::English);
  Move(-100, 950);
  EXPECT_EQ(module().KeyStepOn, 1);
  Key(ui::vbKeyLeft);  // from 0 to -1: taken back
  EXPECT_EQ(module().CursorIndex, 0);
  Key(ui::vbKeyRight);
  EXPECT_EQ(module().CursorIndex, 1);
  EXPECT_EQ(graph().nearDepthBox.Text(), "0.0");
  EXPECT_TRUE(LinesHidden());  // keys never change what is shown
}

TEST_F(Cursor, ArrowKeysStepWithoutADoubledUnitAndStopAtBothEnds)
{
  Started(Edition::English);
  Move(15);
  Key(ui::vbKeyLeft);
  EXPECT_EQ(module().CursorIndex, 1);
  Key(ui::vbKeyRight);
  EXPECT_EQ(module().CursorIndex, 2);
  EXPECT_EQ(graph().nearDepthBox.Text(), "0.5");
  EXPECT_EQ(graph().farDepthBox.Text(), "1.0");
  EXPECT_EQ(graph().depthLine.X1(), 23);
  for (int i = 0; i < 50; ++i) Key(ui::vbKeyRight);
  EXPECT_EQ(module().CursorIndex, 40);  // 2 x 20 cm
  EXPECT_EQ(graph().farDepthBox.Text(), "20.0");
  Key(ui::vbKeyUp);
  EXPECT_EQ(module().CursorIndex, 40);
  // Keys reach the window whatever control holds the focus.
  graph().effectiveDoseButton.UserFocus();
  Key(ui::vbKeyLeft);
  EXPECT_EQ(module().CursorIndex, 39);
  // The keys go on from where the mouse left the cursor.
  Move(300);
  Key(ui::vbKeyRight);
  EXPECT_EQ(module().CursorIndex, 21);
}

TEST_F(Cursor, BeyondThirtyCentimetresNothingMovesButTheIndexCounts)
{
  Started(Edition::English, {.thickness = 35});
  Move(899);  // slab 60, the last one drawn
  ASSERT_EQ(module().CursorIndex, 60);
  EXPECT_EQ(graph().farDepthBox.Text(), "30.0");
  Move(905);  // slab 61: the lines stay where they were
  EXPECT_EQ(module().CursorIndex, 61);
  EXPECT_TRUE(LinesVisible());
  EXPECT_EQ(graph().depthLine.X1(), SlabX(60));
  EXPECT_EQ(graph().farDepthBox.Text(), "30.0");
  for (int i = 0; i < 20; ++i) Key(ui::vbKeyRight);
  EXPECT_EQ(module().CursorIndex, 70);
  EXPECT_EQ(graph().farDepthBox.Text(), "30.0");
  for (int i = 0; i < 10; ++i) Key(ui::vbKeyLeft);
  EXPECT_EQ(module().CursorIndex, 60);
  EXPECT_EQ(graph().farDepthBox.Text(), "30.0");
}

TEST_F(Cursor, SlabBeyondTheComputedTableShowsNoDose)
{
  // 20.02 cm: the table ends at slab Int(40.04 - 0.1) + 1 = 40, the mouse
  // reaches x 600.6, inside slab 41.
  Started(Edition::English, {.thickness = 20.02});
  ASSERT_EQ(module().PddTable[3][41], 0.0);
  Move(600.5);
  EXPECT_EQ(module().CursorIndex, 41);
  EXPECT_EQ(graph().nearDepthBox.Text(), "20.0");
  EXPECT_EQ(graph().farDepthBox.Text(), "20.5");
  EXPECT_EQ(graph().doseBox.Text(), "-");
  EXPECT_EQ(graph().totalPercentBox.Text(), "-");
  EXPECT_EQ(graph().primaryPercentBox.Text(), "-");
  EXPECT_EQ(graph().scatterPercentBox.Text(), "-");
  EXPECT_EQ(graph().totalLevelLine.Y1(), 800);
  EXPECT_EQ(graph().primaryLevelLine.Y1(), 800);
  EXPECT_EQ(graph().scatterLevelLine.Y1(), 800);
  Move(599);
  EXPECT_NE(graph().doseBox.Text(), "-");
}

TEST_F(Cursor, AfterAFailedComputationTheCursorShowsNoDose)
{
  fs::remove(File("PDS-data/100.dat"));
  Make(Edition::Japanese);
  services_.ExpectMsgBox(ui::vbOK);
  program_->Start();
  EXPECT_EQ(services_.msgBoxes[0].text.rfind("正しく計算できませんでした。\n", 0), 0u);
  Move(100);
  EXPECT_EQ(graph().nearDepthBox.Text(), "3.0");  // slab 7
  EXPECT_EQ(graph().doseBox.Text(), "-");
  EXPECT_EQ(graph().totalPercentBox.Text(), "-");
  EXPECT_EQ(graph().totalLevelLine.Y1(), 800);
  Key(ui::vbKeyRight);
  EXPECT_EQ(graph().farDepthBox.Text(), "4.0");
  EXPECT_EQ(graph().doseBox.Text(), "-");
}

}  // namespace
}  // namespace vorn::pdd::test
