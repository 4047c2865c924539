// The graph window of the depth-dose program: the percentage depth dose on a
// logarithmic axis, a cursor that follows the mouse or steps with the arrow
// keys, its read-outs, and the button that goes on to the effective dose.
// Its load event runs the program's whole start-up.
#pragma once

#include <exception>

#include "platform/ui/ui.h"

namespace vorn::pdd {

class DepthDoseProgram;

class Form1 : public ui::Form {
public:
  explicit Form1(DepthDoseProgram& program);

  // The graph: 8415 twips square; the controls inside are placed in its scale
  // (x -150..950, y 90..990), in the upper right of the plot, which the
  // falling curves leave free.
  ui::PictureBox Picture1{*this, "Picture1", {120, 120, 8415, 8415}};
  // Cursor: the levels of the total, primary and scatter, and the depth.
  // Made before the read-outs, so that they pass under them (a level near
  // 40-50 % runs through the read-out labels).
  ui::LineControl Line1{Picture1, "Line1", {0, 800, 900, 800}};
  ui::LineControl Line3{Picture1, "Line3", {0, 800, 900, 800}};
  ui::LineControl Line4{Picture1, "Line4", {0, 800, 900, 800}};
  ui::LineControl Line2{Picture1, "Line2", {8, 110, 8, 800}};
  ui::Label Label4{Picture1, "Label4", {470, 122, 420, 36}};
  ui::Label Label20{Picture1, "Label20", {470, 172, 110, 34}};
  ui::TextBox Text12{Picture1, "Text12", {582, 168, 110, 40}};
  ui::Label Label15{Picture1, "Label15", {694, 172, 24, 34}};
  ui::TextBox Text6{Picture1, "Text6", {720, 168, 110, 40}};
  ui::Label Label6{Picture1, "Label6", {834, 172, 50, 34}};
  ui::Label Label1{Picture1, "Label1", {470, 220, 200, 34}};
  ui::TextBox Text1{Picture1, "Text1", {672, 216, 130, 40}};
  ui::Label Label2{Picture1, "Label2", {806, 220, 80, 34}};
  ui::TextBox Text7{Picture1, "Text7", {470, 266, 134, 40}};
  ui::TextBox Text13{Picture1, "Text13", {610, 266, 134, 40}};
  ui::TextBox Text14{Picture1, "Text14", {750, 266, 134, 40}};

  ui::Label Label3{*this, "Label3", {240, 8625, 8295, 330}};
  ui::CommandButton Command3{*this, "Command3", {5520, 9000, 3015, 555}};

  // Shows slab j under the cursor: the lines at its depth and levels, and the
  // read-outs (the depths with "cm" after an arrow key, without after a mouse move).
  void ShowSlab(int j, bool after_key);

private:
  void Form_Load();
  void Form_Unload();
  void Form_KeyDown(int keyCode);
  void Picture1_MouseMove(double x, double y);
  void Command3_Click();

  // Ends a start-up whose data could not be read, naming the file.
  void StopStartup(const std::exception& error);

  DepthDoseProgram& program_;
};

}  // namespace vorn::pdd
