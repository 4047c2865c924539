#include "tools/datagen/options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "scratch_dir.h"
#include "tools/datagen/run.h"

namespace vorn::datagen {
namespace {

TEST(Options, DefaultsRunEveryGenerator)
{
  const Options o = ParseOptions({"--out", "data"});
  EXPECT_EQ(o.out_dir, "data");
  EXPECT_TRUE(o.only.empty());
  EXPECT_EQ(o.selection, Selection::All);
  EXPECT_FALSE(o.quick);
  EXPECT_EQ(o.threads, 0);
}

TEST(Options, EveryOptionIsRead)
{
  const Options o = ParseOptions({"--quick", "--only", "ICRUSoft", "--threads", "3", "--out", "/tmp/x",
                                  "--only", "Primary", "--deterministic"});
  EXPECT_EQ(o.out_dir, "/tmp/x");
  EXPECT_EQ(o.only, (std::vector<std::string>{"ICRUSoft", "Primary"}));
  EXPECT_EQ(o.selection, Selection::DeterministicOnly);
  EXPECT_TRUE(o.quick);
  EXPECT_EQ(o.threads, 3);
  EXPECT_EQ(ParseOptions({"--out", "d", "--monte-carlo"}).selection, Selection::MonteCarloOnly);
  EXPECT_TRUE(ParseOptions({"--help"}).help);
}

TEST(Options, BadCommandLinesAreRefused)
{
  EXPECT_THROW(ParseOptions({}), UsageError);                                 // no --out
  EXPECT_THROW(ParseOptions({"--out"}), UsageError);                          // value missing
  EXPECT_THROW(ParseOptions({"--out", ""}), UsageError);
  EXPECT_THROW(ParseOptions({"--out", "d", "--only"}), UsageError);
  EXPECT_THROW(ParseOptions({"--out", "d", "--threads", "-1"}), UsageError);
  EXPECT_THROW(ParseOptions({"--out", "d", "--threads", "4x"}), UsageError);
  EXPECT_THROW(ParseOptions({"--out", "d", "--threads", ""}), UsageError);
  EXPECT_THROW(ParseOptions({"--out", "d", "--deterministic", "--monte-carlo"}), UsageError);
  EXPECT_THROW(ParseOptions({"--out", "d", "--fast"}), UsageError);
  EXPECT_THROW(ParseOptions({"data"}), UsageError);
}

std::vector<Generator> Fake(std::initializer_list<const char*> names, bool mc)
{
  std::vector<Generator> g;
  for (const char* n : names)
    g.push_back({n, mc, [n](const GenContext& c) { std::ofstream(c.out_dir / (std::string(n) + ".txt")) << n; }});
  return g;
}

std::vector<std::string> Names(const std::vector<Generator>& g)
{
  std::vector<std::string> n;
  for (const Generator& x : g) n.push_back(x.name);
  return n;
}

TEST(Selection, FollowsTheOptions)
{
  const auto det = Fake({"A", "B"}, false);
  const auto mc = Fake({"M"}, true);
  EXPECT_EQ(Names(SelectGenerators(ParseOptions({"--out", "d"}), det, mc)), (std::vector<std::string>{"A", "B", "M"}));
  EXPECT_EQ(Names(SelectGenerators(ParseOptions({"--out", "d", "--deterministic"}), det, mc)),
            (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(Names(SelectGenerators(ParseOptions({"--out", "d", "--monte-carlo"}), det, mc)),
            (std::vector<std::string>{"M"}));
  EXPECT_EQ(Names(SelectGenerators(ParseOptions({"--out", "d", "--only", "M", "--only", "A"}), det, mc)),
            (std::vector<std::string>{"A", "M"}));
  // A name that is not among the selected generators is an error, not a silent no-op.
  EXPECT_THROW(SelectGenerators(ParseOptions({"--out", "d", "--only", "C"}), det, mc), UsageError);
  EXPECT_THROW(SelectGenerators(ParseOptions({"--out", "d", "--deterministic", "--only", "M"}), det, mc), UsageError);
}

TEST(Selection, RunningCreatesTheFolderAndRunsEachOnce)
{
  testing::ScratchDir scratch;
  const std::filesystem::path out = scratch.path() / "new" / "data";
  Options o = ParseOptions({"--out", out.string(), "--only", "B"});
  std::ostringstream log;
  RunGenerators(o, SelectGenerators(o, Fake({"A", "B"}, false), {}), log);
  EXPECT_TRUE(std::filesystem::exists(out / "B.txt"));
  EXPECT_FALSE(std::filesystem::exists(out / "A.txt"));
  EXPECT_NE(log.str().find("B"), std::string::npos);
}

}  // namespace
}  // namespace vorn::datagen
