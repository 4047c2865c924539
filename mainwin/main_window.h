// The main window: the exposure condition of one examination on the left
// (input boxes, the site and field-size lists, the option groups), the
// results of the last calculation on the right, and the commands. Its load
// event brings the whole program up; closing it ends the program.
//
// Event routines are members named after the control and the event. Those of
// the buttons that open dialogs are defined beside their dialogs (one file
// each) and connected in the constructor with one line each.
#pragma once

#include <optional>
#include <string>

#include "beam/calculation_result.h"
#include "beam/exposure_condition.h"
#include "beam/other_filter.h"
#include "beam/phantom_geometry.h"
#include "beam/window_port.h"
#include "mainwin/entry_check.h"
#include "results/calculation_record.h"
#include "platform/ui/ui.h"
#include "text/mainwin_texts.h"

namespace vorn::mainwin {

class MainProgram;

class MainWindow : public ui::Form {
public:
  explicit MainWindow(MainProgram& program);

  // ---- X-ray tube and filters ----
  ui::Frame tubeFrame{*this, "Frame1", {120, 600, 4200, 2520}};
  ui::Label targetAngleCaption{tubeFrame, "Label1", {150, 360, 1680, 300}};
  ui::TextBox targetAngleBox{tubeFrame, "Text1", {1860, 330, 840, 360}};  // target angle, degrees
  ui::Label targetAngleUnit{tubeFrame, "Label2", {2760, 360, 1320, 300}};
  ui::Label inherentFilterCaption{tubeFrame, "Label3", {150, 780, 1680, 300}};
  ui::TextBox inherentFilterBox{tubeFrame, "Text2", {1860, 750, 840, 360}};  // inherent filtration, mm Al
  ui::Label inherentFilterUnit{tubeFrame, "Label4", {2760, 780, 1320, 300}};
  ui::Label addedAlCaption{tubeFrame, "Label5", {150, 1200, 1680, 300}};
  ui::TextBox addedAlBox{tubeFrame, "Text3", {1860, 1170, 840, 360}};  // added Al, mm
  ui::Label addedAlUnit{tubeFrame, "Label6", {2760, 1200, 1320, 300}};
  ui::Label addedCuCaption{tubeFrame, "Label7", {150, 1620, 1680, 300}};
  ui::TextBox addedCuBox{tubeFrame, "Text4", {1860, 1590, 840, 360}};  // added Cu, mm
  ui::Label addedCuUnit{tubeFrame, "Label8", {2760, 1620, 1320, 300}};
  ui::CommandButton optionalFilterButton{tubeFrame, "Command9", {150, 2010, 1560, 390}};
  ui::Label optionalFilterMaterialLabel{tubeFrame, "Label29", {1770, 2040, 1440, 300}};
  ui::Label optionalFilterThicknessLabel{tubeFrame, "Label26", {3240, 2040, 450, 300}};   // its thickness, mm as typed
  ui::Label optionalFilterUnit{tubeFrame, "Label10", {3720, 2040, 420, 300}};

  // ---- examination site ----
  ui::Frame siteFrame{*this, "Frame2", {120, 3240, 4200, 780}};
  ui::ComboBox siteCombo{siteFrame, "Combo2", {150, 300, 2640, 360}};
  ui::CommandButton siteListButton{siteFrame, "Command7", {2880, 285, 1170, 390}};  // site list (Japanese edition)

  // ---- tube voltage, current, time and distances ----
  ui::Frame exposureFrame{*this, "Frame3", {4440, 600, 4440, 2940}};
  ui::Label tubeVoltageCaption{exposureFrame, "Label11", {150, 360, 1560, 300}};
  ui::TextBox tubeVoltageBox{exposureFrame, "Text5", {1740, 330, 840, 360}};  // kV
  ui::Label tubeVoltageUnit{exposureFrame, "Label12", {2640, 360, 420, 300}};
  ui::Label tubeCurrentCaption{exposureFrame, "Label13", {150, 780, 1560, 300}};
  ui::TextBox tubeCurrentBox{exposureFrame, "Text6", {1740, 750, 840, 360}};  // mA
  ui::Label tubeCurrentUnit{exposureFrame, "Label14", {2640, 780, 420, 300}};
  ui::CommandButton fluoroscopyButton{exposureFrame, "Command4", {3120, 735, 1200, 390}};
  ui::Label exposureTimeCaption{exposureFrame, "Label15", {150, 1200, 1560, 300}};
  ui::TextBox exposureTimeBox{exposureFrame, "Text7", {1740, 1170, 840, 360}};  // s
  ui::Label exposureTimeUnit{exposureFrame, "Label16", {2640, 1200, 420, 300}};
  ui::Label ffdCaption{exposureFrame, "Label17", {150, 1620, 1560, 300}};
  ui::TextBox ffdBox{exposureFrame, "Text8", {1740, 1590, 840, 360}};  // FFD, cm
  ui::Label ffdUnit{exposureFrame, "Label18", {2640, 1620, 420, 300}};
  ui::Label thicknessCaption{exposureFrame, "Label19", {150, 2040, 1560, 300}};
  ui::TextBox thicknessBox{exposureFrame, "Text23", {1740, 2010, 840, 360}};  // object thickness, cm
  ui::Label thicknessUnit{exposureFrame, "Label20", {2640, 2040, 420, 300}};
  ui::Label fsdCaption{exposureFrame, "Label21", {150, 2460, 1560, 300}};
  ui::TextBox fsdBox{exposureFrame, "Text9", {1740, 2430, 840, 360}};  // FSD, cm
  ui::Label fsdUnit{exposureFrame, "Label23", {2640, 2460, 420, 300}};

