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

// A form that logs its events and has an Enter chain firstBox -> secondBox -> firstButton.
class Entry : public Form {
public:
  explicit Entry(Application& app) : Form(app, "Entry")
  {
    for (Control* c : std::vector<Control*>{&firstBox, &secondBox, &thirdBox, &firstButton, &secondButton}) {
      c->GotFocus = [this, c] { log.push_back(c->Name() + ".GotFocus"); };
      c->LostFocus = [this, c] { log.push_back(c->Name() + ".LostFocus"); };
      c->Click = [this, c] { log.push_back(c->Name() + ".Click"); };
    }
    firstBox.KeyDown = [this](int key, int) {
      log.push_back("Text1.KeyDown " + std::to_string(key));
      if (key == vbKeyReturn) secondBox.SetFocus();
    };
    secondBox.KeyDown = [this](int key, int) {
      if (key == vbKeyReturn) firstButton.SetFocus();
    };
    firstBox.KeyPress = [this](int ascii) { log.push_back("Text1.KeyPress " + std::to_string(ascii)); };
    secondBox.LostFocus = [this] {
      log.push_back("Text2.LostFocus");
      stored = secondBox.Text();
    };
    firstBox.Change = [this] { log.push_back("Text1.Change"); };
  }
  TextBox firstBox{*this, "Text1"};
  TextBox secondBox{*this, "Text2"};
  TextBox thirdBox{*this, "Text3"};
  CommandButton firstButton{*this, "Command1"};
  CommandButton secondButton{*this, "Command2"};
  Label plainCaption{*this, "Label1"};
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
  form.thirdBox.SetTabIndex(0);  // before firstBox (0 too, but declared earlier)...
  form.firstBox.SetTabIndex(4);  // ...now after it
  form.secondBox.SetTabStop(false);
  form.Show();
  EXPECT_EQ(form.ActiveControl(), &form.thirdBox);
  EXPECT_EQ(form.log, (std::vector<std::string>{"Text3.GotFocus"}));
  form.Hide();
  form.Show();  // shown again: the focus stays where it was
  EXPECT_EQ(form.log.size(), 1u);
}

TEST_F(FocusTest, MovingTheFocusFiresLostFocusOfTheOldControlThenGotFocus)
{
  form.firstBox.SetFocus();
  form.log.clear();
  form.thirdBox.SetFocus();
  EXPECT_EQ(form.log, (std::vector<std::string>{"Text1.LostFocus", "Text3.GotFocus"}));
  EXPECT_EQ(form.ActiveControl(), &form.thirdBox);
  EXPECT_TRUE(form.thirdBox.HasFocus());
  form.log.clear();
  form.thirdBox.SetFocus();  // already there: nothing
  EXPECT_TRUE(form.log.empty());
}

TEST_F(FocusTest, FocusCannotGoToDisabledHiddenOrFocuslessControls)
{
  form.firstBox.SetFocus();
  form.secondBox.SetEnabled(false);
  form.secondBox.SetFocus();
  form.thirdBox.SetVisible(false);
  form.thirdBox.SetFocus();
  form.plainCaption.SetFocus();
  EXPECT_EQ(form.ActiveControl(), &form.firstBox);
}

TEST_F(FocusTest, EnterWalksTheChainAndLeavingABoxStoresIt)
{
  form.secondBox.SetText("0.05");
  form.firstBox.UserKeyDown(vbKeyReturn);
  EXPECT_EQ(form.ActiveControl(), &form.secondBox);
  form.secondBox.UserType("0.1");
  EXPECT_EQ(form.stored, "");  // typing alone stores nothing
  form.secondBox.UserKeyDown(vbKeyReturn);
  EXPECT_EQ(form.ActiveControl(), &form.firstButton);
  EXPECT_EQ(form.stored, "0.1");
  EXPECT_TRUE(form.log.back() == "Command1.GotFocus");
  // Enter on the last box only moves the focus: the button is not pressed.
  EXPECT_EQ(std::count(form.log.begin(), form.log.end(), "Command1.Click"), 0);
}

