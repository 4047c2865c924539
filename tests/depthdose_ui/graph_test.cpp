// The depth-dose graph: the dose axis, the slab under the cursor, and the
// display list of the drawing for tables with skipped and missing values.
#include <algorithm>
#include <cmath>
#include <variant>

#include <gtest/gtest.h>

#include "depthdose/graph_drawing.h"
#include "platform/ui/scripted_services.h"
#include "platform/ui/ui.h"

namespace vorn::pdd::test {
namespace {

namespace fs = std::filesystem;

TEST(DoseAxis, DecadesLieWhereTheGridPutsThem)
{
  // 800 - 100 ln(10 P): ln 1000 = 6.907755, ln 100 = 4.605170, ln 10 = 2.302585.
  EXPECT_NEAR(*DoseAxisY(100.0), 109.2245, 1e-4);
  EXPECT_NEAR(*DoseAxisY(10.0), 339.4830, 1e-4);
  EXPECT_NEAR(*DoseAxisY(1.0), 569.7415, 1e-4);
  EXPECT_DOUBLE_EQ(*DoseAxisY(0.1), 800.0);
  EXPECT_NEAR(*DoseAxisY(0.05), 869.3147, 1e-4);  // below the plot: the caller decides
}

TEST(DoseAxis, NoLogarithmOfZeroOrLess)
{
  EXPECT_FALSE(DoseAxisY(0.0).has_value());
  EXPECT_FALSE(DoseAxisY(-3.0).has_value());
  EXPECT_FALSE(DoseAxisY(std::nan("")).has_value());
}

TEST(DoseAxis, CursorLevelsStopAtTheBottomEdge)
{
  EXPECT_NEAR(CursorLevelY(100.0), 109.2245, 1e-4);
  EXPECT_DOUBLE_EQ(CursorLevelY(0.05), 800.0);
  EXPECT_DOUBLE_EQ(CursorLevelY(0.0), 800.0);
  EXPECT_DOUBLE_EQ(CursorLevelY(-1.0), 800.0);
}

TEST(CursorSlabTest, BandEdgesBelongToTheShallowerSlab)
{
  EXPECT_EQ(CursorSlab(0.001), 1);
  EXPECT_EQ(CursorSlab(15.0), 1);
  EXPECT_EQ(CursorSlab(15.001), 2);
  EXPECT_EQ(CursorSlab(std::nextafter(15.0, 16.0)), 2);  // divides to exactly 1
  EXPECT_EQ(CursorSlab(std::nextafter(600.0, 601.0)), 41);
  EXPECT_EQ(CursorSlab(30.0), 2);
  EXPECT_EQ(CursorSlab(599.99), 40);
  EXPECT_EQ(CursorSlab(600.0), 40);
  EXPECT_EQ(CursorSlab(600.01), 41);
  EXPECT_EQ(CursorSlab(899.0), 60);
}

TEST(CursorSlabTest, SlabsArePlottedInsideTheirBands)
{
  for (int j = 1; j <= 60; ++j) EXPECT_EQ(CursorSlab(SlabX(j)), j);
}

// A form with only a picture at the graph's size and scale.
class DrawingForm : public ui::Form {
public:
  explicit DrawingForm(ui::Application& app) : Form(app, "DrawingForm")
  {
    graphPicture.Scale(-150, 90, 1100, 900);
    graphPicture.SetFont({"Times New Roman", 15.75, false, false});
  }
  ui::PictureBox graphPicture{*this, "Picture1", {120, 120, 8415, 8415}};
};

class Drawing : public ::testing::Test {
protected:
  Drawing() : module(Edition::English, fs::temp_directory_path()) { module.InObjectThickness = 10; }

  void Draw() { DrawDepthDoseGraph(form.graphPicture, module, DepthDoseTextsFor(Edition::English)); }

