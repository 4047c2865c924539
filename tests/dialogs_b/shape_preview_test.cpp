// The preview of the shape dialog: the display-list items of each shape's
// presets, the beam and levels of the default condition, the scale texts, and
// what is left out for zero, negative, missing or far-out dimensions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "dialogs_b_support.h"

namespace vorn::dialogs_b_test {
namespace {

using ui::ArcItem;
using ui::LineItem;

constexpr ui::Color kGrey = ui::Rgb(128, 128, 128);
constexpr ui::Color kBlack = ui::Rgb(0, 0, 0);
constexpr ui::Color kBlue = ui::Rgb(0, 0, 255);
constexpr ui::Color kRed = ui::Rgb(255, 0, 0);

struct PreviewSession : Session {
  explicit PreviewSession(Edition edition = Edition::Japanese) : Session(edition)
  {
    main().curvedSurfaceOption.UserClick();
  }
  mainwin::ShapeDialog& f() { return *program->shapeDialog; }
  const ui::DisplayList& Preview()
  {
    f().shapeCheckButton.UserClick();
    return program->shapePreviewWindow->previewPicture.Items();
  }
};

std::vector<const LineItem*> LinesIn(const ui::DisplayList& items, ui::Color color, int width)
{
  std::vector<const LineItem*> lines;
  for (const LineItem* line : ui::LineItems(items))
    if (line->pen.color == color && line->pen.width == width) lines.push_back(line);
  return lines;
}

std::vector<const ArcItem*> ArcsIn(const ui::DisplayList& items)
{
  std::vector<const ArcItem*> arcs;
  for (const ui::DrawItem& item : items)
    if (const auto* arc = std::get_if<ArcItem>(&item)) arcs.push_back(arc);
  return arcs;
}

bool HasLine(const std::vector<const LineItem*>& lines, double x1, double y1, double x2, double y2)
{
  constexpr double kTol = 1e-9;
  return std::any_of(lines.begin(), lines.end(), [&](const LineItem* l) {
    return std::abs(l->from.x - x1) < kTol && std::abs(l->from.y - y1) < kTol && std::abs(l->to.x - x2) < kTol &&
           std::abs(l->to.y - y2) < kTol;
  });
}

// The blue items other than the exit level of the body: the shape.
std::size_t ShapeItemCount(const ui::DisplayList& items)
{
  std::size_t n = ArcsIn(items).size();
  for (const LineItem* line : LinesIn(items, kBlue, 3))
    if (!(line->from.x == -350 && line->to.x == 350)) ++n;
  return n;
}

TEST(ShapePreviewFrame, ScaleGridLevelsAxisArrowAndTexts)
{
  PreviewSession s;
  const ui::DisplayList& items = s.Preview();
  ui::PictureBox& picture = s.program->shapePreviewWindow->previewPicture;
  EXPECT_TRUE(s.program->shapePreviewWindow->Visible());
  EXPECT_EQ(picture.ScaleLeft(), -400);
  EXPECT_EQ(picture.ScaleTop(), 200);
  EXPECT_EQ(picture.ScaleWidth(), 800);
  EXPECT_EQ(picture.ScaleHeight(), -800);

  const auto grid = LinesIn(items, kGrey, 1);
  EXPECT_EQ(grid.size(), 30u);  // 15 vertical every 5 cm from -35 to 35 cm, 15 horizontal
  EXPECT_TRUE(HasLine(grid, -350, -600, -350, 200));
  EXPECT_TRUE(HasLine(grid, 350, -600, 350, 200));
  EXPECT_TRUE(HasLine(grid, -400, -550, 400, -550));
  EXPECT_TRUE(HasLine(grid, -400, 150, 400, 150));
  EXPECT_TRUE(HasLine(grid, 0, -600, 0, 200));  // under the black axis

  const auto black = LinesIn(items, kBlack, 2);
  EXPECT_TRUE(HasLine(black, -400, 0, 400, 0));     // skin
  EXPECT_TRUE(HasLine(black, -400, -200, 400, -200));  // film: FFD 100 - FSD 80 = 20 cm below
  EXPECT_TRUE(HasLine(black, 0, -600, 0, 200));     // central axis
  EXPECT_TRUE(HasLine(black, -25, 40, 0, 0));       // arrowhead
  EXPECT_TRUE(HasLine(black, 0, 0, 25, 40));

  const std::vector<std::pair<std::string, ui::Point>> texts{
      {"-30", {-320, -550}}, {"-20", {-220, -550}}, {"-10", {-120, -550}}, {"10", {80, -550}},
      {"30 cm", {280, -550}}, {"40", {-390, -375}}, {"cm", {-385, -400}}, {"X-ray", {5, 100}}};
  for (const auto& [text, at] : texts) {
    const ui::TextItem* item = ui::FindText(items, text);
    ASSERT_NE(item, nullptr) << text;
    EXPECT_EQ(item->at, at) << text;
    EXPECT_EQ(item->font.name, "Times New Roman");
    EXPECT_EQ(item->font.size, 15.75);
  }
  EXPECT_EQ(ui::TextItems(items).size(), 14u);
}

TEST(ShapePreviewBeam, DefaultBeamMeetsTheFilmAtPlusMinus178)
{
  // FSD 80 cm, FFD 100 cm, field width 35.6 cm at the film: the edges run from
  // the focus 800 mm above the skin to x = +-5 x 35.6 = +-178 mm at y = -200.
  PreviewSession s;
  const auto red = LinesIn(s.Preview(), kRed, 3);
  ASSERT_EQ(red.size(), 2u);
  EXPECT_TRUE(HasLine(red, 0, 800, 178, -200));
  EXPECT_TRUE(HasLine(red, 0, 800, -178, -200));
  // At the skin the beam is 80/100 of the film's width: 142.4 mm each side.
  const LineItem& edge = *red[0];
  const double xAtSkin = edge.from.x + (edge.to.x - edge.from.x) * (0 - edge.from.y) / (edge.to.y - edge.from.y);
  EXPECT_NEAR(std::abs(xAtSkin), 142.4, 1e-9);
}

TEST(ShapePreviewBeam, ExitLevelFollowsTheMainWindowsThicknessBox)
{
  PreviewSession s;
  s.main().thicknessBox.UserType("12.5");
  const auto blue = LinesIn(s.Preview(), kBlue, 3);
  EXPECT_TRUE(HasLine(blue, -350, -125, 350, -125));
}

TEST(ShapePreviewBeam, FieldSideThatIsNoNumberDrawsNoBeamEdges)
{
  PreviewSession s;
  s.m().Condition.FieldWidth = FieldSide::Dash();  // "else" chosen, box not yet left
  const ui::DisplayList& items = s.Preview();
  EXPECT_TRUE(LinesIn(items, kRed, 3).empty());
  EXPECT_EQ(ui::TextItems(items).size(), 14u);
}

TEST(ShapePreviewShapes, CylinderPreset)
{
  PreviewSession s;
  const ui::DisplayList& items = s.Preview();
  const auto arcs = ArcsIn(items);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0]->centre, (ui::Point{0, -200}));
  EXPECT_EQ(arcs[0]->radius, 200);
  EXPECT_EQ(arcs[0]->aspect, 1.0);
  EXPECT_EQ(arcs[0]->start, 0.0);
  EXPECT_EQ(arcs[0]->end, 3.14159);
  EXPECT_EQ(arcs[0]->pen.color, kBlue);
  EXPECT_EQ(arcs[0]->pen.width, 3);
  const auto blue = LinesIn(items, kBlue, 3);
  EXPECT_TRUE(HasLine(blue, 200, -200, 200, -500));
  EXPECT_TRUE(HasLine(blue, -200, -200, -200, -500));
  EXPECT_EQ(ShapeItemCount(items), 3u);
}

