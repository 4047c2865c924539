#include "platform/ui/display_list.h"

#include <cmath>

namespace vorn::ui {

double UserScale::TwipsPerUnitX() const { return std::abs(widthTwips / width); }
double UserScale::TwipsPerUnitY() const { return std::abs(heightTwips / height); }

Size ArcItem::SemiAxesTwips() const
{
  const double r = std::abs(radius) * scale.TwipsPerUnitX();
  const double a = std::abs(aspect);
  if (a < 1.0) return {r, r * a};
  return {r / a, r};
}

std::vector<const TextItem*> TextItems(const DisplayList& items)
{
  std::vector<const TextItem*> out;
  for (const DrawItem& item : items)
    if (const auto* text = std::get_if<TextItem>(&item)) out.push_back(text);
  return out;
}

std::vector<const LineItem*> LineItems(const DisplayList& items)
{
  std::vector<const LineItem*> out;
  for (const DrawItem& item : items)
    if (const auto* line = std::get_if<LineItem>(&item)) out.push_back(line);
  return out;
}

const TextItem* FindText(const DisplayList& items, std::string_view text)
{
  for (const DrawItem& item : items)
    if (const auto* t = std::get_if<TextItem>(&item); t != nullptr && t->text == text) return t;
  return nullptr;
}

}  // namespace vorn::ui
