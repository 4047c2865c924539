#include "platform/ui/printer.h"

#include <utility>

namespace vorn::ui {

Printer::Printer(Services& services) : Canvas(ScaleUnit::Twips), services_(services) {}

Size Printer::DrawingAreaTwips() const
{
  const PrintDocument paper;
  const double w = paper.paperWidthMm * kTwipsPerMillimetre;
  const double h = paper.paperHeightMm * kTwipsPerMillimetre;
  return orientation_ == ui::Orientation::Landscape ? Size{h, w} : Size{w, h};
}

DisplayList& Printer::StartDrawing()
{
  if (pages_.empty()) pages_.push_back(PrintedPage{orientation_, {}});
  return pages_.back().items;
}

void Printer::NewPage()
{
  StartDrawing();
  pages_.push_back(PrintedPage{orientation_, {}});
  MoveCurrentPoint(0.0, 0.0);
}

PrintReport Printer::EndDoc()
{
  MoveCurrentPoint(0.0, 0.0);
  if (pages_.empty()) return PrintReport{};
  PrintDocument document;
  document.pages = std::move(pages_);
  pages_.clear();
  return services_.Print(document);
}

}  // namespace vorn::ui
