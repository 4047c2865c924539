// The graph window of the depth-dose program: the percentage depth dose on a
// logarithmic axis, a cursor that follows the mouse or steps with the arrow
// keys, its read-outs, and the button that goes on to the effective dose.
// Its load event runs the program's whole start-up.
#pragma once

#include <exception>

#include "platform/ui/ui.h"

namespace vorn::pdd {

class DepthDoseProgram;

class GraphWindow : public ui::Form {
public:
  explicit GraphWindow(DepthDoseProgram& program);

  // The graph: 8415 twips square; the controls inside are placed in its scale
  // (x -150..950, y 90..990), in the upper right of the plot, which the
  // falling curves leave free.
  ui::PictureBox graphPicture{*this, "Picture1", {120, 120, 8415, 8415}};
  // Cursor: the levels of the total, primary and scatter, and the depth.
  // Made before the read-outs, so that they pass under them (a level near
  // 40-50 % runs through the read-out labels).
  ui::LineControl totalLevelLine{graphPicture, "Line1", {0, 800, 900, 800}};
  ui::LineControl primaryLevelLine{graphPicture, "Line3", {0, 800, 900, 800}};
  ui::LineControl scatterLevelLine{graphPicture, "Line4", {0, 800, 900, 800}};
  ui::LineControl depthLine{graphPicture, "Line2", {8, 110, 8, 800}};
  ui::Label surfaceDoseLabel{graphPicture, "Label4", {470, 122, 420, 36}};
  ui::Label depthCaption{graphPicture, "Label20", {470, 172, 110, 34}};
  ui::TextBox nearDepthBox{graphPicture, "Text12", {582, 168, 110, 40}};
  ui::Label depthSeparatorCaption{graphPicture, "Label15", {694, 172, 24, 34}};
  ui::TextBox farDepthBox{graphPicture, "Text6", {720, 168, 110, 40}};
  ui::Label depthUnit{graphPicture, "Label6", {834, 172, 50, 34}};
  ui::Label doseCaption{graphPicture, "Label1", {470, 220, 200, 34}};
  ui::TextBox doseBox{graphPicture, "Text1", {672, 216, 130, 40}};
  ui::Label doseUnit{graphPicture, "Label2", {806, 220, 80, 34}};
  ui::TextBox totalPercentBox{graphPicture, "Text7", {470, 266, 134, 40}};
  ui::TextBox primaryPercentBox{graphPicture, "Text13", {610, 266, 134, 40}};
  ui::TextBox scatterPercentBox{graphPicture, "Text14", {750, 266, 134, 40}};

  ui::Label mouseHintCaption{*this, "Label3", {240, 8625, 8295, 330}};
  ui::CommandButton effectiveDoseButton{*this, "Command3", {5520, 9000, 3015, 555}};

  // Shows slab j under the cursor: the lines at its depth and levels, and the
  // read-outs (the depths bare: the unit stands beside them).
  void ShowSlab(int j);

private:
  void Form_Load();
  void Form_Unload();
  void Form_KeyDown(int keyCode);
  void GraphPicture_MouseMove(double x, double y);
  void EffectiveDoseButton_Click();

  // Ends a start-up whose data could not be read, naming the file.
  void StopStartup(const std::exception& error);

  DepthDoseProgram& program_;
};

}  // namespace vorn::pdd
