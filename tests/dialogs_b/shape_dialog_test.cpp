// The entrance-surface shape dialog: opened by the main window's
// curved-surface option with its presets, OK storing the chosen shape into
// PhantomGeometry (and naming it in the option's caption), Cancel going back
// to the flat surface.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "dialogs_b_support.h"

namespace vorn::dialogs_b_test {
namespace {

using mainwin::Form13;

struct ShapeSession : Session {
  explicit ShapeSession(Edition edition) : Session(edition) { main().Option7.UserClick(); }
  Form13& f() { return *program->Form13; }
  PhantomGeometry& phantom() { return m().Phantom; }
};

TEST(ShapeDialogOpening, CurvedOptionPresetsACylinderPerEdition)
{
  ShapeSession j(Edition::Japanese);
  EXPECT_TRUE(j.f().Visible());
  EXPECT_EQ(j.phantom().BsfMethod, kCurvedSurface);
  EXPECT_TRUE(j.f().Option1.Value());
  const std::vector<std::string> japanese{"20", "30", "20", "20", "20", "80"};
  const std::vector<ui::TextBox*> boxes{&j.f().Text1, &j.f().Text2, &j.f().Text3,
                                        &j.f().Text4, &j.f().Text5, &j.f().Text6};
  for (std::size_t i = 0; i < boxes.size(); ++i) EXPECT_EQ(boxes[i]->Text(), japanese[i]) << i;
  EXPECT_EQ(j.f().Combo1.Text(), "50000000");
  EXPECT_EQ(j.f().Caption(), "  入射表面の形状");

  ShapeSession e(Edition::English);
  EXPECT_EQ(e.f().Text2.Text(), "20");
  EXPECT_EQ(e.f().Text3.Text(), "10");
  EXPECT_EQ(e.f().Text6.Text(), "80");
  EXPECT_EQ(e.f().Caption(), "  Surface type");
  EXPECT_EQ(e.f().Combo1.ListCount(), 6);
}

TEST(ShapeDialogOk, CylinderStoresItsRadiusAndNamesTheSurface)
{
  ShapeSession s(Edition::Japanese);
  s.phantom().HeadFlag = 7;  // not the dialog's to touch
  s.f().Command1.UserClick();
  EXPECT_FALSE(s.f().Visible());
  EXPECT_EQ(s.phantom().PhantomModel, 1);
  EXPECT_EQ(s.phantom().CylinderRadius, 20.0);
  EXPECT_EQ(s.phantom().McHistories, 50000000);
  EXPECT_EQ(s.phantom().BsfMethod, kCurvedSurface);
  EXPECT_EQ(s.phantom().HeadFlag, 7);
  EXPECT_EQ(s.main().Option7.Caption(), "半径20cm の円柱表面");
}

TEST(ShapeDialogOk, EllipseStoresOnlyItsSemiAxes)
{
  ShapeSession s(Edition::Japanese);
  s.phantom().CylinderRadius = 11;
  s.phantom().RacetrackA = 12;
  s.f().Option2.UserClick();
  s.f().Text2.UserType("32.5");
  s.f().Text3.UserType("18");
  s.f().Combo1.UserChoose(5);  // 500000000
  s.f().Command1.UserClick();
  EXPECT_EQ(s.phantom().PhantomModel, 2);
  EXPECT_EQ(s.phantom().EllipseHRadius, 32.5);
  EXPECT_EQ(s.phantom().EllipseVRadius, 18.0);
  EXPECT_EQ(s.phantom().CylinderRadius, 11.0);
  EXPECT_EQ(s.phantom().RacetrackA, 12.0);
  EXPECT_EQ(s.phantom().McHistories, 500000000);
  EXPECT_EQ(s.main().Option7.Caption(), "32.5:18cmの楕円柱表面");
}

TEST(ShapeDialogOk, RacetrackStoresItsThreeDimensions)
{
  ShapeSession s(Edition::Japanese);
  s.f().Option3.UserClick();
  s.f().Text4.UserType("24");
  s.f().Text5.UserType("16");
  s.f().Text6.UserType("75");
  s.f().Command1.UserClick();
  EXPECT_EQ(s.phantom().PhantomModel, 4);
  EXPECT_EQ(s.phantom().RacetrackA, 24.0);
  EXPECT_EQ(s.phantom().RacetrackB, 16.0);
  EXPECT_EQ(s.phantom().RacetrackL, 75.0);
  EXPECT_EQ(s.main().Option7.Caption(), "レーストラック型モデルの表面");
}

TEST(ShapeDialogOk, NoShapeSelectedStoresTheRacetrack)
{
  ShapeSession s(Edition::Japanese);
  s.f().Option1.SetValue(false);
  s.f().Command1.UserClick();
  EXPECT_EQ(s.phantom().PhantomModel, 4);
  EXPECT_EQ(s.phantom().RacetrackA, 20.0);
  EXPECT_EQ(s.phantom().RacetrackL, 80.0);
}

TEST(ShapeDialogOk, EnglishEditionLeavesTheOptionCaptionAlone)
{
  ShapeSession s(Edition::English);
  const std::string caption = s.main().Option7.Caption();
  s.f().Option2.UserClick();
  s.f().Command1.UserClick();
  EXPECT_EQ(s.phantom().PhantomModel, 2);
  EXPECT_EQ(s.phantom().EllipseHRadius, 20.0);
  EXPECT_EQ(s.phantom().EllipseVRadius, 10.0);
  EXPECT_EQ(s.main().Option7.Caption(), caption);
  EXPECT_EQ(caption, "Calculate as a non-flat plane");
}

TEST(ShapeDialogOk, EachBoxOfTheChosenShapeAndTheHistoriesMustHoldANumberAboveZero)
{
  struct Case {
    ui::OptionButton mainwin::Form13::*shape;
    ui::TextBox mainwin::Form13::*box;  // null: the histories
    const char* typed;
    const char* message;
  };
  const std::vector<Case> cases{
      {&mainwin::Form13::Option1, &mainwin::Form13::Text1, "-5", "　Curvature radius (cm)：0 より大きい数値を入力して下さい　"},
      {&mainwin::Form13::Option1, &mainwin::Form13::Text1, "abc", "　Curvature radius (cm)：0 より大きい数値を入力して下さい　"},
      {&mainwin::Form13::Option2, &mainwin::Form13::Text3, "0", "　Vertical axis (cm)：0 より大きい数値を入力して下さい　"},
      {&mainwin::Form13::Option3, &mainwin::Form13::Text6, "80 cm", "　Length (cm)：0 より大きい数値を入力して下さい　"},
      {&mainwin::Form13::Option3, &mainwin::Form13::Text4, "1e999", "　a (cm)：数値が大きすぎます　"},
      {&mainwin::Form13::Option1, nullptr, "many", "　Photon history of MC calculation：0 より大きい数値を入力して下さい　"},
  };
  for (const Case& c : cases) {
    ShapeSession s(Edition::Japanese);
    const PhantomGeometry before = s.phantom();
    (s.f().*c.shape).UserClick();
    if (c.box != nullptr) {
      (s.f().*c.box).UserType(c.typed);
    } else {
      s.f().Combo1.SetText(c.typed);
    }
    s.services.ExpectMsgBox(c.message);
    s.f().Command1.UserClick();
    EXPECT_EQ(s.services.PendingMsgBoxes(), 0u) << c.typed;
    EXPECT_TRUE(s.f().Visible()) << c.typed;
    if (c.box != nullptr) {
      EXPECT_TRUE((s.f().*c.box).HasFocus()) << c.typed;
    }
    EXPECT_EQ(s.phantom().PhantomModel, before.PhantomModel) << c.typed;
    EXPECT_EQ(s.phantom().CylinderRadius, before.CylinderRadius) << c.typed;
    EXPECT_EQ(s.phantom().McHistories, before.McHistories) << c.typed;
    EXPECT_EQ(s.main().Option7.Caption(), "非平面として計算") << c.typed;
  }
  // A box of another shape is not looked at.
  ShapeSession s(Edition::English);
  s.f().Text2.UserType("abc");
  s.f().Command1.UserClick();  // the cylinder
  EXPECT_TRUE(s.services.msgBoxes.empty());
  EXPECT_EQ(s.phantom().CylinderRadius, 20.0);
}

TEST(ShapeDialogOk, AfterAPreviewTheCentimetresAreStored)
{
  ShapeSession s(Edition::Japanese);
  s.f().Text1.UserType("15");
  s.f().Command6.UserClick();
  EXPECT_TRUE(s.program->Form14->Visible());
  s.f().Command1.UserClick();
  EXPECT_EQ(s.phantom().CylinderRadius, 15.0);
  EXPECT_FALSE(s.program->Form14->Visible());
}

TEST(ShapeDialogCancel, BackToTheFlatSurfaceWithTheBoxesKept)
{
  ShapeSession s(Edition::Japanese);
  s.f().Command1.UserClick();  // OK names the surface ...
  ASSERT_EQ(s.main().Option7.Caption(), "半径20cm の円柱表面");
  s.main().Option7.UserClick();
  s.f().Text1.UserType("33");
  s.f().Command6.UserClick();
  s.f().Command2.UserClick();  // ... and Cancel gives the flat caption back
  EXPECT_FALSE(s.f().Visible());
  EXPECT_FALSE(s.program->Form14->Visible());
  EXPECT_TRUE(s.main().Option6.Value());
  EXPECT_EQ(s.phantom().BsfMethod, kFlatSurface);
  EXPECT_EQ(s.phantom().PhantomModel, 0);
  EXPECT_EQ(s.main().Option7.Caption(), "非平面として計算");
  EXPECT_TRUE(s.main().Option9.Value());
  EXPECT_TRUE(s.main().Option8.Enabled());
  EXPECT_EQ(s.phantom().CylinderRadius, 20.0);  // Cancel stores no dimension
  EXPECT_EQ(s.f().Text1.Text(), "33");
}

TEST(ShapeDialogHistories, NearestWholeCountWithinRange)
{
  using mainwin::HistoriesFromText;
  EXPECT_EQ(HistoriesFromText("50000000"), 50000000);
  EXPECT_EQ(HistoriesFromText(" 3E7"), 30000000);
  EXPECT_EQ(HistoriesFromText("122.5"), 122);  // halves to even, as the old conversion
  EXPECT_EQ(HistoriesFromText("123.5"), 124);
  EXPECT_EQ(HistoriesFromText("-7.2"), -7);
  EXPECT_EQ(HistoriesFromText(""), 0);
  EXPECT_EQ(HistoriesFromText("1e30"), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(HistoriesFromText("-1e30"), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(HistoriesFromText("1e999"), std::numeric_limits<std::int64_t>::max());
}

TEST(ShapeDialogKeys, EnterWalksOneShapesBoxesAndStopsOnOk)
{
  ShapeSession s(Edition::Japanese);
  s.f().Text4.UserKeyDown(ui::vbKeyReturn);
  EXPECT_TRUE(s.f().Text5.HasFocus());
  s.f().Text5.UserKeyDown(ui::vbKeyReturn);
  EXPECT_TRUE(s.f().Text6.HasFocus());
  s.f().Text6.UserKeyDown(ui::vbKeyReturn);
  EXPECT_TRUE(s.f().Command1.HasFocus());
  EXPECT_TRUE(s.f().Visible());  // not pressed
}

TEST(ShapeDialogDrawings, EachColumnHasItsExplanatoryDrawing)
{
  ShapeSession s(Edition::Japanese);
  EXPECT_NE(ui::FindText(s.f().Picture2.Items(), "80 cm"), nullptr);
  EXPECT_NE(ui::FindText(s.f().Picture2.Items(), "Z"), nullptr);
  EXPECT_NE(ui::FindText(s.f().Picture1.Items(), "a"), nullptr);
  EXPECT_NE(ui::FindText(s.f().Picture1.Items(), "b"), nullptr);
  EXPECT_NE(ui::FindText(s.f().Picture3.Items(), "b/2"), nullptr);
  EXPECT_NE(ui::FindText(s.f().Picture3.Items(), "Length"), nullptr);
  // The lower half of the ellipse is dashed.
  bool dashed = false;
  for (const ui::DrawItem& item : s.f().Picture1.Items())
    if (const auto* arc = std::get_if<ui::ArcItem>(&item)) dashed = dashed || arc->pen.style == ui::DrawStyle::Dash;
  EXPECT_TRUE(dashed);
}

}  // namespace
}  // namespace vorn::dialogs_b_test