TEST(ShapePreviewShapes, EllipsePresetIsDrawnWithItsHorizontalSemiAxis)
{
  PreviewSession s;  // 30 x 20 cm
  s.f().ellipseOption.UserClick();
  const ui::DisplayList& items = s.Preview();
  const auto arcs = ArcsIn(items);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0]->centre, (ui::Point{0, -200}));
  EXPECT_EQ(arcs[0]->radius, 300);
  EXPECT_DOUBLE_EQ(arcs[0]->aspect, 2.0 / 3.0);
  const auto blue = LinesIn(items, kBlue, 3);
  EXPECT_TRUE(HasLine(blue, 300, -200, 300, -500));
  EXPECT_TRUE(HasLine(blue, -300, -200, -300, -500));
}

TEST(ShapePreviewShapes, UprightEllipseIsDrawnWithItsVerticalSemiAxis)
{
  PreviewSession s;
  s.f().ellipseOption.UserClick();
  s.f().ellipseHorizontalBox.UserType("20");
  s.f().ellipseVerticalBox.UserType("30");
  const auto arcs = ArcsIn(s.Preview());
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0]->centre, (ui::Point{0, -300}));
  EXPECT_EQ(arcs[0]->radius, 300);
  EXPECT_DOUBLE_EQ(arcs[0]->aspect, 1.5);
  // 200 mm across and 300 mm high, whatever the picture's size in twips.
  const ui::Size axes = arcs[0]->SemiAxesTwips();
  EXPECT_NEAR(axes.width / arcs[0]->scale.TwipsPerUnitX(), 200, 1e-9);
  EXPECT_NEAR(axes.height / arcs[0]->scale.TwipsPerUnitY(), 300, 1e-9);
}

