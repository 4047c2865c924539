// The result window: the picture on which the result table is drawn as a
// ruled sheet (or, while the table is empty, the title splash with the user's
// name), its ruling lines and totals button, and the user's name below it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/ui.h"
#include "text/edition.h"

namespace vorn::results {

class Form10 : public ui::Form {
public:
  Form10(ui::Application& app, Edition edition);

  ui::PictureBox Picture2{*this, "Picture2", {120, 120, 15285, 6975}};
  ui::CommandButton Command1{*this, "Command1", {10560, 6680, 1215, 420}};  // totals
  ui::Label Label1{*this, "Label1", {4080, 7320, 2520, 435}};              // the user's name

  // The 37 ruling lines of the table, in Picture2's scale.
  const std::vector<std::unique_ptr<ui::LineControl>>& RulingLines() const { return ruling_; }

  // The ruling and the totals button disappear (splash) or appear (table).
  void HideResultGrid();
  void ShowResultGrid();

  // The title splash: "Vorn-V18" in light grey at (500, titleY); the current
  // point then waits at (500, nameY), in the edition's font for the name.
  void DrawSplashTitle(double titleY, double nameY);
  // Prints the user's name at the current point, then gives the picture back
  // the table's pen: the button-text colour and size 9.
  void PrintSplashName(const std::string& userName);

private:
  void SetResultGridVisible(bool visible);

  Edition edition_;
  std::vector<std::unique_ptr<ui::LineControl>> ruling_;
};

}  // namespace vorn::results
