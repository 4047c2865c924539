// The README's example form, driven headless as a form's tests drive theirs.
#include <gtest/gtest.h>

#include "tests/ui/example_form.h"
#include "tests/ui/ui_test_support.h"

namespace vorn::example {
namespace {

class ExampleFormTest : public ui::testing::UiTest {
protected:
  ExampleForm form{app};
  void SetUp() override { form.Show(); }
};

TEST_F(ExampleFormTest, LoadSetsTheDefaultsThroughTheOptionsRoutine)
{
  EXPECT_EQ(form.voltageBox.Text(), "75");
  EXPECT_EQ(form.rectification, 1);
  EXPECT_EQ(form.siteCombo.ListIndex(), 0);
  EXPECT_EQ(form.Caption(), " Example");
  EXPECT_EQ(form.constantPotentialOption.FontName(), "Arial");  // from the form, through the frame
}

TEST_F(ExampleFormTest, EnterMovesAlongTheChainAndLeavingStores)
{
  form.voltageBox.UserType("3");
  form.voltageBox.UserKeyDown(ui::vbKeyReturn);
  EXPECT_DOUBLE_EQ(form.tubeVoltage, 3.0);
  EXPECT_TRUE(form.currentBox.HasFocus());
  form.currentBox.UserType("250mA");
  form.currentBox.UserKeyDown(ui::vbKeyReturn);
  EXPECT_DOUBLE_EQ(form.tubeCurrent, 250.0);
  EXPECT_TRUE(form.calculateButton.HasFocus());
}

TEST_F(ExampleFormTest, CalculateDrawsTheBar)
{
  form.singlePhaseOption.UserClick();
  EXPECT_EQ(form.rectification, 2);
  form.voltageBox.UserType("120");
  form.calculateButton.UserClick();  // leaves voltageBox first, which stores 120
  const auto& items = form.barPicture.Items();
  ASSERT_EQ(items.size(), 3u);
  const auto& bar = std::get<ui::BoxItem>(items[1]);
  EXPECT_EQ(bar.to, (ui::Point{7, 120}));
  EXPECT_EQ(bar.fill->color, ui::colors::Blue);
  const ui::TextItem* site = ui::FindText(items, "Chest");
  ASSERT_NE(site, nullptr);
  EXPECT_EQ(site->at, (ui::Point{1, 158}));
}

TEST_F(ExampleFormTest, AnImpossibleVoltageIsRefusedWithABeepAndAMessage)
{
  form.voltageBox.UserType("abc");
  services.ExpectMsgBox("  Input the tube voltage (up to 150 kV)  ");
  form.calculateButton.UserClick();
  EXPECT_EQ(services.calls, (std::vector<std::string>{"Beep", "MsgBox   Input the tube voltage (up to 150 kV)  "}));
  EXPECT_EQ(services.msgBoxes[0].style, ui::vbExclamation);
  EXPECT_TRUE(form.barPicture.Items().empty());
}

}  // namespace
}  // namespace vorn::example
