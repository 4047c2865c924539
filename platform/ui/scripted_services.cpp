#include "platform/ui/scripted_services.h"

#include "platform/errors.h"

namespace vorn::ui {

namespace {

bool AnswerFits(MsgAnswer answer, int style)
{
  switch (MsgButtons(style)) {
    case vbOKOnly: return answer == vbOK;
    case vbOKCancel: return answer == vbOK || answer == vbCancel;
    case vbYesNo: return answer == vbYes || answer == vbNo;
    case vbYesNoCancel: return answer == vbYes || answer == vbNo || answer == vbCancel;
    default: return false;
  }
}

}  // namespace

ScriptedServices::ScriptedServices(std::filesystem::path workingFolder, std::string dateText)
    : date(std::move(dateText)), workingFolder_(std::move(workingFolder))
{
}

void ScriptedServices::ExpectMsgBox(MsgAnswer answer) { script_.push_back(Expected{std::nullopt, answer}); }

void ScriptedServices::ExpectMsgBox(std::string text, MsgAnswer answer)
{
  script_.push_back(Expected{std::move(text), answer});
}

MsgAnswer ScriptedServices::MsgBox(const std::string& text, int style, const std::string& title)
{
  calls.push_back("MsgBox " + text);
  MsgBoxCall call{text, style, title, vbOK};
  std::string problem;
  if (script_.empty()) {
    problem = "no message box was expected";
  } else if (script_.front().text && *script_.front().text != text) {
    problem = "expected the text \"" + *script_.front().text + "\"";
  } else if (!AnswerFits(script_.front().answer, style)) {
    problem = "the scripted answer is not one of its buttons";
  }
  if (!problem.empty()) {
    // The scripted box is used up either way, so one wrong box gives one failure.
    if (!script_.empty()) script_.erase(script_.begin());
    msgBoxes.push_back(call);
    throw UnexpectedMessageBox("unexpected message box \"" + text + "\" (title \"" + title +
                               "\", style " + std::to_string(style) + "): " + problem);
  }
  call.answer = script_.front().answer;
  script_.erase(script_.begin());
  msgBoxes.push_back(call);
  return call.answer;
}

void ScriptedServices::Beep()
{
  ++beeps;
  calls.emplace_back("Beep");
}

long long ScriptedServices::Shell(const std::string& program)
{
  calls.push_back("Shell " + program);
  shellCalls.push_back(program);
  if (failingPrograms_.count(program) != 0) {
    throw FileError(program + ": program not found", FileFault::NotStarted, program);
  }
  const auto process = static_cast<long long>(shellCalls.size());
  if (onShell) onShell(program);
  return process;
}

bool ScriptedServices::ProgramEnded(long long process) const
{
  if (process < 1 || process > static_cast<long long>(shellCalls.size())) return false;
  return runningPrograms.count(shellCalls[static_cast<std::size_t>(process - 1)]) == 0;
}

void ScriptedServices::DoEvents()
{
  ++doEvents;
  calls.emplace_back("DoEvents");
}

PrintReport ScriptedServices::Print(const PrintDocument& document)
{
  calls.emplace_back("Print");
  if (failPrint_) throw FileError("the document could not be printed", FileFault::PrintFailed, {});
  printed.push_back(document);
  return printReport;
}

}  // namespace vorn::ui