  // The lines of one colour drawn two pixels wide: a curve's segments.
  std::vector<const ui::LineItem*> Curve(ui::Color color) const
  {
    std::vector<const ui::LineItem*> lines;
    for (const ui::LineItem* line : ui::LineItems(form.graphPicture.Items())) {
      if (line->pen.color == color && line->pen.width == 2 && line->from.x >= 0 && line->from.y <= 800) {
        lines.push_back(line);
      }
    }
    return lines;
  }
  std::vector<const ui::PointItem*> Points() const
  {
    std::vector<const ui::PointItem*> points;
    for (const ui::DrawItem& item : form.graphPicture.Items()) {
      if (const auto* p = std::get_if<ui::PointItem>(&item)) points.push_back(p);
    }
    return points;
  }
  // Every coordinate of the drawing is a number.
  bool AllFinite() const
  {
    for (const ui::DrawItem& item : form.graphPicture.Items()) {
      const bool finite = std::visit(
          [](const auto& i) {
            using T = std::decay_t<decltype(i)>;
            if constexpr (std::is_same_v<T, ui::LineItem> || std::is_same_v<T, ui::BoxItem>) {
              return std::isfinite(i.from.x) && std::isfinite(i.from.y) && std::isfinite(i.to.x) &&
                     std::isfinite(i.to.y);
            } else if constexpr (std::is_same_v<T, ui::ArcItem>) {
              return std::isfinite(i.centre.x) && std::isfinite(i.centre.y);
            } else {
              return std::isfinite(i.at.x) && std::isfinite(i.at.y);
            }
          },
          item);
      if (!finite) return false;
    }
    return true;
  }

  ui::ScriptedServices services{fs::temp_directory_path()};
  ui::Application app{services, "test"};
  DrawingForm form{app};
  DepthDoseCalculation module;
};

const ui::Color kPrimaryColor = ui::QBColor(12);
const ui::Color kScatterColor = ui::QBColor(9);

TEST_F(Drawing, GridAxesTextsAndLegend)
{
  Draw();
  const auto lines = ui::LineItems(form.graphPicture.Items());
  const auto grey = std::count_if(lines.begin(), lines.end(), [](const ui::LineItem* l) {
    return l->pen.color == ui::QBColor(7);
  });
  EXPECT_EQ(grey, 29 + 30);  // every cm from 1 to 29, and 10 lines in each of 3 decades
  // The 100 % grid line is the plot's top edge as drawn.
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const ui::LineItem* l) {
    return l->pen.color == ui::QBColor(7) && std::abs(l->from.y - 109.2245) < 1e-3 && l->from.x == 0 &&
           l->to.x == 900;
  }));
  // Black lines: five every 5 cm, the 10 % and 1 % levels, then the legend's.
  std::vector<const ui::LineItem*> black;
  for (const ui::LineItem* l : lines) {
    if (l->pen.color == ui::QBColor(0)) black.push_back(l);
  }
  ASSERT_EQ(black.size(), 5u + 2u + 1u + 3u * 0u);  // total curve is empty here: table all zero
  EXPECT_EQ(black[0]->from.x, 150);
  EXPECT_EQ(black[4]->from.x, 750);
  EXPECT_EQ(black[5]->from.y, 340);
  EXPECT_EQ(black[6]->from.y, 570);
  EXPECT_EQ(black[7]->from.y, 910);  // legend: total

  const auto* zero = ui::FindText(form.graphPicture.Items(), "0");
  ASSERT_NE(zero, nullptr);
  EXPECT_EQ(zero->at, (ui::Point{0, 805}));
  EXPECT_EQ(zero->font.size, 15.75);
  const auto* axis = ui::FindText(form.graphPicture.Items(), "depth in water [cm]");
  ASSERT_NE(axis, nullptr);
  EXPECT_EQ(axis->at, (ui::Point{510, 840}));
  EXPECT_EQ(ui::FindText(form.graphPicture.Items(), "0.1")->at, (ui::Point{-60, 785}));
  EXPECT_EQ(ui::FindText(form.graphPicture.Items(), "PDD")->at, (ui::Point{-120, 180}));
  EXPECT_EQ(ui::FindText(form.graphPicture.Items(), "[%]")->at, (ui::Point{-100, 215}));
  const auto* legend = ui::FindText(form.graphPicture.Items(), "Scatter component");
  ASSERT_NE(legend, nullptr);
  EXPECT_EQ(legend->at, (ui::Point{140, 950}));
  EXPECT_EQ(legend->font.size, 12);
  EXPECT_EQ(ui::TextItems(form.graphPicture.Items()).size(), 11u + 3u);

  // Two frames, two pixels wide; the drawing ends with size 16 and width 1.
  int frames = 0;
  for (const ui::DrawItem& item : form.graphPicture.Items()) {
    if (const auto* box = std::get_if<ui::BoxItem>(&item)) {
      ++frames;
      EXPECT_EQ(box->from, (ui::Point{0, 110}));
      EXPECT_EQ(box->to, (ui::Point{900, 800}));
      EXPECT_EQ(box->pen.width, 2);
      EXPECT_FALSE(box->fill.has_value());
    }
  }
  EXPECT_EQ(frames, 2);
  EXPECT_EQ(form.graphPicture.FontSize(), 16);
  EXPECT_EQ(form.graphPicture.DrawWidth(), 1);
}

