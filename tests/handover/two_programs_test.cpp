// The two programs on one working folder: the main program calculates, adds
// the result to its table and hands the beam over; the depth-dose program
// starts on that file, the user confirms the organ doses and leaves; the main
// program adds the effective dose to its table.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "depthdose/depthdose_program.h"
#include "depthdose/effective_dose_window.h"
#include "depthdose/graph_window.h"
#include "mainwin/handover.h"
#include "platform/format/format.h"
#include "tests/mainwin/mainwin_test_support.h"

namespace vorn {
namespace {

namespace fs = std::filesystem;

// The main program's working folder with the depth-dose program's data too.
std::unique_ptr<testing::Session> StartWithAllData(Edition edition)
{
  auto session = std::make_unique<testing::Session>(edition, [edition](const fs::path& folder) {
    testing::KeepUserName(folder, edition, "Tester");
    for (const char* sub : {"PDS-data", "Organ-data"}) {
      fs::copy(testing::ShippedDataFolder() / sub, folder / sub, fs::copy_options::recursive);
    }
  });
  session->program->Start();
  return session;
}

void RoundTrip(Edition edition, const std::string& site)
{
  auto main = StartWithAllData(edition);
  mainwin::MainWindow& f = main->form();
  f.siteCombo.SetText(site);
  f.calculateButton.UserClick();
  f.addToTableButton.UserClick();
  f.effectiveDoseButton.UserClick();
  ASSERT_EQ(main->services.shellCalls.size(), 1u);
  ASSERT_TRUE(main->services.msgBoxes.empty());

  {
    // The started program, in the same folder.
    ui::ScriptedServices desk(main->dir());
    pdd::DepthDoseProgram pdd(edition, desk);
    pdd.Start();
    ASSERT_TRUE(desk.msgBoxes.empty()) << desk.msgBoxes[0].text;
    EXPECT_EQ(pdd.module().InTubeVoltage, main->m().Condition.TubeVoltage);
    EXPECT_EQ(pdd.module().InSiteName, site);
    EXPECT_EQ(pdd.graphWindow->surfaceDoseLabel.Caption(),
              " Surface Dose = " + NumberText(Val(Format(main->m().Result.EntranceSurfaceDoseSoft, "##0.000"))) +
                  " mGy ");
    pdd.graphWindow->effectiveDoseButton.UserClick();
    pdd.effectiveDoseWindow->okButton.UserClick();  // OK with the site's organ rows as loaded
    const std::string total = pdd.effectiveDoseWindow->totalLabel.Caption();
    ASSERT_FALSE(total.empty());
    EXPECT_GT(Val(total), 0.0);
    pdd.effectiveDoseWindow->exitButton.UserClick();  // exit
    EXPECT_TRUE(pdd.app.Ended());

    f.addEffectiveDoseButton.UserClick();
    EXPECT_TRUE(main->services.msgBoxes.empty());
    EXPECT_EQ(main->program->Results.ResEffectiveDose[1], Val(total));
    EXPECT_NE(ui::FindText(main->results().tablePicture.Items(), Format(Val(total), "#0.000")), nullptr);
  }
  EXPECT_FALSE(fs::exists(main->dir() / mainwin::kEffDoseFileName));
  EXPECT_FALSE(fs::exists(main->dir() / "PDD_tempDATA.txt"));
  EXPECT_TRUE(fs::exists(main->dir() / mainwin::kHandoverFileName));  // until the main program ends
}

TEST(TwoPrograms, EnglishEffectiveDoseComesBackIntoTheTable) { RoundTrip(Edition::English, "Chest-Frontal"); }

TEST(TwoPrograms, JapaneseEffectiveDoseComesBackIntoTheTable) { RoundTrip(Edition::Japanese, "腹部正面"); }

}  // namespace
}  // namespace vorn
