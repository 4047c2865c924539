// Checks of the shipped organ files: that every site the main program can
// hand over finds its file, that the files keep their format, that every
// in-field row passes the effective-dose window's input checks at any body
// thickness the window accepts, and that the rows agree with reference adult
// anatomy where it gives hard limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "platform/format/format.h"
#include "tests/organdata/sites.h"

namespace vorn::organdata {
namespace {

OrganFile Load(std::string_view site)
{
  std::string error;
  const std::optional<OrganFile> file = ParseOrganFile(ReadBytes(OrganFilePath(site)), &error);
  if (!file) ADD_FAILURE() << site << ": " << error;
  return file.value_or(OrganFile{});
}

bool InField(const OrganRecord& r) { return r.on == 1.0; }

// ---------------------------------------------------------------------------
// Which files ship

TEST(OrganDataFiles, EveryEnglishSiteHasItsFile)
{
  for (const SiteView& site : kSites) {
    EXPECT_TRUE(std::filesystem::is_regular_file(OrganFilePath(site.english))) << site.english;
  }
}

TEST(OrganDataFiles, EveryNameOfTheJapaneseSiteListHasItsFile)
{
  std::vector<std::string> names = JapaneseSiteList();
  if (names.empty()) {
    // The site list is not shipped yet: the names it is planned to hold.
    std::cout << "[ note ] data/撮影部位.txt not found; checking the planned Japanese names\n";
    for (const SiteView& site : kSites) names.emplace_back(site.japanese);
  }
  for (const std::string& name : names) {
    EXPECT_TRUE(std::filesystem::is_regular_file(OrganFilePath(name))) << name;
  }
}

TEST(OrganDataFiles, JapaneseSiteSharesTheNumbersOfItsEnglishCounterpart)
{
  for (const SiteView& site : kSites) {
    const std::string english = ReadBytes(OrganFilePath(site.english));
    ASSERT_FALSE(english.empty()) << site.english;
    EXPECT_EQ(ReadBytes(OrganFilePath(site.japanese)), english) << site.japanese;
  }
}

TEST(OrganDataFiles, NoFileWithoutASite)
{
  std::set<std::string> known;
  for (const SiteView& site : kSites) {
    known.insert(std::string(site.english) + ".csv");
    known.insert(std::string(site.japanese) + ".csv");
  }
  for (const std::string& name : JapaneseSiteList()) known.insert(name + ".csv");
  for (const auto& entry : std::filesystem::directory_iterator(DataFolder() / "Organ-data")) {
    const std::u8string name = entry.path().filename().u8string();
    EXPECT_TRUE(known.count(std::string(name.begin(), name.end())))
        << "unexpected file " << entry.path();
  }
}

// ---------------------------------------------------------------------------
// Format

TEST(OrganDataFormat, ReaderRefusesBrokenFiles)
{
  // The strict reader must catch what a hand edit of a file typically breaks.
  const std::string good_line = "Breast,1,1,0.8,2,0.5,100\r\n";
  std::string good;
  for (int i = 0; i < kRows; ++i) good += good_line;
  std::string error;
  ASSERT_TRUE(ParseOrganFile(good, &error)) << error;

  std::string lf_only = good;
  lf_only.erase(lf_only.find('\r'), 1);
  EXPECT_FALSE(ParseOrganFile(lf_only, &error));
  EXPECT_FALSE(ParseOrganFile(good.substr(0, good.size() - 2), &error));  // no final CR LF
  EXPECT_FALSE(ParseOrganFile(good.substr(good_line.size()), &error));   // 15 records
  EXPECT_FALSE(ParseOrganFile(good + good_line, &error));                 // 17 records
  std::string eight = good;
  eight.replace(0, good_line.size(), "Breast,1,1,0.8,2,0.5,100,0\r\n");
  EXPECT_FALSE(ParseOrganFile(eight, &error));
  std::string text_number = good;
  text_number.replace(0, good_line.size(), "Breast,1,1,0.8,2,half,100\r\n");
  EXPECT_FALSE(ParseOrganFile(text_number, &error));
  std::string header = "organ,on,mode,near,mode,far,percent\r\n" + good.substr(good_line.size());
  EXPECT_FALSE(ParseOrganFile(header, &error));
}

TEST(OrganDataFormat, SixteenRecordsOfSevenFieldsInTheFixedOrganOrder)
{
  for (const SiteView& site : kSites) {
    const OrganFile file = Load(site.english);
    for (int row = 0; row < kRows; ++row) {
      EXPECT_EQ(file[row].name, kOrganNames[row]) << site.english << " line " << row + 1;
    }
  }
}

TEST(OrganDataFormat, FlagsModesAndPercentagesInRange)
{
  for (const SiteView& site : kSites) {
    const OrganFile file = Load(site.english);
    for (int row = 0; row < kRows; ++row) {
      const OrganRecord& r = file[row];
      SCOPED_TRACE(std::string(site.english) + " " + r.name);
      EXPECT_TRUE(r.on == 0.0 || r.on == 1.0);
      EXPECT_TRUE(r.mode1 == 0.0 || r.mode1 == 1.0 || r.mode1 == 2.0);
      EXPECT_TRUE(r.mode2 == 0.0 || r.mode2 == 1.0 || r.mode2 == 2.0);
      EXPECT_GE(r.percent, 0.0);
      EXPECT_LE(r.percent, 100.0);
      if (InField(r)) {
        EXPECT_GT(r.percent, 0.0) << "an organ in the field with nothing of it inside";
        // A fraction of the thickness beyond 0..1 would put the organ outside the body.
        if (r.mode1 == 1.0) {
          EXPECT_TRUE(r.depth1 >= 0.0 && r.depth1 <= 1.0);
        }
        if (r.mode2 == 1.0) {
          EXPECT_TRUE(r.depth2 >= 0.0 && r.depth2 <= 1.0);
        }
      } else {
        // Nothing stale behind an unticked row.
        EXPECT_EQ(r.mode1 + r.depth1 + r.mode2 + r.depth2 + r.percent, 0.0);
      }
    }
  }
}

// ---------------------------------------------------------------------------
// The effective-dose window's checks at every thickness it accepts

// The rows of a site as the window holds them for thickness T: each depth
// shown with one decimal, then read back from its box.
struct ShownRow {
  bool on;
  double near_cm, far_cm, fraction;
};

std::array<ShownRow, kRows> Shown(const OrganFile& file, double T, bool rounded)
{
  std::array<ShownRow, kRows> rows{};
  for (int row = 0; row < kRows; ++row) {
    const OrganRecord& r = file[row];
    if (!InField(r)) continue;  // an unticked row keeps "0" everywhere
    double d1 = DepthFromMode(r.mode1, r.depth1, T);
    double d2 = DepthFromMode(r.mode2, r.depth2, T);
    if (rounded) {
      d1 = Val(Format(d1, "#0.0"));
      d2 = Val(Format(d2, "#0.0"));
    }
    rows[row] = {true, d1, d2, 0.01 * r.percent};
  }
  return rows;
}

bool IsOneOf(std::string_view site, const std::string_view (&names)[2])
{
  return site == names[0] || site == names[1];
}

// Every checked row must be accepted (near <= far <= T, 0 <= f <= 1 after the
// lung corrections of the chest views) and must read at least one computed
// slab, the first of them inside the body (a slab beyond the computed ones
// holds 0 and would silently zero the organ dose).
void ExpectAcceptedAt(std::string_view site, const OrganFile& file, double T, bool rounded)
{
  const auto rows = Shown(file, T, rounded);
  const double C = 0.3 * (rows[kLung].far_cm - rows[kLung].near_cm);
  const int computed_slabs = std::min(80, static_cast<int>(std::floor(2.0 * T - 0.1)) + 1);
  for (int row = 0; row < kRows; ++row) {
    if (!rows[row].on) continue;
    double d1 = rows[row].near_cm;
    double d2 = rows[row].far_cm;
    if ((row == kBreast && IsOneOf(site, kChestFrontal)) ||
        (row == kExitSkin && (IsOneOf(site, kChestFrontal) || IsOneOf(site, kChestLateral)))) {
      d1 -= C;
      d2 -= C;
    }
    SCOPED_TRACE(std::string(site) + " " + std::string(kOrganNames[row]) + " at " +
                 std::to_string(T) + " cm");
    ASSERT_LE(d1, d2);
    ASSERT_LE(d2, T);
    ASSERT_GE(rows[row].fraction, 0.0);
    ASSERT_LE(rows[row].fraction, 1.0);
    if (!rounded) continue;
    const double s1 = std::floor(2.0 * d1) + (row == kExitSkin ? 0.0 : 1.0);
    ASSERT_GE(s1, 0.0) << "near depth above the entrance surface";
    ASSERT_LE(std::max(s1, 1.0), computed_slabs) << "first slab beyond the computed depth dose";
  }
}

TEST(OrganDataWindowChecks, EveryRowIsAcceptedAsShownFor10To40cm)
{
  // Thicknesses as typed, in tenths of a centimetre.
  for (const SiteView& site : kSites) {
    const OrganFile file = Load(site.english);
    for (int tenths = 100; tenths <= 400; ++tenths) {
      ExpectAcceptedAt(site.english, file, tenths / 10.0, true);
      ExpectAcceptedAt(site.japanese, file, tenths / 10.0, true);
      if (HasFatalFailure()) return;
    }
  }
}

TEST(OrganDataWindowChecks, DepthsStayInsideTheBodyAtEveryThickness)
{
  for (const SiteView& site : kSites) {
    const OrganFile file = Load(site.english);
    for (int hundredths = 1000; hundredths <= 4000; ++hundredths) {
      ExpectAcceptedAt(site.english, file, hundredths / 100.0, false);
      if (HasFatalFailure()) return;
    }
  }
}

// ---------------------------------------------------------------------------
// Reference adult anatomy

// Share (%) of the adult active marrow by bone, ICRP Publication 89.
constexpr double kMarrowCranium = 7.6, kMarrowMandible = 0.8, kMarrowScapulae = 2.8,
                 kMarrowClavicles = 0.8, kMarrowSternum = 3.1, kMarrowRibs = 16.1,
                 kMarrowCervical = 3.9, kMarrowThoracic = 16.1, kMarrowLumbar = 12.3,
                 kMarrowSacrum = 9.9, kMarrowOsCoxae = 17.5, kMarrowFemora = 6.7,
                 kMarrowHumeri = 2.3;

// Skin area of the reference adult female (the smaller), cm2, ICRP Publication 89.
constexpr double kSkinArea_cm2 = 16600.0;

TEST(OrganDataAnatomy, MarrowSharesAddUpToTheWholeSkeleton)
{
  const double sum = kMarrowCranium + kMarrowMandible + kMarrowScapulae + kMarrowClavicles +
                     kMarrowSternum + kMarrowRibs + kMarrowCervical + kMarrowThoracic +
                     kMarrowLumbar + kMarrowSacrum + kMarrowOsCoxae + kMarrowFemora +
                     kMarrowHumeri;
  EXPECT_NEAR(sum, 100.0, 0.2);
}

TEST(OrganDataAnatomy, RedMarrowShareLiesBetweenTheBonesSurelyInAndThoseThatCanBe)
{
  struct Bounds { double low, high; };
  const std::map<std::string_view, Bounds> bounds{
      // The whole cranium is in a skull field; at most cranium, mandible and neck.
      {"Skull-Frontal", {kMarrowCranium, kMarrowCranium + kMarrowMandible + kMarrowCervical}},
      {"Skull-Lateral", {kMarrowCranium, kMarrowCranium + kMarrowMandible + kMarrowCervical}},
      // The cervical spine; at most it with the skull base, jaw and shoulder girdle.
      {"Neck-Frontal", {kMarrowCervical, kMarrowCervical + kMarrowMandible + kMarrowCranium +
                                             kMarrowClavicles + kMarrowSternum + kMarrowScapulae}},
      {"Neck-Lateral", {kMarrowCervical, kMarrowCervical + kMarrowMandible + kMarrowCranium +
                                             kMarrowClavicles + kMarrowSternum + kMarrowScapulae}},
      // Most of the rib cage and thoracic spine; at most the whole thorax and shoulders.
      {"Chest-Frontal", {0.8 * (kMarrowRibs + kMarrowThoracic),
                         kMarrowRibs + kMarrowThoracic + kMarrowSternum + kMarrowScapulae +
                             kMarrowClavicles + kMarrowHumeri + kMarrowCervical}},
      {"Chest-Lateral", {0.8 * (kMarrowRibs + kMarrowThoracic),
                         kMarrowRibs + kMarrowThoracic + kMarrowSternum + kMarrowScapulae +
                             kMarrowClavicles + kMarrowHumeri + kMarrowCervical}},
      // Lumbar spine and sacrum; at most the trunk below the nipples.
      {"Abdomen-F", {kMarrowLumbar + kMarrowSacrum,
                     kMarrowLumbar + kMarrowSacrum + kMarrowOsCoxae + kMarrowFemora +
                         0.5 * (kMarrowRibs + kMarrowThoracic)}},
      {"Abdomen-L", {kMarrowLumbar + kMarrowSacrum,
                     kMarrowLumbar + kMarrowSacrum + kMarrowOsCoxae + kMarrowFemora +
                         0.5 * (kMarrowRibs + kMarrowThoracic)}},
      {"Lumbar-F", {kMarrowLumbar, kMarrowLumbar + kMarrowSacrum + kMarrowOsCoxae +
                                       0.5 * (kMarrowRibs + kMarrowThoracic)}},
      {"Lumbar-L", {kMarrowLumbar, kMarrowLumbar + kMarrowSacrum + kMarrowOsCoxae +
                                       0.5 * (kMarrowRibs + kMarrowThoracic)}},
      // Pelvic bones and sacrum; at most with the lumbar spine and upper femora.
      {"Pelvis-F", {kMarrowOsCoxae + kMarrowSacrum,
                    kMarrowOsCoxae + kMarrowSacrum + kMarrowLumbar + kMarrowFemora}},
  };
  ASSERT_EQ(bounds.size(), kSites.size());
  for (const SiteView& site : kSites) {
    const OrganRecord marrow = Load(site.english)[kRedMarrow];
    ASSERT_TRUE(InField(marrow)) << site.english;
    const Bounds b = bounds.at(site.english);
    EXPECT_GE(marrow.percent, b.low) << site.english;
    EXPECT_LE(marrow.percent, b.high) << site.english;
  }
}

TEST(OrganDataAnatomy, SkinInTheFieldIsAFewPerCentAndNoMoreThanTheFieldCovers)
{
  for (const SiteView& site : kSites) {
    const OrganFile file = Load(site.english);
    const OrganRecord& in = file[kEntranceSkin];
    const OrganRecord& out = file[kExitSkin];
    SCOPED_TRACE(std::string(site.english));
    ASSERT_TRUE(InField(in));
    ASSERT_TRUE(InField(out));
    // The entrance skin is the first slab, the exit skin ends at the exit surface.
    EXPECT_TRUE(in.mode1 == 0.0 && in.depth1 == 0.0 && in.mode2 == 0.0 && in.depth2 <= 0.5);
    EXPECT_TRUE(out.mode2 == 2.0 && out.depth2 == 0.0 && out.mode1 == 2.0 && out.depth1 <= 0.5);
    // Neither skin surface can be more than the field's area at the receptor,
    // and the diverging beam covers at least as much skin where it leaves.
    const double field_share = 100.0 * site.field_long_cm * site.field_short_cm / kSkinArea_cm2;
    EXPECT_GT(in.percent, 0.0);
    EXPECT_LE(in.percent, field_share);
    EXPECT_LE(out.percent, field_share);
    EXPECT_LE(in.percent, out.percent);
  }
}

TEST(OrganDataAnatomy, OrgansOfEachRegionAndNoneFromAnother)
{
  enum Region { kHead, kNeck, kChest, kAbdomen, kPelvis };
  const std::map<std::string_view, Region> region{
      {"Skull-Frontal", kHead},    {"Skull-Lateral", kHead},    {"Neck-Frontal", kNeck},
      {"Neck-Lateral", kNeck},     {"Chest-Frontal", kChest},   {"Chest-Lateral", kChest},
      {"Abdomen-F", kAbdomen},     {"Abdomen-L", kAbdomen},     {"Lumbar-F", kAbdomen},
      {"Lumbar-L", kAbdomen},      {"Pelvis-F", kPelvis}};
  // Organs wholly inside every field of the region, and organs that lie too
  // far from it to be in the field at all.
  const std::map<Region, std::vector<Row>> whole{
      {kHead, {kBrain}}, {kNeck, {kThyroid}}, {kChest, {kLung, kBreast}},
      {kAbdomen, {}}, {kPelvis, {kGonads, kBladder}}};
  const std::map<Region, std::vector<Row>> never{
      {kHead, {kBreast, kColon, kLung, kStomach, kGonads, kThyroid, kOesophagus, kLiver, kBladder}},
      {kNeck, {kBreast, kColon, kStomach, kGonads, kLiver, kBladder}},
      {kChest, {kGonads, kBladder, kBrain, kSalivary}},
      {kAbdomen, {kBreast, kThyroid, kBrain, kSalivary}},
      {kPelvis, {kBreast, kLung, kStomach, kThyroid, kOesophagus, kLiver, kBrain, kSalivary}}};
  for (const SiteView& site : kSites) {
    const OrganFile file = Load(site.english);
    const Region r = region.at(site.english);
    for (const Row row : whole.at(r)) {
      EXPECT_TRUE(InField(file[row]) && file[row].percent == 100.0)
          << site.english << " " << kOrganNames[row];
    }
    for (const Row row : never.at(r)) {
      EXPECT_FALSE(InField(file[row])) << site.english << " " << kOrganNames[row];
    }
    // Every view irradiates bone and some of the remaining tissues.
    for (const Row row : {kRedMarrow, kBoneSurface, kRemainder}) {
      EXPECT_TRUE(InField(file[row])) << site.english << " " << kOrganNames[row];
    }
  }
}

TEST(OrganDataAnatomy, FrontalChestIsPosteriorAnteriorWithTheBreastBehindTheLung)
{
  for (const double T : {18.0, 22.0, 28.0}) {
    const auto rows = Shown(Load("Chest-Frontal"), T, false);
    EXPECT_GE(rows[kBreast].near_cm, rows[kLung].far_cm) << T;
    // The lungs start under the posterior chest wall and end before the breast.
    EXPECT_GT(rows[kLung].near_cm, 2.0) << T;
  }
  // In the lateral view one breast lies on each side of the lungs.
  const auto lateral = Shown(Load("Chest-Lateral"), 32.0, false);
  EXPECT_LE(lateral[kBreast].near_cm, lateral[kLung].near_cm);
  EXPECT_GE(lateral[kBreast].far_cm, lateral[kLung].far_cm);
}

TEST(OrganDataAnatomy, FrontalViewsPutTheirOrgansOnTheRightSide)
{
  // Anterior-posterior abdomen: the bladder lies just behind the anterior wall,
  // the lumbar vertebrae (marrow) in the posterior half.
  for (const std::string_view site : {"Abdomen-F", "Lumbar-F"}) {
    const auto rows = Shown(Load(site), 21.0, false);
    EXPECT_LT(rows[kBladder].near_cm, 0.5 * 21.0) << site;
    EXPECT_GE(rows[kRedMarrow].near_cm, 0.4 * 21.0) << site;
  }
  // Anterior-posterior neck: the thyroid within a few cm of the entrance skin,
  // in front of the oesophagus.
  const auto neck = Shown(Load("Neck-Frontal"), 12.0, false);
  EXPECT_LT(neck[kThyroid].far_cm, 4.0);
  EXPECT_LE(neck[kThyroid].far_cm, neck[kOesophagus].near_cm);
}

}  // namespace
}  // namespace vorn::organdata
