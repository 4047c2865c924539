// The phantom condition file joken.txt as the backscatter programs read it:
// the shape's dimensions, the body thickness, the beam and the photon
// histories, one number a line.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace vorn::bsf {

// The shape each program computes; the codes are the main program's PhantomModel.
enum class PhantomShape { Cylinder = 1, EllipticCylinder = 2, Racetrack = 4 };

// "cylinder", "elliptic cylinder", "racetrack".
std::string ShapeName(PhantomShape shape);

// The lengths a condition may give [cm]: from a tenth of a millimetre to ten
// metres; the cross-section's radii and widths up to a hundred metres, which
// makes a surface flat over any field. Outside that the arrangement is no
// patient or phantom, and the transport's arithmetic (a body 1e308 cm wide,
// a focus 1e-300 cm away) gives nothing meaningful.
constexpr double kShortestLength_cm = 0.01;
constexpr double kLongestLength_cm = 1000.0;
constexpr double kLongestCrossSection_cm = 10000.0;

/// One calculation's condition (lengths in cm). Only the dimensions of the
/// shape are set; the others stay 0.
/// Invariant (after ReadPhantomCondition): every length from
/// kShortestLength_cm to kLongestLength_cm (the cross-section's to
/// kLongestCrossSection_cm), except RacetrackA, which may also be 0; so are
/// the field's sides at the skin (at FFD, scaled by FSD / FFD); McHistories
/// at least 1.
struct PhantomCondition {
  PhantomShape Shape = PhantomShape::Cylinder;
  double CylinderRadius = 0.0;
  double EllipseHRadius = 0.0;  // across the body
  double EllipseVRadius = 0.0;  // along the beam
  double RacetrackA = 0.0;      // flat top
  double RacetrackB = 0.0;      // diameter of the rounded ends
  double RacetrackL = 0.0;      // length along the body
  double ObjectThickness = 0.0;
  double FSD = 0.0;
  double FFD = 0.0;
  double SideText11 = 0.0;  // field side at FFD across the body (the side the preview draws)
  double SideText10 = 0.0;  // field side at FFD along the body
  std::int64_t McHistories = 0;
  // The main program's token for this calculation (IsRunToken), echoed in
  // the result; empty when the file has none.
  std::string RunToken;
};

// Reads the file of the shape: 7 (cylinder), 8 (elliptic cylinder) or 9
// (racetrack) lines, each one number with blanks around it allowed, and
// optionally the run token on the line after them; empty lines at the end
// are ignored. Throws FileError when the file cannot be read and DataError,
// naming the file, the line and the quantity, when a line is missing, extra
// or not a number, a length (or the field at the skin) is out of range, the
// histories are not a whole number of at least 1.
PhantomCondition ReadPhantomCondition(const std::filesystem::path& path, PhantomShape shape);

// The main program has asked for another calculation since the run of token
// `run` began: the condition file's last line is no longer that token, or
// the file cannot be read (the main program removes it when it ends).
bool ConditionSuperseded(const std::filesystem::path& path, std::string_view run);

}  // namespace vorn::bsf
