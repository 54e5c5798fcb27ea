// Screens and navigation: the tree moves of Forward and Back, the bottom
// bar, templates, stopped scripts, covers, printing and leaving.
#include <filesystem>
#include <fstream>

#include "engine/interpreter.h"
#include "engine/navigation_course.h"
#include "engine/player.h"

namespace vintara::test {
namespace {

using Nav = NavigationTest;

struct MoveCase {
  const char* name;
  int from;
  bool withTemplate;
  bool forward;
  const char* target;
  int to;
  bool templateRan;  // the new screen was drawn over its menu's template
};

TEST_F(Nav, ForwardAndBackFollowTheCourseTree) {
  const MoveCase cases[] = {
      {"main menu choice 1 opens the area", kMain, false, true, "1", kAreaOne, false},
      {"a topic whose first child is a screen opens that screen", kAreaOne, false, true, "1", kA1, true},
      {"a first child captioned The Game has no template", kAreaOne, false, true, "2", kTheGame, false},
      {"target 0 goes to the next sibling", kA1, true, true, "0", kA2, true},
      {"the last template leaf returns to the branch's parent", kA3, true, true, "0", kAreaOne, false},
      {"a last child without template returns to its branch", kSubB, false, true, "0", kTopicB, false},
      {"after The Game the next leaf has its template", kTheGame, false, true, "0", kB2, true},
      {"a Forward to a child the node does not have stays", kA1, true, true, "3", kA1, true},
      {"Back 0 on a first template leaf goes to the grandparent", kA1, true, false, "0", kAreaOne, false},
      {"Back 0 on a first child without template goes to the parent", kTopicA, false, false, "0", kAreaOne, false},
      {"Back 0 on a later child goes to the previous sibling", kA2, true, false, "0", kA1, true},
      {"Back 3 from a template leaf climbs four levels", kB1, true, false, "3", kMain, false},
      {"Back 65 does nothing", kA2, true, false, "65", kA2, true},
      {"Back 100 goes to the main menu", kA2, true, false, "100", kMain, false},
  };
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    show(c.from, c.withTemplate);
    const int entered = trace.count("screen ");
    p().regions.nav[20].target = c.target;
    if (c.forward)
      executeGoForward(p(), 20);
    else
      executeGoBack(p(), 20);
    EXPECT_EQ(p().engine.currentScreen, c.to);
    EXPECT_EQ(p().nav.templateRegionCount == kTemplateForward, c.templateRan);
    const bool moved = c.to != c.from || std::string(c.target) == "100";
    EXPECT_EQ(trace.count("screen "), entered + (moved ? 1 : 0));
  }
}

TEST_F(Nav, TheBottomBarIsOnEveryScreenButTheMainMenu) {
  show(kMain, false);
  EXPECT_EQ(p().regions.navCount, 2);  // the main menu's own two choices
  EXPECT_EQ(p().regions.nav[1].kind, kForwardRegion);
  EXPECT_TRUE(p().gadgets.helpPairs.empty());

  show(kA2, true);
  const char* targets[] = {"100", "101", "102", "103", "105"};
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(p().regions.nav[size_t(i)].kind, kBackRegion) << i;
    EXPECT_EQ(p().regions.nav[size_t(i)].target, targets[i - 1]) << i;
  }
  EXPECT_EQ(p().regions.nav[5].left, 455);
  EXPECT_EQ(p().regions.nav[4].left, 556);  // "556 ,407": the blank is dropped
  EXPECT_EQ(p().regions.nav[4].picture, "*indtover.bmp");
  const std::vector<std::pair<int, int>> barHelp = {{1100, 109}, {1101, 110}, {1102, 111},
                                                    {1105, 112}, {1103, 113}, {1110, 117}};
  EXPECT_EQ(p().gadgets.helpPairs, barHelp);
}

