// Calls into xraylib with its error reports turned into exceptions.
#pragma once

#include <xraylib.h>

#include <stdexcept>
#include <string>

namespace vorn::physics::detail {

// Runs fn(args..., &error); a reported error throws std::domain_error with
// what() (the function and its arguments, built only then: the tables call
// these millions of times) and xraylib's message.
template <class Describe, class Fn, class... Args>
auto XrlCall(const Describe& what, Fn fn, Args... args)
{
  xrl_error* error = nullptr;
  auto value = fn(args..., &error);
  if (error != nullptr) {
    std::string message = error->message != nullptr ? error->message : "unknown error";
    xrl_error_free(error);
    throw std::domain_error("xraylib " + std::string(what()) + ": " + message);
  }
  return value;
}

// The same, but an error gives nothing: for data that simply do not exist for
// some elements (fluorescence yields of H, lines of light elements).
template <class Fn, class... Args>
bool XrlTry(double& value, Fn fn, Args... args)
{
  xrl_error* error = nullptr;
  const double v = fn(args..., &error);
  if (error != nullptr) {
    xrl_error_free(error);
    return false;
  }
  value = v;
  return true;
}

}  // namespace vorn::physics::detail
