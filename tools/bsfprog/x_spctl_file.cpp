#include "tools/bsfprog/x_spctl_file.h"

#include <cmath>
#include <string>
#include <string_view>

#include "platform/errors.h"
#include "platform/files/seqfile.h"
#include "platform/format/format.h"

namespace vorn::bsf {
namespace {

constexpr int kBins = 300;
constexpr double kBinWidth_keV = 0.5;
constexpr double kLowestTransported_keV = 1.0;

std::string_view Trimmed(std::string_view s)
{
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

double BeamSpectrum::MeanEnergy_keV() const
{
  double mean = 0.0;
  for (std::size_t i = 0; i < E_keV.size(); ++i) mean += E_keV[i] * probability[i];
  return mean;
}

BeamSpectrum ReadSpectrumExport(const std::filesystem::path& path)
{
  std::vector<std::string> lines = ReadAllLines(path);
  while (!lines.empty() && Trimmed(lines.back()).empty()) lines.pop_back();
  const std::string where = path.filename().string();
  if (lines.size() != kBins) {
    throw DataError(where + " has " + std::to_string(lines.size()) + " lines; the spectrum needs " +
                    std::to_string(kBins) + " (one per 0.5 keV bin)");
  }

  BeamSpectrum s;
  double total = 0.0;
  for (int i = 1; i <= kBins; ++i) {
    const std::string line_ref = where + ", line " + std::to_string(i);
    const std::string& line = lines[i - 1];
    const std::size_t comma = line.find(',');
    const std::optional<double> E =
        comma == std::string::npos ? std::nullopt : ParseNumber(Trimmed(std::string_view(line).substr(0, comma)));
    const std::optional<double> n =
        comma == std::string::npos ? std::nullopt : ParseNumber(Trimmed(std::string_view(line).substr(comma + 1)));
    if (!E || !n || !std::isfinite(*E) || !std::isfinite(*n)) {
      throw DataError(line_ref + ": expected \"energy, count\", found \"" + ShortStart(line) + "\"");
    }
    const double expected_E = kBinWidth_keV * i;
    if (std::abs(*E - expected_E) > 0.01) {
      throw DataError(line_ref + ": the energy should be " + NumberText(expected_E) + " keV, found " +
                      NumberText(*E));
    }
    if (*n < 0.0) throw DataError(line_ref + ": a negative photon count, " + NumberText(*n));
    if (*n == 0.0) continue;
    if (expected_E < kLowestTransported_keV) {
      throw DataError(line_ref + ": photons below " + NumberText(kLowestTransported_keV) +
                      " keV, where the transport does not follow them");
    }
    s.E_keV.push_back(expected_E);
    s.probability.push_back(*n);
    total += *n;
  }
  if (!(total > 0.0)) throw DataError(where + ": the spectrum holds no photons");
  for (double& p : s.probability) p /= total;
  return s;
}

}  // namespace vorn::bsf
