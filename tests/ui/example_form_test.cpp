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
  EXPECT_EQ(form.Text1.Text(), "75");
  EXPECT_EQ(form.rectification, 1);
  EXPECT_EQ(form.Combo1.ListIndex(), 0);
  EXPECT_EQ(form.Caption(), " Example");
  EXPECT_EQ(form.Option1.FontName(), "Arial");  // from the form, through the frame
}

TEST_F(ExampleFormTest, EnterMovesAlongTheChainAndLeavingStores)
{
  form.Text1.UserType("3");
  form.Text1.UserKeyDown(ui::vbKeyReturn);
  EXPECT_DOUBLE_EQ(form.tubeVoltage, 3.0);
  EXPECT_TRUE(form.Text2.HasFocus());
  form.Text2.UserType("250mA");
  form.Text2.UserKeyDown(ui::vbKeyReturn);
  EXPECT_DOUBLE_EQ(form.tubeCurrent, 250.0);
  EXPECT_TRUE(form.Command1.HasFocus());
}

TEST_F(ExampleFormTest, CalculateDrawsTheBar)
{
  form.Option2.UserClick();
  EXPECT_EQ(form.rectification, 2);
  form.Text1.UserType("120");
  form.Command1.UserClick();  // leaves Text1 first, which stores 120
  const auto& items = form.Picture1.Items();
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
  form.Text1.UserType("abc");
  services.ExpectMsgBox("  Input the tube voltage (up to 150 kV)  ");
  form.Command1.UserClick();
  EXPECT_EQ(services.calls, (std::vector<std::string>{"Beep", "MsgBox   Input the tube voltage (up to 150 kV)  "}));
  EXPECT_EQ(services.msgBoxes[0].style, ui::vbExclamation);
  EXPECT_TRUE(form.Picture1.Items().empty());
}

}  // namespace
}  // namespace vorn::example
