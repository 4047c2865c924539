#include "mainwin/site_list_file.h"

#include <algorithm>

#include "platform/files/seqfile.h"

namespace vorn::mainwin {

std::vector<std::string> ReadSiteList(const std::filesystem::path& path) { return ReadAllLines(path); }

void WriteSiteList(const std::filesystem::path& path, const std::vector<std::string>& sites)
{
  std::string text;
  for (const std::string& site : sites) text += site + "\r\n";
  WriteFileAtomically(path, text);
}

std::vector<std::string> WithoutSite(std::vector<std::string> sites, const std::string& site)
{
  std::erase(sites, site);
  return sites;
}

}  // namespace vorn::mainwin
