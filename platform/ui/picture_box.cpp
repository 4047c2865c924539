#include "platform/ui/picture_box.h"

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace vorn::ui {

namespace {
constexpr double kBorderTwips = 2.0 * kTwipsPerPixel;  // the sunken border, each side
}

PictureBox::PictureBox(ui::Container& parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds), Canvas(ScaleUnit::Twips)
{
}

void PictureBox::Cls()
{
  items_.clear();
  MoveCurrentPoint(0.0, 0.0);
  Changed(Prop::Drawing);
}

void PictureBox::SetBorderStyle(ui::BorderStyle border)
{
  border_ = border;
  Changed(Prop::Style);
}

Size PictureBox::DrawingAreaTwips() const
{
  const UserScale outer = Parent().ChildScale();
  const double inset = border_ == ui::BorderStyle::FixedSingle ? 2.0 * kBorderTwips : 0.0;
  return {std::max(0.0, Width() * outer.TwipsPerUnitX() - inset),
          std::max(0.0, Height() * outer.TwipsPerUnitY() - inset)};
}

const FontMetrics& PictureBox::Metrics() const { return OwnerForm().App().services().Metrics(); }

}  // namespace vorn::ui
