// The main program: one per process. Owns the desktop side (ui::Application),
// the computing module with the program-wide state, the result table, the
// user name and every window, each created on first use.
//
//   ui::ScriptedServices services(folder);          // or qt::QtServices
//   mainwin::MainProgram program(Edition::Japanese, services);
//   program.Start();                                 // the main window's load brings it up
//   program.Form1->Text5.UserType("80");
//   program.Form1->Command2.UserClick();              // calculate
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "beam/module1.h"
#include "platform/files/folder_lock.h"
#include "mainwin/form1.h"
#include "mainwin/form11.h"
#include "mainwin/form12.h"
#include "mainwin/form13.h"
#include "mainwin/form14.h"
#include "mainwin/form16.h"
#include "mainwin/form15.h"
#include "mainwin/form17.h"
#include "mainwin/form18.h"
#include "mainwin/form5.h"
#include "mainwin/form6.h"
#include "mainwin/form7.h"
#include "mainwin/form8.h"
#include "mainwin/form9.h"
#include "mainwin/main_window_port.h"
#include "platform/ui/ui.h"
#include "results/form10.h"
#include "results/form2.h"
#include "results/form3.h"
#include "results/result_table.h"
#include "text/edition.h"

namespace vorn::mainwin {

class MainProgram {
public:
  // The program works in the services' working folder.
  MainProgram(Edition edition, ui::Services& services);
  ~MainProgram();
  MainProgram(const MainProgram&) = delete;
  MainProgram& operator=(const MainProgram&) = delete;

  // Shows the main window; its load event reads the tables and sets the
  // defaults. A table that cannot be read ends the program with a message,
  // and so does another live copy in the same working folder (of either
  // edition: they share the exchange files).
  void Start();

  const std::filesystem::path& WorkingFolder() const { return app.WorkingFolder(); }
  // The shut-down's last step: another copy may start in this folder now.
  void ReleaseFolderLock() { folderLock_.Release(); }
  vorn::Module1& Module() { return *module_; }

  const Edition edition;
  ui::Application app;

private:
  MainWindowPort port_{*this};
  FolderLock folderLock_;  // released, and its file removed, when the program object goes
  std::unique_ptr<vorn::Module1> module_;  // large tables: kept off the stack

public:
  results::ResultTable Results;
  std::string UserName;
  int AddingRowFlag = 0;  // 1 while a new row is drawn (no effective-dose cell yet)

  // ---- windows ----
  ui::FormSlot<mainwin::Form1> Form1{[this] { return std::make_unique<mainwin::Form1>(*this); }};
  ui::FormSlot<results::Form10> Form10{[this] { return std::make_unique<results::Form10>(*this); }};
  ui::FormSlot<results::Form2> Form2{[this] { return std::make_unique<results::Form2>(*this); }};
  ui::FormSlot<results::Form3> Form3{[this] { return std::make_unique<results::Form3>(*this); }};
  ui::FormSlot<mainwin::Form11> Form11{[this] { return std::make_unique<mainwin::Form11>(*this); }};
  ui::FormSlot<mainwin::Form12> Form12{[this] { return std::make_unique<mainwin::Form12>(*this); }};
  ui::FormSlot<mainwin::Form13> Form13{[this] { return std::make_unique<mainwin::Form13>(*this); }};
  ui::FormSlot<mainwin::Form14> Form14{[this] { return std::make_unique<mainwin::Form14>(*this); }};
  ui::FormSlot<mainwin::Form16> Form16{[this] { return std::make_unique<mainwin::Form16>(*this); }};
  ui::FormSlot<mainwin::Form5> Form5{[this] { return std::make_unique<mainwin::Form5>(*this); }};
  ui::FormSlot<mainwin::Form6> Form6{[this] { return std::make_unique<mainwin::Form6>(*this); }};
  ui::FormSlot<mainwin::Form7> Form7{[this] { return std::make_unique<mainwin::Form7>(*this); }};
  ui::FormSlot<mainwin::Form8> Form8{[this] { return std::make_unique<mainwin::Form8>(*this); }};
  ui::FormSlot<mainwin::Form9> Form9{[this] { return std::make_unique<mainwin::Form9>(*this); }};
  ui::FormSlot<mainwin::Form15> Form15{[this] { return std::make_unique<mainwin::Form15>(*this); }};
  ui::FormSlot<mainwin::Form17> Form17{[this] { return std::make_unique<mainwin::Form17>(*this); }};
  ui::FormSlot<mainwin::Form18> Form18{[this] { return std::make_unique<mainwin::Form18>(*this); }};
};

}  // namespace vorn::mainwin
