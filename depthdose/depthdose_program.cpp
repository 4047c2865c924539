#include "depthdose/depthdose_program.h"

#include "depthdose/effective_dose_window.h"
#include "depthdose/graph_window.h"
#include "text/error_texts.h"
#include "text/message_box_texts.h"

namespace vorn::pdd {

std::string ProgramTitle(Edition edition) { return std::string(DepthDoseTextsFor(edition).ProgramTitle); }

DepthDoseProgram::DepthDoseProgram(Edition edition, ui::Services& services)
    : app(services, ProgramTitle(edition)),
      edition_(edition),
      module_(std::make_unique<DepthDoseCalculation>(edition, services.WorkingFolder())),
      graphWindow([this] { return std::make_unique<pdd::GraphWindow>(*this); }),
      effectiveDoseWindow([this] { return std::make_unique<pdd::EffectiveDoseWindow>(*this); })
{
  app.SetUntrappedErrorText([this](std::exception_ptr error) {
    return UntrappedErrorText(error, edition_, WorkingFolder());
  });
  const MessageBoxTexts& buttons = MessageBoxTextsFor(edition_);
  services.SetMsgButtonCaptions({std::string(buttons.Ok), std::string(buttons.Cancel), std::string(buttons.Yes),
                                 std::string(buttons.No)});
  // The fixed text, then what failed, naming the file or the value.
  module_->OnCalcFailure = [this](const CalcFailure& failure) {
    app.MsgBox(failure.message + "\n" + failure.cause, ui::vbOKOnly);
  };
}

DepthDoseProgram::~DepthDoseProgram() = default;

void DepthDoseProgram::Start()
{
  app.RunEvent([this] { graphWindow->Show(); });
}

void DepthDoseProgram::LoadOrganData()
{
  const OrganDataResult data = module_->LoadOrganData();
  effectiveDoseWindow->FillOrganRows(data);
  if (!data.message.empty()) app.MsgBox(data.message, ui::vbOKOnly);
}

}  // namespace vorn::pdd