  // ---- field size at FFD ----
  ui::Frame fieldFrame{*this, "Frame4", {4440, 3660, 4440, 1680}};
  ui::Label fieldPresetCaption{fieldFrame, "Label24", {150, 360, 1980, 300}};
  ui::ComboBox fieldPresetCombo{fieldFrame, "Combo1", {2160, 330, 2100, 360}, ui::ComboStyle::DropdownList};
  ui::Label fieldLongSideCaption{fieldFrame, "Label22", {150, 780, 1980, 300}};
  ui::TextBox fieldLongSideBox{fieldFrame, "Text10", {2160, 750, 840, 360}};  // long side or diameter, cm
  ui::Label fieldLongSideUnit{fieldFrame, "Label25", {3060, 780, 420, 300}};
  ui::Label fieldShortSideCaption{fieldFrame, "Label27", {150, 1200, 1980, 300}};
  ui::TextBox fieldShortSideBox{fieldFrame, "Text11", {2160, 1170, 840, 360}};  // short side, cm
  ui::Label fieldShortSideUnit{fieldFrame, "Label28", {3060, 1200, 420, 300}};

  // ---- rectification ----
  ui::Frame rectificationFrame{*this, "Frame5", {120, 4140, 4200, 1320}};
  ui::OptionButton constantPotentialOption{rectificationFrame, "Option1", {240, 300, 3840, 300}};
  ui::OptionButton threePhaseOption{rectificationFrame, "Option2", {240, 630, 3840, 300}};
  ui::OptionButton singlePhaseOption{rectificationFrame, "Option3", {240, 960, 3840, 300}};

  // ---- exposure at 1 m ----
  ui::Frame outputFrame{*this, "Frame6", {4440, 5460, 4440, 1980}};
  ui::OptionButton measuredExposureOption{outputFrame, "Option4", {240, 300, 3960, 300}};
  ui::OptionButton outputDataOption{outputFrame, "Option5", {240, 630, 3960, 300}};
  ui::Label outputDataInUseCaption{outputFrame, "Label30", {240, 1020, 1260, 300}};
  ui::Label outputDataInUseLabel{outputFrame, "Label79", {1500, 990, 2760, 330}};
  ui::CommandButton editOutputDataButton{outputFrame, "Command12", {240, 1440, 1920, 420}};
  ui::CommandButton chooseOutputDataButton{outputFrame, "Command13", {2280, 1440, 1920, 420}};

  // ---- entrance surface ----
  ui::Frame bsfMethodFrame{*this, "Frame7", {120, 5580, 4200, 1860}};
  ui::OptionButton flatSurfaceOption{bsfMethodFrame, "Option6", {240, 300, 3840, 300}};
  ui::OptionButton curvedSurfaceOption{bsfMethodFrame, "Option7", {240, 630, 3840, 300}};
  ui::Frame phantomFrame{bsfMethodFrame, "Frame8", {360, 990, 3600, 690}};
  ui::OptionButton headOption{phantomFrame, "Option8", {150, 270, 1080, 300}};
  ui::OptionButton otherThanHeadOption{phantomFrame, "Option9", {1320, 270, 2160, 300}};

