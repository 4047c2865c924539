// The ATR explanation window (Japanese edition): how the ATR index is defined,
// with a drawing of the measuring arrangement. A fixed page; Close hides it.
#pragma once

#include "platform/ui/ui.h"
#include "text/dialogs_b_texts.h"

namespace vorn::mainwin {

class MainProgram;

class Form16 : public ui::Form {
public:
  explicit Form16(MainProgram& program);

  ui::Label Label1{*this, "Label1", {240, 150, 10560, 390}};  // what the index is for
  // The formula on its light-yellow box: the lead, then X1 over X0.
  ui::Label Label2{*this, "Label2", {240, 660, 10560, 1260}};  // the box
  ui::Label Label3{*this, "Label3", {600, 1080, 5280, 420}};
  ui::Label Label4{*this, "Label4", {6240, 690, 300, 450}};   // X
  ui::Label Label5{*this, "Label5", {6480, 915, 300, 345}};   // 1
  ui::Label Label6{*this, "Label6", {6240, 1335, 300, 450}};  // X
  ui::Label Label7{*this, "Label7", {6480, 1560, 300, 345}};  // 0
  ui::LineControl Line1{*this, "Line1", {6120, 1290, 6900, 1290}};
  ui::PictureBox Picture1{*this, "Picture1", {240, 2100, 10575, 6975}};  // the measuring arrangement
  // The two definitions with their notes.
  ui::Label Label8{*this, "Label8", {360, 9240, 300, 450}};    // X
  ui::Label Label9{*this, "Label9", {600, 9465, 300, 345}};    // 0
  ui::Label Label10{*this, "Label10", {960, 9270, 9840, 390}};
  ui::Label Label11{*this, "Label11", {960, 9660, 9840, 390}};
  ui::Label Label12{*this, "Label12", {360, 10200, 300, 450}};  // X
  ui::Label Label13{*this, "Label13", {600, 10425, 300, 345}};  // 1
  ui::Label Label14{*this, "Label14", {960, 10230, 9840, 390}};
  ui::Label Label15{*this, "Label15", {960, 10620, 9840, 390}};
  ui::Label Label16{*this, "Label16", {240, 11220, 9000, 390}};  // the warning
  ui::CommandButton Command1{*this, "Command1", {9240, 11160, 1560, 495}};  // Close

private:
  void Form_Load();
  void Command1_Click() { Hide(); }

  const AtrExplanationTexts& texts_;
};

}  // namespace vorn::mainwin
