// Arrays of controls: built in index order, each with its own name string.
#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ui/ui.h"
#include "tests/ui/ui_test_support.h"

namespace vorn::ui {
namespace {

using testing::UiTest;

// A row of two controls, as a table's row type is built.
struct Row {
  struct Names {
    const char* check;
    const char* box;
  };
  Row(Container& parent, const Names& names) : check{parent, names.check}, box{parent, names.box} {}
  CheckBox check;
  TextBox box;
};

class Table : public Form {
public:
  explicit Table(Application& app) : Form(app, "Table") {}
  TextBox before{*this, "Text1"};
  std::array<Label, 3> headings = MakeControls<Label>(*this, {"Label7", "Label2", "Label9"});
  std::array<Row, 2> rows =
      MakeControls<Row>(*this, std::array<Row::Names, 2>{{{"Check2", "Text5"}, {"Check1", "Text3"}}});
  TextBox after{*this, "Text4"};
};

TEST_F(UiTest, AnArrayOfControlsIsBuiltInIndexOrderUnderItsOwnNames)
{
  Table table(app);
  std::vector<std::string> names;
  int lastTab = -1;
  for (const Control* c : table.Children()) {
    names.push_back(c->Name());
    EXPECT_GT(c->TabIndex(), lastTab) << c->Name();  // the order built is the tab order
    lastTab = c->TabIndex();
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Text1", "Label7", "Label2", "Label9", "Check2", "Text5", "Check1",
                                             "Text3", "Text4"}));
  EXPECT_EQ(&table.rows[1].box.Parent(), &table);
  EXPECT_EQ(table.rows[1].check.Name(), "Check1");
}

}  // namespace
}  // namespace vorn::ui