  // ---- beam quality and exposure at 1 m ----
  ui::Frame qualityFrame{*this, "Frame9", {9000, 120, 4680, 1920}};
  ui::Label hvlCaption{qualityFrame, "Label31", {150, 345, 2100, 300}};
  ui::Label hvlLabel{qualityFrame, "Label65", {2280, 330, 1200, 330}};  // first half-value layer
  ui::Label hvlUnit{qualityFrame, "Label32", {3540, 345, 660, 300}};
  ui::Label effectiveEnergyCaption{qualityFrame, "Label33", {150, 735, 2100, 300}};
  ui::Label effectiveEnergyLabel{qualityFrame, "Label66", {2280, 720, 1200, 330}};
  ui::Label effectiveEnergyUnit{qualityFrame, "Label34", {3540, 735, 660, 300}};
  ui::Label atrIndexCaption{qualityFrame, "Label35", {150, 1125, 2100, 300}};
  ui::Label atrIndexLabel{qualityFrame, "Label67", {2280, 1110, 1200, 330}};  // ATR index (Japanese edition)
  ui::CommandButton atrExplanationButton{qualityFrame, "Command6", {3540, 1080, 1020, 390}};
  ui::Label exposureAt1mCaption{qualityFrame, "Label36", {150, 1515, 2100, 300}};
  ui::Label exposureAt1mLabel{qualityFrame, "Label78", {2280, 1500, 1200, 330}};
  ui::Label exposureAt1mUnit{qualityFrame, "Label37", {3540, 1515, 660, 300}};

  ui::PictureBox mascotPicture{*this, "Picture1", {13800, 120, 1680, 1800}};

  // ---- backscatter factors, conversion factors, surface doses ----
  ui::Frame doseFrame{*this, "Frame10", {9000, 2160, 6480, 1860}};
  ui::Label softTissueCaption{doseFrame, "Label38", {2700, 300, 1140, 300}};
  ui::Label skinCaption{doseFrame, "Label39", {3960, 300, 1140, 300}};
  ui::Label airCaption{doseFrame, "Label40", {5220, 300, 1140, 300}};
  ui::Label bsfCaption{doseFrame, "Label41", {150, 675, 2520, 300}};
  ui::Label bsfSoftLabel{doseFrame, "Label68", {2700, 660, 1140, 330}};  // BSF soft tissue
  ui::Label bsfSkinLabel{doseFrame, "Label69", {3960, 660, 1140, 330}};
  ui::Label bsfAirLabel{doseFrame, "Label70", {5220, 660, 1140, 330}};
  ui::Label convFactorCaption{doseFrame, "Label42", {150, 1065, 2520, 300}};
  ui::Label convFactorSoftLabel{doseFrame, "Label71", {2700, 1050, 1140, 330}};  // conversion factor soft tissue
  ui::Label convFactorSkinLabel{doseFrame, "Label72", {3960, 1050, 1140, 330}};  // conversion factor skin
  ui::Label surfaceDoseCaption{doseFrame, "Label43", {150, 1455, 2520, 300}};
  ui::Label surfaceDoseSoftLabel{doseFrame, "Label73", {2700, 1440, 1140, 330}};  // surface dose soft tissue
  ui::Label surfaceDoseSkinLabel{doseFrame, "Label74", {3960, 1440, 1140, 330}};
  ui::Label surfaceDoseAirLabel{doseFrame, "Label75", {5220, 1440, 1140, 330}};

  // ---- commands ----
  ui::CommandButton calculateButton{*this, "Command2", {9000, 4140, 3240, 660}};
  ui::CommandButton fitButton{*this, "Command14", {12360, 4140, 3120, 660}};  // fit to a measured value
  ui::CommandButton addToTableButton{*this, "Command3", {9000, 4920, 3000, 480}};    // add to the result table
  ui::CommandButton showTableButton{*this, "Command10", {12120, 4920, 3360, 480}};  // show the result table
  ui::Frame effectiveDoseFrame{*this, "Frame11", {9000, 5520, 6480, 900}};
  // Hand the beam over for the effective dose; add the effective dose it gives back.
  ui::CommandButton effectiveDoseButton{effectiveDoseFrame, "Command11", {240, 330, 3240, 450}};
  ui::CommandButton addEffectiveDoseButton{effectiveDoseFrame, "Command5", {3600, 330, 2640, 450}};
  ui::CommandButton exitButton{*this, "Command1", {14160, 6900, 1320, 540}};

  ui::Label dateLabel{*this, "Label52", {120, 150, 2400, 300}};  // today's date
  ui::CommandButton welcomeButton{*this, "Command8", {2640, 90, 6240, 420}};  // welcome: register a user name

  // The controls the computing module writes and reads.
  ui::Label& ResultLabelControl(ResultLabel label);
  ui::TextBox& MainBoxControl(MainBox box);

  // ---- the checks before a calculation (the calculate command and the fit dialog) ----
  // The first box, in the order of the Enter chain, whose text is not a
  // number the calculation can use.
  std::optional<EntryRefusal> FirstBadEntry();
  // The boxes, then (English edition, when `storeBoxes`: after storing every
  // box) the body thickness against FFD - FSD. A refusal is told and changes
  // nothing else; returns whether it refused.
  bool RefuseCondition(bool storeBoxes);

