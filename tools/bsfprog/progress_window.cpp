#include "tools/bsfprog/progress_window.h"

#include <QCloseEvent>
#include <QFont>
#include <QVBoxLayout>
#include <iostream>
#include <utility>

namespace vorn::bsf {
namespace {

constexpr int kBarSteps = 1000;
constexpr int kPollInterval_ms = 200;

// "Cylinder surface", "Elliptic cylinder surface", "Racetrack surface".
std::string SurfaceTitle(PhantomShape shape)
{
  std::string name = ShapeName(shape) + " surface";
  name[0] = static_cast<char>(name[0] - 'a' + 'A');
  return name;
}

}  // namespace

ProgressWindow::ProgressWindow(PhantomShape shape, const std::string& program_name, std::filesystem::path folder,
                               int close_delay_ms)
    : shape_(shape),
      folder_(std::move(folder)),
      close_delay_ms_(close_delay_ms),
      condition_(new QLabel(this)),
      bar_(new QProgressBar(this)),
      time_left_(new QLabel(this)),
      result_(new QLabel(this))
{
  setWindowTitle(QString::fromStdString(program_name + " - backscatter factors, " + ShapeName(shape) + " surface"));
  auto* layout = new QVBoxLayout(this);
  condition_->setWordWrap(true);
  condition_->setText(QString::fromStdString(SurfaceTitle(shape) + ": reading " + std::string(kConditionFileName) +
                                             " and " + kSpectrumFileName));
  bar_->setRange(0, kBarSteps);
  bar_->setValue(0);
  time_left_->setText(QString::fromStdString(TimeLeftText(0.0, 0.0)));
  QFont fixed("Liberation Mono");
  fixed.setStyleHint(QFont::Monospace);
  result_->setFont(fixed);
  result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  result_->setWordWrap(true);
  layout->addWidget(condition_);
  layout->addWidget(bar_);
  layout->addWidget(time_left_);
  layout->addWidget(result_);
  resize(560, 220);

  poll_timer_.setInterval(kPollInterval_ms);
  connect(&poll_timer_, &QTimer::timeout, this, [this] { Poll(); });
}

ProgressWindow::~ProgressWindow() { StopWorker(); }

void ProgressWindow::Start()
{
  // The condition is shown while the run goes on; the run reads it again
  // and reports what is wrong with it.
  try {
    condition_->setText(QString::fromStdString(ConditionText(ReadPhantomCondition(folder_ / kConditionFileName, shape_))));
  } catch (const std::exception&) {
  }
  worker_ = std::thread([this] {
    ProgramOutcome o = RunBackscatterProgram(shape_, folder_, {.progress = &progress_});
    worker_outcome_ = std::move(o);
    worker_done_.store(true, std::memory_order_release);
    // The result is shown (and the window closed) at once, not at the next poll.
    QMetaObject::invokeMethod(this, [this] { Poll(); }, Qt::QueuedConnection);
  });
  poll_timer_.start();
}

void ProgressWindow::Poll()
{
  if (outcome_) return;  // finished already (the worker's call and a timer tick may both come)
  if (worker_done_.load(std::memory_order_acquire)) {
    Finish();
    return;
  }
  if (progress_.total() == 0) return;  // still reading the inputs and building the interaction data
  const auto now = std::chrono::steady_clock::now();
  if (!run_started_) run_started_ = now;
  const double fraction = progress_.fraction();
  bar_->setValue(static_cast<int>(fraction * kBarSteps));
  const std::chrono::duration<double> elapsed = now - *run_started_;
  time_left_->setText(QString::fromStdString(TimeLeftText(elapsed.count(), fraction)));
}

void ProgressWindow::Finish()
{
  poll_timer_.stop();
  if (worker_.joinable()) worker_.join();  // it has finished: this returns at once
  outcome_ = worker_outcome_;
  if (outcome_->ok) {
    exit_code_ = 0;
    bar_->setValue(kBarSteps);
    condition_->setText(QString::fromStdString(ConditionText(outcome_->condition)));
    time_left_->setText(QString::fromStdString("Done: the factors are in " + std::string(kResultFileName) + "."));
    result_->setText(QString::fromStdString(ResultText(outcome_->result)));
    std::cout << ResultText(outcome_->result) << std::endl;
    QTimer::singleShot(close_asked_ ? 0 : close_delay_ms_, this, [this] { close(); });
  } else {
    exit_code_ = 1;
    if (outcome_->condition.McHistories == 0) condition_->setText(QString::fromStdString(SurfaceTitle(shape_)));
    time_left_->setText("No result was written.");
    result_->setStyleSheet("color: #c00000");
    result_->setText(QString::fromStdString(outcome_->message));
    std::cerr << windowTitle().toStdString() << ": " << outcome_->message << std::endl;
    if (close_delay_ms_ == 0 || close_asked_) QTimer::singleShot(0, this, [this] { close(); });
  }
}

void ProgressWindow::StopWorker()
{
  // Only where no event loop is left to wait in (the window is destroyed).
  if (!worker_.joinable()) return;
  progress_.RequestCancel();
  worker_.join();
}

void ProgressWindow::closeEvent(QCloseEvent* event)
{
  if (outcome_ || !worker_.joinable()) {
    event->accept();
    return;
  }
  // The run stops at its next history and writes nothing; Poll sees the
  // worker end and closes the window then.
  close_asked_ = true;
  progress_.RequestCancel();
  time_left_->setText("Stopping the calculation ...");
  event->ignore();
}

}  // namespace vorn::bsf