TEST_F(Drawing, EmptyTableDrawsNoCurveAndNoPoint)
{
  // A failed computation leaves the table at 0: nothing to take the logarithm of.
  Draw();
  EXPECT_TRUE(Points().empty());
  EXPECT_TRUE(Curve(kPrimaryColor).empty());
  EXPECT_TRUE(Curve(kScatterColor).empty());
  EXPECT_TRUE(AllFinite());
}

TEST_F(Drawing, CurvesStartAtSlabOneAndJoinEverySlabToTheThickness)
{
  for (int j = 1; j <= 80; ++j) {
    module.PddTable[1][j] = 70.0 * std::exp(-0.3 * j);
    module.PddTable[2][j] = 30.0 * std::exp(-0.2 * j);
    module.PddTable[3][j] = module.PddTable[1][j] + module.PddTable[2][j];
  }
  Draw();
  // A start point per curve at x 8, in its colour.
  const auto points = Points();
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[0]->color, kPrimaryColor);
  EXPECT_EQ(points[0]->at.x, 8);
  EXPECT_NEAR(points[0]->at.y, 800 - 100 * std::log(10 * 70.0 * std::exp(-0.3)), 1e-9);
  EXPECT_EQ(points[1]->color, kScatterColor);
  EXPECT_EQ(points[2]->color, ui::QBColor(0));
  EXPECT_EQ(points[2]->width, 2);

  // 10 cm: slabs 2..20, a segment each, from the previous slab's point.
  const auto primary = Curve(kPrimaryColor);
  ASSERT_EQ(primary.size(), 19u);
  EXPECT_EQ(primary[0]->from, (ui::Point{8, points[0]->at.y}));
  EXPECT_EQ(primary[0]->to.x, 23);
  EXPECT_EQ(primary.back()->to.x, 293);  // 15 x 20 - 7
  for (std::size_t s = 1; s < primary.size(); ++s) EXPECT_EQ(primary[s]->from, primary[s - 1]->to);
}

TEST_F(Drawing, SlabsUnderOneTenthPercentAreSkippedAndTheCurveJoinsAcrossThem)
{
  for (int j = 1; j <= 20; ++j) {
    module.PddTable[1][j] = 50.0;
    module.PddTable[2][j] = 5.0;
    module.PddTable[3][j] = 55.0;
  }
  module.PddTable[2][5] = 0.09;
  module.PddTable[2][6] = 0.0;
  module.PddTable[2][7] = 0.1;  // exactly 0.1 is drawn, on the bottom line
  Draw();
  const auto scatter = Curve(kScatterColor);
  ASSERT_EQ(scatter.size(), 17u);  // slabs 2..20 less 5 and 6
  // Segments 1-2, 2-3, 3-4, then 4-7 over the skipped slabs.
  EXPECT_EQ(scatter[3]->from.x, SlabX(4));
  EXPECT_EQ(scatter[3]->to.x, SlabX(7));
  EXPECT_DOUBLE_EQ(scatter[3]->to.y, 800.0);
  EXPECT_EQ(scatter[4]->from.x, SlabX(7));
  EXPECT_TRUE(AllFinite());
}

TEST_F(Drawing, CurveWithoutDoseAtSlabOneStartsAtItsFirstDrawnSlab)
{
  for (int j = 3; j <= 20; ++j) module.PddTable[1][j] = 20.0;
  Draw();
  EXPECT_TRUE(Points().empty());
  const auto primary = Curve(kPrimaryColor);
  ASSERT_EQ(primary.size(), 17u);  // slabs 4..20, the first from slab 3
  EXPECT_EQ(primary[0]->from.x, SlabX(3));
  EXPECT_EQ(primary[0]->to.x, SlabX(4));
}

TEST_F(Drawing, DepthAxisEndsAtThirtyCentimetres)
{
  module.InObjectThickness = 35;
  for (int j = 1; j <= 80; ++j) module.PddTable[1][j] = 60.0;
  Draw();
  const auto primary = Curve(kPrimaryColor);
  ASSERT_EQ(primary.size(), 59u);  // slabs 2..60
  EXPECT_EQ(primary.back()->to.x, SlabX(60));
}

TEST_F(Drawing, LastSlabIsTheWholeNumberBelowTwiceTheThickness)
{
  module.InObjectThickness = 10.3;  // Int(20.6) = 20
  for (int j = 1; j <= 80; ++j) module.PddTable[1][j] = 60.0;
  Draw();
  EXPECT_EQ(Curve(kPrimaryColor).size(), 19u);
}

}  // namespace
}  // namespace vorn::pdd::test
