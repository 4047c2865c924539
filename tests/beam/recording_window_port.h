// A WindowPort that records everything the computing module does to the
// windows, in order, and answers box reads from texts the test sets.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "beam/window_port.h"

namespace vorn::testing {

class RecordingWindowPort : public WindowPort {
public:
  struct Caption {
    ResultLabel label;
    std::string text;
  };
  struct BoxWrite {
    MainBox box;
    std::string text;
  };
  struct Message {
    std::string text;
    MsgIcon icon;
    MsgTitle title;
  };

  void SetLabelCaption(ResultLabel label, std::string_view caption) override
  {
    captions.push_back({label, std::string(caption)});
    events.push_back("caption");
  }
  std::string MainBoxText(MainBox box) const override
  {
    const auto it = main_boxes.find(box);
    return it == main_boxes.end() ? std::string() : it->second;
  }
  void SetMainBoxText(MainBox box, std::string_view text) override
  {
    main_boxes[box] = std::string(text);
    box_writes.push_back({box, std::string(text)});
    events.push_back("box");
  }
  std::string FitBoxText(FitBox box) const override
  {
    const auto it = fit_boxes.find(box);
    return it == fit_boxes.end() ? std::string() : it->second;
  }
  void DoEvents() override
  {
    ++yields;
    events.push_back("yield");
  }
  void ShowMessage(std::string_view text, MsgIcon icon, MsgTitle title) override
  {
    messages.push_back({std::string(text), icon, title});
    events.push_back("message");
  }
  void Beep() override
  {
    ++beeps;
    events.push_back("beep");
  }

  // The last caption given to label; empty when it was never set.
  std::string CaptionOf(ResultLabel label) const
  {
    for (auto it = captions.rbegin(); it != captions.rend(); ++it) {
      if (it->label == label) return it->text;
    }
    return {};
  }
  void Clear()
  {
    captions.clear();
    box_writes.clear();
    messages.clear();
    events.clear();
    beeps = 0;
    yields = 0;
  }

  std::vector<Caption> captions;
  std::map<MainBox, std::string> main_boxes;
  std::vector<BoxWrite> box_writes;
  std::map<FitBox, std::string> fit_boxes;
  std::vector<Message> messages;
  std::vector<std::string> events;  // "caption", "box", "yield", "message", "beep" in order
  int beeps = 0;
  int yields = 0;
};

}  // namespace vorn::testing
