#include "text/message_box_texts.h"

namespace vorn {
namespace {

constexpr MessageBoxTexts kJapanese{.Ok = "OK", .Cancel = "キャンセル", .Yes = "はい", .No = "いいえ"};
constexpr MessageBoxTexts kEnglish{.Ok = "OK", .Cancel = "Cancel", .Yes = "Yes", .No = "No"};

}  // namespace

const MessageBoxTexts& MessageBoxTextsFor(Edition edition)
{
  return edition == Edition::Japanese ? kJapanese : kEnglish;
}

}  // namespace vorn
