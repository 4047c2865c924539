// Curved entrance surfaces: the phantom condition file joken.txt that the
// outside backscatter programs read, and their result file resultBSF.txt;
// the run token and the range of the factors are in backscatter_exchange.h.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "beam/phantom_geometry.h"
#include "platform/errors.h"

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

// A result file with the run token its program echoed on the line after the
// factors (blanks around it dropped); an empty token where that line is
// missing, as in a file of the old layout. Throws as ReadBackscatterResult.
struct BackscatterResultFile {
  BackscatterFactors factors;
  std::string run;
};
BackscatterResultFile ReadBackscatterResultFile(const std::filesystem::path& path);

// A token no earlier run in any folder is likely to have had: "R" and 16
// hexadecimal digits from the clock and the system's random source.
std::string NewRunToken();

// The curved-surface procedure took no factors, and the user has been told
// why: the program has not finished and the user gave the calculation up,
// the program ended without this calculation's result, or that result was
// refused. The calculate command ends without a further message.
class BackscatterNotTaken : public CalcError {
public:
  using CalcError::CalcError;
};

}  // namespace vorn
