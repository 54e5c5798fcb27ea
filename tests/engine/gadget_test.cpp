// Position, gadget and bookkeeping commands.
#include <gtest/gtest.h>

#include "engine/gadgets.h"
#include "engine/player.h"
#include "output/pictures.h"
#include "support/test_support.h"

namespace vintara {
namespace {

class Gadgets : public ::testing::Test {
 protected:
  Gadgets() {
    p.content.paths.setRoot("/content");
    p.content.dataFolder = "database\\electric\\topic1\\";
  }
  void run(const std::string& script) { test::runScriptText(p, script); }
  Surface& area() { return p.workArea; }

  FakePlatform platform;
  Player p{platform};
};

TEST_F(Gadgets, AtPlacesTheTextPosition) {
  struct Case {
    std::string line;
    int x, y;
    std::string message;
  } cases[] = {
      {"@at 20,30", 20, 30, ""},
      {"@at +10,", 110, 50, ""},  // relative x, empty y leaves y
      {"@at ,-5", 100, 45, ""},
      {"@at -5,+5", 95, 55, ""},
      {"@at -105,7", -5, 7, "- for X co-ordinates for @at statement"},
      {"@at abc,def", 100, 50, "Not a number. abc,def"},
      {"@at 5", 100, 50, "At statement required 2 args."},
      {"@at 5,6,7", 100, 50, "At statement required 2 args."},
  };
  for (const auto& c : cases) {
    area().x = 100;
    area().y = 50;
    area().font.bold = area().font.italic = area().font.underline = true;
    platform.messages.clear();
    run(c.line + "\n");
    EXPECT_EQ(area().x, c.x) << c.line;
    EXPECT_EQ(area().y, c.y) << c.line;
    if (c.message.empty())
      EXPECT_TRUE(platform.messages.empty()) << c.line;
    else
      EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{c.message}) << c.line;
    if (c.message.rfind("- for", 0) == 0 || c.message.empty()) {
      EXPECT_EQ(p.text.boxLeft, c.x) << c.line;
      EXPECT_EQ(p.question.feedbackAnchorX, c.x) << c.line;
      EXPECT_EQ(p.question.feedbackAnchorY, c.y) << c.line;
      EXPECT_FALSE(area().font.bold || area().font.italic || area().font.underline) << c.line;
    }
  }
}

TEST_F(Gadgets, SavePosAndRestorePos) {
  run("@at 40,60\n@atgraphic 300,200\n@savepos 3\n@at 1,2\n@atgraphic 5,6\n@restorepos 3\n");
  EXPECT_EQ(area().x, 40);
  EXPECT_EQ(area().y, 60);
  EXPECT_EQ(p.pictures.pictureX, 300);
  EXPECT_EQ(p.pictures.pictureY, 200);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Gadgets, PositionSlotsOutsideTheTableAreScriptErrors) {
  for (const std::string line : {"@savepos 11", "@restorepos -1"}) {
    platform.messages.clear();
    area().x = 9;
    run(line + "\n");
    ASSERT_EQ(platform.messages.size(), 1u) << line;
    EXPECT_NE(platform.messages[0].text.find("not between 0 and 10"), std::string::npos);
    EXPECT_EQ(area().x, 9);
  }
}

TEST_F(Gadgets, ClockShowsUnitsAndTenths) {
  // Digit pictures of one colour each: units at the clock, tenths 8 right.
  platform.imageLoader = [](const std::string& path) -> std::optional<Image> {
    const char digit = path[path.size() - 5];
    return Image(8, 4, Rgb(0x100 + (digit - '0')));
  };
  run("@atgraphic 200,100\n@createclock 0,1,10\n");
  EXPECT_EQ(area().drawing.pixel(200, 100), 0x100u);
  EXPECT_EQ(area().drawing.pixel(208, 100), 0xFFFFFFu);  // "0" has no tenths
  for (int step = 1; step <= 3; ++step) {
    run("@increaseclock\n");
    EXPECT_EQ(area().drawing.pixel(200, 100), 0x100u) << step;
    EXPECT_EQ(area().drawing.pixel(208, 100), Rgb(0x100 + step)) << step;
  }
  std::vector<std::string> names;
  for (const auto& c : p.pictures.pictureCache) names.push_back(c.name);
  EXPECT_EQ(names, (std::vector<std::string>{"fms10bf0.bmp", "fms10bf1.bmp", "fms10bf2.bmp",
                                              "fms10bf3.bmp"}));
}

TEST_F(Gadgets, ClockStepByZeroIsAScriptError) {
  platform.imageLoader = [](const std::string&) { return Image(1, 1); };
  run("@createclock 1,1,0\n@increaseclock\n");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_FLOAT_EQ(p.gadgets.clockValue, 1);
}

TEST_F(Gadgets, DialAndAmmeterDrawTheirPictures) {
  platform.images[resolvePicturePath(p, "dial.bmp")] = Image(10, 14, 0xFF0000);
  platform.images[resolvePicturePath(p, "amc0.bmp")] = Image(30, 20, 0x0000FF);
  area().drawing.fillRect({50, 60, 10, 14}, 0x00FFFF);
  run("@atgraphic 50,60\n@dial 8,12\n@atgraphic 100,60\n@amp\n");
  const GadgetState& g = p.gadgets;
  EXPECT_EQ(g.dialX, 50);
  EXPECT_EQ(g.dialKnobY, 60);
  EXPECT_EQ(g.dialSteps, 8);
  EXPECT_EQ(g.dialStepWidth, 12);
  EXPECT_EQ(area().drawing.pixel(55, 65), 0xFF0000u);
  EXPECT_EQ(area().drawing.pixel(129, 79), 0x0000FFu);
  // The area under the knob was kept, for the pointer to move the knob.
  restorePreserved(p, false);
  EXPECT_EQ(area().drawing.pixel(55, 65), 0x00FFFFu);
}

TEST_F(Gadgets, SetHelpAddsPairsUpToTheLimit) {
  run("@sethelp 1,10,2,20\n");
  EXPECT_EQ(p.gadgets.helpPairs, (std::vector<std::pair<int, int>>{{1, 10}, {2, 20}}));
  EXPECT_EQ(p.gadgets.lastHelpTopic, 20);
  EXPECT_TRUE(platform.messages.empty());

  std::string line = "@sethelp ";
  for (int i = 0; i < 20; ++i) line += std::to_string(100 + i) + "," + std::to_string(i) + ",";
  line.pop_back();
  run(line + "\n");
  EXPECT_EQ(p.gadgets.helpPairs.size(), 21u);
  EXPECT_EQ(p.gadgets.lastHelpTopic, 18);  // the last pair that was added
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(Gadgets, GameTypeAndData) {
  struct Case {
    std::string word;
    int type, mode;
    bool message;
  } cases[] = {
      {"Spelling", 1, 14, false},
      {"deadline", 2, 0, false},
      {"Deadline", 0, 0, true},
      {"chess", 0, 0, true},
  };
  for (const auto& c : cases) {
    p.gadgets.gameType = 0;
    p.nav.engineMode = 0;
    p.gadgets.gameDataLines = {"old", ""};
    platform.messages.clear();
    run("@gametype " + c.word + "\n");
    EXPECT_EQ(p.gadgets.gameType, c.type) << c.word;
    EXPECT_EQ(p.nav.engineMode, c.mode) << c.word;
    EXPECT_TRUE(p.gadgets.gameDataLines.empty()) << c.word;
    if (c.message) {
      EXPECT_EQ(platform.messageTexts(),
                std::vector<std::string>{"Unknown game type - check your spelling of game name!"});
    }
  }
  run("@Data cat, dog\n@data  bird\n@data\n");
  EXPECT_EQ(p.gadgets.gameDataLines,
            (std::vector<std::string>{"@Data cat, dog", "@data  bird", "@data", ""}));
}

TEST_F(Gadgets, GameDataStopsAtThreeHundredLines) {
  std::string script;
  for (int i = 0; i < 301; ++i) script += "@data " + std::to_string(i) + "\n";
  run(script);
  EXPECT_EQ(p.gadgets.gameDataLines.size(), 301u);  // 300 lines and the end marker
  EXPECT_EQ(p.gadgets.gameDataLines[299], "@data 299");
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(Gadgets, NamesForTheGames) {
  run("@spellbackground sp.bmp\n@spellinstructionbackdrop inst.bmp\n@gdf words.txt\n");
  EXPECT_EQ(p.gadgets.spellBackground, "sp.bmp");
  EXPECT_EQ(p.gadgets.spellInstructionBackdrop, "inst.bmp");
  EXPECT_EQ(p.control.gameDataName, "words.txt");
}

TEST_F(Gadgets, FlashWordsFloatOnTheInternalTimer) {
  run("@flashwords 1,2,3,4,animals,cat,dog,cow,hen,pig,ant,bee,elk,yak,owl\n");
  const GadgetState& g = p.gadgets;
  EXPECT_EQ(g.flashTopic, "Spelling word topic - animals");
  ASSERT_EQ(g.flashWords.size(), 10u);
  EXPECT_EQ(g.flashWords[0], "cat");
  EXPECT_EQ(p.engine.cmdItems[10], "owl");
  EXPECT_TRUE(g.flashActive);
  EXPECT_TRUE(p.internalTimer->isActive());
  EXPECT_EQ(p.internalTimer->interval(), 30);

  // First tick: slot 0 at x = 180 + 0 * 350, y = 0.2 * 340, word 1 + 0 * 9,
  // colour 12 (red), size 15 + 0 * 25, no movement (0.5 * 30 - 15).
  platform.randoms = {0.0, 0.2, 0.0, 0.8, 0.0, 0.5, 0.5};
  area().drawing.fill(0x00FF00);
  platform.advance(30);
  EXPECT_EQ(area().drawing.pixel(180, 70), qbColor(12));  // "cat" in the fake font
  EXPECT_EQ(area().drawing.pixel(160, 20), area().backdrop.pixel(160, 20));  // area restored
  EXPECT_EQ(area().drawing.pixel(150, 20), 0x00FF00u);  // outside it untouched
  EXPECT_EQ(g.flashSlotIndex, 1);
  ASSERT_FALSE(platform.refreshes.empty());
  EXPECT_EQ(platform.refreshes.back(), (Rect{155, 12, 468, 370}));

  for (int i = 0; i < 12; ++i) platform.advance(30);
  EXPECT_EQ(g.flashSlotIndex, 0);
  EXPECT_TRUE(g.flashAllSlots);
}

TEST_F(Gadgets, TooManyFlashWordsAreAScriptError) {
  std::string line = "@flashwords 1,2,3,4,t,a,b,c,d,e,f,g,h,i,j\n";
  run(line + line + line + line + line + line);
  EXPECT_EQ(p.gadgets.flashWords.size(), 51u);
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(Gadgets, AtGapMovesToTheNextWordGap) {
  p.text.wordGapTable = {{40, 100}, {90, 130}};
  run("@atgap\n");
  EXPECT_EQ(p.text.boxLeft, 34);
  EXPECT_EQ(area().y, 101);
  run("@atgap\n");
  EXPECT_EQ(p.text.boxLeft, 84);
  EXPECT_EQ(area().y, 131);
  run("@atgap\n");
  EXPECT_EQ(platform.messages.size(), 1u);  // no third gap
}

}  // namespace
}  // namespace vintara
