// The round of the effective dose from the real main window, in both
// editions, on the offscreen platform: calculate, add to the table, hand the
// beam over with "Calculate effective dose"; the main program's Shell starts
// the real depth-dose program of its edition as a separate process, which
// shows its graph and its effective-dose window and writes Eff-Dose.dat on
// OK; then the main program's "Add to the table" puts the effective dose into
// the last row and the result window. Screenshots go next to the test
// program.
//
// The started program cannot be clicked from here: it runs with its test aid
// VORN_PDD_AUTO_OK=1 (apps/pdd/main.cpp), which presses the effective-dose
// button, OK and exit as a user would and reports what its windows showed.
#include <QApplication>
#include <QCoreApplication>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "depthdose/depthdose_program.h"
#include "depthdose/effective_dose_window.h"
#include "depthdose/graph_window.h"
#include "mainwin/main_program.h"
#include "platform/errors.h"
#include "platform/format/format.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/widget_binding.h"
#include "platform/ui/program_start.h"
#include "platform/ui/scripted_services.h"
#include "results/result_window.h"
#include "tests/mainwin/mainwin_test_support.h"

namespace vorn::testing {
namespace {

namespace fs = std::filesystem;

// The desktop as the user has it, except that message boxes are answered OK
// at once (and kept), and that a started program is found as the real Shell
// finds it but run with the test aid and waited for, its output kept.
class RoundServices final : public ui::Services {
public:
  explicit RoundServices(fs::path folder) : folder_(std::move(folder)) {}

  ui::MsgAnswer MsgBox(const std::string& text, int, const std::string&) override
  {
    boxes.push_back(text);
    return ui::vbOK;
  }
  void Beep() override { ++beeps; }
  long long Shell(const std::string& program) override
  {
    const char* path = std::getenv("PATH");
    const fs::path found = ui::FindProgram(program, folder_, path != nullptr ? path : "");
    started.push_back(program);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("VORN_PDD_AUTO_OK", "1");
    QProcess p;
    p.setWorkingDirectory(QString::fromStdString(folder_.string()));
    p.setProcessEnvironment(env);
    p.start(QString::fromStdString(found.string()), {});
    if (!p.waitForStarted()) throw FileError(program + ": the program could not be started");
    // A message box in the started program would wait for a click for ever.
    if (!p.waitForFinished(120000)) {
      p.kill();
      p.waitForFinished();
      finished = false;
    }
    exit_code = p.exitCode();
    out = p.readAllStandardOutput().toStdString();
    err = p.readAllStandardError().toStdString();
    return 0;
  }
  void DoEvents() override { QCoreApplication::processEvents(); }
  std::string DateText() override { return "2026/12/09"; }
  ui::PrintReport Print(const ui::PrintDocument&) override { return {}; }
  const fs::path& WorkingFolder() const override { return folder_; }
  const ui::FontMetrics& Metrics() const override { return metrics_; }

  std::vector<std::string> boxes, started;
  int beeps = 0;
  bool finished = true;
  int exit_code = -1;
  std::string out, err;

private:
  fs::path folder_;
  qt::QtFontMetrics metrics_;
};

// The rest of the report line that starts with `head`, or "(missing)".
std::string ReportLine(const std::string& report, const std::string& head)
{
  std::istringstream in(report);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind(head, 0) == 0) return line.substr(head.size());
  }
  return "(missing)";
}

std::string Shot(const std::string& name) { return std::string(VORN_PDD_ROUND_OUTPUT) + "/" + name + ".png"; }

void Click(qt::FormWindow& window, ui::CommandButton& button)
{
  auto* widget = qobject_cast<QPushButton*>(window.WidgetOf(button));
  ASSERT_NE(widget, nullptr) << button.Name();
  ASSERT_TRUE(widget->isEnabled()) << button.Name();
  QTest::mouseClick(widget, Qt::LeftButton);
}

struct RoundCase {
  Edition edition;
  const char* tag;
  const char* site;
  const char* program_file;  // as the main program names it
  const char* executable;    // as it is built
};

void PrintTo(const RoundCase& c, std::ostream* os) { *os << c.executable; }

class PddRound : public ::testing::TestWithParam<RoundCase> {};

