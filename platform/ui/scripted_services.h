// Test doubles of the desktop services: message boxes answered from a script,
// beeps, program starts, yields and prints recorded, a fixed date.
//
//   ui::ScriptedServices services(workFolder);
//   services.ExpectMsgBox("　ファイルを選択して下さい　", ui::vbOK);
//   form.okButton.UserClick();
//   EXPECT_EQ(services.PendingMsgBoxes(), 0u);
//   EXPECT_EQ(services.calls, (std::vector<std::string>{"Beep", "MsgBox 　ファイルを選択して下さい　"}));
//
// A message box that the script does not expect (none queued, or another text
// than queued, or an answer that is not one of its buttons) throws
// UnexpectedMessageBox, which fails the test with the box's text.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui/services.h"

namespace vorn::ui {

class UnexpectedMessageBox : public std::logic_error {
public:
  using std::logic_error::logic_error;
};

struct MsgBoxCall {
  std::string text;
  int style = 0;
  std::string title;
  MsgAnswer answer = vbOK;
};

class ScriptedServices final : public Services {
public:
  explicit ScriptedServices(std::filesystem::path workingFolder, std::string date = "2026/12/09");

  // Queues the answer to the next message box, whatever its text.
  void ExpectMsgBox(MsgAnswer answer);
  // Queues the answer to the next message box, which must show exactly this text.
  void ExpectMsgBox(std::string text, MsgAnswer answer = vbOK);
  // Expected boxes that have not been shown yet.
  std::size_t PendingMsgBoxes() const { return script_.size(); }
  // Makes Shell fail (vorn::FileError) for this program name.
  void FailShell(std::string program) { failingPrograms_.insert(std::move(program)); }
  // Makes Print fail with vorn::FileError.
  void FailPrint(bool fail = true) { failPrint_ = fail; }

  // ---- what happened ----
  std::vector<MsgBoxCall> msgBoxes;     // every box shown, in order
  int beeps = 0;
  int doEvents = 0;
  std::vector<std::string> shellCalls;  // program names, in order
  std::vector<PrintDocument> printed;
  // Every service call in order: "Beep", "MsgBox <text>", "Shell <name>",
  // "DoEvents", "Print".
  std::vector<std::string> calls;

  // What a started program does while the user waits (writes its result
  // file, say); called after the start is recorded, unless the start fails.
  std::function<void(const std::string& program)> onShell;
  // Programs that go on running after their start; every other started
  // program has ended once onShell has returned. Shell numbers the starts
  // 1, 2, ... in order.
  std::set<std::string> runningPrograms;
  // What Print answers.
  PrintReport printReport{true, false, "Test printer"};
  // The date text.
  std::string date;
  // What ScreenArea answers (twips); none by default.
  std::optional<Rect> screenArea;

  // ---- Services ----
  MsgAnswer MsgBox(const std::string& text, int style, const std::string& title) override;
  void Beep() override;
  long long Shell(const std::string& program) override;
  bool ProgramEnded(long long process) const override;
  void DoEvents() override;
  std::string DateText() override { return date; }
  PrintReport Print(const PrintDocument& document) override;
  const std::filesystem::path& WorkingFolder() const override { return workingFolder_; }
  const FontMetrics& Metrics() const override { return metrics_; }
  std::optional<Rect> ScreenArea() const override { return screenArea; }

private:
  struct Expected {
    std::optional<std::string> text;
    MsgAnswer answer;
  };
  std::filesystem::path workingFolder_;
  std::vector<Expected> script_;
  std::set<std::string> failingPrograms_;
  bool failPrint_ = false;
  ApproximateFontMetrics metrics_;
};

}  // namespace vorn::ui
