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
#include "platform/ui/ui.h"
#include "text/mainwin_texts.h"

namespace vorn::mainwin {

class MainProgram;

class Form1 : public ui::Form {
public:
  explicit Form1(MainProgram& program);

  // ---- X-ray tube and filters ----
  ui::Frame Frame1{*this, "Frame1", {120, 600, 4200, 2520}};
  ui::Label Label1{Frame1, "Label1", {150, 360, 1680, 300}};
  ui::TextBox Text1{Frame1, "Text1", {1860, 330, 840, 360}};  // target angle, degrees
  ui::Label Label2{Frame1, "Label2", {2760, 360, 1320, 300}};
  ui::Label Label3{Frame1, "Label3", {150, 780, 1680, 300}};
  ui::TextBox Text2{Frame1, "Text2", {1860, 750, 840, 360}};  // inherent filtration, mm Al
  ui::Label Label4{Frame1, "Label4", {2760, 780, 1320, 300}};
  ui::Label Label5{Frame1, "Label5", {150, 1200, 1680, 300}};
  ui::TextBox Text3{Frame1, "Text3", {1860, 1170, 840, 360}};  // added Al, mm
  ui::Label Label6{Frame1, "Label6", {2760, 1200, 1320, 300}};
  ui::Label Label7{Frame1, "Label7", {150, 1620, 1680, 300}};
  ui::TextBox Text4{Frame1, "Text4", {1860, 1590, 840, 360}};  // added Cu, mm
  ui::Label Label8{Frame1, "Label8", {2760, 1620, 1320, 300}};
  ui::CommandButton Command9{Frame1, "Command9", {150, 2010, 1560, 390}};  // optional filter
  ui::Label Label29{Frame1, "Label29", {1770, 2040, 1440, 300}};  // optional filter material
  ui::Label Label26{Frame1, "Label26", {3240, 2040, 450, 300}};   // its thickness, mm as typed
  ui::Label Label10{Frame1, "Label10", {3720, 2040, 420, 300}};

  // ---- examination site ----
  ui::Frame Frame2{*this, "Frame2", {120, 3240, 4200, 780}};
  ui::ComboBox Combo2{Frame2, "Combo2", {150, 300, 2640, 360}};
  ui::CommandButton Command7{Frame2, "Command7", {2880, 285, 1170, 390}};  // site list (Japanese edition)

  // ---- tube voltage, current, time and distances ----
  ui::Frame Frame3{*this, "Frame3", {4440, 600, 4440, 2940}};
  ui::Label Label11{Frame3, "Label11", {150, 360, 1560, 300}};
  ui::TextBox Text5{Frame3, "Text5", {1740, 330, 840, 360}};  // kV
  ui::Label Label12{Frame3, "Label12", {2640, 360, 420, 300}};
  ui::Label Label13{Frame3, "Label13", {150, 780, 1560, 300}};
  ui::TextBox Text6{Frame3, "Text6", {1740, 750, 840, 360}};  // mA
  ui::Label Label14{Frame3, "Label14", {2640, 780, 420, 300}};
  ui::CommandButton Command4{Frame3, "Command4", {3120, 735, 1200, 390}};  // fluoroscopy
  ui::Label Label15{Frame3, "Label15", {150, 1200, 1560, 300}};
  ui::TextBox Text7{Frame3, "Text7", {1740, 1170, 840, 360}};  // s
  ui::Label Label16{Frame3, "Label16", {2640, 1200, 420, 300}};
  ui::Label Label17{Frame3, "Label17", {150, 1620, 1560, 300}};
  ui::TextBox Text8{Frame3, "Text8", {1740, 1590, 840, 360}};  // FFD, cm
  ui::Label Label18{Frame3, "Label18", {2640, 1620, 420, 300}};
  ui::Label Label19{Frame3, "Label19", {150, 2040, 1560, 300}};
  ui::TextBox Text23{Frame3, "Text23", {1740, 2010, 840, 360}};  // object thickness, cm
  ui::Label Label20{Frame3, "Label20", {2640, 2040, 420, 300}};
  ui::Label Label21{Frame3, "Label21", {150, 2460, 1560, 300}};
  ui::TextBox Text9{Frame3, "Text9", {1740, 2430, 840, 360}};  // FSD, cm
  ui::Label Label23{Frame3, "Label23", {2640, 2460, 420, 300}};

