// The examination sites whose organ files ship, with the view each file was
// drawn up for, and the small reading helpers the organ-data checks share.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::organdata {

// A site of the English edition's fixed list and its name in the Japanese
// site list, with the typical view that the site's organ file assumes.
struct SiteView {
  std::string_view english;
  std::string_view japanese;
  double thickness_cm;    // typical adult body thickness along the beam
  double field_long_cm;   // field at FFD (a film-size preset)
  double field_short_cm;
  double ffd_cm;
  double gap_cm;          // exit surface to image receptor (table or stand)
  double kv;              // typical tube voltage
};

inline constexpr std::array<SiteView, 11> kSites{{
    {"Skull-Frontal", "頭部正面", 19.0, 30.5, 25.4, 100.0, 5.0, 75.0},
    {"Skull-Lateral", "頭部側面", 15.0, 30.5, 25.4, 100.0, 5.0, 70.0},
    {"Neck-Frontal", "頸部正面", 12.0, 25.4, 20.3, 100.0, 5.0, 70.0},
    {"Neck-Lateral", "頸部側面", 13.0, 25.4, 20.3, 150.0, 3.0, 70.0},
    {"Chest-Frontal", "胸部正面", 22.0, 43.2, 35.6, 180.0, 3.0, 120.0},
    {"Chest-Lateral", "胸部側面", 32.0, 43.2, 35.6, 180.0, 3.0, 120.0},
    {"Abdomen-F", "腹部正面", 21.0, 43.2, 35.6, 100.0, 5.0, 80.0},
    {"Abdomen-L", "腹部側面", 32.0, 43.2, 35.6, 100.0, 5.0, 90.0},
    {"Lumbar-F", "腰椎正面", 21.0, 35.6, 28.0, 100.0, 5.0, 80.0},
    {"Lumbar-L", "腰椎側面", 32.0, 35.6, 28.0, 100.0, 5.0, 90.0},
    {"Pelvis-F", "骨盤正面", 20.0, 43.2, 35.6, 100.0, 5.0, 75.0},
}};

// The two chest views whose breast / exit-skin depths the effective-dose
// window corrects for the lungs, in both editions.
inline constexpr std::string_view kChestFrontal[] = {"Chest-Frontal", "胸部正面"};
inline constexpr std::string_view kChestLateral[] = {"Chest-Lateral", "胸部側面"};

inline constexpr int kRows = 16;
inline constexpr int kFields = 7;

// Organ rows in file order, as field 1 names them.
inline constexpr std::array<std::string_view, kRows> kOrganNames{
    "Breast",  "Red marrow",   "Colon",         "Lung",      "Stomach", "Gonads",
    "Thyroid", "Oesophagus",   "Liver",         "Bladder",   "Bone surface",
    "Entrance skin", "Exit skin", "Brain",      "Salivary glands", "Remainder"};

enum Row : int {
  kBreast, kRedMarrow, kColon, kLung, kStomach, kGonads, kThyroid, kOesophagus,
  kLiver, kBladder, kBoneSurface, kEntranceSkin, kExitSkin, kBrain, kSalivary, kRemainder
};

struct OrganRecord {
  std::string name;
  double on = 0, mode1 = 0, depth1 = 0, mode2 = 0, depth2 = 0, percent = 0;
};
using OrganFile = std::array<OrganRecord, kRows>;

std::filesystem::path DataFolder();
std::filesystem::path OrganFilePath(std::string_view site);
std::string ReadBytes(const std::filesystem::path& path);

// Strict reading of one organ file: 16 lines, each ended by CR LF, of 7
// comma-separated fields, fields 2 to 7 plain numbers. Empty with the reason
// in *error when the file breaks any of these rules.
std::optional<OrganFile> ParseOrganFile(const std::string& bytes, std::string* error);

// Names of the Japanese site list data/撮影部位.txt, one per non-empty line;
// empty when the file is not shipped.
std::vector<std::string> JapaneseSiteList();

// Depth below the entrance surface of a file value by its mode.
double DepthFromMode(double mode, double value, double thickness_cm);

}  // namespace vorn::organdata
