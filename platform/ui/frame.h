// A frame: a captioned box that holds controls (and makes its option buttons
// one group). Controls inside are placed in twips from the frame's top-left.
#pragma once

#include <string>

#include "platform/ui/control.h"

namespace vorn::ui {

class Frame final : public Control, public Container {
public:
  Frame(ui::Container& parent, std::string name, Rect bounds = {}) : Control(parent, std::move(name), bounds) {}

  ui::Kind Kind() const override { return ui::Kind::Frame; }
  Form& OwnerForm() const override { return Control::OwnerForm(); }
  FontSpec ChildFont() const override { return Control::Font(); }
  bool ChildrenReachable() const override { return Reachable(); }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption)
  {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    Changed(Prop::Caption);
  }

private:
  std::string caption_;
};

}  // namespace vorn::ui
