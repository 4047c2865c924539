// The ATR explanation window (Japanese edition): how the ATR index is defined,
// with a drawing of the measuring arrangement. A fixed page; Close hides it.
#pragma once

#include "platform/ui/ui.h"
#include "text/dialogs_b_texts.h"

namespace vorn::mainwin {

class MainProgram;

class AtrExplanationWindow : public ui::Form {
public:
  explicit AtrExplanationWindow(MainProgram& program);

  ui::Label introductionCaption{*this, "Label1", {240, 150, 10560, 390}};  // what the index is for
  // The formula on its light-yellow box: the lead, then X1 over X0.
  ui::Label formulaBoxCaption{*this, "Label2", {240, 660, 10560, 1260}};
  ui::Label formulaLeadCaption{*this, "Label3", {600, 1080, 5280, 420}};
  ui::Label numeratorXCaption{*this, "Label4", {6240, 690, 300, 450}};   // X
  ui::Label numeratorSubscriptCaption{*this, "Label5", {6480, 915, 300, 345}};   // 1
  ui::Label denominatorXCaption{*this, "Label6", {6240, 1335, 300, 450}};  // X
  ui::Label denominatorSubscriptCaption{*this, "Label7", {6480, 1560, 300, 345}};  // 0
  ui::LineControl fractionLine{*this, "Line1", {6120, 1290, 6900, 1290}};
  ui::PictureBox arrangementPicture{*this, "Picture1", {240, 2100, 10575, 6975}};  // the measuring arrangement
  // The two definitions with their notes.
  ui::Label x0SymbolCaption{*this, "Label8", {360, 9240, 300, 450}};    // X
  ui::Label x0SubscriptCaption{*this, "Label9", {600, 9465, 300, 345}};    // 0
  ui::Label x0DefinitionCaption{*this, "Label10", {960, 9270, 9840, 390}};
  ui::Label x0NoteCaption{*this, "Label11", {960, 9660, 9840, 390}};
  ui::Label x1SymbolCaption{*this, "Label12", {360, 10200, 300, 450}};  // X
  ui::Label x1SubscriptCaption{*this, "Label13", {600, 10425, 300, 345}};  // 1
  ui::Label x1DefinitionCaption{*this, "Label14", {960, 10230, 9840, 390}};
  ui::Label x1NoteCaption{*this, "Label15", {960, 10620, 9840, 390}};
  ui::Label warningCaption{*this, "Label16", {240, 11220, 9000, 390}};
  ui::CommandButton closeButton{*this, "Command1", {9240, 11160, 1560, 495}};

private:
  void Form_Load();
  void CloseButton_Click() { Hide(); }

  const AtrExplanationTexts& texts_;
};

}  // namespace vorn::mainwin
