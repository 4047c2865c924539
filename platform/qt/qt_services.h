// The desktop services on Qt: message boxes, the beep, program starts,
// yielding, the date, printing and real font metrics.
#pragma once

#include <QDateTime>
#include <filesystem>

#include "platform/ui/services.h"

class QPrinter;

namespace vorn::qt {

// TextWidth and TextHeight from the installed fonts (ScreenFont sizes).
class QtFontMetrics final : public ui::FontMetrics {
public:
  ui::TextExtent Measure(const ui::FontSpec& font, std::string_view utf8) const override;
};

class QtServices final : public ui::Services {
public:
  // Where EndDoc's pages go: the desktop's default printer (a PDF in the
  // working folder when there is none), or always a PDF.
  enum class PrintTarget { DefaultPrinter, PdfFile };

  explicit QtServices(std::filesystem::path workingFolder);

  void SetPrintTarget(PrintTarget target) { target_ = target; }

  // At least as wide as its title and the frame's title bar need.
  ui::MsgAnswer MsgBox(const std::string& text, int style, const std::string& title) override;
  void SetMsgButtonCaptions(const ui::MsgButtonCaptions& captions) override { buttonCaptions_ = captions; }
  void Beep() override;
  // Starts the program found by ui::FindProgram, detached, in the working folder.
  long long Shell(const std::string& program) override;
  // The process is gone, or is a zombie that no one has collected yet.
  bool ProgramEnded(long long process) const override;
  void DoEvents() override;
  std::string DateText() override;
  ui::PrintReport Print(const ui::PrintDocument& document) override;
  const std::filesystem::path& WorkingFolder() const override { return workingFolder_; }
  const ui::FontMetrics& Metrics() const override { return metrics_; }
  // The primary screen's available area.
  std::optional<ui::Rect> ScreenArea() const override;

private:
  std::filesystem::path workingFolder_;
  PrintTarget target_ = PrintTarget::DefaultPrinter;
  ui::MsgButtonCaptions buttonCaptions_;
  QtFontMetrics metrics_;
};

// The PDF a document goes to when there is no printer:
// "<folder>/Vorn-result-YYYYMMDD-HHMMSS.pdf" ("-2", "-3" ... added when taken).
std::filesystem::path PdfFileName(const std::filesystem::path& folder, const QDateTime& when);

// Paints a document's pages on a printer (a real one or a PDF): A4, each page
// in its orientation, coordinates from the printable area's top-left corner,
// line widths in the device's dots. Throws vorn::FileError when the printer
// cannot be opened.
void RenderDocument(QPrinter& printer, const ui::PrintDocument& document);

}  // namespace vorn::qt
