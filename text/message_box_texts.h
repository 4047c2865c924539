// The captions of the message boxes' buttons, one table per edition.
#pragma once

#include <string_view>

#include "text/edition.h"

namespace vorn {

struct MessageBoxTexts {
  std::string_view Ok;
  std::string_view Cancel;
  std::string_view Yes;
  std::string_view No;
};

const MessageBoxTexts& MessageBoxTextsFor(Edition edition);

}  // namespace vorn
