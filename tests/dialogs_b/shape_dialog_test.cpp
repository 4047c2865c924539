// The entrance-surface shape dialog: opened by the main window's
// curved-surface option with its presets, OK storing the chosen shape into
// PhantomGeometry (and naming it in the option's caption), Cancel going back
// to the flat surface.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "dialogs_b_support.h"
#include "tests/support/entry_messages.h"

namespace vorn::dialogs_b_test {
namespace {

using mainwin::ShapeDialog;

struct ShapeSession : Session {
  explicit ShapeSession(Edition edition) : Session(edition) { main().curvedSurfaceOption.UserClick(); }
  ShapeDialog& f() { return *program->shapeDialog; }
  PhantomGeometry& phantom() { return m().Phantom; }
};

TEST(ShapeDialogOpening, CurvedOptionPresetsACylinderPerEdition)
{
  ShapeSession j(Edition::Japanese);
  EXPECT_TRUE(j.f().Visible());
  EXPECT_EQ(j.phantom().BsfMethod, kCurvedSurface);
  EXPECT_TRUE(j.f().cylinderOption.Value());
  const std::vector<std::string> japanese{"20", "30", "20", "20", "20", "80"};
  const std::vector<ui::TextBox*> boxes{&j.f().cylinderRadiusBox,  &j.f().ellipseHorizontalBox,
                                        &j.f().ellipseVerticalBox, &j.f().racetrackABox,
                                        &j.f().racetrackBBox,      &j.f().racetrackLengthBox};
  for (std::size_t i = 0; i < boxes.size(); ++i) EXPECT_EQ(boxes[i]->Text(), japanese[i]) << i;
  EXPECT_EQ(j.f().historiesCombo.Text(), "50000000");
  EXPECT_EQ(j.f().Caption(), "  入射表面の形状");

  ShapeSession e(Edition::English);
  EXPECT_EQ(e.f().ellipseHorizontalBox.Text(), "20");
  EXPECT_EQ(e.f().ellipseVerticalBox.Text(), "10");
  EXPECT_EQ(e.f().racetrackLengthBox.Text(), "80");
  EXPECT_EQ(e.f().Caption(), "  Surface type");
  EXPECT_EQ(e.f().historiesCombo.ListCount(), 6);
}

TEST(ShapeDialogOk, CylinderStoresItsRadiusAndNamesTheSurface)
{
  ShapeSession s(Edition::Japanese);
  s.phantom().HeadFlag = 7;  // not the dialog's to touch
  s.f().okButton.UserClick();
  EXPECT_FALSE(s.f().Visible());
  EXPECT_EQ(s.phantom().PhantomModel, 1);
  EXPECT_EQ(s.phantom().CylinderRadius, 20.0);
  EXPECT_EQ(s.phantom().McHistories, 50000000);
  EXPECT_EQ(s.phantom().BsfMethod, kCurvedSurface);
  EXPECT_EQ(s.phantom().HeadFlag, 7);
  EXPECT_EQ(s.main().curvedSurfaceOption.Caption(), "半径20cm の円柱表面");
}

TEST(ShapeDialogOk, EllipseStoresOnlyItsSemiAxes)
{
  ShapeSession s(Edition::Japanese);
  s.phantom().CylinderRadius = 11;
  s.phantom().RacetrackA = 12;
  s.f().ellipseOption.UserClick();
  s.f().ellipseHorizontalBox.UserType("32.5");
  s.f().ellipseVerticalBox.UserType("18");
  s.f().historiesCombo.UserChoose(5);  // 500000000
  s.f().okButton.UserClick();
  EXPECT_EQ(s.phantom().PhantomModel, 2);
  EXPECT_EQ(s.phantom().EllipseHRadius, 32.5);
  EXPECT_EQ(s.phantom().EllipseVRadius, 18.0);
  EXPECT_EQ(s.phantom().CylinderRadius, 11.0);
  EXPECT_EQ(s.phantom().RacetrackA, 12.0);
  EXPECT_EQ(s.phantom().McHistories, 500000000);
  EXPECT_EQ(s.main().curvedSurfaceOption.Caption(), "32.5:18cmの楕円柱表面");
}

TEST(ShapeDialogOk, RacetrackStoresItsThreeDimensions)
{
  ShapeSession s(Edition::Japanese);
  s.f().racetrackOption.UserClick();
  s.f().racetrackABox.UserType("24");
  s.f().racetrackBBox.UserType("16");
  s.f().racetrackLengthBox.UserType("75");
  s.f().okButton.UserClick();
  EXPECT_EQ(s.phantom().PhantomModel, 4);
  EXPECT_EQ(s.phantom().RacetrackA, 24.0);
  EXPECT_EQ(s.phantom().RacetrackB, 16.0);
  EXPECT_EQ(s.phantom().RacetrackL, 75.0);
  EXPECT_EQ(s.main().curvedSurfaceOption.Caption(), "レーストラック型モデルの表面");
}

TEST(ShapeDialogOk, NoShapeSelectedStoresTheRacetrack)
{
  ShapeSession s(Edition::Japanese);
  s.f().cylinderOption.SetValue(false);
  s.f().okButton.UserClick();
  EXPECT_EQ(s.phantom().PhantomModel, 4);
  EXPECT_EQ(s.phantom().RacetrackA, 20.0);
  EXPECT_EQ(s.phantom().RacetrackL, 80.0);
}

TEST(ShapeDialogOk, EnglishEditionLeavesTheOptionCaptionAlone)
{
  ShapeSession s(Edition::English);
  const std::string caption = s.main().curvedSurfaceOption.Caption();
  s.f().ellipseOption.UserClick();
  s.f().okButton.UserClick();
  EXPECT_EQ(s.phantom().PhantomModel, 2);
  EXPECT_EQ(s.phantom().EllipseHRadius, 20.0);
  EXPECT_EQ(s.phantom().EllipseVRadius, 10.0);
  EXPECT_EQ(s.main().curvedSurfaceOption.Caption(), caption);
  EXPECT_EQ(caption, "Calculate as a non-flat plane");
}

TEST(ShapeDialogOk, EachBoxOfTheChosenShapeAndTheHistoriesMustHoldANumberAboveZero)
{
  struct Case {
    ui::OptionButton mainwin::ShapeDialog::*shape;
    ui::TextBox mainwin::ShapeDialog::*box;  // null: the histories
    const char* typed;
    std::string message;
  };
  const std::vector<Case> cases{
      {&mainwin::ShapeDialog::cylinderOption, &mainwin::ShapeDialog::cylinderRadiusBox, "-5",
       "　Curvature radius (cm)：0 より大きい数値を入力して下さい　"},
      {&mainwin::ShapeDialog::cylinderOption, &mainwin::ShapeDialog::cylinderRadiusBox, "abc",
       vorn::testing::NotANumberMessage(Edition::Japanese, "Curvature radius (cm)", "abc")},
      {&mainwin::ShapeDialog::ellipseOption, &mainwin::ShapeDialog::ellipseVerticalBox, "0",
       "　Vertical axis (cm)：0 より大きい数値を入力して下さい　"},
      {&mainwin::ShapeDialog::racetrackOption, &mainwin::ShapeDialog::racetrackLengthBox, "80 cm",
       vorn::testing::NotANumberMessage(Edition::Japanese, "Length (cm)", "80 cm")},
      {&mainwin::ShapeDialog::racetrackOption, &mainwin::ShapeDialog::racetrackABox, "1e999",
       "　a (cm)：数値が大きすぎます　"},
      {&mainwin::ShapeDialog::cylinderOption, nullptr, "many",
       vorn::testing::NotANumberMessage(Edition::Japanese, "Photon history of MC calculation", "many")},
  };
  for (const Case& c : cases) {
    ShapeSession s(Edition::Japanese);
    const PhantomGeometry before = s.phantom();
    (s.f().*c.shape).UserClick();
    if (c.box != nullptr) {
      (s.f().*c.box).UserType(c.typed);
    } else {
      s.f().historiesCombo.SetText(c.typed);
    }
    s.services.ExpectMsgBox(c.message);
    s.f().okButton.UserClick();
    EXPECT_EQ(s.services.PendingMsgBoxes(), 0u) << c.typed;
    EXPECT_TRUE(s.f().Visible()) << c.typed;
    if (c.box != nullptr) {
      EXPECT_TRUE((s.f().*c.box).HasFocus()) << c.typed;
    }
    EXPECT_EQ(s.phantom().PhantomModel, before.PhantomModel) << c.typed;
    EXPECT_EQ(s.phantom().CylinderRadius, before.CylinderRadius) << c.typed;
    EXPECT_EQ(s.phantom().McHistories, before.McHistories) << c.typed;
    EXPECT_EQ(s.main().curvedSurfaceOption.Caption(), "非平面として計算") << c.typed;
  }
  // A box of another shape is not looked at.
  ShapeSession s(Edition::English);
  s.f().ellipseHorizontalBox.UserType("abc");
  s.f().okButton.UserClick();  // the cylinder
  EXPECT_TRUE(s.services.msgBoxes.empty());
  EXPECT_EQ(s.phantom().CylinderRadius, 20.0);
}

// No more histories than the outside program computes within a day; the
// message gives the limit. The limit itself passes.
TEST(ShapeDialogOk, MoreHistoriesThanADayOfComputingAreRefused)
{
  const std::pair<Edition, const char*> refusals[] = {
      {Edition::Japanese, "　Photon history of MC calculation：1000000000000 以下の数値を入力して下さい"
                          "（これより多いと計算が１日を超えます）　"},
      {Edition::English, "  Photon history of MC calculation: enter a number of at most 1000000000000 "
                         "(more would take the computation beyond a day)  "}};
  for (const auto& [edition, message] : refusals) {
    for (const char* typed : {"1000000000001", "9e15", "1e30"}) {
      ShapeSession s(edition);
      s.f().historiesCombo.SetText(typed);
      s.services.ExpectMsgBox(message);
      s.f().okButton.UserClick();
      EXPECT_EQ(s.services.PendingMsgBoxes(), 0u) << typed;
      EXPECT_TRUE(s.f().Visible());
      EXPECT_EQ(s.phantom().McHistories, 0) << typed;
    }
  }
  ShapeSession s(Edition::English);
  s.f().historiesCombo.SetText("1e12");
  s.f().okButton.UserClick();
  EXPECT_TRUE(s.services.msgBoxes.empty());
  EXPECT_EQ(s.phantom().McHistories, kMaxMcHistories);
}

TEST(ShapeDialogOk, AfterAPreviewTheCentimetresAreStored)
{
  ShapeSession s(Edition::Japanese);
  s.f().cylinderRadiusBox.UserType("15");
  s.f().shapeCheckButton.UserClick();
  EXPECT_TRUE(s.program->shapePreviewWindow->Visible());
  s.f().okButton.UserClick();
  EXPECT_EQ(s.phantom().CylinderRadius, 15.0);
  EXPECT_FALSE(s.program->shapePreviewWindow->Visible());
}

TEST(ShapeDialogCancel, BackToTheFlatSurfaceWithTheBoxesKept)
{
  ShapeSession s(Edition::Japanese);
  s.f().okButton.UserClick();  // OK names the surface ...
  ASSERT_EQ(s.main().curvedSurfaceOption.Caption(), "半径20cm の円柱表面");
  s.main().curvedSurfaceOption.UserClick();
  s.f().cylinderRadiusBox.UserType("33");
  s.f().shapeCheckButton.UserClick();
  s.f().cancelButton.UserClick();  // ... and Cancel gives the flat caption back
  EXPECT_FALSE(s.f().Visible());
  EXPECT_FALSE(s.program->shapePreviewWindow->Visible());
  EXPECT_TRUE(s.main().flatSurfaceOption.Value());
  EXPECT_EQ(s.phantom().BsfMethod, kFlatSurface);
  EXPECT_EQ(s.phantom().PhantomModel, 0);
  EXPECT_EQ(s.main().curvedSurfaceOption.Caption(), "非平面として計算");
  EXPECT_TRUE(s.main().otherThanHeadOption.Value());
  EXPECT_TRUE(s.main().headOption.Enabled());
  EXPECT_EQ(s.phantom().CylinderRadius, 20.0);  // Cancel stores no dimension
  EXPECT_EQ(s.f().cylinderRadiusBox.Text(), "33");

  // Closed through its frame, the dialog leaves no curved surface without a shape.
  s.main().curvedSurfaceOption.UserClick();
  ASSERT_EQ(s.phantom().BsfMethod, kCurvedSurface);
  EXPECT_FALSE(s.f().UserClose());
  EXPECT_FALSE(s.f().Visible());
  EXPECT_TRUE(s.main().flatSurfaceOption.Value());
  EXPECT_EQ(s.phantom().BsfMethod, kFlatSurface);
  EXPECT_EQ(s.phantom().PhantomModel, 0);
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
  s.f().racetrackABox.UserKeyDown(ui::vbKeyReturn);
  EXPECT_TRUE(s.f().racetrackBBox.HasFocus());
  s.f().racetrackBBox.UserKeyDown(ui::vbKeyReturn);
  EXPECT_TRUE(s.f().racetrackLengthBox.HasFocus());
  s.f().racetrackLengthBox.UserKeyDown(ui::vbKeyReturn);
  EXPECT_TRUE(s.f().okButton.HasFocus());
  EXPECT_TRUE(s.f().Visible());  // not pressed
}

TEST(ShapeDialogDrawings, EachColumnHasItsExplanatoryDrawing)
{
  ShapeSession s(Edition::Japanese);
  EXPECT_NE(ui::FindText(s.f().cylinderPicture.Items(), "80 cm"), nullptr);
  EXPECT_NE(ui::FindText(s.f().cylinderPicture.Items(), "Z"), nullptr);
  EXPECT_NE(ui::FindText(s.f().ellipsePicture.Items(), "a"), nullptr);
  EXPECT_NE(ui::FindText(s.f().ellipsePicture.Items(), "b"), nullptr);
  EXPECT_NE(ui::FindText(s.f().racetrackPicture.Items(), "b/2"), nullptr);
  EXPECT_NE(ui::FindText(s.f().racetrackPicture.Items(), "Length"), nullptr);
  // The lower half of the ellipse is dashed.
  bool dashed = false;
  for (const ui::DrawItem& item : s.f().ellipsePicture.Items())
    if (const auto* arc = std::get_if<ui::ArcItem>(&item)) dashed = dashed || arc->pen.style == ui::DrawStyle::Dash;
  EXPECT_TRUE(dashed);
}

}  // namespace
}  // namespace vorn::dialogs_b_test
