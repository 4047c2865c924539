// Start-up and shut-down of the main program, in the main window's load and
// unload events.
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>

#include "beam/atr_data.h"
#include "beam/attenuation_data.h"
#include "beam/diff_bsf_data.h"
#include "beam/output_data.h"
#include "mainwin/main_window.h"
#include "mainwin/main_program.h"
#include "mainwin/working_files.h"
#include "platform/files/seqfile.h"
#include "platform/format/format.h"
#include "text/error_texts.h"

namespace vorn::mainwin {
namespace {

// The name of an output-data file as the window shows it: without ".op".
std::string WithoutExtension(const std::string& fileName)
{
  return fileName.size() > 3 ? fileName.substr(0, fileName.size() - 3) : std::string{};
}

}  // namespace

void MainWindow::Form_Load()
{
  BeamCalculation& m = program_.Module();

  dateLabel.SetCaption(App().DateText() + std::string(texts_.DateSuffix));
  m.DiffBsf.DbsfGrid = MakeDbsfGrid();
  m.AirWValue = kAirWValue;

  // Without its tables the program cannot compute anything: say which file
  // is missing or broken, then end.
  try {
    LoadDataTables();
  } catch (const std::exception& e) {
    App().MsgBox(std::string(texts_.DataTableUnreadable) + ErrorText(e, program_.edition, program_.WorkingFolder()),
                 ui::vbCritical);
    App().End();
    return;
  }

  SetStartupDefaults();

  results::ClearResultTable(program_.Results);
  program_.resultWindow->HideResultGrid();

  program_.resultWindow->DrawSplashTitle(350, 500);
  program_.resultWindow->Show();

  ReadUserName();
}

void MainWindow::LoadDataTables()
{
  BeamCalculation& m = program_.Module();
  const std::filesystem::path& folder = program_.WorkingFolder();
  const bool japanese = program_.edition == Edition::Japanese;

  m.DiffBsf = LoadDiffBsfTables(folder);
  m.Attenuation = LoadAttenuationData(folder);
  m.Output = ReadOutputDataFile(folder / kDefaultOutputDataFileName);

  if (japanese) {
    // Every line becomes a site, an empty one included.
    SeqReader sites(folder / kSiteListFileName);
    while (!sites.Eof()) siteCombo.AddItem(sites.ReadLine());
  }
  siteCombo.SetText(std::string(texts_.DefaultSite));

  if (japanese) m.Atr = LoadAtrData(folder);
}

void MainWindow::SetStartupDefaults()
{
  BeamCalculation& m = program_.Module();
  ExposureCondition& c = m.Condition;
  const MainWinTexts& t = texts_;

  targetAngleBox.SetText("12");
  c.TargetAngle = 12;
  inherentFilterBox.SetText("2.5");
  c.InherentFilterAl = 0.25;
  addedAlBox.SetText("1.0");
  c.AddedFilterAl = 0.1;
  addedCuBox.SetText("0");
  c.AddedFilterCu = 0;
  optionalFilterThicknessLabel.SetCaption("0");
  m.OtherFilter.OtherFilterThickness = 0;
  optionalFilterMaterialLabel.SetCaption(std::string(t.NoOptionalFilter));
  m.OtherFilter.OtherFilterMaterial.clear();
  outputDataInUseLabel.SetCaption(WithoutExtension(m.Output.OptionFileName));
  tubeVoltageBox.SetText("75");
  c.TubeVoltage = 75;
  tubeCurrentBox.SetText("200");
  c.TubeCurrent = 200;
  exposureTimeBox.SetText(std::string(t.DefaultExposureTime));
  c.ExposureTime = Val(t.DefaultExposureTime);
  ffdBox.SetText("100");
  c.FFD = 100;
  fsdBox.SetText("80");
  c.FSD = 80;
  thicknessBox.SetText("20");
  c.ObjectThickness = 20;
  const FieldPresetText& field = t.FieldPresets[kFieldPresetStartup];
  fieldPresetCombo.SetText(std::string(field.item));
  c.FieldSizeName = field.item;
  fieldLongSideBox.SetText(std::string(field.lengthText));
  c.FieldLength = Val(field.lengthText);
  fieldShortSideBox.SetText(std::string(field.widthText));
  c.FieldWidth = Val(field.widthText);
  c.FieldShape = kRectangularField;
  for (ui::Label* result : {&exposureAt1mLabel, &hvlLabel, &atrIndexLabel, &effectiveEnergyLabel, &surfaceDoseAirLabel,
                            &bsfSoftLabel, &convFactorSoftLabel, &convFactorSkinLabel, &surfaceDoseSoftLabel,
                            &surfaceDoseSkinLabel, &bsfSkinLabel, &bsfAirLabel})
    result->SetCaption("");
  m.OtherFilter.OtherFilterOn = 0;
  constantPotentialOption.SetValue(true);
  c.RectificationType = kConstantPotential;
  c.OutputSource = kOutputDataTable;
  flatSurfaceOption.SetValue(true);
  m.Phantom.BsfMethod = kFlatSurface;
  m.Phantom.PhantomModel = 0;
  otherThanHeadOption.SetValue(true);
  program_.AddingRowFlag = 0;
}

void MainWindow::ReadUserName()
{
  const bool japanese = program_.edition == Edition::Japanese;
  std::string name;
  bool known = false;
  try {
    // The name is the line after the data lines of a shipped file.
    SeqReader file(program_.WorkingFolder() / (japanese ? kPrimaryFileName : kAtrFileName));
    const int dataLines = japanese ? kPrimaryDataLines : kAtrDataLines;
    for (int line = 1; line <= dataLines; ++line) file.ReadLine();
    name = file.ReadLine();
    known = true;
  } catch (const std::exception&) {
    known = false;
  }

  results::ResultWindow& results = *program_.resultWindow;
  program_.UserName = known ? name : std::string(texts_.GuestName);
  results.PrintSplashName(program_.UserName);
  results.ShowUserName(program_.UserName);

  if (known) {
    welcomeButton.SetVisible(false);
    for (ui::CommandButton* button : {&addToTableButton, &effectiveDoseButton, &fitButton, &addEffectiveDoseButton})
      button->SetEnabled(false);
    SetCaption(std::string(texts_.RegisteredCaption) + program_.UserName);
    return;
  }
  // A guest calculates only once a name is registered or the registration
  // is cancelled.
  Show();
  for (ui::CommandButton* button :
       {&calculateButton, &addToTableButton, &addEffectiveDoseButton, &effectiveDoseButton, &fitButton})
    button->SetEnabled(false);
}

void MainWindow::Form_Unload()
{
  // Each scratch file on its own: one that is missing or cannot be removed
  // does not keep the others.
  for (const char* name : kScratchFilesAtClose) {
    std::error_code ignored;
    std::filesystem::remove(program_.WorkingFolder() / name, ignored);
  }
  program_.ReleaseFolderLock();
  App().End();
}

}  // namespace vorn::mainwin