TEST_P(PddRound, EffectiveDoseComesBackFromTheRealDepthDoseProgram)
{
  const RoundCase& c = GetParam();
  TempFolder folder;
  CopyShippedData(folder.path());
  for (const char* sub : {"PDS-data", "Organ-data"})
    fs::copy(ShippedDataFolder() / sub, folder.path() / sub, fs::copy_options::recursive);
  KeepUserName(folder.path(), c.edition, "Tester");
  fs::copy_file(fs::path(VORN_PDD_PROGRAM_DIR) / c.executable, folder.path() / c.executable);

  RoundServices services(folder.path());
  mainwin::MainProgram program(c.edition, services);
  qt::WidgetBinding binding(program.app);
  program.Start();
  ASSERT_FALSE(program.app.Ended());
  mainwin::MainWindow& f = *program.mainWindow;
  qt::FormWindow* window = binding.WindowOf(f);
  ASSERT_NE(window, nullptr);

  // The site from the list, then calculate, add to the table and hand over
  // with the real buttons.
  int site = -1;
  for (int i = 0; i < f.siteCombo.ListCount(); ++i)
    if (f.siteCombo.List(i) == c.site) site = i;
  ASSERT_GE(site, 0) << c.site << " is not in the site list";
  f.siteCombo.UserChoose(site);
  Click(*window, f.calculateButton);
  Click(*window, f.addToTableButton);
  Click(*window, f.effectiveDoseButton);
  EXPECT_EQ(FileLines(folder.path() / "Vorn2PDD.dat").size(), 308u);

  // The depth-dose program of the same edition ran in the working folder on
  // the hand-over.
  ASSERT_EQ(services.started, std::vector<std::string>{c.program_file});
  ASSERT_TRUE(services.finished) << "the depth-dose program did not end; its output:\n" << services.out << services.err;
  EXPECT_EQ(services.exit_code, 0) << services.err;
  EXPECT_TRUE(services.boxes.empty()) << services.boxes.front();
  const std::string& report = services.out;
  std::cout << "[ depth-dose program ]\n" << report;
  const fs::path eff_dose = folder.path() / "Eff-Dose.dat";
  ASSERT_TRUE(fs::exists(eff_dose)) << report << services.err;
  const std::vector<std::string> eff_lines = FileLines(eff_dose);
  ASSERT_EQ(eff_lines.size(), 2u);
  const double E_mSv = Val(eff_lines[1]);
  EXPECT_GT(E_mSv, 0.0);
  EXPECT_FALSE(fs::exists(folder.path() / "PDD_tempDATA.txt"));  // its exit cleans up

  // What its windows showed, against the same program run here on the same
  // hand-over (the graph and the site's organ rows as loaded at start-up), in
  // a copy of the folder: a start removes any Eff-Dose.dat it finds.
  {
    TempFolder copy;
    fs::copy(folder.path(), copy.path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    ui::ScriptedServices desk(copy.path());
    pdd::DepthDoseProgram reference(c.edition, desk);
    reference.Start();
    ASSERT_TRUE(desk.msgBoxes.empty()) << desk.msgBoxes[0].text;
    const std::size_t drawn = reference.graphWindow->graphPicture.Items().size();
    EXPECT_GT(drawn, 40u);  // at least the 40 slabs' curve
    EXPECT_EQ(ReportLine(report, "graph window: "), "shown, " + std::to_string(drawn) + " drawing items");
    EXPECT_EQ(ReportLine(report, "effective-dose window: "), std::string("shown, site ") + c.site);
    const pdd::OrganRowInputs rows = reference.effectiveDoseWindow->RowInputs();
    int ticked = 0;
    for (int row = 1; row <= pdd::kOrganRowCount; ++row) {
      const pdd::OrganRowInput& r = rows[row];
      ticked += r.checked ? 1 : 0;
      EXPECT_EQ(ReportLine(report, "row " + std::to_string(row) + ": "),
                std::string(r.checked ? "1" : "0") + "," + r.near_depth + "," + r.far_depth + "," + r.percent);
    }
    EXPECT_GE(ticked, 5);  // the site's organs, not an empty window
    const pdd::EffectiveDoseResult dose = reference.module().EvaluateEffectiveDose(rows);
    ASSERT_TRUE(dose.completed) << dose.message;
    EXPECT_EQ(ReportLine(report, "effective dose: "), dose.total_text);
    EXPECT_EQ(eff_lines[1], dose.total_text);
  }

  // Back in the main program: "Add to the table".
  Click(*window, f.addEffectiveDoseButton);
  EXPECT_TRUE(services.boxes.empty()) << services.boxes.front();
  const results::ResultTable& table = program.Results;
  ASSERT_EQ(table.ResultRowCount, 2);
  EXPECT_EQ(table.ResEffectiveDose[1], E_mSv);
  EXPECT_EQ(program.Module().Result.EffectiveDose, E_mSv);
  results::ResultWindow& result_window = *program.resultWindow;
  const ui::TextItem* cell = ui::FindText(result_window.tablePicture.Items(), Format(E_mSv, "#0.000"));
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->at.x, 1100.0);
  EXPECT_EQ(cell->at.y, 70.0 + 50.0 * 1);
  EXPECT_FALSE(fs::exists(eff_dose));
  EXPECT_FALSE(f.addEffectiveDoseButton.Enabled());
  EXPECT_FALSE(f.effectiveDoseButton.Enabled());

  QApplication::processEvents();
  ASSERT_TRUE(window->grab().toImage().save(QString::fromStdString(Shot(std::string("round-main-") + c.tag))));
  qt::FormWindow* results = binding.WindowOf(result_window);
  ASSERT_NE(results, nullptr);
  EXPECT_TRUE(results->isVisible());
  ASSERT_TRUE(results->grab().toImage().save(QString::fromStdString(Shot(std::string("round-results-") + c.tag))));
}