  // ---- field size at FFD ----
  ui::Frame Frame4{*this, "Frame4", {4440, 3660, 4440, 1680}};
  ui::Label Label24{Frame4, "Label24", {150, 360, 1980, 300}};
  ui::ComboBox Combo1{Frame4, "Combo1", {2160, 330, 2100, 360}, ui::ComboStyle::DropdownList};
  ui::Label Label22{Frame4, "Label22", {150, 780, 1980, 300}};
  ui::TextBox Text10{Frame4, "Text10", {2160, 750, 840, 360}};  // long side or diameter, cm
  ui::Label Label25{Frame4, "Label25", {3060, 780, 420, 300}};
  ui::Label Label27{Frame4, "Label27", {150, 1200, 1980, 300}};
  ui::TextBox Text11{Frame4, "Text11", {2160, 1170, 840, 360}};  // short side, cm
  ui::Label Label28{Frame4, "Label28", {3060, 1200, 420, 300}};

  // ---- rectification ----
  ui::Frame Frame5{*this, "Frame5", {120, 4140, 4200, 1320}};
  ui::OptionButton Option1{Frame5, "Option1", {240, 300, 3840, 300}};
  ui::OptionButton Option2{Frame5, "Option2", {240, 630, 3840, 300}};
  ui::OptionButton Option3{Frame5, "Option3", {240, 960, 3840, 300}};

  // ---- exposure at 1 m ----
  ui::Frame Frame6{*this, "Frame6", {4440, 5460, 4440, 1980}};
  ui::OptionButton Option4{Frame6, "Option4", {240, 300, 3960, 300}};
  ui::OptionButton Option5{Frame6, "Option5", {240, 630, 3960, 300}};
  ui::Label Label30{Frame6, "Label30", {240, 1020, 1260, 300}};
  ui::Label Label79{Frame6, "Label79", {1500, 990, 2760, 330}};  // output data in use
  ui::CommandButton Command12{Frame6, "Command12", {240, 1440, 1920, 420}};  // edit output data
  ui::CommandButton Command13{Frame6, "Command13", {2280, 1440, 1920, 420}};  // choose output data

  // ---- entrance surface ----
  ui::Frame Frame7{*this, "Frame7", {120, 5580, 4200, 1860}};
  ui::OptionButton Option6{Frame7, "Option6", {240, 300, 3840, 300}};
  ui::OptionButton Option7{Frame7, "Option7", {240, 630, 3840, 300}};
  ui::Frame Frame8{Frame7, "Frame8", {360, 990, 3600, 690}};
  ui::OptionButton Option8{Frame8, "Option8", {150, 270, 1080, 300}};
  ui::OptionButton Option9{Frame8, "Option9", {1320, 270, 2160, 300}};

  // ---- beam quality and exposure at 1 m ----
  ui::Frame Frame9{*this, "Frame9", {9000, 120, 4680, 1920}};
  ui::Label Label31{Frame9, "Label31", {150, 345, 2100, 300}};
  ui::Label Label65{Frame9, "Label65", {2280, 330, 1200, 330}};  // first half-value layer
  ui::Label Label32{Frame9, "Label32", {3540, 345, 660, 300}};
  ui::Label Label33{Frame9, "Label33", {150, 735, 2100, 300}};
  ui::Label Label66{Frame9, "Label66", {2280, 720, 1200, 330}};  // effective energy
  ui::Label Label34{Frame9, "Label34", {3540, 735, 660, 300}};
  ui::Label Label35{Frame9, "Label35", {150, 1125, 2100, 300}};
  ui::Label Label67{Frame9, "Label67", {2280, 1110, 1200, 330}};  // ATR index (Japanese edition)
  ui::CommandButton Command6{Frame9, "Command6", {3540, 1080, 1020, 390}};  // ATR explanation
  ui::Label Label36{Frame9, "Label36", {150, 1515, 2100, 300}};
  ui::Label Label78{Frame9, "Label78", {2280, 1500, 1200, 330}};  // exposure at 1 m
  ui::Label Label37{Frame9, "Label37", {3540, 1515, 660, 300}};

