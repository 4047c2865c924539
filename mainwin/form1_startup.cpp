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
#include "mainwin/form1.h"
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

void Form1::Form_Load()
{
  Module1& m = program_.Module();

  Label52.SetCaption(App().DateText() + std::string(texts_.DateSuffix));
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
  program_.Form10->HideResultGrid();

  program_.Form10->DrawSplashTitle(350, 500);
  program_.Form10->Show();

  ReadUserName();
}

void Form1::LoadDataTables()
{
  Module1& m = program_.Module();
  const std::filesystem::path& folder = program_.WorkingFolder();
  const bool japanese = program_.edition == Edition::Japanese;

  m.DiffBsf = LoadDiffBsfTables(folder);
  m.Attenuation = LoadAttenuationData(folder);
  m.Output = ReadOutputDataFile(folder / kDefaultOutputDataFileName);

  if (japanese) {
    // Every line becomes a site, an empty one included.
    SeqReader sites(folder / kSiteListFileName);
    while (!sites.Eof()) Combo2.AddItem(sites.ReadLine());
  }
  Combo2.SetText(std::string(texts_.DefaultSite));

  if (japanese) m.Atr = LoadAtrData(folder);
}

void Form1::SetStartupDefaults()
{
  Module1& m = program_.Module();
  ExposureCondition& c = m.Condition;
  const MainWinTexts& t = texts_;

  Text1.SetText("12");
  c.TargetAngle = 12;
  Text2.SetText("2.5");
  c.InherentFilterAl = 0.25;
  Text3.SetText("1.0");
  c.AddedFilterAl = 0.1;
  Text4.SetText("0");
  c.AddedFilterCu = 0;
  Label26.SetCaption("0");
  m.OtherFilter.OtherFilterThickness = 0;
  Label29.SetCaption(std::string(t.NoOptionalFilter));
  m.OtherFilter.OtherFilterMaterial.clear();
  Label79.SetCaption(WithoutExtension(m.Output.OptionFileName));
  Text5.SetText("75");
  c.TubeVoltage = 75;
  Text6.SetText("200");
  c.TubeCurrent = 200;
  Text7.SetText(std::string(t.DefaultExposureTime));
  c.ExposureTime = Val(t.DefaultExposureTime);
  Text8.SetText("100");
  c.FFD = 100;
  Text9.SetText("80");
  c.FSD = 80;
  Text23.SetText("20");
  c.ObjectThickness = 20;
  const FieldPresetText& field = t.FieldPresets[kFieldPresetStartup];
  Combo1.SetText(std::string(field.item));
  c.FieldSizeName = field.item;
  Text10.SetText(std::string(field.lengthText));
  c.FieldLength = Val(field.lengthText);
  Text11.SetText(std::string(field.widthText));
  c.FieldWidth = Val(field.widthText);
  c.FieldShape = kRectangularField;
  for (ui::Label* result : {&Label78, &Label65, &Label67, &Label66, &Label75, &Label68, &Label71, &Label72,
                            &Label73, &Label74, &Label69, &Label70})
    result->SetCaption("");
  m.OtherFilter.OtherFilterOn = 0;
  Option1.SetValue(true);
  c.RectificationType = kConstantPotential;
  c.OutputSource = kOutputDataTable;
  Option6.SetValue(true);
  m.Phantom.BsfMethod = kFlatSurface;
  m.Phantom.PhantomModel = 0;
  Option9.SetValue(true);
  program_.AddingRowFlag = 0;
}

void Form1::ReadUserName()
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

  results::Form10& results = *program_.Form10;
  program_.UserName = known ? name : std::string(texts_.GuestName);
  results.PrintSplashName(program_.UserName);
  results.ShowUserName(program_.UserName);

  if (known) {
    Command8.SetVisible(false);
    for (ui::CommandButton* button : {&Command3, &Command11, &Command14, &Command5}) button->SetEnabled(false);
    SetCaption(std::string(texts_.RegisteredCaption) + program_.UserName);
    return;
  }
  // A guest calculates only once a name is registered or the registration
  // is cancelled.
  Show();
  for (ui::CommandButton* button : {&Command2, &Command3, &Command5, &Command11, &Command14})
    button->SetEnabled(false);
}

void Form1::Form_Unload()
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
