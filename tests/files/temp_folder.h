// A fresh folder per test, removed afterwards; tests of the same name in two
// builds running at once get different folders.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace vorn::testing {

class TempFolder : public ::testing::Test {
protected:
  void SetUp() override
  {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              ("vorn-files-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
               std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override
  {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }

  // Writes bytes exactly as given (no line-end translation).
  std::filesystem::path Make(const std::string& name, std::string_view bytes) const
  {
    const std::filesystem::path path = folder_ / name;
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  static std::string Slurp(const std::filesystem::path& path)
  {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  std::filesystem::path folder_;
};

}  // namespace vorn::testing