  ui::PictureBox Picture1{*this, "Picture1", {13800, 120, 1680, 1800}};  // the mascot

  // ---- backscatter factors, conversion factors, surface doses ----
  ui::Frame Frame10{*this, "Frame10", {9000, 2160, 6480, 1860}};
  ui::Label Label38{Frame10, "Label38", {2700, 300, 1140, 300}};
  ui::Label Label39{Frame10, "Label39", {3960, 300, 1140, 300}};
  ui::Label Label40{Frame10, "Label40", {5220, 300, 1140, 300}};
  ui::Label Label41{Frame10, "Label41", {150, 675, 2520, 300}};
  ui::Label Label68{Frame10, "Label68", {2700, 660, 1140, 330}};  // BSF soft tissue
  ui::Label Label69{Frame10, "Label69", {3960, 660, 1140, 330}};  // BSF skin
  ui::Label Label70{Frame10, "Label70", {5220, 660, 1140, 330}};  // BSF air
  ui::Label Label42{Frame10, "Label42", {150, 1065, 2520, 300}};
  ui::Label Label71{Frame10, "Label71", {2700, 1050, 1140, 330}};  // conversion factor soft tissue
  ui::Label Label72{Frame10, "Label72", {3960, 1050, 1140, 330}};  // conversion factor skin
  ui::Label Label43{Frame10, "Label43", {150, 1455, 2520, 300}};
  ui::Label Label73{Frame10, "Label73", {2700, 1440, 1140, 330}};  // surface dose soft tissue
  ui::Label Label74{Frame10, "Label74", {3960, 1440, 1140, 330}};  // surface dose skin
  ui::Label Label75{Frame10, "Label75", {5220, 1440, 1140, 330}};  // surface dose air

  // ---- commands ----
  ui::CommandButton Command2{*this, "Command2", {9000, 4140, 3240, 660}};    // calculate
  ui::CommandButton Command14{*this, "Command14", {12360, 4140, 3120, 660}};  // fit to a measured value
  ui::CommandButton Command3{*this, "Command3", {9000, 4920, 3000, 480}};    // add to the result table
  ui::CommandButton Command10{*this, "Command10", {12120, 4920, 3360, 480}};  // show the result table
  ui::Frame Frame11{*this, "Frame11", {9000, 5520, 6480, 900}};
  ui::CommandButton Command11{Frame11, "Command11", {240, 330, 3240, 450}};  // hand over for the effective dose
  ui::CommandButton Command5{Frame11, "Command5", {3600, 330, 2640, 450}};   // add the effective dose
  ui::CommandButton Command1{*this, "Command1", {14160, 6900, 1320, 540}};   // exit

  ui::Label Label52{*this, "Label52", {120, 150, 2400, 300}};  // today's date
  ui::CommandButton Command8{*this, "Command8", {2640, 90, 6240, 420}};  // welcome: register a user name

  // The controls the computing module writes and reads.
  ui::Label& ResultLabelControl(ResultLabel label);
  ui::TextBox& MainBoxControl(MainBox box);