TEST_F(Nav, ALeafRunsItsMenuAsTemplateFirst) {
  showScript(kA2, "@goforward 10,10,20,20,0\n");
  EXPECT_EQ(p().nav.templateRegionCount, kTemplateForward);
  EXPECT_EQ(p().regions.navCount, kTemplateForward + 1);
  EXPECT_EQ(p().regions.nav[kTemplateBack].kind, kBackRegion);
  EXPECT_EQ(p().regions.nav[kTemplateForward].kind, kForwardRegion);
  EXPECT_EQ(p().regions.nav[kTemplateForward].disabledPicture, "forwna.bmp");
  EXPECT_EQ(p().regions.nav[kTemplateForward + 1].left, 10);
  EXPECT_TRUE(p().nav.useTemplate);

  show(kTheGame, false);
  EXPECT_EQ(p().regions.navCount, 5);  // the bar only: no template
}

TEST_F(Nav, ForwardContinuesAStoppedScriptAndThenMovesOn) {
  showScript(kA1, "Before\n@repeat\nAfter\n");
  ASSERT_LT(p().engine.scriptPos, p().engine.scriptEnd);
  const size_t lines = p().text.textHistory.size();
  executeGoForward(p(), kTemplateForward, true);
  EXPECT_EQ(p().engine.currentScreen, kA1);
  EXPECT_EQ(p().text.textHistory.size(), lines + 1);
  EXPECT_EQ(p().text.textHistory.back().text, "After");
  executeGoForward(p(), kTemplateForward, true);
  EXPECT_EQ(p().engine.currentScreen, kA2);
}

TEST_F(Nav, TheTemplatesForwardTakesOnForwardNextScreenOn) {
  // A region of the leaf itself continues the script; the template's
  // Forward makes "onforwardnextscreen" move on.
  showScript(kA1, "@goforward 10,10,20,20,0\n@repeat\n@onforwardnextscreen\nStill here\n@repeat\n");
  executeGoForward(p(), kTemplateForward + 1, true);
  EXPECT_EQ(p().engine.currentScreen, kA1);
  EXPECT_EQ(p().text.textHistory.back().text, "Still here");

  showScript(kA1, "@repeat\n@onforwardnextscreen\nNot shown\n");
  executeGoForward(p(), kTemplateForward, true);
  EXPECT_EQ(p().engine.currentScreen, kA2);
}

TEST_F(Nav, OnlyThisForwardDecidesWhetherTheTemplatesForwardWasPressed) {
  // The template's Forward continues past the first stop, and that run ends
  // early at the second. The leaf's own region then continues the script
  // again: for it, "onforwardnextscreen" stays on the screen.
  showScript(kA1,
             "@goforward 10,10,20,20,0\n@repeat\nFirst\n@repeat\n@onforwardnextscreen\n"
             "Still here\n@repeat\n");
  executeGoForward(p(), kTemplateForward, true);
  EXPECT_EQ(p().text.textHistory.back().text, "First");
  executeGoForward(p(), kTemplateForward + 1, true);
  EXPECT_EQ(p().engine.currentScreen, kA1);
  EXPECT_EQ(p().text.textHistory.back().text, "Still here");
}

TEST_F(Nav, NextScreenAndOneParameterGoForward) {
  showScript(kA1, "One\n@nextscreen\nTwo\n@repeat\n");
  EXPECT_EQ(p().engine.currentScreen, kA1);  // the same script went on
  EXPECT_EQ(p().text.textHistory.back().text, "Two");

  showScript(kA1, "One\n@nextscreen\n");
  EXPECT_EQ(p().engine.currentScreen, kA2);

  show(kMain, false);
  showScript(kAreaOne, "@GoForward 7\n", false);
  EXPECT_EQ(p().engine.currentScreen, kA1);  // the first child, whatever the 7
}

TEST_F(Nav, BackWithTargetZeroWhileAnswersAreLockedShowsTheScreenAgain) {
  show(kA2, true);
  p().question.answerLocked = true;
  const int entered = trace.count("screen ");
  p().regions.nav[20].target = "0";
  executeGoBack(p(), 20);
  EXPECT_EQ(p().engine.currentScreen, kA2);
  EXPECT_EQ(trace.count("screen "), entered + 1);
  EXPECT_FALSE(p().question.answerLocked);
}