TEST(ShapePreviewShapes, RacetrackPreset)
{
  PreviewSession s;  // a = b = 20 cm
  s.f().racetrackOption.UserClick();
  const ui::DisplayList& items = s.Preview();
  const auto blue = LinesIn(items, kBlue, 3);
  EXPECT_TRUE(HasLine(blue, -100, 0, 100, 0));
  EXPECT_TRUE(HasLine(blue, -200, -100, -200, -500));
  EXPECT_TRUE(HasLine(blue, 200, -100, 200, -500));
  const auto arcs = ArcsIn(items);
  ASSERT_EQ(arcs.size(), 2u);
  EXPECT_EQ(arcs[0]->centre, (ui::Point{-100, -100}));
  EXPECT_EQ(arcs[0]->radius, 100);
  EXPECT_EQ(arcs[0]->start, 3.141592 / 2);
  EXPECT_EQ(arcs[0]->end, 3.141592);
  EXPECT_EQ(arcs[1]->centre, (ui::Point{100, -100}));
  EXPECT_EQ(arcs[1]->start, 0.0);
  EXPECT_EQ(arcs[1]->end, 3.141592 / 2);
  EXPECT_EQ(ShapeItemCount(items), 5u);
}

TEST(ShapePreviewShapes, NoShapeSelectedDrawsNoShape)
{
  PreviewSession s;
  s.f().cylinderOption.SetValue(false);
  const ui::DisplayList& items = s.Preview();
  EXPECT_EQ(ShapeItemCount(items), 0u);
  EXPECT_EQ(LinesIn(items, kRed, 3).size(), 2u);
}

TEST(ShapePreviewShapes, PreviewChangesNoConditionAndIsNotRedrawnUntilAsked)
{
  PreviewSession s;
  const PhantomGeometry before = s.m().Phantom;
  const ui::DisplayList& items = s.Preview();
  s.f().cylinderRadiusBox.UserType("10");  // the preview shows the boxes as they were
  EXPECT_EQ(ArcsIn(items)[0]->radius, 200);
  EXPECT_EQ(s.m().Phantom.CylinderRadius, before.CylinderRadius);
  EXPECT_EQ(s.m().Phantom.PhantomModel, before.PhantomModel);
  EXPECT_EQ(s.m().Phantom.BsfMethod, kCurvedSurface);
  s.program->shapePreviewWindow->closeButton.UserClick();
  EXPECT_FALSE(s.program->shapePreviewWindow->Visible());
}

// ---------------------------------------------------------------- degenerate

TEST(ShapePreviewDegenerate, ZeroNegativeOrMissingRadiusLeavesTheCylinderOut)
{
  for (const char* text : {"0", "-20", "", "abc"}) {
    PreviewSession s;
    s.f().cylinderRadiusBox.UserType(text);
    const ui::DisplayList& items = s.Preview();
    EXPECT_EQ(ShapeItemCount(items), 0u) << text;
    EXPECT_EQ(LinesIn(items, kRed, 3).size(), 2u) << text;  // the rest is drawn
    EXPECT_EQ(LinesIn(items, kGrey, 1).size(), 30u) << text;
    EXPECT_TRUE(s.services.msgBoxes.empty());
  }
}

