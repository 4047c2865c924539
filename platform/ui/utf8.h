// UTF-8 text as code points (file names, captions and measured text are UTF-8).
#pragma once

#include <string>
#include <string_view>

namespace vorn::ui {

// Decodes UTF-8; a byte that does not start a valid sequence stands for itself
// (as U+FFFD would hide which byte it was, and names must still compare).
std::u32string DecodeUtf8(std::string_view text);

// True when text is well-formed UTF-8: no stray continuation byte, no cut
// sequence, no overlong form, no surrogate and nothing above U+10FFFF. Text
// in another encoding (Shift-JIS, Latin-1) almost never passes.
bool IsValidUtf8(std::string_view text);

// True for characters that the desktop draws a full em wide.
bool IsFullWidth(char32_t c);

}  // namespace vorn::ui
