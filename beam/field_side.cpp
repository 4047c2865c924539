#include "beam/field_side.h"

#include <string>

#include "platform/errors.h"

namespace vorn {

double FieldSide::Cm(std::string_view name) const
{
  if (is_dash_) {
    throw CalcError(std::string(name) + " is \"-\", not a length: enter the field size");
  }
  return cm_;
}

}  // namespace vorn
