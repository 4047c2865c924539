// The name of an output-data file as the windows show it: the file name less
// its last three characters (".op").
#pragma once

#include <string>

namespace vorn::mainwin {

inline std::string OutputDataTitle(const std::string& fileName)
{
  return fileName.size() >= 3 ? fileName.substr(0, fileName.size() - 3) : std::string{};
}

}  // namespace vorn::mainwin
