// The few things the computing module does to the windows: result labels and
// input boxes of the main window, the fit dialog's boxes, message boxes, the
// beep, starting a program and yielding to the window system. The main
// window implements it, so the computing module does not depend on the forms.
#pragma once

#include <string>
#include <string_view>

#include "platform/errors.h"

namespace vorn {

// Result labels of the main window.
enum class ResultLabel {
  Hvl,  // first half-value layer, mm Al
  EffectiveEnergy,  // effective energy
  AtrIndex,  // ATR index
  BsfSoft,  // BSF, soft tissue
  BsfSkin,  // BSF, skin
  BsfAir,  // BSF, air kerma
  ConvFactorSoft,  // conversion factor, soft tissue
  ConvFactorSkin,  // conversion factor, skin
  SurfaceDoseSoft,  // entrance surface dose, soft tissue
  SurfaceDoseSkin,  // entrance surface dose, skin
  SurfaceDoseAir,  // entrance surface dose, air kerma
  ExposureAt1m,  // exposure at 1 m
};

// Input boxes of the main window.
enum class MainBox {
  InherentFilter,   // inherent filtration, mm Al
  TubeVoltage,   // tube voltage, kV
  Ffd,   // FFD
  Fsd,   // FSD
  FieldLongSide,  // field side (long side or diameter)
  FieldShortSide,  // field side
};

// Input boxes of the fit dialog.
enum class FitBox {
  MeasuredHvl,  // measured half-value layer, mm Al
  MeasuredAtr,  // measured ATR index
};

enum class MsgIcon { None, Warning };
enum class MsgTitle { None, ProgramTitle };

class WindowPort {
public:
  virtual ~WindowPort() = default;

  virtual void SetLabelCaption(ResultLabel label, std::string_view caption) = 0;
  virtual std::string MainBoxText(MainBox box) const = 0;
  virtual void SetMainBoxText(MainBox box, std::string_view text) = 0;
  virtual std::string FitBoxText(FitBox box) const = 0;
  virtual void DoEvents() = 0;
  // A message box with an OK button only; returns when the user has pressed it.
  virtual void ShowMessage(std::string_view text, MsgIcon icon, MsgTitle title) = 0;
  // A message box with OK and Cancel; true when the user pressed OK. Windows
  // that cannot ask answer Cancel.
  virtual bool AskOkCancel(std::string_view text, MsgIcon icon, MsgTitle title)
  {
    (void)text, (void)icon, (void)title;
    return false;
  }
  virtual void Beep() = 0;
  // Starts a program by its file name ("Tubrin.exe") with no arguments and
  // does not wait for it; returns the system's number of the started
  // process, 0 where the windows cannot follow it. Throws FileError naming
  // the program when it cannot be started; windows that have no way to start
  // programs refuse every start.
  virtual long long StartProgram(std::string_view name)
  {
    throw FileError(std::string(name) + ": the program could not be started", FileFault::NotStarted, std::string(name));
  }
  // Whether the program that StartProgram numbered `process` has ended.
  // False while it runs and wherever that cannot be told (process 0).
  virtual bool ProgramEnded(long long process) const
  {
    (void)process;
    return false;
  }

protected:
  WindowPort() = default;
  WindowPort(const WindowPort&) = default;
  WindowPort& operator=(const WindowPort&) = default;
};

}  // namespace vorn
