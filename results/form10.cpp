#include "results/form10.h"

#include <array>

namespace vorn::results {
namespace {

// Picture2's scale: one unit is 13.155 twips across and 7.65 twips down.
constexpr double kTwipsPerUnitX = 13.155;
constexpr double kTwipsPerUnitY = 7.65;

// The table's ruling, fixed at design (picture units). Whole-width rules run
// to the right edge of the drawing area (about 1158 units).
constexpr double kRight = 1158.0;
constexpr std::array<ui::LineEnds, 37> kRuling{{
    {0, 110, kRight, 110},  // under the headings
    // lower edges of the 15 row bands
    {0, 151, kRight, 151}, {0, 200, kRight, 200}, {0, 249, kRight, 249}, {0, 300, kRight, 300},
    {0, 350, kRight, 350}, {0, 400, kRight, 400}, {0, 450, kRight, 450}, {0, 500, kRight, 500},
    {0, 550, kRight, 550}, {0, 600, kRight, 600}, {0, 650, kRight, 650}, {0, 700, kRight, 700},
    {0, 750, kRight, 750}, {0, 800, kRight, 800}, {0, 850, kRight, 850},
    // columns
    {90.1, 0, 90.1, 850}, {155.1, 0, 155.1, 850}, {218.9, 0, 218.9, 850}, {282.8, 0, 282.8, 850},
    {346.6, 0, 346.6, 850}, {501.7, 0, 501.7, 850}, {547.3, 0, 547.3, 850}, {602.1, 0, 602.1, 850},
    {711.5, 0, 711.5, 850}, {775.4, 0, 775.4, 850},
    // sub-columns under the group headings
    {392.2, 39.2, 392.2, 850}, {437.9, 39.2, 437.9, 850}, {656.8, 39.2, 656.8, 850},
    {830.1, 62.7, 830.1, 850},
    // the dose columns, down to the totals line
    {884.8, 0, 884.8, 909.8}, {1079.8, 0, 1079.8, 900}, {945.3, 62.7, 945.3, 900}, {1012.5, 62.7, 1012.5, 900},
    // group headings
    {346.6, 40, 501.7, 40}, {602.1, 40, 711.5, 40}, {775.4, 62.7, 1080, 62.7},
}};

constexpr std::array<int, 37> kRulingNumbers{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 13, 14,
                                             15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27,
                                             28, 29, 30, 31, 32, 34, 37, 38, 39, 40, 41};

constexpr ui::Color kNameColor = ui::Rgb(0x40, 0x40, 0x40);
constexpr ui::Color kSplashColor = ui::FromVbLong(0xC0C0C0);

}  // namespace

Form10::Form10(ui::Application& app, Edition edition) : Form(app, "Form10"), edition_(edition)
{
  const bool japanese = edition == Edition::Japanese;
  SetCaption("  Calculation Results by Vorn");
  Move(60, 405);
  SetSize(15495, 7935);

  Picture2.SetBackColor(ui::colors::White);
  Picture2.SetAutoRedraw(true);
  Picture2.SetFont(japanese ? ui::FontSpec{"メイリオ", 9.0} : ui::FontSpec{"Times New Roman", 9.75});
  const ui::Size area = Picture2.DrawingAreaTwips();
  Picture2.Scale(0, 0, area.width / kTwipsPerUnitX, area.height / kTwipsPerUnitY);

  for (std::size_t i = 0; i < kRuling.size(); ++i) {
    ruling_.push_back(std::make_unique<ui::LineControl>(Picture2, "Line" + std::to_string(kRulingNumbers[i]),
                                                        kRuling[i]));
  }

  Command1.SetCaption(japanese ? "合 計 ⇒" : "Sum");
  Command1.SetFont(japanese ? ui::FontSpec{"メイリオ", 12.0} : ui::FontSpec{"Times New Roman", 14.25});
  Command1.SetBackColor(ui::colors::LightYellow);

  Label1.SetForeColor(kNameColor);
  if (japanese) {
    Label1.SetFont(ui::FontSpec{"メイリオ", 14.25});
  } else {
    Label1.Move(3720, 7320, 2760, 435);
    Label1.SetFont(ui::FontSpec{"Times New Roman", 15.75, false, true});
  }
}

void Form10::SetResultGridVisible(bool visible)
{
  for (const auto& line : ruling_) line->SetVisible(visible);
  Command1.SetVisible(visible);
}

void Form10::HideResultGrid() { SetResultGridVisible(false); }

void Form10::ShowResultGrid() { SetResultGridVisible(true); }

void Form10::DrawSplashTitle(double titleY, double nameY)
{
  Picture2.SetForeColor(kSplashColor);
  Picture2.SetFontName("Times New Roman");
  Picture2.SetFontSize(28);
  Picture2.SetCurrentX(500);
  Picture2.SetCurrentY(titleY);
  Picture2.Print("Vorn-V18");
  if (edition_ == Edition::Japanese) Picture2.SetFontName("メイリオ");
  Picture2.SetCurrentX(500);
  Picture2.SetCurrentY(nameY);
}

void Form10::PrintSplashName(const std::string& userName)
{
  Picture2.Print(userName);
  Picture2.SetForeColor(ui::colors::ButtonText);
  Picture2.SetFontSize(9);
}

}  // namespace vorn::results
