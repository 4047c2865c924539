// Names of the files the main window reads and removes in the working folder.
#pragma once

#include <array>

namespace vorn::mainwin {

inline constexpr const char* kSiteListFileName = "撮影部位.txt";

// The user name is kept in the line after the data lines of a shipped file:
// line 32 of Primary.dat (Japanese edition), line 302 of dATR.dat (English).
inline constexpr const char* kPrimaryFileName = "Primary.dat";
inline constexpr int kPrimaryDataLines = 31;
inline constexpr int kAtrDataLines = 301;

// Held by the main program while it runs: one copy per working folder.
inline constexpr const char* kFolderLockFileName = "vorn.lock";

// Scratch and exchange files removed when the main window closes. An
// Eff-Dose.dat not taken into the table goes too: no later run may take it.
inline constexpr std::array<const char*, 6> kScratchFilesAtClose{"Vorn2PDD.dat",  "X_SPCTL.dat",  "joken.txt",
                                                                 "resultBSF.txt", "Eff-Dose.dat", "JorE.dat"};

}  // namespace vorn::mainwin
