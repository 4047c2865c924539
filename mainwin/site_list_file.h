// The examination-site list of the Japanese edition: one site name per line of
// 撮影部位.txt, in the order the site combo shows them, at most 30 names.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "mainwin/working_files.h"  // kSiteListFileName
#include "platform/files/seqfile.h"

namespace vorn::mainwin {

inline constexpr int kMaxSites = 30;

// Every line of the list (an empty line is a site too). Throws FileError when
// the file cannot be read.
std::vector<std::string> ReadSiteList(const std::filesystem::path& path);

// The list as it stands on file, for a rewrite that keeps every byte it does
// not change (a byte order mark, each line's own line end). Throws FileError.
RawTextFile ReadSiteListFile(const std::filesystem::path& path);

// The site names of the list, as ReadSiteList gives them.
std::vector<std::string> SiteNames(const RawTextFile& list);

// Replaces the list file in one step: a failed write leaves the old list
// whole. Throws FileError.
void WriteSiteListFile(const std::filesystem::path& path, const RawTextFile& list);

// The list without every line equal to `site` (exact comparison).
RawTextFile WithoutSite(RawTextFile list, const std::string& site);

}  // namespace vorn::mainwin
