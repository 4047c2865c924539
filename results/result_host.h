// What the result window and its dialogs need of the program that owns them.
// The program object stands above every window: the result windows reach the
// table, the user's name and the other windows only through it, and tell it
// when the table has been printed, erased or read, so that the program (not
// this folder) decides what the main window does then.
#pragma once

#include <filesystem>
#include <string>

#include "platform/ui/ui.h"
#include "results/result_table.h"
#include "text/edition.h"

namespace vorn::results {

class ResultWindow;
class ResultSaveDialog;
class ResultReadDialog;

class ResultHost {
public:
  virtual ~ResultHost() = default;

  virtual ui::Application& Desktop() = 0;
  virtual Edition ProgramEdition() const = 0;
  virtual const std::filesystem::path& WorkingFolder() const = 0;

  virtual ResultTable& Table() = 0;
  virtual const std::string& CurrentUserName() const = 0;
  // The air conversion factor, one value for every row (a result file read
  // back brings its own).
  virtual double AirConversionFactor() const = 0;
  virtual void SetAirConversionFactor(double value) = 0;

  virtual ResultWindow& TableWindow() = 0;
  virtual ResultSaveDialog& SaveDialog() = 0;
  virtual ResultReadDialog& ReadDialog() = 0;
  virtual void BringMainWindowToFront() = 0;

  // The table has been printed: the main window is reset for the next calculation.
  virtual void TablePrinted() = 0;
  // The table has been erased, or replaced by a file read: no row of it is
  // the one the main window added last any more.
  virtual void TableErased() = 0;
  virtual void TableRead() = 0;

protected:
  ResultHost() = default;
  ResultHost(const ResultHost&) = default;
  ResultHost& operator=(const ResultHost&) = default;
};

}  // namespace vorn::results