TEST_F(Nav, LeavingAnExamPageAsksFirst) {
  struct Case {
    const char* target;
    Answer answer;
    int to;
    const char* question;
  };
  const Case cases[] = {
      {"9000", Answer::No, kA2,
       "Are you sure you want to leave the exam question and return to the exam selection menu?"},
      {"9000", Answer::Yes, kA1,
       "Are you sure you want to leave the exam question and return to the exam selection menu?"},
      {"100", Answer::No, kA2,
       "Are you sure you want to leave the exam question and return to the main menu?"},
      {"100", Answer::Yes, kMain,
       "Are you sure you want to leave the exam question and return to the main menu?"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.target) + (c.answer == Answer::Yes ? " yes" : " no"));
    SetUp();
    show(kA2, true);
    p().nav.examPageMode = true;
    p().nav.engineMode = 11;
    platform().answers = {c.answer};
    p().regions.nav[20].target = c.target;
    executeGoBack(p(), 20);
    ASSERT_EQ(platform().messages.size(), 1u);
    EXPECT_EQ(platform().messages[0].text, c.question);
    EXPECT_EQ(platform().messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(p().engine.currentScreen, c.to);
    EXPECT_EQ(p().nav.examPageMode, c.answer == Answer::No);
  }
}

TEST_F(Nav, TheInvestigationListIsPrinted) {
  struct Case {
    bool cancels, fails;
    std::vector<std::string> messages;
  };
  const Case cases[] = {{true, false, {}},
                        {false, false, {"Printing completed."}},
                        {false, true, {"Failed to print."}}};
  for (const Case& c : cases) {
    SetUp();
    showScript(kA1, "@printicon\n");
    platform().printerCancels = c.cancels;
    platform().printFails = c.fails;
    p().nav.forwardCover = {true, kTemplateForward, 586, 356, 41, 41};
    ASSERT_EQ(p().regions.nav[kTemplateForward + 1].target, "110");
    executeGoBack(p(), kTemplateForward + 1);
    EXPECT_EQ(platform().messageTexts(), c.messages);
    EXPECT_FALSE(p().nav.forwardCover.shown);  // the Forward cover went first
    EXPECT_EQ(p().engine.currentScreen, kA1);
    if (!c.cancels) {
      ASSERT_EQ(platform().printJobs.size(), 1u);
      EXPECT_TRUE(platform().printJobs[0].finished);
      EXPECT_EQ(platform().messages[0].icon, c.fails ? Icon::Error : Icon::Information);
    }
    EXPECT_EQ(p().engine.outputSurface, &p().workArea);
  }
}

TEST_F(Nav, DisableCoversTheFirstRegionWithADisabledPictureAndEnableUncovers) {
  showScript(kA1, "@goforward 10,10,20,20,0,,,own.bmp\n@disable forward\n");
  // The template's Forward comes first and has a disabled picture.
  EXPECT_TRUE(p().nav.forwardCover.shown);
  EXPECT_EQ(p().nav.forwardCover.region, kTemplateForward);
  EXPECT_TRUE(p().regions.nav[kTemplateForward].disabled);
  EXPECT_FALSE(p().regions.nav[kTemplateForward + 1].disabled);
  // A covered button cannot be pressed.
  click(600, 370);
  EXPECT_EQ(p().engine.currentScreen, kA1);

  runScriptLine(p(), "@enable forward");
  EXPECT_FALSE(p().nav.forwardCover.shown);
  click(600, 370);
  EXPECT_EQ(p().engine.currentScreen, kA2);

  // Back regions without a disabled picture are never covered.
  showScript(kA1, "@disabled back\n");
  EXPECT_FALSE(p().nav.backCover.shown);
  EXPECT_FALSE(p().regions.nav[kTemplateBack].disabled);
}

TEST_F(Nav, AMissingDisabledPictureAsksForTheCd) {
  show(kA1, true);
  platform().imageLoader = nullptr;
  platform().answers = {Answer::Retry, Answer::Cancel};
  EXPECT_THROW(runScriptLine(p(), "@disable forward"), ProgramExit);
  ASSERT_EQ(platform().messages.size(), 2u);
  EXPECT_EQ(platform().messages[0].text,
            "Failed to load forwna.bmp. Please ensure the CD is in the drive and is free of errors.");
  EXPECT_EQ(platform().messages[0].buttons, Buttons::RetryCancel);
  EXPECT_EQ(platform().exitCode, 1);
}

