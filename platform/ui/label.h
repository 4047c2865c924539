// A label: a caption the user reads (and may click).
#pragma once

#include <string>

#include "platform/ui/control.h"

namespace vorn::ui {

enum class BorderStyle { None = 0, FixedSingle = 1 };
enum class BackStyle { Transparent = 0, Opaque = 1 };

class Label final : public Control {
public:
  Label(Container& parent, std::string name, Rect bounds = {}) : Control(parent, std::move(name), bounds) {}

  ui::Kind Kind() const override { return ui::Kind::Label; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption)
  {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    Changed(Prop::Caption);
  }
  ui::Alignment Alignment() const { return alignment_; }
  void SetAlignment(ui::Alignment alignment)
  {
    alignment_ = alignment;
    Changed(Prop::Style);
  }
  ui::BorderStyle BorderStyle() const { return border_; }
  void SetBorderStyle(ui::BorderStyle border)
  {
    border_ = border;
    Changed(Prop::Style);
  }
  ui::BackStyle BackStyle() const { return backStyle_; }
  void SetBackStyle(ui::BackStyle style)
  {
    backStyle_ = style;
    Changed(Prop::Style);
  }

private:
  std::string caption_;
  ui::Alignment alignment_ = ui::Alignment::Left;
  ui::BorderStyle border_ = ui::BorderStyle::None;
  ui::BackStyle backStyle_ = ui::BackStyle::Opaque;
};

}  // namespace vorn::ui
