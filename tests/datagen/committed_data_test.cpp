// The tables committed in data/ are exactly what the generators write.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "scratch_dir.h"
#include "tools/datagen/generators.h"

namespace vorn::datagen {
namespace {

std::string ReadBytes(const std::filesystem::path& p)
{
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CommittedData, DeterministicTablesRegenerateByteForByte)
{
  const char* source = std::getenv("VORN_SOURCE_DIR");
  ASSERT_NE(source, nullptr) << "VORN_SOURCE_DIR is not set";
  const std::filesystem::path data = std::filesystem::path(source) / "data";
  testing::ScratchDir scratch;
  for (const Generator& g : DeterministicGenerators()) g.run(GenContext{scratch.path(), false, 1});
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(scratch.path())) {
    const std::filesystem::path committed = data / entry.path().filename();
    ASSERT_TRUE(std::filesystem::exists(committed)) << committed << " is not committed";
    EXPECT_TRUE(ReadBytes(entry.path()) == ReadBytes(committed))
        << committed << " differs from what vorn-datagen writes now (run make data)";
    ++files;
  }
  EXPECT_GE(files, 27);  // 3 tables, 22 material files, readme, site list, output data
}

}  // namespace
}  // namespace vorn::datagen
