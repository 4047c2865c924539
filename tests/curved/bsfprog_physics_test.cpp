// The backscatter programs' Monte Carlo with low statistics: results that do
// not depend on the thread count, and shapes that describe one body giving
// one answer. (The physics with more histories: bsfprog_data_test.cpp.)
#include <gtest/gtest.h>

#include <cmath>

#include "bsf_test_support.h"
#include "tools/bsfprog/bsf_program.h"
#include "tools/bsfprog/focus_source.h"

namespace vorn::testing {
namespace {

using bsf::PhantomShape;

bsf::BackscatterResult Compute(const bsf::PhantomCondition& c, int threads = 0)
{
  return bsf::ComputeBackscatter(c, Spectrum80kV(), Physics(), {.threads = threads});
}

bsf::PhantomCondition Cylinder(double radius, std::int64_t histories)
{
  bsf::PhantomCondition c = Condition(PhantomShape::Cylinder, histories);
  c.CylinderRadius = radius;
  return c;
}

TEST(BackscatterRun, ResultsAreTheSameBitForBitOnOneAndOnEightThreads)
{
  const bsf::PhantomCondition c = Cylinder(15.0, 20000);
  const bsf::BackscatterResult one = Compute(c, 1);
  const bsf::BackscatterResult eight = Compute(c, 8);
  EXPECT_EQ(one.threads, 1);
  EXPECT_EQ(eight.threads, 8);
  EXPECT_EQ(one.air.value, eight.air.value);
  EXPECT_EQ(one.soft.value, eight.soft.value);
  EXPECT_EQ(one.skin.value, eight.skin.value);
  EXPECT_EQ(one.soft.std_error, eight.soft.std_error);
  EXPECT_GT(one.soft.value, 1.0);  // something was scored
}

TEST(BackscatterRun, AnEllipseWithEqualSemiAxesIsTheCylinder)
{
  // Through the programs themselves: the same body read from each one's file.
  TempDir dir;
  WriteMainProgramSpectrum(dir.path(), 80.0);
  PhantomGeometry p;
  p.McHistories = 200000;
  p.PhantomModel = kCylinderModel;
  p.CylinderRadius = 12.0;
  WriteCondition(dir.path(), p);
  const bsf::ProgramOutcome tubrin = bsf::RunBackscatterProgram(PhantomShape::Cylinder, dir.path(), {}, &Physics());
  p.PhantomModel = kEllipticCylinderModel;
  p.EllipseHRadius = 12.0;
  p.EllipseVRadius = 12.0;
  WriteCondition(dir.path(), p);
  const bsf::ProgramOutcome ovalis =
      bsf::RunBackscatterProgram(PhantomShape::EllipticCylinder, dir.path(), {}, &Physics());
  ASSERT_TRUE(tubrin.ok) << tubrin.message;
  ASSERT_TRUE(ovalis.ok) << ovalis.message;
  EXPECT_EQ(tubrin.result.air.value, ovalis.result.air.value);
  EXPECT_EQ(tubrin.result.soft.value, ovalis.result.soft.value);
  EXPECT_EQ(tubrin.result.skin.value, ovalis.result.skin.value);
}

TEST(BackscatterRun, ARacetrackWithoutAFlatTopIsTheCylinderOfHalfItsEndDiameter)
{
  // Two independently written shapes for one body, run with one seed: the
  // histories follow the same paths, so the factors agree far inside their
  // uncertainty.
  const bsf::BackscatterResult cylinder = Compute(Cylinder(15.0, 100000));
  bsf::PhantomCondition c = Condition(PhantomShape::Racetrack, 100000);
  c.RacetrackA = 0.0;
  c.RacetrackB = 30.0;
  c.RacetrackL = 80.0;
  const bsf::BackscatterResult racetrack = Compute(c);
  EXPECT_NEAR(racetrack.soft.value, cylinder.soft.value, 0.1 * cylinder.soft.std_error);
  EXPECT_NEAR(racetrack.air.value, cylinder.air.value, 0.1 * cylinder.air.std_error);
  EXPECT_NEAR(racetrack.skin.value, cylinder.skin.value, 0.1 * cylinder.skin.std_error);
}

TEST(BackscatterRun, TheWidestFieldAtTheShortestDistanceRunsToTheEnd)
{
  // A focus 0.01 cm above the skin and a field 1000 cm wide there: the
  // photons fill nearly the whole half space (the rejection sampling of the
  // field once took for ever here).
  bsf::PhantomCondition c = Cylinder(15.0, 20000);
  c.FSD = c.FFD = 0.01;
  c.SideText10 = c.SideText11 = 1000.0;
  const bsf::BackscatterResult r = Compute(c);
  EXPECT_EQ(r.histories, 20000u);
  EXPECT_TRUE(std::isfinite(r.soft.value) && std::isfinite(r.soft.std_error));
}

TEST(FocusSource, EachPhotonTakesTheFirstBinWhoseCumulativeShareLiesAboveItsNumber)
{
  // Bins of zero share between and at the ends are never taken; numbers on
  // a bin's upper edge go to the next bin.
  bsf::BeamSpectrum s;
  s.E_keV = {10.0, 20.0, 30.0, 40.0, 50.0, 60.0};
  s.probability = {0.0, 0.25, 0.0, 0.5, 0.25, 0.0};
  const bsf::SpectrumFieldSource source(s, 80.0, 30.0, 30.0);
  const std::pair<double, double> cases[] = {{0.0, 20.0},  {0.1, 20.0},  {0.2499, 20.0}, {0.25, 40.0},
                                             {0.5, 40.0},  {0.7499, 40.0}, {0.75, 50.0}, {0.999999, 50.0}};
  for (const auto& [u, E] : cases) EXPECT_EQ(source.SampleEnergy(u), E) << u;
}

}  // namespace
}  // namespace vorn::testing
