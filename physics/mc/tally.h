// What the transport tells the tallies, and how their statistics are merged.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "physics/mc/batch_scores.h"
#include "physics/mc/geometry.h"
#include "physics/mc/medium.h"
#include "physics/mc/photon.h"

namespace vorn::mc {

// The geometry and the medium of each region, as the tallies see them.
struct World {
  const Geometry& geometry;
  const std::vector<const Medium*>& media;  // by region
  const Medium& medium_of(int region) const { return *media[region]; }
};

/// A tally scores at the events it subscribes to. The run gives every block of
/// histories a fresh clone, and adds the clone's scores to the original as one
/// batch, in block order: the statistics do not depend on the thread count.
class Tally {
public:
  enum Hook : unsigned {
    kSource = 1u << 0,     // a primary photon is emitted
    kTrack = 1u << 1,      // a straight flight of length d inside a region is about to be made
    kCollision = 1u << 2,  // an interaction is about to be sampled at the photon's position
    kExit = 1u << 3,       // the photon has just crossed from a region into vacuum
    kDeposit = 1u << 4,    // energy stays where the photon is (absorption, recoil, cut-off)
    kEscape = 1u << 5,     // the photon leaves for good
  };

  explicit Tally(unsigned hooks) : hooks_(hooks) {}
  virtual ~Tally() = default;
  unsigned hooks() const { return hooks_; }

  // A tally of the same kind and bins with nothing scored.
  virtual std::unique_ptr<Tally> clone_empty() const = 0;
  // Closes the open batch of `block` (a clone of this tally, `histories`
  // histories) and adds it to this tally's statistics.
  virtual void add_batch(Tally& block, std::uint64_t histories) = 0;

  // Called once before a run: throws std::invalid_argument when the tally
  // cannot score in this world (a scoring table on another energy grid).
  virtual void check(const World&) const {}

  virtual void on_source(const Photon&, const World&) {}
  virtual void on_track(const Photon&, double /*d*/, const World&) {}
  virtual void on_collision(const Photon&, const World&) {}
  virtual void on_exit(const Photon&, int /*from_region*/, const World&) {}
  virtual void on_deposit(const Photon&, double /*E_keV*/, const World&) {}
  virtual void on_escape(const Photon&, const World&) {}

private:
  unsigned hooks_;
};

// Throws std::invalid_argument unless `scoring` is tabulated on the grid of the world's media.
void CheckScoringGrid(const EnergyAbsorption& scoring, const World& world);

// Base for tallies whose state is one BatchScores: cloning and merging come free.
template <class Derived>
class ScoringTally : public Tally {
public:
  using Tally::Tally;
  std::unique_ptr<Tally> clone_empty() const override
  {
    auto copy = std::make_unique<Derived>(static_cast<const Derived&>(*this));
    copy->scores_ = BatchScores(scores_.size());
    return copy;
  }
  void add_batch(Tally& block, std::uint64_t histories) override
  {
    scores_.add_batch(static_cast<Derived&>(block).scores_, histories);
  }
  const BatchScores& scores() const { return scores_; }

protected:
  BatchScores scores_;
};

}  // namespace vorn::mc
