#include "mainwin/site_list_dialog.h"

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "mainwin/dialog_layout.h"
#include "mainwin/main_program.h"
#include "mainwin/site_list_file.h"
#include "text/error_texts.h"

namespace vorn::mainwin {
namespace {

// The site list, or nothing after telling the user it cannot be read.
std::optional<RawTextFile> ReadSitesOrReport(MainProgram& program, const DialogTexts& t)
{
  try {
    return ReadSiteListFile(program.WorkingFolder() / kSiteListFileName);
  } catch (const std::exception& e) {
    program.app.MsgBox(std::string(t.SiteListUnusable) + "\n" + ErrorText(e, program.edition, program.WorkingFolder()),
                       ui::vbExclamation);
    return std::nullopt;
  }
}

bool WriteSitesOrReport(MainProgram& program, const DialogTexts& t, const RawTextFile& sites)
{
  try {
    WriteSiteListFile(program.WorkingFolder() / kSiteListFileName, sites);
    return true;
  } catch (const std::exception& e) {
    program.app.MsgBox(std::string(t.SiteListUnusable) + "\n" + ErrorText(e, program.edition, program.WorkingFolder()),
                       ui::vbExclamation);
    return false;
  }
}

}  // namespace

SiteListDialog::SiteListDialog(MainProgram& program)
    : Form(program.app, "Form17"), program_(program), texts_(DialogTextsFor(program.edition))
{
  const DialogTexts& t = texts_;
  UseDialogFont(*this, program.edition);
  SetCaption(std::string(t.SiteListCaption));
  SetSize(5880, 4860);
  sitesCaption.SetCaption(std::string(t.SitesHeading));
  newSiteCaption.SetCaption(std::string(t.SiteToAdd));
  siteCountLabel.SetCaption(std::string(t.SiteCountPrefix));
  siteMaximumCaption.SetCaption(std::string(t.SiteMaximum));
  addButton.SetCaption(std::string(t.AddSite));
  deleteButton.SetCaption(std::string(t.DeleteSite));
  cancelButton.SetCaption(std::string(t.Cancel));

  SetCancelButton(cancelButton);
  addButton.Click = [this] { AddButton_Click(); };
  cancelButton.Click = [this] { CancelButton_Click(); };
  deleteButton.Click = [this] { DeleteButton_Click(); };
}

// Add the typed name as the last site.
void SiteListDialog::AddButton_Click()
{
  const std::string site = newSiteBox.Text();
  if (site.empty()) {
    App().MsgBox(std::string(texts_.SiteNameMissing), ui::vbExclamation);
    return;
  }
  // The depth-dose program finds the site's organ file by this name.
  if (!IsPlainName(site)) {
    App().MsgBox(std::string(texts_.SiteNameNotAName), ui::vbExclamation);
    return;
  }
  // Every other byte of the file stays as it is.
  std::optional<RawTextFile> sites = ReadSitesOrReport(program_, texts_);
  if (!sites) return;
  if (static_cast<int>(sites->lines.size()) >= kMaxSites) {
    App().MsgBox(std::string(texts_.SiteListFull), ui::vbExclamation);
    return;
  }
  sites->Append(site);
  if (!WriteSitesOrReport(program_, texts_, *sites)) return;
  program_.mainWindow->siteCombo.AddItem(site);
  Hide();
}

// Delete the selected site: every line equal to it.
void SiteListDialog::DeleteButton_Click()
{
  if (siteList.ListIndex() < 0) {
    App().MsgBox(std::string(texts_.SiteNotSelected), ui::vbExclamation);
    return;
  }
  const std::string site = siteList.Text();
  const std::string question = std::string(texts_.DeleteSiteAsk1) + site + std::string(texts_.DeleteSiteAsk2);
  if (App().MsgBox(question, ui::vbOKCancel) != ui::vbOK) return;

  std::optional<RawTextFile> sites = ReadSitesOrReport(program_, texts_);
  if (!sites) return;
  const RawTextFile kept = WithoutSite(std::move(*sites), site);
  if (!WriteSitesOrReport(program_, texts_, kept)) return;

  // The main window's list is rebuilt from the list now on file; its text
  // falls back to the first site of the shipped list.
  ui::ComboBox& combo = program_.mainWindow->siteCombo;
  combo.Clear();
  combo.SetText(std::string(texts_.SiteAfterDelete));
  for (const std::string& s : SiteNames(kept)) combo.AddItem(s);
  Hide();
}

// The main window's site button: the dialog shows the list as it is on file.
void MainWindow::SiteListButton_Click()
{
  SiteListDialog& dialog = *program_.siteListDialog;
  dialog.siteList.Clear();
  std::vector<std::string> sites;
  try {
    sites = ReadSiteList(program_.WorkingFolder() / kSiteListFileName);
  } catch (const std::exception&) {
    // A missing list opens as an empty one; adding to it is refused with a message.
  }
  for (const std::string& s : sites) dialog.siteList.AddItem(s);
  dialog.siteCountLabel.SetCaption(std::string(DialogTextsFor(program_.edition).SiteCountPrefix) +
                           std::to_string(sites.size()));
  dialog.newSiteBox.SetText("");
  dialog.Show();
}

}  // namespace vorn::mainwin
