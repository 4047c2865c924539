#include "mainwin/filter_material.h"

#include <cmath>

#include "platform/errors.h"
#include "platform/files/seqfile.h"

namespace vorn::mainwin {
namespace {

constexpr double kFirstEnergyLimit_MeV = 0.001;
constexpr double kLastEnergy_MeV = 10.0;

[[noreturn]] void Malformed(const std::filesystem::path& path, int record, const std::string& what)
{
  throw MalformedFile(path, 0, "record " + std::to_string(record) + ": " + what);
}

DataError EmptyFile(const std::filesystem::path& path)
{
  return DataError(path.filename().string() + ": the file is empty", FileFault::PastEnd, path, 1);
}

}  // namespace

std::string ReadFilterMaterialName(const std::filesystem::path& path)
{
  SeqReader in(path, kUserFileMaxBytes);
  if (in.Eof()) throw EmptyFile(path);
  return in.ReadLine();
}

FilterMaterialFile ReadFilterMaterialFile(const std::filesystem::path& path)
{
  FilterMaterialFile file;
  SeqReader in(path, kUserFileMaxBytes);
  if (in.Eof()) throw EmptyFile(path);
  file.material = in.ReadLine();
  file.density = in.ReadNumber();
  in.ReadNumber();  // not used
  if (!(file.density > 0.0)) {
    throw MalformedFile(path, 2, "the density is not above 0");
  }
  Table2<4, kMaxFilterRecords>& t = file.OtherFilterTable;
  int r = 0;
  do {
    if (r == kMaxFilterRecords) {
      throw MalformedFile(path, 0, "no record reaches 10 MeV within the first " + std::to_string(kMaxFilterRecords));
    }
    ++r;
    for (int row = 1; row <= 4; ++row) t(row, r) = in.ReadNumber();
    in.ReadNumber();  // pair production, not used
    in.ReadNumber();
    t(0, r) = t(2, r) + t(3, r) + t(4, r);
    if (r == 1 && !(t(1, r) > 0.0 && t(1, r) <= kFirstEnergyLimit_MeV)) {
      Malformed(path, r, "the first energy must lie above 0 and at 0.001 MeV or below");
    }
    if (r > 1 && !(t(1, r) >= t(1, r - 1))) Malformed(path, r, "the energy is below the one before");
    if (!(t(0, r) > 0.0)) Malformed(path, r, "the sum of the coefficients is not above 0");
  } while (t(1, r) < kLastEnergy_MeV);
  file.recordCount = r;
  return file;
}

EnergyBinArray OtherFilterMuOf(const FilterMaterialFile& file)
{
  const Table2<4, kMaxFilterRecords>& t = file.OtherFilterTable;
  const int n = file.recordCount;
  EnergyBinArray mu{};
  for (int k = 1; k <= kLastBin / 2; ++k) {
    // k / 1000 rounds once, to the same number as a record's "k.000E-03", so
    // an edge at a whole keV is found on its upper side.
    const double e = k / 1000.0;
    int j = 1;
    while (j <= n && !(t(1, j) > e)) ++j;
    if (j < 2 || j > n) {
      throw DataError("filter material table does not cover " + std::to_string(k) + " keV");
    }
    const double lnE0 = std::log(t(1, j - 1));
    const double lnE1 = std::log(t(1, j));
    const double lnMu0 = std::log(t(0, j - 1));
    const double lnMu1 = std::log(t(0, j));
    const double lnMu = lnMu0 + (std::log(e) - lnE0) / (lnE1 - lnE0) * (lnMu1 - lnMu0);
    mu[2 * k] = file.density * std::exp(lnMu);
  }
  for (int i = 3; i <= kLastBin - 1; i += 2) mu[i] = 0.5 * (mu[i - 1] + mu[i + 1]);
  mu[1] = mu[2];
  return mu;
}

}  // namespace vorn::mainwin
