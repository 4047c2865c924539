// The filter material files (*.ele, *.mix) and their readme.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "physics/constants.h"
#include "platform/format/format.h"
#include "tools/datagen/deterministic_tables.h"
#include "tools/datagen/text_out.h"

namespace vorn::datagen {

using physics::Material;

namespace {

constexpr int kMaxRecords = 100;

// Denser over the diagnostic range, where the optional-filter dialog
// interpolates (1 to 150 keV in 1 keV steps); the pair thresholds included,
// where the pair columns start from 0.
constexpr double kBaseGrid_keV[] = {
    1,    1.25, 1.5,  1.75, 2,    2.25, 2.5,  2.75, 3,    3.5,  4,    4.5,  5,    5.5,  6,    7,    8,
    9,    10,   11,   12,   13,   14,   15,   16,   18,   20,   22,   25,   28,   30,   32,   35,   40,
    45,   50,   55,   60,   65,   70,   75,   80,   85,   90,   100,  110,  120,  130,  140,  150,  175,
    200,  250,  300,  400,  500,  600,  800,  1000, 2 * physics::kElectronRestEnergy_keV, 1250, 1500, 2000,
    4 * physics::kElectronRestEnergy_keV, 3000, 4000, 5000, 6000, 8000, 10000};

Material Renamed(Material m, std::string name)
{
  m.name = std::move(name);
  return m;
}

struct Partials {
  double coherent = 0.0, incoherent = 0.0, photoelectric = 0.0, pair_nuclear = 0.0, pair_electron = 0.0;
};

Partials PartialsOf(const Material& m, double E)
{
  Partials p;
  for (const physics::ElementFraction& e : m.elements) {
    p.coherent += e.mass_fraction * physics::CoherentMassCoeff(e.Z, E);
    p.incoherent += e.mass_fraction * physics::IncoherentMassCoeff(e.Z, E);
    p.photoelectric += e.mass_fraction * physics::PhotoelectricMassCoeff(e.Z, E);
    p.pair_nuclear += e.mass_fraction * physics::PairNuclearMassCoeff(e.Z, E);
    p.pair_electron += e.mass_fraction * physics::PairElectronMassCoeff(e.Z, E);
  }
  return p;
}

}  // namespace

std::vector<FilterMaterialSpec> FilterMaterials()
{
  // Elements at their usual densities (g/cm3), as a user would put them in
  // a beam as filters; tungsten as in Att_coeff2020.dat.
  struct ElementFilter {
    int Z;
    double density;
  };
  constexpr ElementFilter kElements[] = {
      {13, 2.699}, {22, 4.54},  {26, 7.874}, {29, 8.96},   {30, 7.133}, {41, 8.57},  {42, 10.22}, {45, 12.41},
      {47, 10.50}, {50, 7.31},  {64, 7.90},  {68, 9.066},  {73, 16.654}, {74, 19.3}, {79, 19.32}, {82, 11.35}};
  std::vector<FilterMaterialSpec> specs;
  for (const ElementFilter& e : kElements) {
    const Material m = physics::PureElement(e.Z, e.density);
    specs.push_back({m.name + ".ele", m});
  }
  specs.push_back({"PMMA.mix", Renamed(physics::NistMaterial("Polymethyl Methacralate (Lucite, Perspex)"), "PMMA")});
  specs.push_back({"Water.mix", Renamed(physics::NistMaterial("Water, Liquid"), "Water")});
  specs.push_back({"SoftTissue.mix", Renamed(physics::IcruSoftTissue(), "ICRU soft tissue")});
  specs.push_back({"CorticalBone.mix", Renamed(physics::NistMaterial("Bone, Cortical (ICRP)"), "Cortical bone")});
  specs.push_back({"Polyethylene.mix", Renamed(physics::NistMaterial("Polyethylene"), "Polyethylene")});
  specs.push_back({"Brass.mix", physics::MakeMaterial("Brass", {{29, 63.0}, {30, 37.0}}, 8.5)});
  return specs;
}

std::vector<FilterRecordEnergy> FilterRecordEnergies(const Material& material)
{
  std::vector<double> edges;
  for (const physics::ElementFraction& e : material.elements)
    for (const double edge : physics::AbsorptionEdges_keV(e.Z, physics::kMinEnergy_keV, physics::kMaxEnergy_keV))
      edges.push_back(edge);
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

  std::vector<FilterRecordEnergy> records;
  for (const double E : kBaseGrid_keV) {
    const bool near_edge = std::any_of(edges.begin(), edges.end(), [&](double e) { return std::abs(E / e - 1.0) < 0.005; });
    // The first record must lie at 1 keV, and the last at 10 MeV.
    if (!near_edge || E == kBaseGrid_keV[0] || E == physics::kMaxEnergy_keV)
      records.push_back({E, FilterRecordEnergy::Kind::Grid});
  }
  for (const double e : edges) {
    records.push_back({e, FilterRecordEnergy::Kind::BelowEdge});
    records.push_back({e, FilterRecordEnergy::Kind::AboveEdge});
  }
  std::stable_sort(records.begin(), records.end(), [](const FilterRecordEnergy& a, const FilterRecordEnergy& b) {
    return a.E_keV < b.E_keV;
  });
  if (records.size() > kMaxRecords)
    throw std::logic_error(material.name + ": " + std::to_string(records.size()) +
                           " records, more than a filter material file may hold");
  return records;
}

std::string FilterMaterialFile(const FilterMaterialSpec& spec)
{
  const Material& m = spec.material;
  const std::vector<FilterRecordEnergy> records = FilterRecordEnergies(m);
  // Line 2: the density, and the number of records (a reader skips it).
  std::string out = m.name + std::string(kCrLf) + NumberText(m.density_g_cm3) + ", " +
                    std::to_string(records.size()) + std::string(kCrLf);
  for (const FilterRecordEnergy& r : records) {
    // An edge pair shares its printed energy; the values come from just
    // below and just above the jump of the data.
    double E = r.E_keV;
    if (r.kind == FilterRecordEnergy::Kind::BelowEdge) E *= 1.0 - 1e-9;
    if (r.kind == FilterRecordEnergy::Kind::AboveEdge) E *= 1.0 + 1e-9;
    const Partials p = PartialsOf(m, E);
    out += Sci(r.E_keV / 1000.0, 7) + ", " + Sci(p.coherent) + ", " + Sci(p.incoherent) + ", " +
           Sci(p.photoelectric) + ", " + Sci(p.pair_nuclear) + ", " + Sci(p.pair_electron) + std::string(kCrLf);
  }
  return out;
}

std::string FilterReadme()
{
  const char* const text[] = {
      "付加フィルターの材質ファイルについて",
      "====================================",
      "",
      "任意フィルター設定の画面には、作業フォルダーにある拡張子 .ele（元素）と .mix（化合物・混合物）の",
      "ファイルが材質として表示されます。リストにない物質を付加フィルターに使うには、同じ形式のファイルを",
      "作業フォルダーに置いてください。ファイル名は自由です（拡張子は .ele または .mix）。",
      "",
      "形式（テキストファイル、UTF-8、数値はコンマ・空白・改行のいずれかで区切る）",
      "  1行目   物質名（画面と結果表に表示されます）",
      "  2行目   密度 [g/cm3]、もう一つの数値（読み飛ばされます。付属のファイルではレコード数）",
      "  3行目以降  1行に1レコード、6つの数値：",
      "           光子エネルギー [MeV]、",
      "           干渉性散乱、非干渉性散乱、光電吸収の質量減弱係数 [cm2/g]（この3つの和を使います）、",
      "           核電場と電子場の電子対生成 [cm2/g]（読み飛ばされます。しきい値未満は 0）",
      "",
      "規則",
      "  - 最初のレコードのエネルギーは 0.001 MeV（1 keV）またはそれ以下にしてください。",
      "  - エネルギーは昇順に並べてください。",
      "  - 吸収端は同じエネルギーで2回書きます。1回目に吸収端のすぐ下の値、2回目に吸収端の値を書きます。",
      "  - 10 MeV のレコードで終えてください。10 MeV 以上の最初のレコードまでが読まれ、その後は読まれません。",
      "  - レコードは 100 個までです（10 MeV のレコードを含む）。",
      "  - 3つの係数の和は、どのレコードでも 0 より大きくしてください（対数補間に使います）。",
      "  - 線減弱係数は 密度 x 係数の和 [1/cm] として、1 keV から 150 keV までエネルギーの",
      "    両対数で補間されます。",
      "",
      "付属のファイルは xraylib の元素データ（1 keV - 800 keV）と、その上のエネルギーでの理論式から",
      "作成したものです。作成方法は同じフォルダーの README.md に記載しています。",
      "",
      "",
      "Filter material files",
      "=====================",
      "",
      "The optional-filter window lists the files with the extensions .ele (elements) and .mix",
      "(compounds and mixtures) of the working folder as filter materials. To use a material that",
      "is not in the list, put a file of the same format into the working folder. Any file name",
      "will do, with the extension .ele or .mix.",
      "",
      "Format (text file, UTF-8; numbers separated by commas, blanks or line ends)",
      "  line 1      the material name (shown in the window and in the result table)",
      "  line 2      the density in g/cm3, and one more number (not read; the shipped files",
      "              give the number of records)",
      "  then        one record a line, six numbers:",
      "              photon energy in MeV;",
      "              coherent, incoherent and photoelectric mass attenuation coefficients in",
      "              cm2/g (their sum is used);",
      "              pair production in the nuclear and in the electron field in cm2/g (not",
      "              read; 0 below their thresholds)",
      "",
      "Rules",
      "  - The first record must lie at 0.001 MeV (1 keV) or below.",
      "  - Energies rise from record to record.",
      "  - An absorption edge is listed twice at the same energy: first the values just below",
      "    the edge, then the values at the edge.",
      "  - The table must reach 10 MeV: records are read up to the first one at 10 MeV or more;",
      "    nothing after it is read.",
      "  - At most 100 records, the 10 MeV record included.",
      "  - The sum of the three coefficients must be above 0 in every record (it is",
      "    interpolated on logarithms).",
      "  - The linear attenuation coefficient, density x the sum in 1/cm, is interpolated",
      "    log-log in energy from 1 keV to 150 keV.",
      "",
      "The shipped files were computed from xraylib's elemental data (1 keV - 800 keV) and,",
      "above that, from theoretical cross sections; README.md in this folder describes how.",
  };
  std::string out;
  for (const char* line : text) out += std::string(line) + std::string(kCrLf);
  return out;
}

}  // namespace vorn::datagen
