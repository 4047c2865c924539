// The site's organ file: depth modes, the rows it fills and its failures.
#include <gtest/gtest.h>

#include "tests/depthdose/pdd_fixture.h"

namespace vorn::pdd::test {
namespace {

class OrganData : public PddFolder {
protected:
  // 16 records; row 3 in mode 1 (fraction of the thickness), row 5 in mode 2
  // (from the exit surface), row 9 in mode 0; the others not in the field.
  static std::string Records(const std::string& row5_far = "3")
  {
    std::string text;
    for (int row = 1; row <= 16; ++row) {
      if (row == 3) text += "Colon,1,1,0.5,1,0.75,12.5\r\n";
      else if (row == 5) text += "Stomach,1,2," + row5_far + ",0,18,100\r\n";
      else if (row == 9) text += "Liver,1,0,7.26,0,9.95,40\r\n";
      else text += "Other,0,x,y,z,w,v\r\n";  // what an unticked row holds does not matter
    }
    return text;
  }

  DepthDoseCalculation Load(const std::string& content, double thickness = 20.0, Edition edition = Edition::English)
  {
    Write("Organ-data/Abdomen-F.csv", content);
    DepthDoseCalculation module(edition, folder_);
    module.InSiteName = "Abdomen-F";
    module.InObjectThickness = thickness;
    result = module.LoadOrganData();
    return module;
  }

  OrganDataResult result;
};

TEST(OrganDepth, ModesGiveTheDepthBelowTheEntranceSurface)
{
  EXPECT_EQ(OrganDepthFromMode(0, 7.26, 20.0), 7.26);
  EXPECT_EQ(OrganDepthFromMode(1, 0.5, 20.0), 10.0);
  EXPECT_EQ(OrganDepthFromMode(2, 3.0, 20.0), 17.0);
  EXPECT_FALSE(OrganDepthFromMode(3, 3.0, 20.0).has_value());
}

TEST_F(OrganData, TickedRowsShowTheirDepthsAndPercentage)
{
  const DepthDoseCalculation module = Load(Records());
  EXPECT_TRUE(result.message.empty()) << result.message;
  const OrganRowFill& colon = result.rows[3];
  EXPECT_TRUE(colon.checked);
  EXPECT_EQ(colon.near_depth, "10.0");
  EXPECT_EQ(colon.far_depth, "15.0");
  EXPECT_EQ(colon.percent, "12.5");
  EXPECT_EQ(result.rows[5].near_depth, "17.0");
  EXPECT_EQ(result.rows[5].percent, "100");
  EXPECT_EQ(result.rows[9].near_depth, "7.3");  // rounded to one decimal
  EXPECT_EQ(result.rows[9].far_depth, "10.0");
  for (int row : {1, 2, 4, 16}) {
    EXPECT_FALSE(result.rows[row].checked);
    EXPECT_EQ(result.rows[row].near_depth, "0");
    EXPECT_EQ(result.rows[row].percent, "0");
  }
  // The arrays keep the file's values, not the converted depths.
  EXPECT_EQ(module.OrganOn[3], 1.0);
  EXPECT_EQ(module.OrganDepth1Mode[3], 1.0);
  EXPECT_EQ(module.OrganDepth1[3], 0.5);
  EXPECT_EQ(module.OrganDepth2[5], 18.0);
  EXPECT_EQ(module.OrganPercent[9], 40.0);
  EXPECT_EQ(module.OrganOn[1], 0.0);
}

TEST_F(OrganData, ThicknessCappedAt40IsUsedByTheRelativeModes)
{
  Load(Records(), 40.0);
  EXPECT_EQ(result.rows[3].near_depth, "20.0");
  EXPECT_EQ(result.rows[3].far_depth, "30.0");
  EXPECT_EQ(result.rows[5].near_depth, "37.0");
}

TEST_F(OrganData, MissingOrShortFileLeavesEveryRowReset)
{
  DepthDoseCalculation module(Edition::English, folder_);
  module.InSiteName = "Knee";
  module.InObjectThickness = 20.0;
  result = module.LoadOrganData();
  EXPECT_EQ(result.message, "There is no data of Knee");

  const std::string full = Records();
  Load(full.substr(0, full.find("Liver") + 10));  // ends inside row 9
  EXPECT_EQ(result.message, "There is no data of Abdomen-F");
  for (int row = 1; row <= 16; ++row) EXPECT_FALSE(result.rows[row].checked) << row;
}

// The site name from the hand-over is a name: one that is a path leads to no
// file outside Organ-data, however well that file would read. A huge one is
// quoted by its start.
TEST_F(OrganData, ASiteNameThatIsAPathFindsNoFile)
{
  Write("Organ-data/Abdomen-F.csv", Records());
  Write("Stolen.csv", Records());
  for (const std::string& site : {std::string("../Stolen"), std::string("../Organ-data/Abdomen-F"),
                                  std::string("Organ-data\\..\\..\\Stolen"), std::string("..")}) {
    DepthDoseCalculation module(Edition::English, folder_);
    module.InSiteName = site;
    module.InObjectThickness = 20.0;
    result = module.LoadOrganData();
    EXPECT_EQ(result.message, "There is no data of " + site);
    for (int row = 1; row <= 16; ++row) EXPECT_FALSE(result.rows[row].checked) << site << " row " << row;
  }
  DepthDoseCalculation module(Edition::Japanese, folder_);
  module.InSiteName = std::string(1 << 20, 'x');
  result = module.LoadOrganData();
  EXPECT_LT(result.message.size(), 200u);
  EXPECT_NE(result.message.find("\u2026 のデータはありません"), std::string::npos) << result.message;
}

TEST_F(OrganData, TextWhereANumberBelongsStopsTheFillingAtItsRow)
{
  const DepthDoseCalculation module = Load(Records("deep"), 20.0, Edition::Japanese);
  EXPECT_EQ(result.message, "Abdomen-F のデータはありません");
  EXPECT_TRUE(result.rows[3].checked);  // filled before the faulty row
  EXPECT_FALSE(result.rows[5].checked);
  EXPECT_FALSE(result.rows[9].checked);
  EXPECT_EQ(module.OrganOn[9], 0.0);

  Load(Records().replace(Records().find("Stomach,1,2"), 11, "Stomach,1,7"));  // no such depth mode
  EXPECT_FALSE(result.message.empty());
  EXPECT_TRUE(result.rows[3].checked);
  EXPECT_FALSE(result.rows[5].checked);

  Load(Records("1E999"));  // beyond the range of numbers: no depth either
  EXPECT_FALSE(result.message.empty());
  EXPECT_TRUE(result.rows[3].checked);
  EXPECT_FALSE(result.rows[5].checked);
}

}  // namespace
}  // namespace vorn::pdd::test
