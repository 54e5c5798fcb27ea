// The pointer: hit tests, pressed boxes, hotspots and popups, drags and
// drops, hot words, the dial and the "What's this?" menus.
#include "engine/interpreter.h"
#include "engine/navigation_course.h"
#include "engine/player.h"
#include "output/pointer.h"

namespace vintara::test {
namespace {

using Pointer = NavigationTest;

TEST_F(Pointer, RegionsAreStrictOnXAndInclusiveOnY) {
  // A Back region (target 65: it does nothing) from x 100 to 150, y 100 to 120.
  struct Case {
    int x, y;
    bool hit;
  };
  const Case cases[] = {{101, 100, true},  {149, 120, true},  {125, 110, true}, {100, 110, false},
                        {150, 110, false}, {125, 99, false},  {125, 121, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    SetUp();
    showScript(kA1, "@goback 100,100,50,20,65\n");
    const int region = p().regions.navCount;
    onPointerMove(p(), 0, c.x, c.y);
    EXPECT_EQ(platform().pointer, PointerShape::Arrow);  // targets 50 to 80 show no hand
    click(c.x, c.y);
    EXPECT_EQ(trace.count("back " + std::to_string(region)), c.hit ? 1 : 0);
  }
  SetUp();
  showScript(kA1, "@goback 100,100,50,20,0\n");
  onPointerMove(p(), 0, 101, 120);
  EXPECT_EQ(platform().pointer, PointerShape::Hand);
  onPointerMove(p(), 0, 100, 120);
  EXPECT_EQ(platform().pointer, PointerShape::Arrow);
  // While the program waits, moves are ignored.
  p().shell.waiting = true;
  onPointerMove(p(), 0, 101, 120);
  EXPECT_EQ(platform().pointer, PointerShape::Arrow);
}

TEST_F(Pointer, RegionsFourAndFiveAreDeadOnExamPages) {
  show(kA2, true);
  p().nav.examPageMode = true;
  for (int region : {4, 5}) {
    const NavRegion& r = p().regions.nav[size_t(region)];
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    onPointerMove(p(), 0, x, y);
    EXPECT_EQ(platform().pointer, PointerShape::Arrow) << region;
    click(x, y);
    EXPECT_EQ(trace.count("back " + std::to_string(region)), 0) << region;
  }
  EXPECT_FALSE(p().shell.indexVisible);
  const NavRegion& calculator = p().regions.nav[3];
  onPointerMove(p(), 0, calculator.left + 5, calculator.top + 5);
  EXPECT_EQ(platform().pointer, PointerShape::Hand);
}

TEST_F(Pointer, APressedBoxActsOnlyWhenReleasedInsideIt) {
  struct Case {
    const char* name;
    std::vector<std::pair<int, int>> moves;  // with the left button held
    int release;                             // x of the release (y 105)
    bool acts;
  };
  const Case cases[] = {
      {"press and release inside", {}, 120, true},
      {"move out and release outside", {{300, 105}}, 300, false},
      {"move out and back in", {{300, 105}, {130, 105}}, 130, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    show(kA1, true);
    p().nav.engineMode = 10;  // the exam menu: its boxes are the pupil's choices
    p().regions.answerBoxTable = {AnswerBox{100, 100, 20, 150, 1, 0, 0}};
    onPointerDown(p(), 1, 120, 105);
    EXPECT_EQ(p().regions.pressedBox, 1);
    for (auto [x, y] : c.moves) onPointerMove(p(), 1, x, y);
    EXPECT_EQ(p().regions.pressedBox, c.moves.size() == 1 ? -1 : 1);
    onPointerUp(p(), 1, c.release, 105);
    onClick(p());
    EXPECT_EQ(trace.count("answer box 0"), c.acts ? 1 : 0);
    EXPECT_EQ(p().regions.pressedBox, 0);
  }
}

TEST_F(Pointer, AHotWordIncludesItsBottomEdge) {
  struct Case {
    int x, y;
    bool help;
  };
  const Case cases[] = {{50, 100, true}, {90, 121, true}, {70, 122, false}, {91, 110, false}, {49, 110, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    SetUp();
    show(kA1, true);
    p().text.hotWordTable = {HotWord{50, 100, 40, 21, "current"}};
    click(c.x, c.y);
    EXPECT_EQ(platform().helpTopics, c.help ? std::vector<int>{1234} : std::vector<int>{});
  }
}

TEST_F(Pointer, HotspotBodiesRunOnClickAndAutoMoveOnAfterTheLast) {
  showScript(kA1,
             "@automoveon true\n"
             "@hotspotbegin 100,100,50,50,none\nFirst body\n@hotspotend\n"
             "@hotspotbegin 200,100,50,50,none\nSecond body\n@hotspotend\n"
             "Screen text\n");
  ASSERT_EQ(p().regions.hotspots.size(), 2u);
  EXPECT_EQ(p().text.textHistory.back().text, "Screen text");  // bodies were skipped
  onPointerMove(p(), 0, 120, 120);
  EXPECT_EQ(platform().pointer, PointerShape::Hand);

  click(120, 120);
  EXPECT_EQ(p().text.textHistory.back().text, "First body");
  EXPECT_EQ(p().regions.hotspotsVisited, 1);
  click(120, 120);  // counted once
  EXPECT_EQ(p().regions.hotspotsVisited, 1);
  EXPECT_EQ(p().engine.currentScreen, kA1);

  click(220, 120);  // the last one: the screen moves on by itself
  EXPECT_EQ(p().engine.currentScreen, kA2);
}

TEST_F(Pointer, RepeatWaitsUntilEveryHotspotHasBeenSeen) {
  showScript(kA1,
             "@hotspotbegin 100,100,50,50,none\nBody\n@hotspotend\n"
             "@hotspotbegin 200,100,50,50,none\nBody\n@hotspotend\n"
             "@repeat\nAfter the hotspots\n");
  EXPECT_TRUE(p().nav.forwardCover.shown);
  const int stoppedAt = p().engine.scriptPos;
  click(600, 370);  // the covered Forward button
  EXPECT_EQ(p().engine.scriptPos, stoppedAt);
  click(120, 120);
  EXPECT_TRUE(p().nav.forwardCover.shown);
  click(220, 120);
  EXPECT_FALSE(p().nav.forwardCover.shown);
  EXPECT_EQ(p().text.textHistory.back().text, "After the hotspots");
  EXPECT_EQ(p().engine.currentScreen, kA1);
}

TEST_F(Pointer, HotspotsCanBeSwitchedOff) {
  showScript(kA1, "@hotspotbegin 100,100,50,50,none\nBody\n@hotspotend\n@disable hotspot\n");
  click(120, 120);
  EXPECT_EQ(trace.count("hotspot 0"), 0);
  runScriptLine(p(), "@enable hotspot");
  click(120, 120);
  EXPECT_EQ(trace.count("hotspot 0"), 1);
}

TEST_F(Pointer, AShortHotspotLineIsReported) {
  showScript(kA1, "@hotspotbegin 100,100,50,50\nBody\n@hotspotend\nAfter\n");
  EXPECT_EQ(platform().messageTexts(),
            std::vector<std::string>{"@hotspot requires at least 5 parameters - x,y,w,h,<picture(NONE)>"});
  EXPECT_TRUE(p().regions.hotspots.empty());
  EXPECT_EQ(p().text.textHistory.back().text, "After");
}

TEST_F(Pointer, APopupStaysOpenUntilAClickBesideIt) {
  showScript(kA1, "@popupbegin 100,100,50,50,none\nInside the popup\n@popupend\n");
  click(120, 120);
  EXPECT_TRUE(p().regions.popupOpen);
  EXPECT_EQ(p().text.textHistory.back().text, "Inside the popup");
  // Navigation waits while the popup is open; a click beside it closes it.
  click(600, 370);
  EXPECT_EQ(p().engine.currentScreen, kA1);
  EXPECT_FALSE(p().regions.popupOpen);
  click(600, 370);
  EXPECT_EQ(p().engine.currentScreen, kA2);
}

TEST_F(Pointer, ClicksOnTheShownPopupPanelUseThePanelsPixels) {
  show(kA1, true);
  p().popup.visible = true;
  p().popup.placement = {300, 50, 200, 150};
  p().regions.popupOpen = true;
  p().regions.answerBoxTable = {AnswerBox{10, 10, 20, 80, 1, 0, 0}};
  onPointerDown(p(), 1, 320, 65);  // (20, 15) on the panel
  EXPECT_EQ(p().regions.pressedBox, 1);
  onPointerUp(p(), 1, 320, 65);
  onClick(p());
  EXPECT_FALSE(p().regions.popupOpen);  // the panel's box closes the popup
  EXPECT_FALSE(p().popup.visible);
}

TEST_F(Pointer, DragItemsGoOnlyToTheirOwnDropAreas) {
  showScript(kA1,
             "@droparea 100,300,60,40\n@droparea 200,300,60,40\n"
             "@dragdropitem 100,100,40,40,a.bmp,a2.bmp,a3.bmp,2\n"
             "@dragdropitem 200,100,40,40,b.bmp,b2.bmp,b3.bmp,1\n");
  auto drag = [&](int x0, int y0, int x1, int y1) {
    onPointerDown(p(), 1, x0, y0);
    onPointerMove(p(), 1, x0 + 5, y0);
    onDrop(p(), x1, y1);
    onDragFinished(p());
  };
  drag(120, 120, 130, 320);  // item 0 onto area 1: not its own
  EXPECT_EQ(p().regions.dragItemsPlaced, 0);
  EXPECT_EQ(platform().drags.size(), 1u);
  EXPECT_EQ(platform().drags[0].kind, kDragItemPayload);
  drag(120, 120, 100, 320);  // on the area's left edge: outside (strict)
  EXPECT_EQ(p().regions.dragItemsPlaced, 0);
  drag(120, 120, 230, 320);
  EXPECT_EQ(p().regions.dragItemsPlaced, 1);
  EXPECT_EQ(p().regions.dragItems[0].flag, 0);
  drag(120, 120, 230, 320);  // a placed item does not move again
  EXPECT_EQ(p().regions.dragItemsPlaced, 1);
  EXPECT_EQ(p().engine.currentScreen, kA1);
  drag(220, 120, 130, 320);  // the last item: Forward follows
  EXPECT_EQ(p().engine.currentScreen, kA2);
  EXPECT_EQ(p().regions.drag.kind, 0);
}

// Word placement: words in boxes 0 and 1, empty targets 2 and 3.
void setUpWordPlacement(Player& p) {
  auto& h = p.text.textHistory;
  h = {{0, 0, "#oapple", 0}, {0, 0, "#opear", 0}, {0, 0, "#o#b #b", 0}, {0, 0, "#o", 0}};
  p.regions.answerBoxTable = {AnswerBox{10, 10, 20, 60, 1, -1, 0}, AnswerBox{10, 40, 20, 60, 2, -1, 0},
                              AnswerBox{200, 10, 20, 60, 3, 0, 0}, AnswerBox{200, 40, 24, 60, 4, 0, 0}};
  p.question.questionType = 100;
  p.question.firstTargetBox = 2;
}

TEST_F(Pointer, AWordDraggedOntoATargetFillsIt) {
  show(kA1, true);
  setUpWordPlacement(p());
  p().question.capitaliseTarget[1] = true;
  onPointerDown(p(), 1, 20, 15);
  EXPECT_EQ(p().regions.drag.kind, 101);
  EXPECT_EQ(p().regions.drag.text, "#oapple");
  onPointerMove(p(), 1, 30, 15);
  ASSERT_EQ(platform().drags.size(), 1u);
  onDrop(p(), 260, 30);  // the bottom-right corner of box 2 counts
  EXPECT_EQ(p().text.textHistory[2].text, "#oApple");
  EXPECT_EQ(p().regions.answerBoxTable[2].state, 1);
  EXPECT_EQ(p().regions.drag.kind, 0);

  // A target of another height takes no word.
  onPointerDown(p(), 1, 20, 45);
  onPointerMove(p(), 1, 30, 45);
  onDrop(p(), 220, 50);
  EXPECT_EQ(p().text.textHistory[3].text, "#o");
  EXPECT_EQ(p().regions.answerBoxTable[3].state, 0);
}

TEST_F(Pointer, WordsSwapPlacesWhenEveryBoxHoldsOne) {
  show(kA1, true);
  setUpWordPlacement(p());
  p().question.firstTargetBox = 0;  // re-ordering
  onPointerDown(p(), 1, 20, 15);
  onPointerMove(p(), 1, 30, 15);
  onDrop(p(), 20, 45);
  EXPECT_EQ(p().text.textHistory[0].text, "#opear");
  EXPECT_EQ(p().text.textHistory[1].text, "#oapple");
  EXPECT_EQ(p().question.positionWord[1], 2);
  EXPECT_EQ(p().question.positionWord[2], 1);
}

TEST_F(Pointer, NumbersAreDraggedAndAPressWithoutAMoveDropsNothing) {
  show(kA1, true);
  p().text.dragNumberTable = {DragNumber{100, 100, 30, 12, "3.5", 1}, DragNumber{200, 100, 30, 12, "x+1", 2}};
  onPointerDown(p(), 1, 110, 110);
  EXPECT_EQ(p().regions.drag.kind, kNumberPayload);
  onPointerUp(p(), 1, 110, 110);
  EXPECT_EQ(p().regions.drag.kind, 0);
  onPointerDown(p(), 1, 210, 110);
  EXPECT_EQ(p().regions.drag.kind, kFieldTextPayload);
  EXPECT_EQ(p().regions.drag.text, "x+1");
  onPointerDown(p(), 1, 110, 116);  // y from the top to top + size + 4, strictly
  EXPECT_EQ(p().regions.drag.text, "x+1");
}

TEST_F(Pointer, TheRightButtonShowsWhatsThisForButtons) {
  showScript(kA1, "@goback 10,10,40,40,100\n");
  const int ownBack = p().regions.navCount;
  struct Case {
    int region;
    int topic;
  };
  for (Case c : {Case{kTemplateForward, 114}, Case{kTemplateBack, 115}, Case{1, 109}, Case{ownBack, 109}}) {
    const NavRegion& r = p().regions.nav[size_t(c.region)];
    platform().whatsThisMenus.clear();
    click((r.left + r.right) / 2, (r.top + r.bottom) / 2, 2);
    EXPECT_EQ(platform().whatsThisMenus, std::vector<int>{c.topic}) << c.region;
  }
  EXPECT_EQ(p().engine.currentScreen, kA1);
}

TEST_F(Pointer, TheDialKnobFollowsThePointerInWholeSteps) {
  show(kA1, true);
  GadgetState& g = p().gadgets;
  g.dialShown = true;
  g.dialX = 100;
  g.dialKnobX = 100;
  g.dialKnobY = 200;
  g.dialSteps = 4;
  g.dialStepWidth = 10;
  struct Case {
    int x, step, knob;
  };
  for (Case c : {Case{114, 1, 110}, Case{116, 2, 120}, Case{90, 0, 100}, Case{300, 4, 140}}) {
    onPointerMove(p(), 0, c.x, 50);
    EXPECT_EQ(p().regions.dialStep, c.step) << c.x;
    EXPECT_EQ(g.dialKnobX, c.knob) << c.x;
  }
}

TEST_F(Pointer, APopdownButtonOpensAndClosesItsList) {
  show(kA1, true);
  RegionTable& r = p().regions;
  r.answerBoxTable = {AnswerBox{50, 50, 20, 100, 1, 0, 103}};
  r.popdowns = {Popdown{50, 50, 120, "Pole", {"North", "South"}, false, 0, 0}};
  const size_t lines = p().text.textHistory.size();
  click(60, 60);
  EXPECT_TRUE(r.popdowns[0].open);
  EXPECT_EQ(r.openPopdown, 0);
  EXPECT_EQ(r.popdowns[0].openBottom, 70 + 2 * 20);
  EXPECT_EQ(p().text.textHistory.size(), lines);  // the rows are not lines of the screen
  click(60, 60);
  EXPECT_FALSE(r.popdowns[0].open);
  EXPECT_EQ(r.openPopdown, -1);

  r.popdownForward = true;
  click(60, 60);
  EXPECT_EQ(p().engine.currentScreen, kA2);
}

TEST_F(Pointer, AClosedPopdownListLeavesNothingOfItsRowsBehind) {
  // A list 30 wide: its middle piece (16 wide) fits between the ends only
  // once and a half; the rules between the rows reach left of the list.
  platform().imageLoader = [](const std::string& path) {
    const Rgb brown = makeRgb(140, 98, 57);
    if (path.find("popdownm") != std::string::npos) return Image(16, 20, brown);
    if (path.find("popdown") != std::string::npos) return Image(4, 20, brown);
    return Image(10, 10);
  };
  show(kA1, true);
  RegionTable& r = p().regions;
  r.answerBoxTable = {AnswerBox{50, 50, 20, 100, 1, 0, 103}};
  r.popdowns = {Popdown{50, 50, 30, "Pole", {"North", "South", "East"}, false, 0, 0}};
  const Surface& s = p().workArea;
  auto changed = [&](int x0, int x1, int y0, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) n += s.drawing.pixel(x, y) != s.backdrop.pixel(x, y);
    return n;
  };
  click(60, 60);
  ASSERT_TRUE(r.popdowns[0].open);
  const int bottom = r.popdowns[0].openBottom;
  EXPECT_GT(changed(50, 80, 71, bottom), 0);
  EXPECT_EQ(changed(81, 200, 71, bottom), 0);  // nothing past the right end
  click(60, 60);
  ASSERT_FALSE(r.popdowns[0].open);
  EXPECT_EQ(changed(0, 200, 71, bottom + 5), 0);
}

TEST_F(Pointer, ASelectedPictureLargerThanTheNormalOneGoesWhole) {
  platform().imageLoader = [](const std::string& path) {
    if (path.find("big") != std::string::npos) return Image(30, 30, 0xFF0000);
    return Image(10, 10, 0x0000FF);
  };
  showScript(kA1, "@hotspotbegin 100,100,30,30,small.bmp,big.bmp\nBody\n@hotspotend\n");
  const Surface& s = p().workArea;
  onPointerMove(p(), 0, 110, 110);
  EXPECT_EQ(s.drawing.pixel(125, 125), 0xFF0000u);  // the selected picture shows
  onPointerMove(p(), 0, 300, 300);
  EXPECT_EQ(s.drawing.pixel(105, 105), 0x0000FFu);  // the normal one is back
  EXPECT_EQ(s.drawing.pixel(125, 125), s.backdrop.pixel(125, 125));
}

TEST_F(Pointer, NothingReactsWhileInputIsBlocked) {
  show(kA1, true);
  p().shell.inputBlocked = 1;
  click(600, 370);
  EXPECT_EQ(p().engine.currentScreen, kA1);
  p().shell.inputBlocked = 0;
  click(600, 370);
  EXPECT_EQ(p().engine.currentScreen, kA2);
}

}  // namespace
}  // namespace vintara::test