  // ---- the checks before a calculation (the calculate command and the fit dialog) ----
  // The first box, in the order of the Enter chain, whose text is not a
  // number the calculation can use.
  std::optional<EntryRefusal> FirstBadEntry();
  // The boxes, then (English edition, when `storeBoxes`: after storing every
  // box) the body thickness against FFD - FSD. A refusal is reported, the last
  // result discarded and the fit dialog closed; returns whether it refused.
  bool RefuseCondition(bool storeBoxes);
  // After a failed or refused calculation nothing may be shown or added as
  // its result: the result labels are emptied (a measured exposure in use
  // stays on show); add and recalculate are disabled until the next
  // successful calculation, the hand-over until the next row is added.
  void DiscardResult();
  // A calculation or fit has just succeeded: the result on show belongs to
  // the condition held now.
  void RecordCalculatedResult();
  // Whether the condition and result held now are still those of the last
  // successful calculation (add) or of the last row added (hand-over); when
  // not, the user is told and the command does nothing.
  bool RefuseStaleResult();
  bool RefuseStaleHandover();

private:
  // ---- start-up and shut-down ----
  void Form_Load();
  void Form_Unload();
  void LoadDataTables();
  void SetStartupDefaults();
  void ReadUserName();

  // ---- entry of the exposure condition ----
  void Text1_KeyDown(int keyCode);
  void Text2_KeyDown(int keyCode);
  void Text3_KeyDown(int keyCode);
  void Text4_KeyDown(int keyCode);
  void Text5_KeyDown(int keyCode);
  void Text6_KeyDown(int keyCode);
  void Text7_KeyDown(int keyCode);
  void Text8_KeyDown(int keyCode);
  void Text9_KeyDown(int keyCode);
  void Text10_KeyDown(int keyCode);
  void Text11_KeyDown(int keyCode);
  void Text23_KeyDown(int keyCode);
  void Combo1_KeyDown(int keyCode);
  void Combo2_KeyDown(int keyCode);
  void Text1_LostFocus();
  void Text2_LostFocus();
  void Text3_LostFocus();
  void Text4_LostFocus();
  void Text5_LostFocus();
  void Text6_LostFocus();
  void Text7_LostFocus();
  void Text8_LostFocus();
  void Text9_LostFocus();
  void Text10_LostFocus();
  void Text11_LostFocus();
  void Text23_LostFocus();
  void Combo1_Click();
  void Combo2_Click();
  void Option1_Click();
  void Option2_Click();
  void Option3_Click();
  void Option4_Click();
  void Option5_Click();
  void Option6_Click();
  void Option7_Click();
  void Option8_Click();
  void Option9_Click();

  // ---- commands ----
  void Command2_Click();   // calculate
  // The result discarded and the fit dialog closed.
  void EndFailedCalculation();
  void Command10_Click();  // show the result table
  // Every input box stored again, as leaving each would (English edition).
  void StoreAllBoxes();

  // Defined beside their dialogs, each connected with one line in the constructor.
  void Command1_Click();     // exit dialog
  void Command3_Click();     // add the result to the result table
  void Command4_Click();     // fluoroscopy dialog
  void Command5_Click();     // add the effective dose
  void Command6_Click();     // ATR explanation
  void Command7_Click();     // site dialog
  void Command8_Click();     // user-name registration
  void Command9_Click();     // optional-filter dialog
  void Command11_Click();    // hand over to the depth-dose program
  void Command12_Click();    // output-data editor
  void Command13_Click();    // output-data chooser
  void Command14_Click();    // fit dialog
  void Picture1_DblClick();  // user-name change

  // What a result was computed from: everything the add command copies into
  // a row and the hand-over sends.
  struct ResultBasis {
    ExposureCondition condition;
    PhantomGeometry phantom;
    OtherFilterSpec filter;
    CalculationResult result;
    bool operator==(const ResultBasis&) const = default;
  };
  ResultBasis CurrentBasis();
  std::optional<ResultBasis> calculatedFor_;  // the result on show, until discarded
  std::optional<ResultBasis> addedFor_;       // the last row added

  MainProgram& program_;
  const MainWinTexts& texts_;
};

}  // namespace vorn::mainwin
