// The real desktop for tests of real windows, except that message boxes are
// answered from a script (a modal box would wait for a user), program starts
// are only recorded and the printer is always a PDF (the documents are kept).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/qt/qt_services.h"
#include "platform/ui/scripted_services.h"

namespace vorn::testing {

class DesktopWithScriptedAnswers final : public ui::Services {
public:
  explicit DesktopWithScriptedAnswers(const std::filesystem::path& folder) : desktop_(folder), script(folder)
  {
    desktop_.SetPrintTarget(qt::QtServices::PrintTarget::PdfFile);
  }

  ui::MsgAnswer MsgBox(const std::string& text, int style, const std::string& title) override
  {
    return script.MsgBox(text, style, title);
  }
  void Beep() override { script.Beep(); }
  long long Shell(const std::string& program) override { return script.Shell(program); }
  bool ProgramEnded(long long process) const override { return script.ProgramEnded(process); }
  void DoEvents() override { desktop_.DoEvents(); }
  std::string DateText() override { return script.DateText(); }
  ui::PrintReport Print(const ui::PrintDocument& document) override
  {
    printed.push_back(document);
    return desktop_.Print(document);
  }
  const std::filesystem::path& WorkingFolder() const override { return desktop_.WorkingFolder(); }
  const ui::FontMetrics& Metrics() const override { return desktop_.Metrics(); }
  std::optional<ui::Rect> ScreenArea() const override { return desktop_.ScreenArea(); }

private:
  qt::QtServices desktop_;

public:
  ui::ScriptedServices script;
  std::vector<ui::PrintDocument> printed;  // every document, as handed over
};

}  // namespace vorn::testing
