#include "tools/bsfprog/phantom_condition.h"

#include <cmath>
#include <string_view>
#include <vector>

#include "beam/backscatter_exchange.h"
#include "beam/phantom_geometry.h"
#include "platform/errors.h"
#include "platform/files/seqfile.h"
#include "platform/format/format.h"

namespace vorn::bsf {
namespace {

struct Field {
  const char* name;
  double PhantomCondition::*member;  // nullptr: the histories
  bool zero_allowed;
  double longest = kLongestLength_cm;
};

std::vector<Field> FieldsOf(PhantomShape shape)
{
  std::vector<Field> fields;
  switch (shape) {
    case PhantomShape::Cylinder:
      fields = {{"the cylinder radius", &PhantomCondition::CylinderRadius, false, kLongestCrossSection_cm}};
      break;
    case PhantomShape::EllipticCylinder:
      fields = {{"the horizontal semi-axis", &PhantomCondition::EllipseHRadius, false, kLongestCrossSection_cm},
                {"the vertical semi-axis", &PhantomCondition::EllipseVRadius, false, kLongestCrossSection_cm}};
      break;
    case PhantomShape::Racetrack:
      fields = {{"the flat top a", &PhantomCondition::RacetrackA, true, kLongestCrossSection_cm},
                {"the end diameter b", &PhantomCondition::RacetrackB, false, kLongestCrossSection_cm},
                {"the length L", &PhantomCondition::RacetrackL, false}};
      break;
  }
  fields.insert(fields.end(), {{"the body thickness", &PhantomCondition::ObjectThickness, false},
                               {"FSD", &PhantomCondition::FSD, false},
                               {"FFD", &PhantomCondition::FFD, false},
                               {"the first field side", &PhantomCondition::SideText11, false},
                               {"the second field side", &PhantomCondition::SideText10, false},
                               {"the photon histories", nullptr, false}});
  return fields;
}

bool InRange(double x, double longest = kLongestLength_cm) { return x >= kShortestLength_cm && x <= longest; }

std::string RangeText(double longest = kLongestLength_cm)
{
  return NumberText(kShortestLength_cm) + " and " + NumberText(longest) + " cm";
}

std::string_view Trimmed(std::string_view s)
{
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

std::string ShapeName(PhantomShape shape)
{
  switch (shape) {
    case PhantomShape::Cylinder: return "cylinder";
    case PhantomShape::EllipticCylinder: return "elliptic cylinder";
    case PhantomShape::Racetrack: return "racetrack";
  }
  return "unknown shape";
}

PhantomCondition ReadPhantomCondition(const std::filesystem::path& path, PhantomShape shape)
{
  std::vector<std::string> lines = ReadAllLines(path);
  while (!lines.empty() && Trimmed(lines.back()).empty()) lines.pop_back();
  const std::vector<Field> fields = FieldsOf(shape);
  const std::string where = path.filename().string();
  const bool has_token = lines.size() == fields.size() + 1 && IsRunToken(Trimmed(lines.back()));
  if (lines.size() != fields.size() && !has_token) {
    throw DataError(where + " has " + std::to_string(lines.size()) + " lines; the " + ShapeName(shape) +
                    " needs " + std::to_string(fields.size()) + " (its dimensions, thickness, FSD, FFD, " +
                    "two field sides and the photon histories), and the main program's run token may follow");
  }

  PhantomCondition c;
  c.Shape = shape;
  if (has_token) c.RunToken = Trimmed(lines.back());
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const Field& f = fields[i];
    const std::string line_ref = where + ", line " + std::to_string(i + 1);
    const std::string_view text = Trimmed(lines[i]);
    const std::optional<double> number = ParseNumber(text);
    if (!number || !std::isfinite(*number)) {
      throw DataError(line_ref + ": expected a number for " + f.name + ", found \"" + ShortStart(text) + "\"");
    }
    const double x = *number;
    if (f.member == nullptr) {
      // No more than the main program's shape dialog lets through: a day of computing.
      if (x < 1.0 || x != std::floor(x) || x > static_cast<double>(kMaxMcHistories)) {
        throw DataError(line_ref + ": the photon histories must be a whole number from 1 to " +
                        std::to_string(kMaxMcHistories) + ", found \"" + ShortStart(text) + "\"");
      }
      c.McHistories = static_cast<std::int64_t>(x);
    } else {
      if (f.zero_allowed ? x < 0.0 : !(x > 0.0)) {
        throw DataError(line_ref + ": " + f.name + " must be " + (f.zero_allowed ? "0 or more" : "above 0") +
                        " cm, found " + ShortStart(text));
      }
      if (!(f.zero_allowed && x == 0.0) && !InRange(x, f.longest)) {
        throw DataError(line_ref + ": " + f.name + " must " + (f.zero_allowed ? "be 0 or " : "") + "lie between " +
                        RangeText(f.longest) + ", found " + ShortStart(text));
      }
      c.*f.member = x;
    }
  }
  // The field the photons fill is the one at the skin.
  const double scale = c.FSD / c.FFD;
  if (!InRange(c.SideText11 * scale) || !InRange(c.SideText10 * scale)) {
    throw DataError(where + ": the field at the skin, " + NumberText(c.SideText11 * scale) + " x " +
                    NumberText(c.SideText10 * scale) + " cm (the sides at FFD times FSD / FFD), must have sides between " +
                    RangeText());
  }
  return c;
}

bool ConditionSuperseded(const std::filesystem::path& path, std::string_view run)
{
  try {
    std::vector<std::string> lines = ReadAllLines(path);
    while (!lines.empty() && Trimmed(lines.back()).empty()) lines.pop_back();
    return lines.empty() || Trimmed(lines.back()) != run;
  } catch (const std::exception&) {
    return true;
  }
}

}  // namespace vorn::bsf