TEST_P(PddRound, TheDesktopShellStartsItDetachedAndTheAnswerIsAddedAfterwards)
{
  // The program as the user has it: the real Shell starts the depth-dose
  // program detached and returns at once; the main program learns of the
  // answer only through Eff-Dose.dat. The started program inherits the test
  // aid from this process's environment.
  const RoundCase& c = GetParam();
  TempFolder folder;
  CopyShippedData(folder.path());
  for (const char* sub : {"PDS-data", "Organ-data"})
    fs::copy(ShippedDataFolder() / sub, folder.path() / sub, fs::copy_options::recursive);
  KeepUserName(folder.path(), c.edition, "Tester");
  fs::copy_file(fs::path(VORN_PDD_PROGRAM_DIR) / c.executable, folder.path() / c.executable);

  qt::QtServices services(folder.path());
  mainwin::MainProgram program(c.edition, services);
  qt::WidgetBinding binding(program.app);
  program.Start();
  ASSERT_FALSE(program.app.Ended());
  mainwin::MainWindow& f = *program.mainWindow;
  qt::FormWindow* window = binding.WindowOf(f);
  ASSERT_NE(window, nullptr);
  Click(*window, f.calculateButton);
  Click(*window, f.addToTableButton);
  qputenv("VORN_PDD_AUTO_OK", "1");
  Click(*window, f.effectiveDoseButton);
  qunsetenv("VORN_PDD_AUTO_OK");
  EXPECT_TRUE(f.addEffectiveDoseButton.Enabled());
  EXPECT_FALSE(f.effectiveDoseButton.Enabled());

  // Its exit removes the scratch table it wrote at start-up, after OK wrote
  // the answer: both together say it has gone through.
  const fs::path eff_dose = folder.path() / "Eff-Dose.dat";
  const fs::path scratch = folder.path() / "PDD_tempDATA.txt";
  ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(eff_dose) && !fs::exists(scratch); }, 60000))
      << "no answer from the depth-dose program";
  const double E_mSv = Val(FileLines(eff_dose).at(1));
  EXPECT_GT(E_mSv, 0.0);

  Click(*window, f.addEffectiveDoseButton);
  EXPECT_EQ(program.Results.ResEffectiveDose[program.Results.ResultRowCount - 1], E_mSv);
  EXPECT_NE(ui::FindText(program.resultWindow->tablePicture.Items(), Format(E_mSv, "#0.000")), nullptr);
  EXPECT_FALSE(fs::exists(eff_dose));
}

INSTANTIATE_TEST_SUITE_P(
    Editions, PddRound,
    ::testing::Values(RoundCase{Edition::Japanese, "J", "腹部正面", "vorn18J_PDD.exe", "vorn18J_PDD"},
                      RoundCase{Edition::English, "E", "Abdomen-F", "Vorn18E_PDD.exe", "Vorn18E_PDD"}),
    [](const ::testing::TestParamInfo<RoundCase>& p) { return std::string(p.param.tag); });

}  // namespace
}  // namespace vorn::testing
