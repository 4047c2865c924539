// The few things the computing module does to the windows: result labels and
// input boxes of the main window, the fit dialog's boxes, message boxes, the
// beep and yielding to the window system. The main window implements it, so
// the computing module does not depend on the forms.
#pragma once

#include <string>
#include <string_view>

#include "platform/errors.h"

namespace vorn {

// Result labels of the main window Form1.
enum class ResultLabel {
  Label65,  // first half-value layer, mm Al
  Label66,  // effective energy
  Label67,  // ATR index
  Label68,  // BSF, soft tissue
  Label69,  // BSF, skin
  Label70,  // BSF, air kerma
  Label71,  // conversion factor, soft tissue
  Label72,  // conversion factor, skin
  Label73,  // entrance surface dose, soft tissue
  Label74,  // entrance surface dose, skin
  Label75,  // entrance surface dose, air kerma
  Label78,  // exposure at 1 m
};

// Input boxes of the main window Form1.
enum class MainBox {
  Text2,   // inherent filtration, mm Al
  Text5,   // tube voltage, kV
  Text8,   // FFD
  Text9,   // FSD
  Text10,  // field side (long side or diameter)
  Text11,  // field side
};

// Input boxes of the fit dialog Form11.
enum class FitBox {
  Text1,  // measured half-value layer, mm Al
  Text2,  // measured ATR index
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
  virtual void Beep() = 0;
  // Starts a program by its file name ("Tubrin.exe") with no arguments and
  // does not wait for it. Throws FileError naming the program when it cannot
  // be started; windows that have no way to start programs refuse every start.
  virtual void StartProgram(std::string_view name)
  {
    throw FileError(std::string(name) + ": the program could not be started", FileFault::NotStarted, std::string(name));
  }

protected:
  WindowPort() = default;
  WindowPort(const WindowPort&) = default;
  WindowPort& operator=(const WindowPort&) = default;
};

}  // namespace vorn
