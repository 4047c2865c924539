// The refusal of an entry box whose text is no number, as each edition shows
// it: the box's name, the text as typed, and what a number looks like.
#pragma once

#include <string>

#include "text/edition.h"

namespace vorn::testing {

inline std::string NotANumberMessage(Edition edition, const std::string& box, const std::string& typed)
{
  if (edition == Edition::Japanese) {
    return "　" + box + "：「" + typed + "」は数値として読めません。\n半角の数字と小数点「.」で、単位を付けずに入力して下さい　";
  }
  return "  " + box + ": \"" + typed + "\" is not a number: type it with a decimal point (.) and without a unit  ";
}

}  // namespace vorn::testing
