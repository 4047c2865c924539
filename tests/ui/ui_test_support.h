// Shared pieces of the control-model tests: a temporary folder, scripted
// services and an application on it, and a recorder of what the window
// binding is told.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ui/application.h"
#include "platform/ui/scripted_services.h"

namespace vorn::ui::testing {

class TempFolder {
public:
  TempFolder()
  {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("vorn-ui-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder()
  {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path Write(const std::string& name, const std::string& content = "x") const
  {
    const std::filesystem::path p = path_ / name;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p) << content;
    return p;
  }
  std::filesystem::path MakeFolder(const std::string& name) const
  {
    std::filesystem::create_directories(path_ / name);
    return path_ / name;
  }

private:
  std::filesystem::path path_;
};

// Records what the model tells the window binding.
class RecordingBinding final : public WindowBinding {
public:
  struct Note {
    std::string who;
    Prop what;
    friend bool operator==(const Note&, const Note&) = default;
  };
  std::vector<Note> notes;
  std::vector<std::string> focus;  // "Form:Control" or "Form:-"
  std::vector<std::string> destroyed;
  int ended = 0;

  void FormChanged(Form& form, Prop what) override { notes.push_back({form.Name(), what}); }
  void ControlChanged(Control& control, Prop what) override { notes.push_back({control.Name(), what}); }
  void FocusChanged(Form& form, Control* now) override
  {
    focus.push_back(form.Name() + ":" + (now != nullptr ? now->Name() : std::string("-")));
  }
  void ControlDestroyed(Control& control) override { destroyed.push_back(control.Name()); }
  void FormDestroyed(Form& form) override { destroyed.push_back(form.Name()); }
  void ProgramEnded() override { ++ended; }

  int Count(const std::string& who, Prop what) const
  {
    int n = 0;
    for (const Note& note : notes) n += (note.who == who && note.what == what) ? 1 : 0;
    return n;
  }
};

// Scripted services on a fresh temporary working folder, and an application.
class UiTest : public ::testing::Test {
protected:
  TempFolder folder;
  ScriptedServices services{folder.path()};
  Application app{services, "Vorn test"};

  void TearDown() override { EXPECT_EQ(services.PendingMsgBoxes(), 0u) << "expected message boxes were not shown"; }
};

}  // namespace vorn::ui::testing