  // ---- what a calculation leaves ----
  // A calculation or fit has just succeeded: what it produced, with the site
  // chosen now, becomes the record that the add command takes.
  void RecordCalculatedResult();
  // After a failed calculation nothing may be shown or added as its result:
  // the result labels are emptied (a measured exposure in use stays on show)
  // and add and recalculate are disabled until the next success. The row
  // added before keeps its hand-over.
  void DiscardResult();

  // ---- what the result window's commands leave on this window ----
  void ResetAfterPrinting();
  void ResetAfterErasing();
  void ResetAfterReading();

private:
  // ---- start-up and shut-down ----
  void Form_Load();
  void Form_Unload();
  void LoadDataTables();
  void SetStartupDefaults();
  void ReadUserName();

  // ---- entry of the exposure condition ----
  void TargetAngleBox_KeyDown(int keyCode);
  void InherentFilterBox_KeyDown(int keyCode);
  void AddedAlBox_KeyDown(int keyCode);
  void AddedCuBox_KeyDown(int keyCode);
  void TubeVoltageBox_KeyDown(int keyCode);
  void TubeCurrentBox_KeyDown(int keyCode);
  void ExposureTimeBox_KeyDown(int keyCode);
  void FfdBox_KeyDown(int keyCode);
  void FsdBox_KeyDown(int keyCode);
  void FieldLongSideBox_KeyDown(int keyCode);
  void FieldShortSideBox_KeyDown(int keyCode);
  void ThicknessBox_KeyDown(int keyCode);
  void FieldPresetCombo_KeyDown(int keyCode);
  void SiteCombo_KeyDown(int keyCode);
  void TargetAngleBox_LostFocus();
  void InherentFilterBox_LostFocus();
  void AddedAlBox_LostFocus();
  void AddedCuBox_LostFocus();
  void TubeVoltageBox_LostFocus();
  void TubeCurrentBox_LostFocus();
  void ExposureTimeBox_LostFocus();
  void FfdBox_LostFocus();
  void FsdBox_LostFocus();
  void FieldLongSideBox_LostFocus();
  void FieldShortSideBox_LostFocus();
  void ThicknessBox_LostFocus();
  void FieldPresetCombo_Click();
  void SiteCombo_Click();
  void ConstantPotentialOption_Click();
  void ThreePhaseOption_Click();
  void SinglePhaseOption_Click();
  void MeasuredExposureOption_Click();
  void OutputDataOption_Click();
  void FlatSurfaceOption_Click();
  void CurvedSurfaceOption_Click();
  void HeadOption_Click();
  void OtherThanHeadOption_Click();

  // ---- commands ----
  void CalculateButton_Click();   // calculate
  void ShowTableButton_Click();  // show the result table
  // Every input box stored again, as leaving each would (English edition).
  void StoreAllBoxes();

  // Defined beside their dialogs, each connected with one line in the constructor.
  void ExitButton_Click();     // exit dialog
  void AddToTableButton_Click();     // add the result to the result table
  void FluoroscopyButton_Click();     // fluoroscopy dialog
  void AddEffectiveDoseButton_Click();     // add the effective dose
  void AtrExplanationButton_Click();     // ATR explanation
  void SiteListButton_Click();     // site dialog
  void WelcomeButton_Click();     // user-name registration
  void OptionalFilterButton_Click();     // optional-filter dialog
  void EffectiveDoseButton_Click();    // hand over to the depth-dose program
  void EditOutputDataButton_Click();    // output-data editor
  void ChooseOutputDataButton_Click();    // output-data chooser
  void FitButton_Click();    // fit dialog
  void MascotPicture_DblClick();  // user-name change

  // The site as a row carries it (an empty site is one ideographic space).
  std::string SiteText() const;
  // The condition held now, as the next row would carry it.
  results::CalculationRecord EnteredCondition();
  // Whether the condition held now is still that of the last successful
  // calculation; when not, the user is told, the result goes and the add
  // command does nothing.
  bool RefuseStaleResult();
  void EmptyResultLabels();
  void EmptyOptionalFilter();
  void RemoveOptionalFilter();
  void SelectDefaultOutputData();

  // Leaving a box stores its number, but not after a mere pass of the focus:
  // the text is then what it was when the box got the focus, and storing it
  // would round a fitted value to the digits on show.
  void BoxGotFocus(const ui::TextBox& box);
  bool BoxEdited(const ui::TextBox& box) const;
  const ui::TextBox* focusedBox_ = nullptr;
  std::string textOnFocus_;

  MainProgram& program_;
  const MainWinTexts& texts_;
};

}  // namespace vorn::mainwin
