// Focus and its events, Enter chains, keys, option groups and check boxes,
// and what the user cannot do.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ui/ui.h"
#include "tests/ui/ui_test_support.h"

namespace vorn::ui {
namespace {

using testing::UiTest;

// A form that logs its events and has an Enter chain Text1 -> Text2 -> Command1.
class Entry : public Form {
public:
  explicit Entry(Application& app) : Form(app, "Entry")
  {
    for (Control* c : std::vector<Control*>{&Text1, &Text2, &Text3, &Command1, &Command2}) {
      c->GotFocus = [this, c] { log.push_back(c->Name() + ".GotFocus"); };
      c->LostFocus = [this, c] { log.push_back(c->Name() + ".LostFocus"); };
      c->Click = [this, c] { log.push_back(c->Name() + ".Click"); };
    }
    Text1.KeyDown = [this](int key, int) {
      log.push_back("Text1.KeyDown " + std::to_string(key));
      if (key == vbKeyReturn) Text2.SetFocus();
    };
    Text2.KeyDown = [this](int key, int) {
      if (key == vbKeyReturn) Command1.SetFocus();
    };
    Text1.KeyPress = [this](int ascii) { log.push_back("Text1.KeyPress " + std::to_string(ascii)); };
    Text2.LostFocus = [this] {
      log.push_back("Text2.LostFocus");
      stored = Text2.Text();
    };
    Text1.Change = [this] { log.push_back("Text1.Change"); };
  }
  TextBox Text1{*this, "Text1"};
  TextBox Text2{*this, "Text2"};
  TextBox Text3{*this, "Text3"};
  CommandButton Command1{*this, "Command1"};
  CommandButton Command2{*this, "Command2"};
  Label Label1{*this, "Label1"};
  std::vector<std::string> log;
  std::string stored;
};

class FocusTest : public UiTest {
protected:
  Entry form{app};
  void SetUp() override
  {
    form.Show();
    form.log.clear();
  }
};

TEST_F(UiTest, ShowingAFormFocusesItsFirstControlInTabOrder)
{
  Entry form(app);
  form.Text3.SetTabIndex(0);  // before Text1 (0 too, but declared earlier)...
  form.Text1.SetTabIndex(4);  // ...now after it
  form.Text2.SetTabStop(false);
  form.Show();
  EXPECT_EQ(form.ActiveControl(), &form.Text3);
  EXPECT_EQ(form.log, (std::vector<std::string>{"Text3.GotFocus"}));
  form.Hide();
  form.Show();  // shown again: the focus stays where it was
  EXPECT_EQ(form.log.size(), 1u);
}

TEST_F(FocusTest, MovingTheFocusFiresLostFocusOfTheOldControlThenGotFocus)
{
  form.Text1.SetFocus();
  form.log.clear();
  form.Text3.SetFocus();
  EXPECT_EQ(form.log, (std::vector<std::string>{"Text1.LostFocus", "Text3.GotFocus"}));
  EXPECT_EQ(form.ActiveControl(), &form.Text3);
  EXPECT_TRUE(form.Text3.HasFocus());
  form.log.clear();
  form.Text3.SetFocus();  // already there: nothing
  EXPECT_TRUE(form.log.empty());
}

TEST_F(FocusTest, FocusCannotGoToDisabledHiddenOrFocuslessControls)
{
  form.Text1.SetFocus();
  form.Text2.SetEnabled(false);
  form.Text2.SetFocus();
  form.Text3.SetVisible(false);
  form.Text3.SetFocus();
  form.Label1.SetFocus();
  EXPECT_EQ(form.ActiveControl(), &form.Text1);
}

TEST_F(FocusTest, EnterWalksTheChainAndLeavingABoxStoresIt)
{
  form.Text2.SetText("0.05");
  form.Text1.UserKeyDown(vbKeyReturn);
  EXPECT_EQ(form.ActiveControl(), &form.Text2);
  form.Text2.UserType("0.1");
  EXPECT_EQ(form.stored, "");  // typing alone stores nothing
  form.Text2.UserKeyDown(vbKeyReturn);
  EXPECT_EQ(form.ActiveControl(), &form.Command1);
  EXPECT_EQ(form.stored, "0.1");
  EXPECT_TRUE(form.log.back() == "Command1.GotFocus");
  // Enter on the last box only moves the focus: the button is not pressed.
  EXPECT_EQ(std::count(form.log.begin(), form.log.end(), "Command1.Click"), 0);
}

TEST_F(FocusTest, AKeyGoesToKeyDownThenKeyPress)
{
  form.Text1.UserKeyDown(vbKeyA, vbShiftMask);
  form.Text1.UserKeyDown(vbKeyLeft);
  EXPECT_EQ(form.log, (std::vector<std::string>{"Text1.KeyDown 65", "Text1.KeyPress 65", "Text1.KeyDown 37"}));
  EXPECT_EQ(KeyCharacter(vbKeyA, 0), 'a');
  EXPECT_EQ(KeyCharacter(vbKeyReturn, 0), 13);
  EXPECT_EQ(KeyCharacter(vbKeyNumpad0 + 7, 0), '7');
  EXPECT_EQ(KeyCharacter(vbKeyF1, 0), 0);
}

TEST_F(FocusTest, ClickingAButtonLeavesTheBoxFirst)
{
  form.Text2.UserType("80");
  form.log.clear();
  form.Command2.UserClick();
  EXPECT_EQ(form.log,
            (std::vector<std::string>{"Text2.LostFocus", "Command2.GotFocus", "Command2.Click"}));
  EXPECT_EQ(form.stored, "80");
}

TEST_F(FocusTest, ALostFocusRoutineThatMovesTheFocusWins)
{
  form.Text1.LostFocus = [this] { form.Text3.SetFocus(); };
  form.Text1.SetFocus();
  form.log.clear();
  form.Text2.SetFocus();
  EXPECT_EQ(form.ActiveControl(), &form.Text3);
  // Text2 got the focus only for the moment of Text1's LostFocus.
  EXPECT_EQ(std::count(form.log.begin(), form.log.end(), "Text2.GotFocus"), 0);
}

TEST_F(FocusTest, TextFromCodeRaisesChangeOnlyWhenItDiffers)
{
  form.Text1.SetText("75");
  form.Text1.SetText("75");
  EXPECT_EQ(std::count(form.log.begin(), form.log.end(), "Text1.Change"), 1);
}

TEST_F(FocusTest, TheUserCannotReachHiddenDisabledOrLockedControls)
{
  form.Command1.SetEnabled(false);
  EXPECT_THROW(form.Command1.UserClick(), std::logic_error);
  form.Text3.SetLocked(true);
  EXPECT_THROW(form.Text3.UserType("x"), std::logic_error);
  form.Hide();
  EXPECT_THROW(form.Text1.UserClick(), std::logic_error);
  EXPECT_THROW(form.UserKeyDown(vbKeyReturn), std::logic_error);
  EXPECT_TRUE(form.log.empty());
}

TEST_F(FocusTest, TheBindingHearsOfFocusAndPropertyChangesOnce)
{
  testing::RecordingBinding binding;
  app.SetBinding(&binding);
  form.Text3.SetFocus();
  form.Label1.SetCaption("x");
  form.Label1.SetCaption("x");
  form.Command1.SetEnabled(false);
  form.Command1.SetEnabled(false);
  EXPECT_EQ(binding.focus, (std::vector<std::string>{"Entry:Text3"}));
  EXPECT_EQ(binding.Count("Label1", Prop::Caption), 1);
  EXPECT_EQ(binding.Count("Command1", Prop::Enabled), 1);
  app.SetBinding(nullptr);
}

// ---------------------------------------------------------------- keys seen by the form first

class Graph : public Form {
public:
  explicit Graph(Application& app) : Form(app, "Graph")
  {
    SetKeyPreview(true);
    KeyDown = [this](int key, int shift) { log.push_back("Form " + std::to_string(key) + "/" + std::to_string(shift)); };
    Text1.KeyDown = [this](int key, int) { log.push_back("Text1 " + std::to_string(key)); };
  }
  TextBox Text1{*this, "Text1"};
  std::vector<std::string> log;
};

TEST_F(UiTest, KeyPreviewShowsEveryKeyToTheFormBeforeTheControl)
{
  Graph graph(app);
  graph.Show();
  graph.UserKeyDown(vbKeyRight);  // to the form, then the active control, Text1
  graph.Text1.UserKeyDown(vbKeyLeft, vbCtrlMask);
  graph.Text1.SetVisible(false);  // a hidden control takes no keys: only the form sees them
  graph.UserKeyDown(vbKeyUp);
  EXPECT_EQ(graph.log, (std::vector<std::string>{"Form 39/0", "Text1 39", "Form 37/2", "Text1 37", "Form 38/0"}));
}

// ---------------------------------------------------------------- option groups

class Options : public Form {
public:
  explicit Options(Application& app) : Form(app, "Options")
  {
    for (OptionButton* o : {&Option1, &Option2, &Option3, &Option6, &Option7})
      o->Click = [this, o] {
        // The routine sees the group already settled.
        log.push_back(o->Name() + (o->Value() ? "+" : "-") + (Option1.Value() ? "1" : "") +
                      (Option2.Value() ? "2" : "") + (Option3.Value() ? "3" : ""));
      };
  }
  Frame Frame1{*this, "Frame1"};
  OptionButton Option1{Frame1, "Option1"};
  OptionButton Option2{Frame1, "Option2"};
  OptionButton Option3{Frame1, "Option3"};
  Frame Frame2{*this, "Frame2"};
  OptionButton Option6{Frame2, "Option6"};
  OptionButton Option7{Frame2, "Option7"};
  OptionButton Loose{*this, "Loose"};
  std::vector<std::string> log;
};

TEST_F(UiTest, OptionGroupsArePerContainer)
{
  Options form(app);
  EXPECT_FALSE(form.Option1.Value() || form.Option2.Value() || form.Option3.Value());  // none selected at first
  form.Option1.SetValue(true);
  form.Option6.SetValue(true);
  form.Loose.SetValue(true);
  form.Option2.SetValue(true);
  EXPECT_FALSE(form.Option1.Value());
  EXPECT_TRUE(form.Option2.Value());
  EXPECT_TRUE(form.Option6.Value());  // another frame: untouched
  EXPECT_TRUE(form.Loose.Value());    // on the form itself: a group of its own
  EXPECT_EQ(form.log, (std::vector<std::string>{"Option1+1", "Option6+1", "Option2+2"}));
}

TEST_F(UiTest, SelectingFromCodeRunsTheClickRoutineAndClearingRunsNothing)
{
  Options form(app);
  form.Option3.SetValue(true);
  form.Option3.SetValue(true);  // selected again: the routine runs again, as a click would
  form.Option3.SetValue(false);  // the silent clear
  EXPECT_FALSE(form.Option3.Value());
  EXPECT_EQ(form.log, (std::vector<std::string>{"Option3+3", "Option3+3"}));
  form.Show();
  form.Option1.UserClick();
  EXPECT_EQ(form.log.back(), "Option1+1");
  EXPECT_EQ(form.ActiveControl(), &form.Option1);
}

TEST_F(UiTest, OptionsInADisabledFrameCannotBeClicked)
{
  Options form(app);
  form.Show();
  form.Frame1.SetEnabled(false);
  EXPECT_THROW(form.Option1.UserClick(), std::logic_error);
  EXPECT_FALSE(form.Option1.Reachable());
  form.Option1.SetValue(true);  // code still can
  EXPECT_TRUE(form.Option1.Value());
}

// ---------------------------------------------------------------- check boxes

TEST_F(UiTest, CheckBoxClickRunsOnChangesOnly)
{
  Options host(app);
  CheckBox check{host, "Check1"};
  int clicks = 0;
  check.Click = [&clicks] { ++clicks; };
  check.SetValue(vbChecked);
  check.SetValue(vbChecked);
  EXPECT_EQ(clicks, 1);
  EXPECT_THROW(check.SetValue(3), std::invalid_argument);
  host.Show();
  check.UserClick();
  EXPECT_EQ(check.Value(), vbUnchecked);
  check.SetValue(vbGrayed);
  check.UserClick();
  EXPECT_EQ(check.Value(), vbChecked);
  EXPECT_EQ(clicks, 4);
}

}  // namespace
}  // namespace vorn::ui
