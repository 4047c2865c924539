// Picture-box and printer drawings: scales, the current point, the display
// list items and the printer's pages.
#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/ui/ui.h"
#include "tests/ui/ui_test_support.h"

namespace vorn::ui {
namespace {

using testing::UiTest;

class Sheet : public Form {
public:
  explicit Sheet(Application& app) : Form(app, "Sheet") {}
  // 8415 twips square, as the depth-dose graph; its sunken border takes 2 pixels a side.
  PictureBox graphPicture{*this, "Picture1", {120, 120, 8415, 8415}};
  PictureBox Plain{*this, "Plain", {0, 0, 1500, 1500}};
};

class CanvasTest : public UiTest {
protected:
  Sheet sheet{app};
  PictureBox& pic = sheet.graphPicture;
};

TEST(ColorTest, PaletteAndLongsMatchTheOldRuntime)
{
  EXPECT_EQ(QBColor(0), Rgb(0, 0, 0));
  EXPECT_EQ(QBColor(7), Rgb(192, 192, 192));
  EXPECT_EQ(QBColor(9), Rgb(0, 0, 255));
  EXPECT_EQ(QBColor(12), Rgb(255, 0, 0));
  EXPECT_EQ(QBColor(15), Rgb(255, 255, 255));
  EXPECT_THROW(QBColor(16), std::invalid_argument);
  EXPECT_THROW(QBColor(-1), std::invalid_argument);
  // &H00C0FFFF& is light yellow: red FF, green FF, blue C0.
  EXPECT_EQ(FromVbLong(0x00C0FFFF), Rgb(0xFF, 0xFF, 0xC0));
  EXPECT_EQ(FromVbLong(0x00FF0000), Rgb(0, 0, 255));
}

TEST_F(CanvasTest, TwipScaleIsTheAreaInsideTheBorder)
{
  // The result window's picture (15285 x 6975 twips) drawn at 13.155 x 7.65
  // twips per unit is about 1157 x 904 units: 60 twips of border come off.
  PictureBox wide{sheet, "Wide", {120, 120, 15285, 6975}};
  EXPECT_DOUBLE_EQ(wide.ScaleWidth(), 15225.0);
  EXPECT_DOUBLE_EQ(wide.ScaleHeight(), 6915.0);
  EXPECT_NEAR(wide.ScaleWidth() / 13.155, 1157.4, 0.05);
  EXPECT_NEAR(wide.ScaleHeight() / 7.65, 903.9, 0.05);
  wide.SetBorderStyle(BorderStyle::None);
  EXPECT_DOUBLE_EQ(wide.ScaleWidth(), 15285.0);
}

TEST_F(CanvasTest, UserScaleMapsItsEdgesToTheDrawingArea)
{
  pic.Scale(-150, 90, 1100, 900);
  const UserScale s = pic.CurrentScale();
  EXPECT_EQ(s.ToTwips({-150, 90}), (Point{0, 0}));
  const Point corner = s.ToTwips({950, 990});
  EXPECT_DOUBLE_EQ(corner.x, 8355.0);
  EXPECT_DOUBLE_EQ(corner.y, 8355.0);
  const Point origin = s.ToTwips({0, 110});
  EXPECT_NEAR(origin.x, 150.0 * 8355.0 / 1100.0, 1e-9);
  EXPECT_NEAR(origin.y, 20.0 * 8355.0 / 900.0, 1e-9);
  const Point back = s.FromTwips(origin);
  EXPECT_NEAR(back.x, 0.0, 1e-9);
  EXPECT_NEAR(back.y, 110.0, 1e-9);
}

TEST_F(CanvasTest, NegativeHeightMakesYRunUpward)
{
  pic.Scale(-400, 200, 800, -800);
  const UserScale s = pic.CurrentScale();
  EXPECT_DOUBLE_EQ(s.ToTwips({0, 200}).y, 0.0);
  EXPECT_DOUBLE_EQ(s.ToTwips({0, -600}).y, 8355.0);
  EXPECT_DOUBLE_EQ(s.ToTwips({0, 0}).y, 8355.0 / 4.0);
  EXPECT_DOUBLE_EQ(s.TwipsPerUnitY(), 8355.0 / 800.0);
}

TEST_F(CanvasTest, SettingOneScaleEdgeKeepsTheOthers)
{
  pic.SetScaleMode(ScaleUnit::Pixels);
  EXPECT_DOUBLE_EQ(pic.ScaleWidth(), 8355.0 / 15.0);
  pic.SetScaleLeft(-10);
  EXPECT_EQ(pic.ScaleMode(), ScaleUnit::User);
  EXPECT_DOUBLE_EQ(pic.ScaleWidth(), 8355.0 / 15.0);
  EXPECT_DOUBLE_EQ(pic.ScaleTop(), 0.0);
  EXPECT_DOUBLE_EQ(pic.CurrentScale().ToTwips({-10, 0}).x, 0.0);
  EXPECT_THROW(pic.SetScaleWidth(0), std::invalid_argument);
  EXPECT_THROW(pic.Scale(0, 0, 1, 0), std::invalid_argument);
  pic.SetScaleMode(ScaleUnit::Twips);
  EXPECT_DOUBLE_EQ(pic.ScaleLeft(), 0.0);
  EXPECT_DOUBLE_EQ(pic.ScaleWidth(), 8355.0);
}

TEST_F(CanvasTest, PrintPutsTheTextTopLeftAtTheCurrentPointAndMovesToTheNextLine)
{
  pic.SetForeColor(FromVbLong(0xC0C0C0));
  pic.SetFontName("Times New Roman");
  pic.SetFontSize(28);
  pic.SetCurrentX(500);
  pic.SetCurrentY(350);
  pic.Print("Vorn-V18");
  const TextItem* title = FindText(pic.Items(), "Vorn-V18");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->at, (Point{500, 350}));
  EXPECT_EQ(title->color, Rgb(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(title->font.name, "Times New Roman");
  EXPECT_DOUBLE_EQ(title->font.size, 28.0);
  // The approximate metrics make a 28-point line 28 x 20 x 1.2 = 672 twips.
  EXPECT_DOUBLE_EQ(pic.CurrentX(), 0.0);
  EXPECT_DOUBLE_EQ(pic.CurrentY(), 350.0 + 672.0);
}

TEST_F(CanvasTest, NextLineGoesDownTheScreenOnAnUpwardScaleToo)
{
  sheet.Plain.SetBorderStyle(BorderStyle::None);
  sheet.Plain.Scale(-5, 100, 100, -100);  // 15 twips a unit both ways, y upward
  sheet.Plain.SetCurrentX(20);
  sheet.Plain.SetCurrentY(50);
  sheet.Plain.Print("x");  // 9 points: 216 twips = 14.4 units
  EXPECT_DOUBLE_EQ(sheet.Plain.CurrentX(), -5.0);
  EXPECT_NEAR(sheet.Plain.CurrentY(), 50.0 - 14.4, 1e-12);
  sheet.Plain.Print("");  // only moves on
  EXPECT_NEAR(sheet.Plain.CurrentY(), 50.0 - 28.8, 1e-12);
  EXPECT_EQ(sheet.Plain.Items().size(), 1u);
}

TEST_F(CanvasTest, LinesBoxesAndPointsMoveTheCurrentPoint)
{
  pic.Scale(-150, 90, 1100, 900);
  pic.SetDrawWidth(2);
  pic.Line(0, 110, 900, 110, QBColor(7));
  pic.LineTo(900, 800);
  pic.Box(0, 110, 900, 800);
  pic.PSet(8, 300, QBColor(12));
  pic.LineTo(23, 280, QBColor(12));
  ASSERT_EQ(pic.Items().size(), 5u);
  const auto& first = std::get<LineItem>(pic.Items()[0]);
  EXPECT_EQ(first.pen, (Pen{QBColor(7), 2, DrawStyle::Solid}));
  const auto& second = std::get<LineItem>(pic.Items()[1]);
  EXPECT_EQ(second.from, (Point{900, 110}));
  EXPECT_EQ(second.pen.color, colors::Black);
  const auto& box = std::get<BoxItem>(pic.Items()[2]);
  EXPECT_FALSE(box.fill.has_value());  // FillStyle is transparent at first
  const auto& joined = std::get<LineItem>(pic.Items()[4]);
  EXPECT_EQ(joined.from, (Point{8, 300}));
  EXPECT_EQ(joined.to, (Point{23, 280}));
  EXPECT_DOUBLE_EQ(pic.CurrentX(), 23.0);
  EXPECT_DOUBLE_EQ(pic.CurrentY(), 280.0);
}

TEST_F(CanvasTest, FilledBoxesAndFillStyle)
{
  pic.FilledBox(880, 860, 1150, 900, colors::White);
  const auto& white = std::get<BoxItem>(pic.Items().back());
  ASSERT_TRUE(white.fill.has_value());
  EXPECT_EQ(white.fill->color, colors::White);
  EXPECT_EQ(white.pen.color, colors::White);

  pic.SetFillStyle(FillStyle::Solid);
  pic.SetFillColor(colors::LightYellow);
  pic.Box(0, 0, 10, 10, colors::Blue);
  const auto& outlined = std::get<BoxItem>(pic.Items().back());
  ASSERT_TRUE(outlined.fill.has_value());
  EXPECT_EQ(outlined.fill->color, colors::LightYellow);
  EXPECT_EQ(outlined.pen.color, colors::Blue);
}

TEST_F(CanvasTest, CircleAspectChoosesWhichSemiAxisTheRadiusIs)
{
  // The shape preview: 7815 twips square, 800 x 800 units of 1 mm, y upward.
  PictureBox preview{sheet, "Preview", {120, 120, 7815, 7815}};
  preview.Scale(-400, 200, 800, -800);
  const double twipsPerUnit = 7755.0 / 800.0;
  preview.Circle(0, -200, 300, colors::Blue, 0, 3.14159, 20.0 / 30.0);  // elliptic cylinder 30 x 20 cm
  const auto& flat = std::get<ArcItem>(preview.Items().back());
  EXPECT_NEAR(flat.SemiAxesTwips().width, 300 * twipsPerUnit, 1e-9);
  EXPECT_NEAR(flat.SemiAxesTwips().height, 200 * twipsPerUnit, 1e-9);
  EXPECT_DOUBLE_EQ(*flat.start, 0.0);
  EXPECT_DOUBLE_EQ(*flat.end, 3.14159);
  EXPECT_EQ(preview.CurrentX(), 0.0);
  EXPECT_EQ(preview.CurrentY(), -200.0);

  preview.Circle(0, -300, 300, colors::Blue, 0, 3.14159, 30.0 / 20.0);  // upright: radius is the vertical axis
  const auto& upright = std::get<ArcItem>(preview.Items().back());
  EXPECT_NEAR(upright.SemiAxesTwips().width, 200 * twipsPerUnit, 1e-9);
  EXPECT_NEAR(upright.SemiAxesTwips().height, 300 * twipsPerUnit, 1e-9);
}

TEST_F(CanvasTest, CircleAnglesAndFills)
{
  pic.SetFillStyle(FillStyle::Solid);
  pic.SetFillColor(colors::Red);
  pic.Circle(100, 100, 50);
  const auto& whole = std::get<ArcItem>(pic.Items().back());
  EXPECT_FALSE(whole.start.has_value());
  EXPECT_TRUE(whole.fill.has_value());

  pic.Circle(100, 100, 50, {}, -0.5, -2.0);  // a pie: radius lines to both ends
  const auto& pie = std::get<ArcItem>(pic.Items().back());
  EXPECT_TRUE(pie.radiusToStart);
  EXPECT_TRUE(pie.radiusToEnd);
  EXPECT_DOUBLE_EQ(*pie.start, 0.5);
  EXPECT_TRUE(pie.fill.has_value());

  pic.Circle(100, 100, 50, {}, 0.5, 2.0);  // an open arc is never filled
  EXPECT_FALSE(std::get<ArcItem>(pic.Items().back()).fill.has_value());

  EXPECT_THROW(pic.Circle(0, 0, 10, {}, 7.0), std::invalid_argument);
  EXPECT_NO_THROW(pic.Circle(0, 0, 10, {}, 0.0, 2 * std::numbers::pi));
}

TEST_F(CanvasTest, NumbersThatAreNotFiniteAreRefusedBeforeTheyReachThePainter)
{
  const double zero = 0.0;
  EXPECT_THROW(pic.Circle(0, 0, 10, {}, {}, {}, 20.0 / zero), CalcError);
  EXPECT_THROW(pic.Line(0, 0, std::nan(""), 1), CalcError);
  EXPECT_THROW(pic.SetScaleLeft(std::nan("")), CalcError);
  EXPECT_TRUE(pic.Items().empty());
  EXPECT_THROW(pic.SetDrawWidth(0), std::invalid_argument);
  EXPECT_THROW(pic.SetFontSize(0), std::invalid_argument);
}

TEST_F(CanvasTest, EachItemKeepsTheScaleItWasDrawnIn)
{
  pic.Scale(0, 0, 100, 100);
  pic.Line(0, 0, 50, 50);
  pic.Scale(0, 0, 200, 200);
  pic.Line(0, 0, 50, 50);
  const auto& before = std::get<LineItem>(pic.Items()[0]);
  const auto& after = std::get<LineItem>(pic.Items()[1]);
  EXPECT_DOUBLE_EQ(before.scale.ToTwips(before.to).x, 8355.0 / 2.0);
  EXPECT_DOUBLE_EQ(after.scale.ToTwips(after.to).x, 8355.0 / 4.0);
}

TEST_F(CanvasTest, ClsErasesTheDrawingAndResetsTheCurrentPoint)
{
  testing::RecordingBinding binding;
  app.SetBinding(&binding);
  pic.Scale(-150, 90, 1100, 900);
  pic.Line(0, 110, 900, 800);
  pic.Cls();
  EXPECT_TRUE(pic.Items().empty());
  EXPECT_DOUBLE_EQ(pic.CurrentX(), 0.0);
  EXPECT_DOUBLE_EQ(pic.CurrentY(), 0.0);
  EXPECT_EQ(pic.ScaleLeft(), -150.0);  // the scale stays
  EXPECT_EQ(binding.Count("Picture1", Prop::Drawing), 2);
  EXPECT_EQ(binding.Count("Picture1", Prop::Scale), 1);
  app.SetBinding(nullptr);
}

TEST_F(CanvasTest, TextIsMeasuredInTheCurrentScale)
{
  pic.Scale(0, 0, pic.ScaleWidth() / 13.155, pic.ScaleHeight() / 7.65);
  // 9 points: a half-width character is 90 twips, a full-width one 180.
  EXPECT_NEAR(pic.TextWidth("AB"), 180.0 / 13.155, 1e-9);
  EXPECT_NEAR(pic.TextWidth("照射"), 360.0 / 13.155, 1e-9);
  EXPECT_NEAR(pic.TextHeight("AB"), 216.0 / 7.65, 1e-9);
  pic.SetFontSize(18);
  EXPECT_NEAR(pic.TextWidth("AB"), 360.0 / 13.155, 1e-9);
}

TEST_F(CanvasTest, PictureFontIsTheDrawingsAndChildrenTakeTheFormsFont)
{
  sheet.SetFontName("メイリオ");
  Label inside{pic, "Inside", {0, 0, 100, 100}};
  EXPECT_EQ(pic.FontName(), "メイリオ");  // inherited until set
  pic.SetFontName("Times New Roman");
  pic.SetFontSize(16);
  EXPECT_EQ(inside.FontName(), "メイリオ");
  EXPECT_DOUBLE_EQ(inside.FontSize(), 9.0);
  // Controls inside a picture are placed in its scale.
  pic.Scale(-150, 90, 1100, 900);
  EXPECT_DOUBLE_EQ(pic.ChildScale().ToTwips({950, 990}).x, 8355.0);
}

// ---------------------------------------------------------------- printer

class PrinterTest : public UiTest {
protected:
  Printer& printer = app.Printer();
};

TEST_F(PrinterTest, SettingUpDoesNotStartTheDocumentTheFirstDrawingDoes)
{
  printer.SetScaleMode(ScaleUnit::Millimetres);
  printer.SetOrientation(Orientation::Landscape);
  EXPECT_NEAR(printer.ScaleWidth(), 297.0, 1e-9);  // landscape A4
  EXPECT_NEAR(printer.ScaleHeight(), 210.0, 1e-9);
  printer.SetScaleLeft(-3);
  printer.SetFontName("ＭＳ 明朝");
  printer.SetDrawWidth(5);
  EXPECT_FALSE(printer.DocumentStarted());
  printer.Line(0, 20, 285, 20);
  ASSERT_TRUE(printer.DocumentStarted());
  ASSERT_EQ(printer.Pages().size(), 1u);
  EXPECT_EQ(printer.Pages()[0].orientation, Orientation::Landscape);
  const auto& rule = std::get<LineItem>(printer.Pages()[0].items[0]);
  EXPECT_EQ(rule.pen.width, 5);
  // x = 0 lies 3 mm right of the printable area's left edge.
  EXPECT_NEAR(rule.scale.ToTwips(rule.from).x, 3.0 * 1440.0 / 25.4, 1e-9);
  EXPECT_NEAR(rule.scale.ToTwips(rule.from).y, 20.0 * 1440.0 / 25.4, 1e-9);
  EXPECT_NEAR(rule.scale.ToTwips(rule.to).x, 288.0 * 1440.0 / 25.4, 1e-9);
}

TEST_F(PrinterTest, EndDocHandsThePagesToThePrintServiceOnce)
{
  printer.SetScaleMode(ScaleUnit::Millimetres);
  printer.SetOrientation(Orientation::Landscape);
  printer.SetCurrentX(50);
  printer.SetCurrentY(12);
  printer.Print("Entrance Surface Dose in Diagnostic X-ray");
  printer.NewPage();
  EXPECT_DOUBLE_EQ(printer.CurrentX(), 0.0);
  printer.PSet(1, 1);
  const PrintReport report = printer.EndDoc();
  EXPECT_TRUE(report.printed);
  EXPECT_EQ(report.destination, "Test printer");
  ASSERT_EQ(services.printed.size(), 1u);
  ASSERT_EQ(services.printed[0].pages.size(), 2u);
  const TextItem* title = FindText(services.printed[0].pages[0].items, "Entrance Surface Dose in Diagnostic X-ray");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->at, (Point{50, 12}));
  EXPECT_FALSE(printer.DocumentStarted());
  // A second EndDoc has nothing to send.
  EXPECT_FALSE(printer.EndDoc().printed);
  EXPECT_EQ(services.printed.size(), 1u);
  EXPECT_EQ(services.calls, (std::vector<std::string>{"Print"}));
}

TEST_F(PrinterTest, AFailedPrintPassesItsErrorOnAndStartsAfresh)
{
  services.FailPrint();
  printer.Line(0, 0, 10, 10);
  EXPECT_THROW(printer.EndDoc(), FileError);
  EXPECT_FALSE(printer.DocumentStarted());
}

}  // namespace
}  // namespace vorn::ui
