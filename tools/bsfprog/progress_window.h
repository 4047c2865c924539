// The backscatter program's window: the condition, a progress bar with the
// estimated time left while the calculation runs in worker threads, then the
// factors with their uncertainty (or what went wrong). It closes itself a few
// seconds after a successful run.
#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "tools/bsfprog/bsf_program.h"

namespace vorn::bsf {

class ProgressWindow : public QWidget {
  Q_OBJECT

public:
  // close_delay_ms: how long the result stays shown; 0 closes at once, and
  // then a failure closes the window too (no one is there to read it).
  ProgressWindow(PhantomShape shape, const std::string& program_name, std::filesystem::path folder,
                 int close_delay_ms);
  ~ProgressWindow() override;

  // Starts the calculation in the background.
  void Start();
  // 0 after a run that wrote its result, 1 otherwise.
  int exit_code() const { return exit_code_; }
  const std::optional<ProgramOutcome>& outcome() const { return outcome_; }
  const RunProgress& progress() const { return progress_; }

protected:
  // Closing during the run asks the run to stop and leaves the window up
  // (saying so) until the worker has ended; the window never waits for it.
  void closeEvent(QCloseEvent* event) override;

private:
  void Poll();
  void Finish();
  void StopWorker();

  PhantomShape shape_;
  std::filesystem::path folder_;
  int close_delay_ms_;
  int exit_code_ = 1;
  bool close_asked_ = false;  // the user closed the window during the run

  QLabel* condition_;
  QProgressBar* bar_;
  QLabel* time_left_;
  QLabel* result_;
  QTimer poll_timer_;

  RunProgress progress_;
  std::thread worker_;
  std::atomic<bool> worker_done_{false};
  ProgramOutcome worker_outcome_;  // written by the worker before worker_done_
  std::optional<ProgramOutcome> outcome_;
  std::optional<std::chrono::steady_clock::time_point> run_started_;
};

}  // namespace vorn::bsf
