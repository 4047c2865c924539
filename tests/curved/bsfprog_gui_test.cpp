// The backscatter programs as the user meets them, on the offscreen
// platform: their window (progress, result, a malformed file reported, a
// close during the run), the three executables started in a working folder,
// and the whole round from the real main window in both editions, with the
// real program started by the calculate command. Screenshots go next to
// the test program.
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bsf_test_support.h"
#include "mainwin/main_program.h"
#include "platform/errors.h"
#include "platform/format/format.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/widget_binding.h"
#include "platform/ui/program_start.h"
#include "tests/mainwin/mainwin_test_support.h"
#include "tools/bsfprog/progress_window.h"

namespace vorn::testing {
namespace {

namespace fs = std::filesystem;
using bsf::PhantomShape;

std::string Shot(const std::string& name) { return std::string(VORN_CURVED_GUI_OUTPUT) + "/" + name + ".png"; }

// A folder with the 80 kV spectrum and a cylinder condition of `histories`.
void PrepareRun(const fs::path& folder, std::int64_t histories)
{
  WriteMainProgramSpectrum(folder, 80.0);
  PhantomGeometry p;
  p.PhantomModel = kCylinderModel;
  p.CylinderRadius = 20.0;
  p.McHistories = histories;
  WriteCondition(folder, p);
}

std::string LabelTexts(const QWidget& window)
{
  std::string all;
  for (const QLabel* label : window.findChildren<QLabel*>()) all += label->text().toStdString() + "\n";
  return all;
}

// ---------------------------------------------------------------- the window

TEST(ProgramWindow, ShowsTheConditionProgressAndResult)
{
  TempDir dir;
  PrepareRun(dir.path(), 1000000);
  bsf::ProgressWindow window(PhantomShape::Cylinder, "Tubrin", dir.path(), 600000);
  window.show();
  window.Start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.outcome().has_value(); }, 120000));
  ASSERT_TRUE(window.outcome()->ok) << window.outcome()->message;
  EXPECT_EQ(window.exit_code(), 0);
  EXPECT_TRUE(window.isVisible());  // the result stays shown for a while
  const std::string texts = LabelTexts(window);
  EXPECT_NE(texts.find("Cylinder, radius 20 cm; thickness 20 cm; FSD 80 cm, FFD 100 cm; field 35.6 x 43.2 cm"),
            std::string::npos)
      << texts;
  EXPECT_NE(texts.find("BSF, soft-tissue dose: " + Format(window.outcome()->result.soft.value, "0.000") + " \u00B1 "),
            std::string::npos)
      << texts;
  EXPECT_NE(window.windowTitle().toStdString().find("Tubrin"), std::string::npos);
  EXPECT_TRUE(fs::exists(dir.path() / "resultBSF.txt"));
  ASSERT_TRUE(window.grab().toImage().save(QString::fromStdString(Shot("Tubrin-result"))));
  window.close();
}

TEST(ProgramWindow, AMalformedConditionIsShownAndTheWindowWaitsForTheUser)
{
  TempDir dir;
  PrepareRun(dir.path(), 1000);
  WriteFile(dir.path() / "joken.txt", "015.0\r\n020.0\r\n");
  WriteFile(dir.path() / "resultBSF.txt", "1.1,1.1,1.1\r\n");
  bsf::ProgressWindow window(PhantomShape::Cylinder, "Tubrin", dir.path(), 4000);
  window.show();
  window.Start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.outcome().has_value(); }, 60000));
  EXPECT_FALSE(window.outcome()->ok);
  EXPECT_EQ(window.exit_code(), 1);
  EXPECT_TRUE(window.isVisible());
  const std::string texts = LabelTexts(window);
  EXPECT_NE(texts.find("joken.txt has 2 lines"), std::string::npos) << texts;
  EXPECT_NE(texts.find("No result was written."), std::string::npos) << texts;
  EXPECT_FALSE(fs::exists(dir.path() / "resultBSF.txt"));
  ASSERT_TRUE(window.grab().toImage().save(QString::fromStdString(Shot("Tubrin-error"))));
  window.close();
}

TEST(ProgramWindow, ClosingDuringTheRunStopsItAndWritesNothing)
{
  // The close returns at once (the window thread never waits for the
  // worker); the window says it is stopping and closes when the run has.
  TempDir dir;
  PrepareRun(dir.path(), 2000000000);  // far more than the test lets it run
  bsf::ProgressWindow window(PhantomShape::Cylinder, "Tubrin", dir.path(), 4000);
  window.show();
  window.Start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.progress().total() > 0; }, 60000));
  window.close();
  EXPECT_FALSE(window.outcome().has_value());
  EXPECT_TRUE(window.isVisible());
  EXPECT_NE(LabelTexts(window).find("Stopping the calculation ..."), std::string::npos) << LabelTexts(window);
  ASSERT_TRUE(window.grab().toImage().save(QString::fromStdString(Shot("Tubrin-stopping"))));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 60000));
  ASSERT_TRUE(window.outcome().has_value());
  EXPECT_FALSE(window.outcome()->ok);
  EXPECT_NE(window.outcome()->message.find("stopped"), std::string::npos);
  EXPECT_LT(window.progress().done(), window.progress().total());
  EXPECT_FALSE(fs::exists(dir.path() / "resultBSF.txt"));
  EXPECT_EQ(window.exit_code(), 1);
}