TEST_F(FocusTest, AKeyGoesToKeyDownThenKeyPress)
{
  form.firstBox.UserKeyDown(vbKeyA, vbShiftMask);
  form.firstBox.UserKeyDown(vbKeyLeft);
  EXPECT_EQ(form.log, (std::vector<std::string>{"Text1.KeyDown 65", "Text1.KeyPress 65", "Text1.KeyDown 37"}));
  EXPECT_EQ(KeyCharacter(vbKeyA, 0), 'a');
  EXPECT_EQ(KeyCharacter(vbKeyReturn, 0), 13);
  EXPECT_EQ(KeyCharacter(vbKeyNumpad0 + 7, 0), '7');
  EXPECT_EQ(KeyCharacter(vbKeyF1, 0), 0);
}

TEST_F(FocusTest, ClickingAButtonLeavesTheBoxFirst)
{
  form.secondBox.UserType("80");
  form.log.clear();
  form.secondButton.UserClick();
  EXPECT_EQ(form.log,
            (std::vector<std::string>{"Text2.LostFocus", "Command2.GotFocus", "Command2.Click"}));
  EXPECT_EQ(form.stored, "80");
}

TEST_F(FocusTest, EnterPressesTheDefaultButtonAndEscapeTheCancelButton)
{
  form.SetDefaultButton(form.firstButton);
  form.SetCancelButton(form.secondButton);
  auto clicks = [this](const char* entry) { return std::count(form.log.begin(), form.log.end(), entry); };
  // A box without an Enter chain: Enter presses the default as a click would,
  // leaving the box first.
  form.thirdBox.UserKeyDown(vbKeyReturn);
  EXPECT_EQ(form.log, (std::vector<std::string>{"Text1.LostFocus", "Text3.GotFocus", "Text3.LostFocus",
                                                "Command1.GotFocus", "Command1.Click"}));
  // A box's Enter chain keeps the key.
  form.log.clear();
  form.firstBox.UserKeyDown(vbKeyReturn);
  EXPECT_EQ(form.ActiveControl(), &form.secondBox);
  EXPECT_EQ(clicks("Command1.Click"), 0);
  // Escape presses the cancel button wherever the focus is; the box is stored.
  form.secondBox.UserType("80");
  form.secondBox.UserKeyDown(vbKeyEscape);
  EXPECT_EQ(form.stored, "80");
  EXPECT_EQ(clicks("Command2.Click"), 1);
  // A focused button is Enter's own (the window presses it), and a disabled
  // default leaves Enter to the box.
  form.log.clear();
  form.secondButton.UserKeyDown(vbKeyReturn);
  form.firstButton.SetEnabled(false);
  form.thirdBox.UserKeyDown(vbKeyReturn);
  form.thirdBox.UserKeyDown(vbKeyReturn, vbShiftMask);
  EXPECT_EQ(clicks("Command1.Click") + clicks("Command2.Click"), 0);
  EXPECT_EQ(form.ActiveControl(), &form.thirdBox);
  Entry other(app);
  EXPECT_THROW(other.SetCancelButton(form.secondButton), std::invalid_argument);
}

TEST_F(FocusTest, ALostFocusRoutineThatMovesTheFocusWins)
{
  form.firstBox.LostFocus = [this] { form.thirdBox.SetFocus(); };
  form.firstBox.SetFocus();
  form.log.clear();
  form.secondBox.SetFocus();
  EXPECT_EQ(form.ActiveControl(), &form.thirdBox);
  // secondBox got the focus only for the moment of firstBox's LostFocus.
  EXPECT_EQ(std::count(form.log.begin(), form.log.end(), "Text2.GotFocus"), 0);
}

TEST_F(FocusTest, TextFromCodeRaisesChangeOnlyWhenItDiffers)
{
  form.firstBox.SetText("75");
  form.firstBox.SetText("75");
  EXPECT_EQ(std::count(form.log.begin(), form.log.end(), "Text1.Change"), 1);
}

TEST_F(FocusTest, TheUserCannotReachHiddenDisabledOrLockedControls)
{
  form.firstButton.SetEnabled(false);
  EXPECT_THROW(form.firstButton.UserClick(), std::logic_error);
  form.thirdBox.SetLocked(true);
  EXPECT_THROW(form.thirdBox.UserType("x"), std::logic_error);
  form.Hide();
  EXPECT_THROW(form.firstBox.UserClick(), std::logic_error);
  EXPECT_THROW(form.UserKeyDown(vbKeyReturn), std::logic_error);
  EXPECT_TRUE(form.log.empty());
}