TEST(ShapePreviewDegenerate, EllipseWithoutAHorizontalSemiAxisIsNotDrawnAndDividesByNothing)
{
  for (const auto& [h, v] : std::vector<std::pair<const char*, const char*>>{
           {"0", "20"}, {"", "20"}, {"x", "20"}, {"30", "0"}, {"-30", "20"}, {"30", "-20"}}) {
    PreviewSession s;
    s.f().ellipseOption.UserClick();
    s.f().ellipseHorizontalBox.UserType(h);
    s.f().ellipseVerticalBox.UserType(v);
    const ui::DisplayList& items = s.Preview();
    EXPECT_EQ(ShapeItemCount(items), 0u) << h << " " << v;
    for (const ArcItem* arc : ArcsIn(items)) EXPECT_TRUE(std::isfinite(arc->aspect));
  }
}

TEST(ShapePreviewDegenerate, RacetrackWithAZeroSideDrawsWhatIsThere)
{
  PreviewSession round;  // a = 0: a round top of diameter b
  round.f().racetrackOption.UserClick();
  round.f().racetrackABox.UserType("0");
  const ui::DisplayList& roundItems = round.Preview();
  EXPECT_EQ(ArcsIn(roundItems).size(), 2u);
  const auto roundBlue = LinesIn(roundItems, kBlue, 3);
  EXPECT_TRUE(HasLine(roundBlue, -100, -100, -100, -500));
  EXPECT_TRUE(HasLine(roundBlue, 100, -100, 100, -500));
  EXPECT_EQ(ShapeItemCount(roundItems), 4u);  // no flat top of length 0

  PreviewSession flat;  // b = 0: a flat top with straight sides
  flat.f().racetrackOption.UserClick();
  flat.f().racetrackBBox.UserType("0");
  const ui::DisplayList& flatItems = flat.Preview();
  EXPECT_TRUE(ArcsIn(flatItems).empty());
  const auto flatBlue = LinesIn(flatItems, kBlue, 3);
  EXPECT_TRUE(HasLine(flatBlue, -100, 0, 100, 0));
  EXPECT_TRUE(HasLine(flatBlue, -100, 0, -100, -500));
  EXPECT_TRUE(HasLine(flatBlue, 100, 0, 100, -500));
}

TEST(ShapePreviewDegenerate, RacetrackWithANegativeOrNoSizeIsNotDrawn)
{
  for (const auto& [a, b] : std::vector<std::pair<const char*, const char*>>{{"-20", "20"}, {"20", "-1"}, {"0", "0"}}) {
    PreviewSession s;
    s.f().racetrackOption.UserClick();
    s.f().racetrackABox.UserType(a);
    s.f().racetrackBBox.UserType(b);
    EXPECT_EQ(ShapeItemCount(s.Preview()), 0u) << a << " " << b;
  }
}

TEST(ShapePreviewDegenerate, FarOutNumbersAreLeftOutWithoutAnError)
{
  PreviewSession s;
  s.f().cylinderRadiusBox.UserType("1e300");
  s.main().thicknessBox.UserType("1e999");  // beyond the range of numbers
  s.m().Condition.FSD = 1e306;
  const ui::DisplayList& items = s.Preview();
  EXPECT_EQ(ShapeItemCount(items), 0u);
  EXPECT_TRUE(LinesIn(items, kBlue, 3).empty());  // no exit level either
  EXPECT_TRUE(LinesIn(items, kRed, 3).empty());
  EXPECT_TRUE(s.services.msgBoxes.empty());
  EXPECT_TRUE(s.program->shapePreviewWindow->Visible());
}

TEST(ShapePreviewDegenerate, FilmAboveTheSkinAndAZeroFieldAreStillDrawn)
{
  PreviewSession s;
  s.m().Condition.FFD = 70;  // FSD 80: the film level lies 10 cm above the skin
  s.m().Condition.FieldWidth = 0.0;
  const ui::DisplayList& items = s.Preview();
  EXPECT_TRUE(HasLine(LinesIn(items, kBlack, 2), -400, 100, 400, 100));
  const auto red = LinesIn(items, kRed, 3);
  EXPECT_TRUE(HasLine(red, 0, 800, 0, 100));
}

}  // namespace
}  // namespace vorn::dialogs_b_test
