// Kills a process in the middle of a save, again and again, and checks each
// time that the saved file is whole: its old content or its new one, never a
// mix, a cut or an empty file.
//
// A child saves the new version, then the old, then the new, ... until it is
// killed; the kill comes at a random point between the start of its first
// save and the middle of its second (the spread is taken from how long one
// save of this writer lasts here, so that every part of a save is hit).
//
//   testing::ExpectSavesSurviveKills(folder / "Eff-Dose.dat",
//                                    [&](int version) { WriteTheFile(version); }, {oldBytes, newBytes});
#pragma once

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>

namespace vorn::testing {

inline std::string FileBytes(const std::filesystem::path& path)
{
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// save(v) writes version v (0: the old content, 1: the new one) of file;
// versions holds the bytes each version leaves.
inline void ExpectSavesSurviveKills(const std::filesystem::path& file, const std::function<void(int)>& save,
                                    const std::array<std::string, 2>& versions, int kills = 30)
{
  // How long one save takes here, in turns of the spin loop below.
  volatile std::uint64_t spin = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int v = 1; v >= 0; --v) save(v);
  const auto saveTime = (std::chrono::steady_clock::now() - start) / 2;
  const auto spinStart = std::chrono::steady_clock::now();
  for (int i = 0; i < 1000000; ++i) spin = spin + 1;
  const double spinsPerSave = 1e6 * std::chrono::duration<double>(saveTime).count() /
                              std::max(1e-9, std::chrono::duration<double>(std::chrono::steady_clock::now() - spinStart).count());
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> when(0.0, 1.5 * spinsPerSave);

  int old = 0, fresh = 0;
  for (int round = 0; round < kills; ++round) {
    ASSERT_EQ(FileBytes(file), versions[0]) << "round " << round;
    int started[2];
    ASSERT_EQ(pipe(started), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(started[0]);
      try {
        // Once with the old content first: the copied memory of a forked
        // process makes its first save slower than the ones measured above.
        save(0);
        const char go = 'g';
        if (write(started[1], &go, 1) != 1) _exit(2);
        for (int i = 1;; ++i) save(i % 2);
      } catch (const std::exception& e) {
        std::fprintf(stderr, "the save failed: %s\n", e.what());
      }
      _exit(3);
    }
    close(started[1]);
    char go = 0;
    ASSERT_EQ(read(started[0], &go, 1), 1);
    close(started[0]);
    const auto turns = static_cast<std::uint64_t>(when(random));
    for (std::uint64_t i = 0; i < turns; ++i) spin = spin + 1;
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process ended by itself (status " << status << ")";
    const std::string seen = FileBytes(file);
    if (seen == versions[0]) {
      ++old;
    } else if (seen == versions[1]) {
      ++fresh;
      save(0);  // the next round starts from the old content again
    } else {
      ADD_FAILURE() << file.filename() << " torn by the kill of round " << round << ": " << seen.size()
                    << " bytes, neither the old " << versions[0].size() << " nor the new " << versions[1].size();
      save(0);
    }
  }
  // Where the kills fell, for a look when the test is run by hand.
  std::printf("%s: %d kills left the old file, %d the new one\n", file.filename().c_str(), old, fresh);
}

}  // namespace vorn::testing
