// How the result window's erase, the reading of a result file and printing
// leave the main window: its result labels empty, the optional filter off and
// the default output data selected again, so that nothing on it claims to
// belong to the condition the computing module now holds.
#pragma once

namespace vorn::mainwin {
class MainProgram;
}

namespace vorn::results {

// Empties the main window's result labels (the English window has no ATR index).
void EmptyMainResultLabels(mainwin::MainProgram& program);

// Empties the optional filter's material and thickness labels.
void EmptyOptionalFilterLabels(mainwin::MainProgram& program);

// Selects the default output data (outputDataOption, whose own routine runs) and makes
// it the source of the exposure at 1 m.
void SelectDefaultOutputData(mainwin::MainProgram& program);

// Hides the optional-filter dialog when it exists.
void HideOptionalFilterDialog(mainwin::MainProgram& program);

}  // namespace vorn::results