TEST_F(Nav, RerunScreenStartsTheScreenAgain) {
  show(kRerun, false);
  const int entered = trace.count("screen ");
  executeGoForward(p(), 0);
  EXPECT_EQ(trace.count("screen "), entered + 1);
  EXPECT_EQ(p().text.textHistory.back().text, "First");
  EXPECT_LT(p().engine.scriptPos, p().engine.scriptEnd);  // stopped at the repeat again
}

TEST_F(Nav, RemoveLastNavigationAndTheLayoutStack) {
  showScript(kA1,
             "@goforward 10,10,20,20,0\n@removelastnavigation\n@goforward 30,10,20,20,0\n"
             "@preserve\n@goforward 50,10,20,20,0\n@goforward 70,10,20,20,0\n@restore\n");
  EXPECT_EQ(p().regions.navCount, kTemplateForward + 1);
  EXPECT_EQ(p().nav.regionCount, p().regions.navCount);
  EXPECT_EQ(p().regions.nav[kTemplateForward + 1].left, 30);
}

TEST_F(Nav, NavSoundMakesTheNextForwardWaitHalfASecond) {
  showScript(kA1, "@navsound\n@repeat\nAfter\n");
  EXPECT_TRUE(p().nav.navSoundPending);
  const uint32_t before = platform().millis();
  executeGoForward(p(), kTemplateForward, true);
  EXPECT_GE(platform().millis() - before, 500u);
  EXPECT_FALSE(p().nav.navSoundPending);
  EXPECT_FALSE(p().shell.waiting);
}

TEST_F(Nav, ReturnToMainMenuFromAScreenGoesToTheMainMenu) {
  show(kA2, true);
  mnuReturn_Click(p());
  EXPECT_EQ(p().engine.currentScreen, kMain);
}

TEST_F(Nav, ReturnToMainMenuOnTheMainMenuLeavesForTheSeriesLauncher) {
  TempDir dir;
  dir.write("bin/.keep", "");
  platform().programDir = dir / "bin";
  show(kMain, false);

  // Without the launcher the program just ends.
  EXPECT_THROW(mnuReturn_Click(p()), ProgramExit);
  EXPECT_TRUE(platform().startedPrograms.empty());
  EXPECT_EQ(platform().exitCode, 0);

  // The launcher is found without regard to case and started with its
  // argument word; events go on for 1.5 seconds before the end.
  const std::string launcher = dir.write("DiVeReDe.EXE", "#!/bin/sh\n");
  const uint32_t before = platform().millis();
  EXPECT_THROW(mnuReturn_Click(p()), ProgramExit);
  ASSERT_EQ(platform().startedPrograms.size(), 1u);
  EXPECT_EQ(platform().startedPrograms[0].first, launcher);
  EXPECT_EQ(platform().startedPrograms[0].second, std::vector<std::string>{kLauncherArgument});
  EXPECT_GE(platform().millis() - before, 1500u);
}

TEST_F(Nav, TheIndexButtonOpensTheIndexUntilForward) {
  show(kA2, true);
  executeGoBack(p(), 4);  // the bar's index button, without a bookmark
  EXPECT_TRUE(p().shell.indexVisible);
  EXPECT_TRUE(p().menu(MenuItem::UtilIndex).checked);
  EXPECT_EQ(p().engine.currentScreen, kA2);
  executeGoForward(p(), kTemplateForward, true);
  EXPECT_FALSE(p().shell.indexVisible);
  EXPECT_FALSE(p().menu(MenuItem::UtilIndex).checked);
}

TEST_F(Nav, AScreenThatStartsItselfForeverIsEnded) {
  show(kLoop, false);
  const auto texts = platform().messageTexts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_NE(texts[0].find("without stopping for the pupil"), std::string::npos);
  EXPECT_EQ(p().run.depth, 0);
}

}  // namespace
}  // namespace vintara::test
