// The examination-site dialog of the Japanese edition: adds a name to the site
// list file and the main window's site list, or deletes one from both.
#pragma once

#include "platform/ui/ui.h"
#include "text/dialogs_texts.h"

namespace vorn::mainwin {

class MainProgram;

class SiteListDialog : public ui::Form {
public:
  explicit SiteListDialog(MainProgram& program);

  ui::Label sitesCaption{*this, "Label1", {240, 180, 2640, 300}};
  ui::ListBox siteList{*this, "List1", {240, 480, 2640, 3540}};  // the sites, filled by the opener
  ui::Label siteCountLabel{*this, "Label3", {240, 4140, 2640, 300}};  // how many sites
  ui::Label siteMaximumCaption{*this, "Label4", {240, 4440, 2640, 300}};
  ui::Label newSiteCaption{*this, "Label2", {3120, 480, 2520, 300}};
  ui::TextBox newSiteBox{*this, "Text1", {3120, 780, 2520, 375}};  // the site to add
  ui::CommandButton addButton{*this, "Command1", {3120, 1320, 1215, 435}};
  ui::CommandButton deleteButton{*this, "Command3", {3120, 2160, 1215, 435}};  // delete the selected site
  ui::CommandButton cancelButton{*this, "Command2", {4425, 4140, 1215, 435}};

private:
  void AddButton_Click();
  void CancelButton_Click() { Hide(); }
  void DeleteButton_Click();

  MainProgram& program_;
  const DialogTexts& texts_;
};

}  // namespace vorn::mainwin
