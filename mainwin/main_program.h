// The main program: one per process. Owns the desktop side (ui::Application),
// the computing module with the program-wide state, the result table, the
// user name and every window, each created on first use.
//
//   ui::ScriptedServices services(folder);          // or qt::QtServices
//   mainwin::MainProgram program(Edition::Japanese, services);
//   program.Start();                                 // the main window's load brings it up
//   program.mainWindow->tubeVoltageBox.UserType("80");
//   program.mainWindow->calculateButton.UserClick();              // calculate
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "beam/beam_calculation.h"
#include "platform/files/folder_lock.h"
#include "mainwin/main_window.h"
#include "mainwin/fit_dialog.h"
#include "mainwin/fluoroscopy_dialog.h"
#include "mainwin/shape_dialog.h"
#include "mainwin/shape_preview_window.h"
#include "mainwin/atr_explanation_window.h"
#include "mainwin/user_name_registration_dialog.h"
#include "mainwin/site_list_dialog.h"
#include "mainwin/user_name_change_dialog.h"
#include "mainwin/optional_filter_dialog.h"
#include "mainwin/exit_dialog.h"
#include "mainwin/output_data_editor.h"
#include "mainwin/output_data_chooser.h"
#include "mainwin/measured_exposure_dialog.h"
#include "mainwin/main_window_port.h"
#include "mainwin/row_ledger.h"
#include "platform/ui/ui.h"
#include "results/result_window.h"
#include "results/result_save_dialog.h"
#include "results/result_read_dialog.h"
#include "results/result_host.h"
#include "results/result_table.h"
#include "text/edition.h"

namespace vorn::mainwin {

class MainProgram final : public results::ResultHost {
public:
  // The program works in the services' working folder.
  MainProgram(Edition edition, ui::Services& services);
  ~MainProgram() override;
  MainProgram(const MainProgram&) = delete;
  MainProgram& operator=(const MainProgram&) = delete;

  // Shows the main window; its load event reads the tables and sets the
  // defaults. A table that cannot be read ends the program with a message,
  // and so does another live copy in the same working folder (of either
  // edition: they share the exchange files).
  void Start();

  const std::filesystem::path& WorkingFolder() const override { return app.WorkingFolder(); }
  // The shut-down's last step: another copy may start in this folder now.
  void ReleaseFolderLock() { folderLock_.Release(); }
  vorn::BeamCalculation& Module() { return *module_; }

  const Edition edition;
  ui::Application app;

private:
  MainWindowPort port_{*this};
  FolderLock folderLock_;  // released, and its file removed, when the program object goes
  std::unique_ptr<vorn::BeamCalculation> module_;  // large tables: kept off the stack

public:
  results::ResultTable Results;
  std::string UserName;
  int AddingRowFlag = 0;  // 1 while a new row is drawn (no effective-dose cell yet)
  // The last calculation, the row it became and the row handed over.
  RowLedger Ledger;

  // ---- what the result window and its dialogs ask of the program ----
  ui::Application& Desktop() override { return app; }
  Edition ProgramEdition() const override { return edition; }
  results::ResultTable& Table() override { return Results; }
  const std::string& CurrentUserName() const override { return UserName; }
  double AirConversionFactor() const override;
  void SetAirConversionFactor(double value) override;
  results::ResultWindow& TableWindow() override { return *resultWindow; }
  results::ResultSaveDialog& SaveDialog() override { return *resultSaveDialog; }
  results::ResultReadDialog& ReadDialog() override { return *resultReadDialog; }
  void BringMainWindowToFront() override;
  void TablePrinted() override;
  void TableErased() override;
  void TableRead() override;

  // ---- windows ----
  ui::FormSlot<mainwin::MainWindow> mainWindow{[this] { return std::make_unique<mainwin::MainWindow>(*this); }};
  ui::FormSlot<results::ResultWindow> resultWindow{[this] { return std::make_unique<results::ResultWindow>(*this); }};
  ui::FormSlot<results::ResultSaveDialog> resultSaveDialog{
      [this] { return std::make_unique<results::ResultSaveDialog>(*this); }};
  ui::FormSlot<results::ResultReadDialog> resultReadDialog{
      [this] { return std::make_unique<results::ResultReadDialog>(*this); }};
  ui::FormSlot<mainwin::FitDialog> fitDialog{[this] { return std::make_unique<mainwin::FitDialog>(*this); }};
  ui::FormSlot<mainwin::FluoroscopyDialog> fluoroscopyDialog{
      [this] { return std::make_unique<mainwin::FluoroscopyDialog>(*this); }};
  ui::FormSlot<mainwin::ShapeDialog> shapeDialog{[this] { return std::make_unique<mainwin::ShapeDialog>(*this); }};
  ui::FormSlot<mainwin::ShapePreviewWindow> shapePreviewWindow{
      [this] { return std::make_unique<mainwin::ShapePreviewWindow>(*this); }};
  ui::FormSlot<mainwin::AtrExplanationWindow> atrExplanationWindow{
      [this] { return std::make_unique<mainwin::AtrExplanationWindow>(*this); }};
  ui::FormSlot<mainwin::OptionalFilterDialog> optionalFilterDialog{
      [this] { return std::make_unique<mainwin::OptionalFilterDialog>(*this); }};
  ui::FormSlot<mainwin::ExitDialog> exitDialog{[this] { return std::make_unique<mainwin::ExitDialog>(*this); }};
  ui::FormSlot<mainwin::OutputDataEditor> outputDataEditor{
      [this] { return std::make_unique<mainwin::OutputDataEditor>(*this); }};
  ui::FormSlot<mainwin::OutputDataChooser> outputDataChooser{
      [this] { return std::make_unique<mainwin::OutputDataChooser>(*this); }};
  ui::FormSlot<mainwin::MeasuredExposureDialog> measuredExposureDialog{
      [this] { return std::make_unique<mainwin::MeasuredExposureDialog>(*this); }};
  ui::FormSlot<mainwin::UserNameRegistrationDialog> userNameRegistrationDialog{
      [this] { return std::make_unique<mainwin::UserNameRegistrationDialog>(*this); }};
  ui::FormSlot<mainwin::SiteListDialog> siteListDialog{
      [this] { return std::make_unique<mainwin::SiteListDialog>(*this); }};
  ui::FormSlot<mainwin::UserNameChangeDialog> userNameChangeDialog{
      [this] { return std::make_unique<mainwin::UserNameChangeDialog>(*this); }};
};

}  // namespace vorn::mainwin
