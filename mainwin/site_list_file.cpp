#include "mainwin/site_list_file.h"

#include <algorithm>

namespace vorn::mainwin {

std::vector<std::string> ReadSiteList(const std::filesystem::path& path) { return ReadAllLines(path); }

RawTextFile ReadSiteListFile(const std::filesystem::path& path) { return ReadRawTextFile(path); }

std::vector<std::string> SiteNames(const RawTextFile& list)
{
  std::vector<std::string> names;
  for (const RawTextFile::Line& line : list.lines) names.push_back(line.text);
  return names;
}

void WriteSiteListFile(const std::filesystem::path& path, const RawTextFile& list)
{
  WriteFileAtomically(path, list.Bytes());
}

RawTextFile WithoutSite(RawTextFile list, const std::string& site)
{
  std::erase_if(list.lines, [&site](const RawTextFile::Line& line) { return line.text == site; });
  return list;
}

}  // namespace vorn::mainwin
