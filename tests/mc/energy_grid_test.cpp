#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

#include "physics/mc/batch_scores.h"
#include "physics/mc/energy_grid.h"

namespace vorn::mc {
namespace {

TEST(EnergyGrid, EndsAtTheRequestedEnergiesAndIncreases)
{
  const EnergyGrid grid(1.0, 150.0, 100, {});
  EXPECT_EQ(grid[0], 1.0);
  EXPECT_EQ(grid[grid.size() - 1], 150.0);
  for (std::size_t i = 1; i < grid.size(); ++i) ASSERT_GT(grid[i], grid[i - 1]);
  // 2.18 decades at 100 per decade.
  EXPECT_NEAR(static_cast<double>(grid.size()), 219.0, 1.0);
}

TEST(EnergyGrid, PlacesAPointJustBelowAndJustAboveEveryEdge)
{
  const std::vector<double> edges{4.0381, 33.1694};
  const EnergyGrid grid(1.0, 150.0, 50, edges);
  for (const double edge : edges) {
    const GridPoint below = grid.locate(edge * (1.0 - 1e-6));
    const GridPoint above = grid.locate(edge * (1.0 + 1e-6));
    // Two different intervals, and the one across the edge is tiny.
    EXPECT_EQ(above.i, below.i + 2);
    EXPECT_NEAR(grid[below.i + 1], edge * (1.0 - EnergyGrid::kEdgeOffset), 1e-12 * edge);
    EXPECT_NEAR(grid[below.i + 2], edge * (1.0 + EnergyGrid::kEdgeOffset), 1e-12 * edge);
  }
}

TEST(EnergyGrid, InterpolationReproducesAStepAtTheEdge)
{
  // A table that jumps from 1 to 10 at 33.1694 keV: away from the 2e-7
  // interval around the edge the interpolated value is exact.
  const double edge = 33.1694;
  const EnergyGrid grid(1.0, 150.0, 200, {edge});
  std::vector<double> table;
  for (const double E : grid.energies()) table.push_back(E > edge ? 10.0 : 1.0);
  EXPECT_DOUBLE_EQ(EnergyGrid::interpolate(table, grid.locate(edge * (1.0 - 1e-5))), 1.0);
  EXPECT_DOUBLE_EQ(EnergyGrid::interpolate(table, grid.locate(edge * (1.0 + 1e-5))), 10.0);
}

TEST(EnergyGrid, LocateFindsTheBracketingIntervalEverywhere)
{
  const EnergyGrid grid(1.0, 151.0, 300, {1.0721, 2.1455, 4.0381, 69.525});
  for (double E = 1.0; E <= 151.0; E *= 1.0007) {
    const GridPoint g = grid.locate(E);
    ASSERT_LE(grid[g.i], E) << E;
    ASSERT_LE(E, grid[g.i + 1]) << E;
    ASSERT_GE(g.f, 0.0);
    ASSERT_LE(g.f, 1.0);
  }
  const GridPoint last = grid.locate(151.0);
  EXPECT_EQ(last.i, grid.size() - 2);
  EXPECT_DOUBLE_EQ(last.f, 1.0);
  const GridPoint first = grid.locate(1.0);
  EXPECT_EQ(first.i, 0u);
  EXPECT_DOUBLE_EQ(first.f, 0.0);
}

TEST(EnergyGrid, LinearInterpolationOfAPowerLawIsCloseOnAFineGrid)
{
  // E^-3 on 2000 points per decade: the largest error of linear
  // interpolation is h^2/8 |f''/f| = 12 (0.00115)^2 / 8, about 2e-6.
  const EnergyGrid grid(1.0, 150.0, 2000, {});
  std::vector<double> table;
  for (const double E : grid.energies()) table.push_back(std::pow(E, -3.0));
  for (double E = 1.0; E < 150.0; E *= 1.013) {
    const double v = EnergyGrid::interpolate(table, grid.locate(E));
    ASSERT_NEAR(v / std::pow(E, -3.0), 1.0, 3e-6) << E;
  }
}

TEST(EnergyGrid, RejectsBadRanges)
{
  EXPECT_THROW(EnergyGrid(0.0, 150.0, 100, {}), std::invalid_argument);
  EXPECT_THROW(EnergyGrid(10.0, 10.0, 100, {}), std::invalid_argument);
  EXPECT_THROW(EnergyGrid(10.0, 5.0, 100, {}), std::invalid_argument);
  EXPECT_THROW(EnergyGrid(1.0, 150.0, 1, {}), std::invalid_argument);
}

TEST(EnergyGrid, EdgesOutsideTheRangeOrRepeatedAreHarmless)
{
  const EnergyGrid plain(1.0, 150.0, 100, {});
  const EnergyGrid grid(1.0, 150.0, 100, {0.5, 200.0, 1.0, 150.0});
  EXPECT_EQ(grid.size(), plain.size());
  const EnergyGrid twice(1.0, 150.0, 100, {33.1694, 33.1694});
  EXPECT_EQ(twice.size(), EnergyGrid(1.0, 150.0, 100, {33.1694}).size());
}

TEST(BatchScores, MeanAndStandardErrorFromBatchTotals)
{
  // Four batches of 10 histories with totals 2, 4, 6, 8: mean per history
  // 20/40 = 0.5; the batch totals have sample variance 20/3, so the mean
  // batch total has standard error sqrt(20/3/4) and per history /10.
  BatchScores total(2), block(2);
  for (const double t : {2.0, 4.0, 6.0, 8.0}) {
    block.add(0, t);
    block.add(1, 1.0);
    total.add_batch(block, 10);
  }
  EXPECT_EQ(total.batches(), 4u);
  EXPECT_EQ(total.histories(), 40u);
  EXPECT_DOUBLE_EQ(total.estimate(0).mean, 0.5);
  EXPECT_NEAR(total.estimate(0).std_error, std::sqrt(20.0 / 3.0 / 4.0) / 10.0, 1e-15);
  EXPECT_DOUBLE_EQ(total.estimate(1).mean, 0.1);
  EXPECT_EQ(total.estimate(1).std_error, 0.0);
  // Closing a batch empties the block.
  EXPECT_EQ(block.open(0), 0.0);
}

TEST(BatchScores, OneBatchHasNoUncertaintyEstimate)
{
  BatchScores total(1), block(1);
  block.add(0, 3.0);
  total.add_batch(block, 3);
  EXPECT_DOUBLE_EQ(total.estimate(0).mean, 1.0);
  EXPECT_TRUE(std::isinf(total.estimate(0).std_error));
  EXPECT_TRUE(std::isinf(BatchScores(1).estimate(0).std_error));
  EXPECT_TRUE(std::isinf(Estimate{0.0, 1.0}.relative()));
}

TEST(BatchScores, RefusesMismatchedBatches)
{
  BatchScores total(2), block(2), other(3);
  total.add_batch(block, 10);
  EXPECT_THROW(total.add_batch(block, 11), std::invalid_argument);
  EXPECT_THROW(total.add_batch(other, 10), std::invalid_argument);
  EXPECT_THROW(total.add_batch(block, 0), std::invalid_argument);
}

}  // namespace
}  // namespace vorn::mc
