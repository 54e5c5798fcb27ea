// Jumps to sibling screens, returns, ticks and the index bookmark.
#include "engine/interpreter.h"
#include "engine/navigation_course.h"
#include "engine/player.h"

namespace vintara::test {
namespace {

using Jumps = NavigationTest;

// The hub's jump regions: Cell, Lamp, Switch (after the template's).
constexpr int kToCell = kTemplateForward + 1, kToLamp = kTemplateForward + 2,
              kToSwitch = kTemplateForward + 3;

const TickSlot* slotOf(Player& p, int screen) {
  for (const TickSlot& s : p.jumps.tickSlots)
    if (s.screen == screen) return &s;
  return nullptr;
}

int centreX(Player& p, int region) {
  return (p.regions.nav[size_t(region)].left + p.regions.nav[size_t(region)].right) / 2;
}
int centreY(Player& p, int region) {
  return (p.regions.nav[size_t(region)].top + p.regions.nav[size_t(region)].bottom) / 2;
}

TEST_F(Jumps, JumpRegionsAreDeclaredWithATickSlot) {
  show(kHub, true);
  EXPECT_EQ(p().regions.nav[kToCell].kind, kJumpRegion);
  EXPECT_EQ(p().regions.nav[kToCell].target, "Cell");
  EXPECT_EQ(p().jumps.hotspotJumpCount, 3);
  const TickSlot* slot = slotOf(p(), kHub);
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(slot->count, 0);
}

TEST_F(Jumps, AJumpAndAReturnLineTickTheRegionThatWasClicked) {
  show(kHub, true);
  click(centreX(p(), kToCell), centreY(p(), kToCell));
  EXPECT_EQ(p().engine.currentScreen, kCell);
  EXPECT_EQ(p().jumps.returnDepth, 1);
  EXPECT_EQ(p().jumps.returnScreen, kHub);
  EXPECT_EQ(p().jumps.jumpRegion, kToCell);
  EXPECT_TRUE(p().nav.useTemplate);  // the sibling has the same template

  // Cell stopped at its repeat; Forward goes on to its return line.
  executeGoForward(p(), 0);
  EXPECT_EQ(p().engine.currentScreen, kHub);
  EXPECT_EQ(p().jumps.returnDepth, 0);
  EXPECT_TRUE(p().run.returnReplay);
  const TickSlot* slot = slotOf(p(), kHub);
  ASSERT_NE(slot, nullptr);
  EXPECT_TRUE(slot->ticked[kToCell]);
  EXPECT_EQ(slot->count, 1);
  EXPECT_EQ(p().jumps.hotspotJumpCount, 3);  // declared again when the hub came back
  EXPECT_EQ(trace.count("tick on region " + std::to_string(kToCell)), 1);  // the tick drawn
  EXPECT_EQ(trace.count("tick on region"), 1);
}

TEST_F(Jumps, BackAfterAJumpReturnsAndTicksOnlyWithAReturnLineAhead) {
  struct Case {
    int region;
    int target;
    bool ticked;
  };
  // Cell stopped before its "@onforwardreturn"; Lamp's script has ended.
  for (Case c : {Case{kToCell, kCell, true}, Case{kToLamp, kLamp, false}}) {
    SetUp();
    show(kHub, true);
    click(centreX(p(), c.region), centreY(p(), c.region));
    ASSERT_EQ(p().engine.currentScreen, c.target);
    executeGoBack(p(), kTemplateBack);
    EXPECT_EQ(p().engine.currentScreen, kHub);
    EXPECT_EQ(p().jumps.returnDepth, 0);
    EXPECT_EQ(slotOf(p(), kHub)->ticked[size_t(c.region)], c.ticked);
  }
}

TEST_F(Jumps, ReturnWithNoOpenJumpOnlyEndsTheRun) {
  showScript(kHub, "Before\n@return\nAfter\n");
  EXPECT_EQ(p().engine.currentScreen, kHub);
  EXPECT_EQ(p().text.textHistory.back().text, "Before");
}

TEST_F(Jumps, EveryJumpVisitedMakesTheVisitCountReachTheDeclaredCount) {
  // Switch returns at once with its tick; Cell and Lamp through Back.
  show(kHub, true);
  click(centreX(p(), kToSwitch), centreY(p(), kToSwitch));
  EXPECT_EQ(p().engine.currentScreen, kHub);
  click(centreX(p(), kToCell), centreY(p(), kToCell));
  executeGoForward(p(), 0);  // on to Cell's return line
  click(centreX(p(), kToLamp), centreY(p(), kToLamp));
  executeGoBack(p(), kTemplateBack);  // Lamp has no return line: no tick
  ASSERT_EQ(p().engine.currentScreen, kHub);
  const TickSlot* slot = slotOf(p(), kHub);
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(slot->count, 2);
  EXPECT_LT(slot->count, p().jumps.hotspotJumpCount);
  EXPECT_TRUE(slot->ticked[kToSwitch]);
  EXPECT_TRUE(slot->ticked[kToCell]);

  // The tick Lamp lacks comes from a return line reached after a jump.
  p().jumps.jumpOrigin = kHub;
  p().jumps.jumpRegion = kToLamp;
  recordTick(p());
  EXPECT_EQ(slotOf(p(), kHub)->count, p().jumps.hotspotJumpCount);  // the case blocks' "all": 99
  recordTick(p());
  EXPECT_EQ(slotOf(p(), kHub)->count, 3);  // counted once
}

TEST_F(Jumps, OnForwardGotoJumpsOnlyAfterForward) {
  showScript(kHub, "@onforwardgoto Lamp\n@repeat\n@onforwardgoto Lamp\n");
  EXPECT_EQ(p().engine.currentScreen, kHub);
  executeGoForward(p(), 0);
  EXPECT_EQ(p().engine.currentScreen, kLamp);
  EXPECT_EQ(p().jumps.returnDepth, 1);
  executeGoBack(p(), kTemplateBack);  // Back undoes the jump
  EXPECT_EQ(p().engine.currentScreen, kHub);
}

TEST_F(Jumps, AJumpToANameNoSiblingHasChangesNothing) {
  showScript(kHub, "@goforward 10,10,20,20,Nowhere\n");
  const int region = p().regions.navCount;
  click(centreX(p(), region), centreY(p(), region));
  EXPECT_EQ(p().engine.currentScreen, kHub);
  EXPECT_EQ(p().jumps.returnDepth, 0);
  ASSERT_EQ(platform().messages.size(), 1u);
  EXPECT_NE(platform().messages[0].text.find("nowhere"), std::string::npos);
}

TEST_F(Jumps, MovingUpTheTreeForgetsTheHistoryAndTheTicks) {
  show(kHub, true);
  click(centreX(p(), kToCell), centreY(p(), kToCell));
  executeGoBack(p(), kTemplateBack);
  ASSERT_TRUE(slotOf(p(), kHub));
  p().regions.nav[20].target = "1";
  executeGoBack(p(), 20);
  EXPECT_EQ(p().jumps.returnDepth, 0);
  EXPECT_EQ(slotOf(p(), kHub), nullptr);
}

TEST_F(Jumps, ReplaceTickNamesTheTickPictureOfARegion) {
  show(kHub, true);
  runScriptLine(p(), "@replacetick 2,star.bmp");
  EXPECT_EQ(p().jumps.tickPictures[2], "star.bmp");
  runScriptLine(p(), "@replacetick 11,star.bmp");
  EXPECT_EQ(platform().messages.size(), 1u);  // outside 0 to 10: a script error
}

TEST_F(Jumps, TheBookmarkBringsBackTheScreenAndTheRecord) {
  show(kA2, true);
  p().pupil.tierLetter = "H";
  saveIndexData(p());
  EXPECT_EQ(p().menu(MenuItem::UtilIndex).caption, "&Return to bookmark");

  show(kMain, false);
  p().pupil.tierLetter = "F";
  runProgram(p(), crlf("@goback 10,10,20,20,103\n"));  // an index button on the main menu
  executeGoBack(p(), 1);
  EXPECT_EQ(p().engine.currentScreen, kA2);
  EXPECT_EQ(p().pupil.tierLetter, "H");
  EXPECT_EQ(p().jumps.bookmarkScreen, 0);
  EXPECT_EQ(p().nav.templateRegionCount, kTemplateForward);  // shown with its template
  EXPECT_EQ(p().menu(MenuItem::UtilIndex).caption, "&Index");
  EXPECT_EQ(p().shell.inputBlocked, 0);
}

TEST_F(Jumps, ABookmarkChangesTheIndexButtonsHoverPicture) {
  show(kA2, true);
  EXPECT_EQ(p().regions.nav[4].picture, "*indtover.bmp");
  saveIndexData(p());
  show(kA1, true);
  EXPECT_EQ(p().regions.nav[4].picture, "*retrnovr.bmp");
}

}  // namespace
}  // namespace vintara::test