TEST_F(FocusTest, TheBindingHearsOfFocusAndPropertyChangesOnce)
{
  testing::RecordingBinding binding;
  app.SetBinding(&binding);
  form.thirdBox.SetFocus();
  form.plainCaption.SetCaption("x");
  form.plainCaption.SetCaption("x");
  form.firstButton.SetEnabled(false);
  form.firstButton.SetEnabled(false);
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
    readOutBox.KeyDown = [this](int key, int) { log.push_back("Text1 " + std::to_string(key)); };
  }
  TextBox readOutBox{*this, "Text1"};
  std::vector<std::string> log;
};

TEST_F(UiTest, KeyPreviewShowsEveryKeyToTheFormBeforeTheControl)
{
  Graph graph(app);
  graph.Show();
  graph.UserKeyDown(vbKeyRight);  // to the form, then the active control, readOutBox
  graph.readOutBox.UserKeyDown(vbKeyLeft, vbCtrlMask);
  graph.readOutBox.SetVisible(false);  // a hidden control takes no keys: only the form sees them
  graph.UserKeyDown(vbKeyUp);
  EXPECT_EQ(graph.log, (std::vector<std::string>{"Form 39/0", "Text1 39", "Form 37/2", "Text1 37", "Form 38/0"}));
}

// ---------------------------------------------------------------- option groups

class Options : public Form {
public:
  explicit Options(Application& app) : Form(app, "Options")
  {
    for (OptionButton* o :
         {&upperFirstOption, &upperSecondOption, &upperThirdOption, &lowerFirstOption, &lowerSecondOption})
      o->Click = [this, o] {
        // The routine sees the group already settled.
        log.push_back(o->Name() + (o->Value() ? "+" : "-") + (upperFirstOption.Value() ? "1" : "") +
                      (upperSecondOption.Value() ? "2" : "") + (upperThirdOption.Value() ? "3" : ""));
      };
  }
  Frame upperFrame{*this, "Frame1"};
  OptionButton upperFirstOption{upperFrame, "Option1"};
  OptionButton upperSecondOption{upperFrame, "Option2"};
  OptionButton upperThirdOption{upperFrame, "Option3"};
  Frame lowerFrame{*this, "Frame2"};
  OptionButton lowerFirstOption{lowerFrame, "Option6"};
  OptionButton lowerSecondOption{lowerFrame, "Option7"};
  OptionButton Loose{*this, "Loose"};
  std::vector<std::string> log;
};

TEST_F(UiTest, OptionGroupsArePerContainer)
{
  Options form(app);
  EXPECT_FALSE(form.upperFirstOption.Value() || form.upperSecondOption.Value() ||
               form.upperThirdOption.Value());  // none selected at first
  form.upperFirstOption.SetValue(true);
  form.lowerFirstOption.SetValue(true);
  form.Loose.SetValue(true);
  form.upperSecondOption.SetValue(true);
  EXPECT_FALSE(form.upperFirstOption.Value());
  EXPECT_TRUE(form.upperSecondOption.Value());
  EXPECT_TRUE(form.lowerFirstOption.Value());  // another frame: untouched
  EXPECT_TRUE(form.Loose.Value());    // on the form itself: a group of its own
  EXPECT_EQ(form.log, (std::vector<std::string>{"Option1+1", "Option6+1", "Option2+2"}));
}

TEST_F(UiTest, SelectingFromCodeRunsTheClickRoutineAndClearingRunsNothing)
{
  Options form(app);
  form.upperThirdOption.SetValue(true);
  form.upperThirdOption.SetValue(true);  // selected again: the routine runs again, as a click would
  form.upperThirdOption.SetValue(false);  // the silent clear
  EXPECT_FALSE(form.upperThirdOption.Value());
  EXPECT_EQ(form.log, (std::vector<std::string>{"Option3+3", "Option3+3"}));
  form.Show();
  form.upperFirstOption.UserClick();
  EXPECT_EQ(form.log.back(), "Option1+1");
  EXPECT_EQ(form.ActiveControl(), &form.upperFirstOption);
}

TEST_F(UiTest, OptionsInADisabledFrameCannotBeClicked)
{
  Options form(app);
  form.Show();
  form.upperFrame.SetEnabled(false);
  EXPECT_THROW(form.upperFirstOption.UserClick(), std::logic_error);
  EXPECT_FALSE(form.upperFirstOption.Reachable());
  form.upperFirstOption.SetValue(true);  // code still can
  EXPECT_TRUE(form.upperFirstOption.Value());
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
