// The entrance-surface shape dialog: a curved surface's shape (cylinder,
// elliptic cylinder, racetrack), its dimensions in cm and the photon histories
// of the outside backscatter program. "Shape Check " draws the cross-section
// with the beam in the preview window (Form14).
#pragma once

#include <cstdint>
#include <optional>

#include "mainwin/entry_check.h"
#include "mainwin/shape_preview.h"
#include "platform/ui/ui.h"
#include "text/dialogs_b_texts.h"

namespace vorn::mainwin {

class MainProgram;

class Form13 : public ui::Form {
public:
  explicit Form13(MainProgram& program);

  ui::Frame Frame1{*this, "Frame1", {360, 120, 11415, 1095}};
  ui::OptionButton Option1{Frame1, "Option1", {360, 480, 2775, 375}};  // cylinder
  ui::OptionButton Option2{Frame1, "Option2", {4080, 480, 3135, 375}};  // elliptic cylinder
  ui::OptionButton Option3{Frame1, "Option3", {8160, 480, 3015, 375}};  // racetrack
  ui::LineControl Line2{Frame1, "Line2", {3600, 240, 3600, 1080}};
  ui::LineControl Line4{Frame1, "Line4", {7680, 240, 7680, 1080}};
  ui::Label Label3{*this, "Label3", {480, 1680, 2880, 420}};
  ui::TextBox Text1{*this, "Text1", {1320, 2040, 1095, 465}};  // cylinder radius, cm
  ui::Label Label4{*this, "Label4", {2520, 2160, 600, 420}};
  ui::Label Label7{*this, "Label7", {4800, 1320, 2880, 420}};
  ui::TextBox Text2{*this, "Text2", {5400, 1680, 1095, 465}};  // ellipse, horizontal semi-axis, cm
  ui::Label Label6{*this, "Label6", {6600, 1800, 600, 420}};
  ui::Label Label5{*this, "Label5", {5040, 2280, 2640, 420}};
  ui::TextBox Text3{*this, "Text3", {5400, 2640, 1095, 465}};  // ellipse, vertical semi-axis, cm
  ui::Label Label8{*this, "Label8", {6600, 2760, 600, 420}};
  ui::Label Label10{*this, "Label10", {9360, 1440, 600, 465}};
  ui::TextBox Text4{*this, "Text4", {9960, 1440, 1095, 465}};  // racetrack a, cm
  ui::Label Label2{*this, "Label2", {11160, 1560, 600, 420}};
  ui::Label Label11{*this, "Label11", {9360, 2040, 600, 465}};
  ui::TextBox Text5{*this, "Text5", {9960, 2040, 1095, 465}};  // racetrack b, cm
  ui::Label Label9{*this, "Label9", {11160, 2160, 600, 420}};
  ui::Label Label13{*this, "Label13", {8760, 2760, 1200, 420}};
  ui::TextBox Text6{*this, "Text6", {9960, 2640, 1095, 465}};  // racetrack length, cm
  ui::Label Label12{*this, "Label12", {11160, 2760, 600, 420}};
  ui::PictureBox Picture2{*this, "Picture2", {0, 3360, 3855, 3015}};     // the cylinder model
  ui::PictureBox Picture1{*this, "Picture1", {4080, 3360, 3855, 3015}};  // the elliptic-cylinder model
  ui::PictureBox Picture3{*this, "Picture3", {8160, 3360, 3855, 3015}};  // the racetrack model
  ui::LineControl Line1{*this, "Line1", {3960, 1080, 3960, 6360}};
  ui::LineControl Line3{*this, "Line3", {8040, 1200, 8040, 6360}};
  ui::CommandButton Command6{*this, "Command6", {3120, 6600, 5775, 465}};  // Shape Check
  ui::Label Label1{*this, "Label1", {840, 7500, 4200, 420}};
  ui::ComboBox Combo1{*this, "Combo1", {5040, 7440, 1935, 480}};  // photon histories
  ui::CommandButton Command1{*this, "Command1", {7680, 7320, 2055, 585}};  // OK
  ui::CommandButton Command2{*this, "Command2", {10200, 7320, 1335, 585}};  // Cancel

  // The main window's curved-surface option opens the dialog this way: a
  // cylinder, the edition's preset dimensions and 50 000 000 histories.
  void OpenForCurvedSurface();

  // What the preview draws from the boxes and the condition as they stand.
  ShapePreviewInput PreviewInput();

private:
  void Form_Load();
  void Text1_KeyDown(int keyCode);
  void Text2_KeyDown(int keyCode);
  void Text3_KeyDown(int keyCode);
  void Text4_KeyDown(int keyCode);
  void Text5_KeyDown(int keyCode);
  void Text6_KeyDown(int keyCode);
  void Command1_Click();
  // The first box of the chosen shape (then the histories) that holds no number above 0.
  std::optional<EntryRefusal> FirstBadEntry();
  void Command2_Click();
  void Command6_Click();
  void HidePreview();

  MainProgram& program_;
  const ShapeDialogTexts& texts_;
};

// The photon histories as typed: the nearest whole number (halves to even),
// held within the range of the count.
std::int64_t HistoriesFromText(std::string_view text);

}  // namespace vorn::mainwin
