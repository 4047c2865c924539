// Curved entrance surfaces: the phantom condition file joken.txt that the
// outside backscatter programs read, and their result file resultBSF.txt.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "beam/phantom_geometry.h"

namespace vorn {

inline constexpr const char* kPhantomConditionFileName = "joken.txt";
inline constexpr const char* kBackscatterResultFileName = "resultBSF.txt";

// PhantomModel codes of the curved surfaces.
constexpr int kCylinderModel = 1;
constexpr int kEllipticCylinderModel = 2;
constexpr int kRacetrackModel = 4;

// The outside program that computes the backscatter factors of a phantom
// model: "Tubrin.exe" (cylinder), "Ovalis.exe" (elliptic cylinder),
// "Lapmoor.exe" (racetrack); empty for any other model.
std::string_view BackscatterProgramName(int phantomModel);

// The beam as the curved-surface procedure hands it on (cm): FSD and FFD,
// the field side of fieldShortSideBox and the one of fieldLongSideBox at FFD, and the body thickness.
struct CurvedSurfaceBeam {
  double FSD = 0.0;
  double FFD = 0.0;
  double ShortSide = 0.0;
  double LongSide = 0.0;
  double ObjectThickness = 0.0;
};

// The lines of joken.txt without their line ends: the shape's dimensions, the
// body thickness, FSD, FFD, the two field sides (all through "000.0") and the
// photon histories (through "00000000000"); 7, 8 or 9 lines for the cylinder,
// the elliptic cylinder and the racetrack, none for any other model.
std::vector<std::string> PhantomConditionLines(const PhantomGeometry& phantom, const CurvedSurfaceBeam& beam);

struct BackscatterFactors {
  double BsfAir = 0.0;
  double BsfSoft = 0.0;
  double BsfSkin = 0.0;
};

// The first three numeric items of a result file, in the order air, soft
// tissue, skin (commas, blanks or line ends between them); anything after
// them is not read. Throws FileError when the file cannot be opened and
// DataError when it holds fewer than three numbers or text in their place.
BackscatterFactors ReadBackscatterResult(const std::filesystem::path& path);

}  // namespace vorn
