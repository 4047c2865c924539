// The printer object: the same drawing methods as a picture box, collected
// page by page. The first drawing operation starts the document (on the
// orientation set at that moment); NewPage starts the next page; EndDoc hands
// the pages to the print service and says where they went.
//
//   ui::Printer& printer = program.app.Printer();
//   printer.SetScaleMode(ui::ScaleUnit::Millimetres);
//   printer.SetOrientation(ui::Orientation::Landscape);
//   printer.SetScaleLeft(-3);
//   printer.SetDrawWidth(5);           // printer dots
//   printer.Line(0, 20, 285, 20);      // starts the document
//   const ui::PrintReport report = printer.EndDoc();
//
// Coordinates start at the printable area's top-left corner; the page is A4.
#pragma once

#include <vector>

#include "platform/ui/canvas.h"
#include "platform/ui/services.h"

namespace vorn::ui {

class Printer final : public Canvas {
public:
  explicit Printer(Services& services);

  ui::Orientation Orientation() const { return orientation_; }
  void SetOrientation(ui::Orientation orientation) { orientation_ = orientation; }
  bool DocumentStarted() const { return !pages_.empty(); }
  // The pages of the document being drawn.
  const std::vector<PrintedPage>& Pages() const { return pages_; }
  // Ends the page and starts the next; the current point goes to 0, 0.
  void NewPage();
  // Sends the document to the print service; with nothing drawn, nothing is
  // sent (printed false). The pages are handed over whether or not the
  // service succeeds; its vorn::FileError passes on to the caller.
  PrintReport EndDoc();

protected:
  Size DrawingAreaTwips() const override;
  const FontMetrics& Metrics() const override { return services_.Metrics(); }
  FontSpec DefaultFont() const override { return FontSpec{}; }
  DisplayList& StartDrawing() override;
  void Drawn() override {}

private:
  Services& services_;
  ui::Orientation orientation_ = ui::Orientation::Portrait;
  std::vector<PrintedPage> pages_;
};

}  // namespace vorn::ui
