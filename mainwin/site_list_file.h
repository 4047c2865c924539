// The examination-site list of the Japanese edition: one site name per line of
// 撮影部位.txt, in the order the site combo shows them, at most 30 names.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "mainwin/working_files.h"  // kSiteListFileName

namespace vorn::mainwin {

inline constexpr int kMaxSites = 30;

// Every line of the list (an empty line is a site too). Throws FileError when
// the file cannot be read.
std::vector<std::string> ReadSiteList(const std::filesystem::path& path);

// Replaces the list file with these names, one per line with CR LF, in one
// step: a failed write leaves the old list whole. Throws FileError.
void WriteSiteList(const std::filesystem::path& path, const std::vector<std::string>& sites);

// The list without every name equal to `site` (exact comparison).
std::vector<std::string> WithoutSite(std::vector<std::string> sites, const std::string& site);

}  // namespace vorn::mainwin
