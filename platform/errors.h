// Run-time errors of the system. Each carries a message that names the file
// or quantity involved; the window that started the work decides how to tell
// the user (an error trap is a try/catch around the same steps).
#pragma once

#include <stdexcept>
#include <string>

namespace vorn {

class Error : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A file could not be opened, created, read or written.
class FileError : public Error {
public:
  using Error::Error;
};

// A data file was opened but its content is short or malformed.
class DataError : public Error {
public:
  using Error::Error;
};

// A computation met a condition it cannot continue from (a division by zero,
// a subscript beyond a table, a value outside the model's range).
class CalcError : public Error {
public:
  using Error::Error;
};

}  // namespace vorn
