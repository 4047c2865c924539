#include "tests/organdata/sites.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/format/format.h"

namespace vorn::organdata {

std::filesystem::path DataFolder() { return std::filesystem::path(VORN_DATA_DIR); }

std::filesystem::path OrganFilePath(std::string_view site)
{
  // File names are UTF-8 (the Japanese site names).
  const std::u8string name(reinterpret_cast<const char8_t*>(site.data()), site.size());
  return DataFolder() / "Organ-data" / std::filesystem::path(name + u8".csv");
}

std::string ReadBytes(const std::filesystem::path& path)
{
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<OrganFile> ParseOrganFile(const std::string& bytes, std::string* error)
{
  auto fail = [&](const std::string& why) -> std::optional<OrganFile> {
    *error = why;
    return std::nullopt;
  };
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) return fail("the last line is not ended by CR LF");
    const std::string line = bytes.substr(start, end - start);
    if (line.find_first_of("\r\n") != std::string::npos) {
      return fail("line " + std::to_string(lines.size() + 1) + " holds a bare CR or LF");
    }
    lines.push_back(line);
    start = end + 2;
  }
  if (lines.size() != kRows) return fail(std::to_string(lines.size()) + " lines, not 16");

  OrganFile file;
  for (int row = 0; row < kRows; ++row) {
    std::vector<std::string> fields;
    std::stringstream split(lines[row]);
    for (std::string field; std::getline(split, field, ',');) fields.push_back(field);
    if (!lines[row].empty() && lines[row].back() == ',') fields.emplace_back();
    const std::string where = "line " + std::to_string(row + 1);
    if (fields.size() != kFields) {
      return fail(where + " has " + std::to_string(fields.size()) + " fields, not 7");
    }
    for (const char c : fields[0]) {
      if (c < 0x20 || c > 0x7e) return fail(where + ": the organ name is not plain ASCII");
    }
    if (fields[0].empty() || fields[0].front() == ' ' || fields[0].back() == ' ') {
      return fail(where + ": the organ name is empty or has blanks around it");
    }
    std::array<double, kFields> value{};
    for (int f = 1; f < kFields; ++f) {
      const std::optional<double> number = ParseNumber(fields[f]);
      if (!number) return fail(where + ": field " + std::to_string(f + 1) + " is not a number");
      value[f] = *number;
    }
    file[row] = {fields[0], value[1], value[2], value[3], value[4], value[5], value[6]};
  }
  return file;
}

std::vector<std::string> JapaneseSiteList()
{
  std::vector<std::string> names;
  std::ifstream in(DataFolder() / std::filesystem::path(u8"撮影部位.txt"), std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (names.empty() && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);  // byte order mark
    if (!line.empty()) names.push_back(line);
  }
  return names;
}

double DepthFromMode(double mode, double value, double thickness_cm)
{
  if (mode == 1.0) return value * thickness_cm;
  if (mode == 2.0) return thickness_cm - value;
  return value;
}

}  // namespace vorn::organdata
