#include "fuzz/fuzz_input.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace vorn::fuzz {

const std::filesystem::path& ScratchFolder()
{
  static const std::filesystem::path folder = [] {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("vorn-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    // Removed when the process ends normally; a crashed run leaves it for a look.
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(ScratchFolder(), ignored);
    });
    return path;
  }();
  return folder;
}

std::filesystem::path PutInput(const std::filesystem::path& name, std::string_view bytes)
{
  const std::filesystem::path path = ScratchFolder() / name;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) Broken("cannot write the input to " + path.string());
  return path;
}

std::string ShippedData(const std::filesystem::path& name)
{
  std::ifstream in(std::filesystem::path(VORN_DATA_DIR) / name, std::ios::binary);
  if (!in) Broken("cannot read the shipped " + name.string());
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Broken(const std::string& what)
{
  std::fprintf(stderr, "reader property broken: %s\n", what.c_str());
  std::abort();
}

}  // namespace vorn::fuzz