// ---------------------------------------------------------------- the executables

struct ProgramRun {
  int exit_code;
  std::string out, err;
};

ProgramRun RunProgram(const std::string& name, const fs::path& folder, const QProcessEnvironment& env)
{
  QProcess p;
  p.setWorkingDirectory(QString::fromStdString(folder.string()));
  p.setProcessEnvironment(env);
  p.start(QString::fromStdString((fs::path(VORN_BSF_PROGRAM_DIR) / name).string()), {});
  if (!p.waitForStarted() || !p.waitForFinished(300000)) return {-1, "", "did not run"};
  return {p.exitCode(), p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
}

QProcessEnvironment Offscreen()
{
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  return env;
}

TEST(Programs, EachWritesItsResultAndClosesItselfOffscreen)
{
  struct Case {
    const char* program;
    PhantomGeometry phantom;
  };
  PhantomGeometry cylinder, ellipse, racetrack;
  cylinder.PhantomModel = kCylinderModel;
  cylinder.CylinderRadius = 15.0;
  ellipse.PhantomModel = kEllipticCylinderModel;
  ellipse.EllipseHRadius = 30.0;
  ellipse.EllipseVRadius = 20.0;
  racetrack.PhantomModel = kRacetrackModel;
  racetrack.RacetrackA = 20.0;
  racetrack.RacetrackB = 20.0;
  racetrack.RacetrackL = 80.0;
  for (Case c : {Case{"Tubrin", cylinder}, Case{"Ovalis", ellipse}, Case{"Lapmoor", racetrack}}) {
    TempDir dir;
    WriteMainProgramSpectrum(dir.path(), 80.0);
    c.phantom.McHistories = 1000000;
    WriteCondition(dir.path(), c.phantom);
    WriteFile(dir.path() / "resultBSF.txt", "9,9,9\r\n");
    const ProgramRun run = RunProgram(c.program, dir.path(), Offscreen());
    EXPECT_EQ(run.exit_code, 0) << c.program << ": " << run.err;
    EXPECT_NE(run.out.find("1000000 histories"), std::string::npos) << c.program << ": " << run.out;
    const BackscatterFactors f = ReadBackscatterResult(dir.path() / "resultBSF.txt");
    EXPECT_GT(f.BsfSoft, 1.1) << c.program;
    EXPECT_LT(f.BsfSoft, 1.7) << c.program;
  }
}

TEST(Programs, AMalformedInputEndsWithAMessageAndNoResult)
{
  TempDir dir;
  WriteMainProgramSpectrum(dir.path(), 80.0);
  PhantomGeometry cylinder;
  cylinder.PhantomModel = kCylinderModel;
  cylinder.CylinderRadius = 15.0;
  cylinder.McHistories = 1000;
  WriteCondition(dir.path(), cylinder);  // 7 lines: not an elliptic cylinder's
  WriteFile(dir.path() / "resultBSF.txt", "9,9,9\r\n");
  const ProgramRun run = RunProgram("Ovalis", dir.path(), Offscreen());
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.err.find("joken.txt has 7 lines; the elliptic cylinder needs 8"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(dir.path() / "resultBSF.txt"));

  // A size no body has (it once gave "NaN" with exit status 0), and too few
  // histories for a usable factor.
  WriteFile(dir.path() / "joken.txt", "1e308\r\n020.0\r\n080.0\r\n100.0\r\n035.6\r\n043.2\r\n00000100000\r\n");
  ProgramRun tubrin = RunProgram("Tubrin", dir.path(), Offscreen());
  EXPECT_EQ(tubrin.exit_code, 1);
  EXPECT_NE(tubrin.err.find("the cylinder radius must lie between 0.01 and 10000 cm"), std::string::npos) << tubrin.err;
  EXPECT_FALSE(fs::exists(dir.path() / "resultBSF.txt"));
  WriteFile(dir.path() / "joken.txt", "015.0\r\n020.0\r\n080.0\r\n100.0\r\n035.6\r\n043.2\r\n00000001000\r\n");
  tubrin = RunProgram("Tubrin", dir.path(), Offscreen());
  EXPECT_EQ(tubrin.exit_code, 1);
  EXPECT_NE(tubrin.err.find("run more photon histories"), std::string::npos) << tubrin.err;
  EXPECT_FALSE(fs::exists(dir.path() / "resultBSF.txt"));

  fs::remove(dir.path() / "X_SPCTL.dat");
  tubrin = RunProgram("Tubrin", dir.path(), Offscreen());
  EXPECT_EQ(tubrin.exit_code, 1);
  EXPECT_NE(tubrin.err.find("X_SPCTL.dat"), std::string::npos) << tubrin.err;
}

TEST(Programs, WithoutAnyDisplayTheyRunOnTheConsole)
{
  TempDir dir;
  PrepareRun(dir.path(), 1000000);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("QT_QPA_PLATFORM");
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  const ProgramRun run = RunProgram("Tubrin", dir.path(), env);
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_NE(run.out.find("BSF, air kerma:"), std::string::npos) << run.out;
  EXPECT_TRUE(fs::exists(dir.path() / "resultBSF.txt"));
}

// ---------------------------------------------------------------- from the main window

// The desktop as the user has it, except that a started program is waited
// for (it closes itself offscreen) and message boxes are answered OK at once.
class WaitingServices final : public ui::Services {
public:
  explicit WaitingServices(fs::path folder) : folder_(std::move(folder)) {}

  ui::MsgAnswer MsgBox(const std::string& text, int, const std::string&) override
  {
    boxes.push_back(text);
    return ui::vbOK;
  }
  void Beep() override { ++beeps; }
  long long Shell(const std::string& program) override
  {
    const fs::path found = ui::FindProgram(program, folder_, "");
    started.push_back(program);
    QProcess p;
    p.setWorkingDirectory(QString::fromStdString(folder_.string()));
    p.setProcessEnvironment(Offscreen());
    p.start(QString::fromStdString(found.string()), {});
    if (!p.waitForStarted()) throw FileError(program + ": the program could not be started");
    p.waitForFinished(300000);
    exit_codes.push_back(p.exitCode());
    return 1;
  }
  // Shell returns once the program has ended.
  bool ProgramEnded(long long) const override { return true; }
  void DoEvents() override { QCoreApplication::processEvents(); }
  std::string DateText() override { return "2026/12/09"; }
  ui::PrintReport Print(const ui::PrintDocument&) override { return {}; }
  const fs::path& WorkingFolder() const override { return folder_; }
  const ui::FontMetrics& Metrics() const override { return metrics_; }

  std::vector<std::string> boxes, started;
  std::vector<int> exit_codes;
  int beeps = 0;

private:
  fs::path folder_;
  qt::QtFontMetrics metrics_;
};

TEST(FromTheMainWindow, TheCurvedSurfaceFactorsComeFromTheRealProgramInBothEditions)
{
  for (const Edition edition : {Edition::Japanese, Edition::English}) {
    TempFolder folder;
    CopyShippedData(folder.path());
    KeepUserName(folder.path(), edition, "Tester");
    for (const char* name : {"Tubrin", "Ovalis", "Lapmoor"})
      fs::copy_file(fs::path(VORN_BSF_PROGRAM_DIR) / name, folder.path() / name);
    WaitingServices services(folder.path());
    mainwin::MainProgram program(edition, services);
    qt::WidgetBinding binding(program.app);
    program.Start();
    mainwin::MainWindow& f = *program.mainWindow;

    f.curvedSurfaceOption.UserClick();  // "非平面として計算" / "Calculate as a non-flat plane"
    mainwin::ShapeDialog& dialog = *program.shapeDialog;
    dialog.ellipseOption.UserClick();  // elliptic cylinder, the edition's presets
    dialog.historiesCombo.UserType("1000000");
    dialog.okButton.UserClick();
    f.calculateButton.UserClick();  // calculate

    EXPECT_EQ(services.started, std::vector<std::string>{"Ovalis.exe"});
    ASSERT_EQ(services.exit_codes, std::vector<int>{0});
    const BackscatterFactors written = ReadBackscatterResult(folder.path() / "resultBSF.txt");
    EXPECT_EQ(program.Module().Result.BsfSoft, written.BsfSoft);
    EXPECT_EQ(f.bsfSoftLabel.Caption(), Format(written.BsfSoft, "#0.000"));
    EXPECT_EQ(f.bsfAirLabel.Caption(), Format(written.BsfAir, "#0.000"));
    EXPECT_EQ(f.bsfSkinLabel.Caption(), Format(written.BsfSkin, "#0.000"));
    EXPECT_NE(f.surfaceDoseSoftLabel.Caption(), "");
    ASSERT_EQ(services.boxes.size(), 1u) << services.boxes.back();  // the wait message only
    EXPECT_EQ(services.beeps, 0);
    EXPECT_EQ(program.Module().Phantom.McHistories, 1000000);

    qt::FormWindow* window = binding.WindowOf(f);
    ASSERT_NE(window, nullptr);
    const std::string shot = edition == Edition::Japanese ? "main-window-curved-J" : "main-window-curved-E";
    ASSERT_TRUE(window->grab().toImage().save(QString::fromStdString(Shot(shot))));
  }
}

}  // namespace
}  // namespace vorn::testing
