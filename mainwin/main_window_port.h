// What the computing module does to the windows, done on the main window:
// result labels, input boxes, message boxes, the beep, program starts and
// yielding.
#pragma once

#include "beam/window_port.h"

namespace vorn::mainwin {

class MainProgram;

class MainWindowPort final : public WindowPort {
public:
  explicit MainWindowPort(MainProgram& program) : program_(program) {}

  void SetLabelCaption(ResultLabel label, std::string_view caption) override;
  std::string MainBoxText(MainBox box) const override;
  void SetMainBoxText(MainBox box, std::string_view text) override;
  std::string FitBoxText(FitBox box) const override;
  void DoEvents() override;
  void ShowMessage(std::string_view text, MsgIcon icon, MsgTitle title) override;
  bool AskOkCancel(std::string_view text, MsgIcon icon, MsgTitle title) override;
  void Beep() override;
  long long StartProgram(std::string_view name) override;
  bool ProgramEnded(long long process) const override;

private:
  MainProgram& program_;
};

}  // namespace vorn::mainwin
