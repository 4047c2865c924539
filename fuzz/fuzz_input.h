// What every reader's fuzz target shares: the input put into a file of the
// name the reader opens, in a folder of this process's own, and the rule that
// a reader may refuse any input with the system's errors (vorn::Error, which
// names the file) but must never crash, hang or throw anything else.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace vorn::fuzz {

// This process's scratch folder, made on first use.
const std::filesystem::path& ScratchFolder();

// Writes the bytes to name inside the scratch folder (sub-folders made as
// needed) and returns the file's path.
std::filesystem::path PutInput(const std::filesystem::path& name, std::string_view bytes);

// The input as bytes.
inline std::string_view Bytes(const std::uint8_t* data, std::size_t size)
{
  return {reinterpret_cast<const char*>(data), size};
}

// A shipped data file, for the parts of an input that are not fuzzed.
std::string ShippedData(const std::filesystem::path& name);

// Ends the process with a message: a property of the reader that the input
// broke. The fuzzer keeps the input as a crash.
[[noreturn]] void Broken(const std::string& what);

}  // namespace vorn::fuzz
