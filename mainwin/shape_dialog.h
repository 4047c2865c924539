// The entrance-surface shape dialog: a curved surface's shape (cylinder,
// elliptic cylinder, racetrack), its dimensions in cm and the photon histories
// of the outside backscatter program. "Shape Check " draws the cross-section
// with the beam in the preview window (ShapePreviewWindow).
#pragma once

#include <cstdint>
#include <optional>

#include "mainwin/entry_check.h"
#include "mainwin/shape_preview.h"
#include "platform/ui/ui.h"
#include "text/dialogs_b_texts.h"

namespace vorn::mainwin {

class MainProgram;

class ShapeDialog : public ui::Form {
public:
  explicit ShapeDialog(MainProgram& program);

  ui::Frame surfaceFrame{*this, "Frame1", {360, 120, 11415, 1095}};
  ui::OptionButton cylinderOption{surfaceFrame, "Option1", {360, 480, 2775, 375}};
  ui::OptionButton ellipseOption{surfaceFrame, "Option2", {4080, 480, 3135, 375}};  // elliptic cylinder
  ui::OptionButton racetrackOption{surfaceFrame, "Option3", {8160, 480, 3015, 375}};
  ui::LineControl leftOptionDividerLine{surfaceFrame, "Line2", {3600, 240, 3600, 1080}};
  ui::LineControl rightOptionDividerLine{surfaceFrame, "Line4", {7680, 240, 7680, 1080}};
  ui::Label cylinderRadiusCaption{*this, "Label3", {480, 1680, 2880, 420}};
  ui::TextBox cylinderRadiusBox{*this, "Text1", {1320, 2040, 1095, 465}};  // cylinder radius, cm
  ui::Label cylinderRadiusUnit{*this, "Label4", {2520, 2160, 600, 420}};
  ui::Label ellipseHorizontalCaption{*this, "Label7", {4800, 1320, 2880, 420}};
  ui::TextBox ellipseHorizontalBox{*this, "Text2", {5400, 1680, 1095, 465}};  // ellipse, horizontal semi-axis, cm
  ui::Label ellipseHorizontalUnit{*this, "Label6", {6600, 1800, 600, 420}};
  ui::Label ellipseVerticalCaption{*this, "Label5", {5040, 2280, 2640, 420}};
  ui::TextBox ellipseVerticalBox{*this, "Text3", {5400, 2640, 1095, 465}};  // ellipse, vertical semi-axis, cm
  ui::Label ellipseVerticalUnit{*this, "Label8", {6600, 2760, 600, 420}};
  ui::Label racetrackACaption{*this, "Label10", {9360, 1440, 600, 465}};
  ui::TextBox racetrackABox{*this, "Text4", {9960, 1440, 1095, 465}};  // racetrack a, cm
  ui::Label racetrackAUnit{*this, "Label2", {11160, 1560, 600, 420}};
  ui::Label racetrackBCaption{*this, "Label11", {9360, 2040, 600, 465}};
  ui::TextBox racetrackBBox{*this, "Text5", {9960, 2040, 1095, 465}};  // racetrack b, cm
  ui::Label racetrackBUnit{*this, "Label9", {11160, 2160, 600, 420}};
  ui::Label racetrackLengthCaption{*this, "Label13", {8760, 2760, 1200, 420}};
  ui::TextBox racetrackLengthBox{*this, "Text6", {9960, 2640, 1095, 465}};  // racetrack length, cm
  ui::Label racetrackLengthUnit{*this, "Label12", {11160, 2760, 600, 420}};
  ui::PictureBox cylinderPicture{*this, "Picture2", {0, 3360, 3855, 3015}};     // the cylinder model
  ui::PictureBox ellipsePicture{*this, "Picture1", {4080, 3360, 3855, 3015}};  // the elliptic-cylinder model
  ui::PictureBox racetrackPicture{*this, "Picture3", {8160, 3360, 3855, 3015}};  // the racetrack model
  ui::LineControl leftColumnDividerLine{*this, "Line1", {3960, 1080, 3960, 6360}};
  ui::LineControl rightColumnDividerLine{*this, "Line3", {8040, 1200, 8040, 6360}};
  ui::CommandButton shapeCheckButton{*this, "Command6", {3120, 6600, 5775, 465}};
  ui::Label historiesCaption{*this, "Label1", {840, 7500, 4200, 420}};
  ui::ComboBox historiesCombo{*this, "Combo1", {5040, 7440, 1935, 480}};  // photon histories
  ui::CommandButton okButton{*this, "Command1", {7680, 7320, 2055, 585}};
  ui::CommandButton cancelButton{*this, "Command2", {10200, 7320, 1335, 585}};

  // The main window's curved-surface option opens the dialog this way: a
  // cylinder, the edition's preset dimensions and 50 000 000 histories.
  void OpenForCurvedSurface();

  // What the preview draws from the boxes and the condition as they stand.
  ShapePreviewInput PreviewInput();

private:
  void Form_Load();
  void CylinderRadiusBox_KeyDown(int keyCode);
  void EllipseHorizontalBox_KeyDown(int keyCode);
  void EllipseVerticalBox_KeyDown(int keyCode);
  void RacetrackABox_KeyDown(int keyCode);
  void RacetrackBBox_KeyDown(int keyCode);
  void RacetrackLengthBox_KeyDown(int keyCode);
  void OkButton_Click();
  // The first box of the chosen shape (then the histories) that holds no number above 0.
  std::optional<EntryRefusal> FirstBadEntry();
  void CancelButton_Click();
  void ShapeCheckButton_Click();
  void HidePreview();

  MainProgram& program_;
  const ShapeDialogTexts& texts_;
};

// The photon histories as typed: the nearest whole number (halves to even),
// held within the range of the count.
std::int64_t HistoriesFromText(std::string_view text);

}  // namespace vorn::mainwin
