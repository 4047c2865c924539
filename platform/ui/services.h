// What the windows need from the desktop besides windows: message boxes, the
// beep, starting another program, yielding to the window system, the date,
// printing and the working folder. platform/qt supplies the real ones;
// ScriptedServices (scripted_services.h) the test doubles.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/display_list.h"
#include "platform/ui/font.h"
#include "platform/ui/geometry.h"

namespace vorn::ui {

// Message box style: one button set plus one icon, as the old runtime's
// constants (vbExclamation + vbOKOnly, vbYesNo, ...).
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;  // the warning icon
inline constexpr int vbInformation = 64;

constexpr int MsgButtons(int style) { return style & 0x07; }
constexpr int MsgIcon(int style) { return style & 0x70; }

// The answer: the button pressed. Closing the box counts as Cancel where it
// has one and as OK in an OK-only box.
enum MsgAnswer : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// Throws std::invalid_argument for a button set or icon not listed above.
void CheckMsgStyle(int style);

// The captions of a message box's buttons, in the program's language.
struct MsgButtonCaptions {
  std::string ok = "OK";
  std::string cancel = "Cancel";
  std::string yes = "Yes";
  std::string no = "No";
};

enum class Orientation { Portrait = 1, Landscape = 2 };

struct PrintedPage {
  Orientation orientation = Orientation::Portrait;
  DisplayList items;  // coordinates from the printable area's top-left corner
};

// A document as the printer object hands it over at EndDoc. The paper is A4.
struct PrintDocument {
  std::vector<PrintedPage> pages;
  double paperWidthMm = 210.0;  // portrait
  double paperHeightMm = 297.0;
};

// Where a document went: a printer's name, or a PDF file in the working folder
// when the desktop has no printer (the form tells the user the file's name).
struct PrintReport {
  bool printed = false;
  bool toFile = false;
  std::string destination;
};

class Services {
public:
  virtual ~Services() = default;
  // A modal message box; see the style constants above.
  virtual MsgAnswer MsgBox(const std::string& text, int style, const std::string& title) = 0;
  // The program's edition names the buttons of its message boxes.
  virtual void SetMsgButtonCaptions(const MsgButtonCaptions&) {}
  virtual void Beep() = 0;
  // Starts a program by file name, detached, without arguments and without
  // waiting (see program_start.h for where it is looked for); returns the
  // started process's number, 0 where it is not known. Throws
  // vorn::FileError naming the program when it cannot be started.
  virtual long long Shell(const std::string& program) = 0;
  // Whether the process that Shell numbered has ended. False while it runs
  // and wherever that cannot be told (process 0).
  virtual bool ProgramEnded(long long process) const
  {
    (void)process;
    return false;
  }
  // Lets the window system repaint and handle pending input.
  virtual void DoEvents() = 0;
  // Today's date in the system's short form (ShortDateText).
  virtual std::string DateText() = 0;
  // Prints a document; throws vorn::FileError when it cannot.
  virtual PrintReport Print(const PrintDocument& document) = 0;
  virtual const std::filesystem::path& WorkingFolder() const = 0;
  virtual const FontMetrics& Metrics() const = 0;
  // The part of the screen that windows may cover (twips), where known.
  virtual std::optional<Rect> ScreenArea() const { return std::nullopt; }
};

// The date as the desktop's short date format shows it: "2026/12/09"
// (year, month and day with leading zeros, separated by "/").
std::string ShortDateText(std::chrono::year_month_day date);

}  // namespace vorn::ui
