// The entrance surface of the patient: flat (computed here) or curved
// (backscatter factors from the outside programs).
#pragma once

#include <cstdint>

namespace vorn {

// The most photon histories a curved-surface run may be asked for: what the
// outside programs compute within a day. The benchmark bench_bsfprog measures
// about 21 million histories per second on the 8-core development machine
// (README), so a day holds 21e6 x 86400 = 1.8 x 10^12; 10^12 (about 13 hours
// there) leaves room for a slower machine and reads at a glance. More is no
// better estimate anyone waits for: it ties up the machine for days or years.
constexpr std::int64_t kMaxMcHistories = 1'000'000'000'000;

// BsfMethod codes.
constexpr int kFlatSurface = 1;
constexpr int kCurvedSurface = 2;

struct PhantomGeometry {
  int BsfMethod = 0;     // 1 flat, otherwise curved
  int PhantomModel = 0;  // 0 flat, 1 cylinder, 2 elliptic cylinder, 3 head flat, 4 racetrack
  int HeadFlag = 0;      // 0 body phantom, 1 head phantom
  double CylinderRadius = 0.0;  // cm
  double EllipseHRadius = 0.0;  // cm
  double EllipseVRadius = 0.0;  // cm
  double RacetrackA = 0.0;      // length of the flat top, cm
  double RacetrackB = 0.0;      // diameter of the rounded ends, cm
  double RacetrackL = 0.0;      // length, cm
  std::int64_t McHistories = 0;  // photon histories for the outside programs

  bool operator==(const PhantomGeometry&) const = default;
};

}  // namespace vorn
