// Fuzz target: the examination-site list 撮影部位.txt as the main program reads
// it and the site dialog rewrites it: the sites are the lines, and adding or
// deleting a site keeps every other byte of the file.
#include "fuzz/fuzz_input.h"
#include "mainwin/site_list_file.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  using namespace vorn;
  const std::string_view input = fuzz::Bytes(data, size);
  const auto path = fuzz::PutInput(mainwin::kSiteListFileName, input);
  std::vector<std::string> sites;
  RawTextFile list;
  try {
    sites = mainwin::ReadSiteList(path);
    list = mainwin::ReadSiteListFile(path);
  } catch (const Error&) {
    return 0;
  }
  if (list.Bytes() != input) fuzz::Broken("the list's bytes are not the file's");
  if (mainwin::SiteNames(list) != sites) fuzz::Broken("the rewrite's sites differ from the sites read");
  if (sites.empty()) return 0;
  // Deleting the first site and adding it back leaves the other lines' bytes.
  RawTextFile changed = mainwin::WithoutSite(list, sites.front());
  changed.Append(sites.front());
  const std::string bytes = changed.Bytes();
  if (bytes.compare(0, list.byteOrderMark.size(), list.byteOrderMark) != 0) fuzz::Broken("the byte order mark is lost");
  try {
    mainwin::WriteSiteListFile(path, changed);
    if (mainwin::ReadSiteList(path) != mainwin::SiteNames(changed)) fuzz::Broken("the rewritten list reads otherwise");
  } catch (const Error& e) {
    fuzz::Broken(std::string("the rewritten list cannot be read: ") + e.what());
  }
  return 0;
}
