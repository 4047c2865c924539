// Combo boxes and list boxes.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ui/ui.h"
#include "tests/ui/ui_test_support.h"

namespace vorn::ui {
namespace {

class Lists : public Form {
public:
  explicit Lists(Application& app) : Form(app, "Lists")
  {
    siteCombo.Click = [this] {
      log.push_back("Click " + siteCombo.Text() + " " + std::to_string(siteCombo.ListIndex()));
    };
    siteCombo.Change = [this] { log.push_back("Change " + siteCombo.Text()); };
    siteList.Click = [this] { log.push_back("List1 " + siteList.Text()); };
  }
  ComboBox siteCombo{*this, "Combo1"};
  ComboBox Fixed{*this, "Fixed", {}, ComboStyle::DropdownList};
  ListBox siteList{*this, "List1"};
  std::vector<std::string> log;
};

class ListsTest : public testing::UiTest {
protected:
  Lists form{app};
  void SetUp() override
  {
    for (const char* item : {"10x8", "8x10", "14x14", "else"}) form.siteCombo.AddItem(item);
    form.log.clear();
  }
};

TEST_F(ListsTest, AChoiceFromTheListSetsTheTextAndClicks)
{
  form.Show();
  form.siteCombo.UserChoose(2);
  EXPECT_EQ(form.siteCombo.Text(), "14x14");
  EXPECT_EQ(form.siteCombo.ListIndex(), 2);
  EXPECT_EQ(form.log, (std::vector<std::string>{"Change 14x14", "Click 14x14 2"}));
  EXPECT_TRUE(form.siteCombo.HasFocus());
  EXPECT_THROW(form.siteCombo.UserChoose(4), std::out_of_range);
}

TEST_F(ListsTest, TextFromCodeFollowsTheListQuietly)
{
  form.siteCombo.SetText("else");
  EXPECT_EQ(form.siteCombo.ListIndex(), 3);
  form.siteCombo.SetText("半切サイズ 縦");  // not an item: an editable combo takes it
  EXPECT_EQ(form.siteCombo.ListIndex(), -1);
  EXPECT_EQ(form.log, (std::vector<std::string>{"Change else", "Change 半切サイズ 縦"}));
  form.Show();
  form.siteCombo.UserType("Chest-Frontal");
  EXPECT_EQ(form.siteCombo.Text(), "Chest-Frontal");
  EXPECT_EQ(form.log.back(), "Change Chest-Frontal");
}

TEST_F(ListsTest, ListIndexFromCodeClicks)
{
  form.siteCombo.SetListIndex(1);
  EXPECT_EQ(form.siteCombo.Text(), "8x10");
  form.siteCombo.SetListIndex(-1);  // no item: an editable combo keeps its text
  EXPECT_EQ(form.siteCombo.Text(), "8x10");
  EXPECT_EQ(form.log, (std::vector<std::string>{"Change 8x10", "Click 8x10 1"}));
  EXPECT_THROW(form.siteCombo.SetListIndex(4), std::out_of_range);
  EXPECT_THROW(form.siteCombo.SetListIndex(-2), std::out_of_range);
}

TEST_F(ListsTest, InsertingAndRemovingKeepsTheSelectionOnItsItem)
{
  form.siteCombo.SetListIndex(2);  // 14x14
  form.siteCombo.AddItem("first", 0);
  EXPECT_EQ(form.siteCombo.ListIndex(), 3);
  EXPECT_EQ(form.siteCombo.List(3), "14x14");
  form.siteCombo.RemoveItem(0);
  EXPECT_EQ(form.siteCombo.ListIndex(), 2);
  form.siteCombo.RemoveItem(2);
  EXPECT_EQ(form.siteCombo.ListIndex(), -1);
  EXPECT_EQ(form.siteCombo.ListCount(), 3);
  EXPECT_EQ(form.siteCombo.List(3), "");  // beyond the list: an empty text
  EXPECT_EQ(form.siteCombo.List(-1), "");
  EXPECT_THROW(form.siteCombo.RemoveItem(3), std::out_of_range);
  EXPECT_THROW(form.siteCombo.AddItem("x", 5), std::out_of_range);
  form.siteCombo.AddItem("last", 3);
  EXPECT_EQ(form.siteCombo.List(3), "last");
}

TEST_F(ListsTest, ClearEmptiesListAndText)
{
  form.siteCombo.SetText("腹部正面");
  form.siteCombo.Clear();
  EXPECT_EQ(form.siteCombo.ListCount(), 0);
  EXPECT_EQ(form.siteCombo.ListIndex(), -1);
  EXPECT_EQ(form.siteCombo.Text(), "");
  form.siteCombo.SetText("頭部正面");
  EXPECT_EQ(form.siteCombo.Text(), "頭部正面");
}

TEST_F(ListsTest, ADropdownListOnlyShowsItsItems)
{
  form.Fixed.AddItem("10000000");
  form.Fixed.AddItem("50000000");
  form.Fixed.SetText("50000000");
  EXPECT_EQ(form.Fixed.ListIndex(), 1);
  EXPECT_THROW(form.Fixed.SetText("123"), std::invalid_argument);
  form.Fixed.SetListIndex(-1);
  EXPECT_EQ(form.Fixed.Text(), "");
  form.Show();
  EXPECT_THROW(form.Fixed.UserType("1"), std::logic_error);
}

TEST_F(ListsTest, ListBoxSelection)
{
  ListBox& list = form.siteList;
  list.AddItem("頭部正面");
  list.AddItem("胸部正面");
  list.AddItem("腹部正面");
  EXPECT_EQ(list.Text(), "");
  form.Show();
  list.UserChoose(1);
  EXPECT_EQ(list.Text(), "胸部正面");
  EXPECT_EQ(form.log, (std::vector<std::string>{"List1 胸部正面"}));
  list.RemoveItem(1);
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(list.Text(), "");
  list.Clear();
  EXPECT_EQ(list.ListCount(), 0);
}

}  // namespace
}  // namespace vorn::ui
