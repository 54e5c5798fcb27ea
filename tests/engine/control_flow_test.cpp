#include <gtest/gtest.h>

#include "engine/interpreter.h"
#include "engine/navigation.h"
#include "engine_fixture.h"

namespace vintara {
namespace {

using Lines = std::vector<std::string>;

class ControlFlowTest : public test::EngineTest {
 protected:
  Lines runLines(const std::string& script) {
    drawn().clear();
    platform.messages.clear();
    p().run.reportedErrors.clear();
    run(script);
    return drawn();
  }
  std::string error(int line, const std::string& what) {
    return "Script error in test script, line " + std::to_string(line) + ": " + what + ".";
  }
};

std::string repeated(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST_F(ControlFlowTest, Loops) {
  struct Case {
    std::string script;
    Lines drawn;
  } cases[] = {
      {"@loop 3\nx\n@endloop\nend", {"x", "x", "x", "end"}},
      {"@loop 1\nx\n@endloop\nend", {"x", "end"}},
      {"@loop 0\nx\n@endloop\nend", {"end"}},
      {"@loop 0.4\nx\n@endloop\nend", {"end"}},
      {"@loop 2\n@loop 3\ni\n@endloop\no\n@endloop\nend", {"i", "i", "i", "o", "i", "i", "i", "o", "end"}},
      {"@LOOP 2\nx\n@EndLoop\nend", {"x", "x", "end"}},
      // Without an "@endloop" a loop of 0 reads the script's last character
      // as one more line.
      {"@loop 0\nx\nlast", {"t"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(runLines(c.script), c.drawn) << c.script;
    EXPECT_TRUE(messages().empty()) << c.script;
    EXPECT_EQ(p().control.loopDepth, 0) << c.script;
  }
}

TEST_F(ControlFlowTest, LoopOfZeroSkipsToTheFirstEndloopWhateverItsNesting) {
  EXPECT_EQ(runLines("@loop 0\n@loop 2\nx\n@endloop\ny\n@endloop\nz"), (Lines{"y", "z"}));
  EXPECT_EQ(messages(), Lines{error(6, "@endloop without an open loop; it is ignored")});
}

TEST_F(ControlFlowTest, LoopErrors) {
  struct Case {
    std::string script;
    Lines drawn;
    std::string message;
  } cases[] = {
      {"@loop -2\nx\n@endloop\nend", {"end"}, error(1, "a loop count cannot be negative; the loop is skipped")},
      {"a\n@endloop\nb", {"a", "b"}, error(2, "@endloop without an open loop; it is ignored")},
      {"@loop x\nb\n@endloop\nc", {"b", "c"}, error(1, "\"x\" is not a number")},
      {"@loop 2\n@endloop\n@endloop\nc", {"c"}, error(3, "@endloop without an open loop; it is ignored")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(runLines(c.script), c.drawn) << c.script;
    EXPECT_EQ(messages(), Lines{c.message}) << c.script;
  }
}

TEST_F(ControlFlowTest, EleventhNestedLoopRunsOnceAndTheOthersComplete) {
  const std::string script = repeated("@loop 2\n", 11) + "x\n" + repeated("@endloop\n", 11) + "end";
  const Lines lines = runLines(script);
  ASSERT_EQ(lines.size(), 1025u);  // 2^10 passes of the tenth loop, then "end"
  EXPECT_EQ(lines.back(), "end");
  EXPECT_EQ(messages(), Lines{error(11, "more than 10 loops are open; this one runs once")});
  EXPECT_EQ(p().control.loopDepth, 0);
}

TEST_F(ControlFlowTest, SetRaisesLowersAndCopiesVariables) {
  auto& v = p().engine.scriptVars;
  runLines("@set c,5");
  EXPECT_EQ(v[3], 5);
  runLines("@set C,+2");
  EXPECT_EQ(v[3], 7);
  runLines("@set c,-4");
  EXPECT_EQ(v[3], 3);
  runLines("@set d,c");
  EXPECT_EQ(v[4], 3);
  runLines("@set day,12.5\n@set e,13.5\n@set f,+c\n@set g, 2 0");
  EXPECT_EQ(v[4], 12);
  EXPECT_EQ(v[5], 14);
  EXPECT_EQ(v[6], 0);  // a sign followed by a name counts as 0
  EXPECT_EQ(v[7], 20);
  EXPECT_TRUE(messages().empty());
}

TEST_F(ControlFlowTest, SetErrors) {
  auto& v = p().engine.scriptVars;
  v[1] = 32767;
  runLines("@set a,+1");
  EXPECT_EQ(v[1], 32767);
  EXPECT_EQ(messages(), Lines{error(1, "variable a would become 32768, outside -32768 to 32767; it is "
                                       "kept at the nearest of the two")});
  v[2] = -32768;
  runLines("@set b,-1");
  EXPECT_EQ(v[2], -32768);
  runLines("@set a,40000");
  EXPECT_EQ(v[1], 32767);
  EXPECT_EQ(messages(), Lines{error(1, "the number 40000 does not fit 16 bits (-32768 to 32767)")});
  runLines("@set {,1\n@set a,{\nafter");
  EXPECT_EQ(drawn(), Lines{"after"});
  EXPECT_EQ(v[1], 0);
  EXPECT_EQ(messages(), (Lines{error(1, "\"{\" is not a variable a to z; the line is ignored"),
                               error(2, "\"{\" is neither a number nor a variable a to z")}));
}

TEST_F(ControlFlowTest, GotoJumpsToLabelsAnywhere) {
  // Backwards: the lines in between run again, and feedbackMet is cleared.
  p().question.feedbackMet = true;
  EXPECT_EQ(runLines("@label top\nx\n@count 2,1,out\n@count 1\n@GOTO Top\n@label out\nend"),
            (Lines{"x", "x", "end"}));
  EXPECT_FALSE(p().question.feedbackMet);
  // Forwards: feedbackMet stays.
  p().question.feedbackMet = true;
  EXPECT_EQ(runLines("@goto b\nx\n@Label B\ny"), Lines{"y"});
  EXPECT_TRUE(p().question.feedbackMet);
  EXPECT_TRUE(messages().empty());
}

TEST_F(ControlFlowTest, GotoToAMissingLabelEndsTheRun) {
  struct Case {
    std::string script, message;
  } cases[] = {
      {"@goto nowhere\nx", "can't find label nowhere"},
      // The tokenizer removes the blank, so a name with a blank is never found.
      {"@goto my label\nx\n@label my label\ny", "can't find label mylabel"},
      {"@goto end \nx\n@label end \ny", "can't find label end"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(runLines(c.script).empty()) << c.script;
    EXPECT_EQ(messages(), Lines{c.message});
    EXPECT_FALSE(p().engine.scriptRunning);
    EXPECT_FALSE(p().nav.layoutStack.empty());  // the end-of-run steps ran
  }
}

TEST_F(ControlFlowTest, ConditionBlocksSkipToTheFirstEndLine) {
  struct Case {
    const char* tier;
    const char* award;
    std::string script;
    Lines drawn;
  } cases[] = {
      {"F", "D", "@ifhigher\na\n@ifhigher\nb\n@endhigher\nc\n@endhigher\nd", {"c", "d"}},
      {"H", "D", "@ifhigher\na\n@ifhigher\nb\n@endhigher\nc\n@endhigher\nd", {"a", "b", "c", "d"}},
      {"h", "D", "@ifhigher\na\n@endhigher\nd", {"d"}},
      {"F", "D", "@iflower\na\n@endlower\nd", {"a", "d"}},
      {"H", "D", "@iflower\na\n@endlower\nd", {"d"}},
      {"F", "S", "@ifsingle\na\n@endsingle\n@ifdouble\nb\n@enddouble\nd", {"a", "d"}},
      {"F", "D", "@ifsingle\na\n@endsingle\n@ifdouble\nb\n@enddouble\nd", {"b", "d"}},
      {"F", "D", "@ifhigher\na\n@EndHigher\nd", {"d"}},
      {"F", "D", "@ifhigher\na\n@endhigher \nd", {}},  // no end line: the run ends
      {"F", "D", "@ifprize 0\na\n@endif\nd", {"a", "d"}},
      {"F", "D", "@ifprize 3\na\n@endif\nd", {"d"}},
      {"F", "D", "@ifpackage 0\na\n@endif\nd", {"a", "d"}},
      {"F", "D", "@ifpackage 1\na\n@endif\nd", {"d"}},
      {"F", "D", "@endif\n@endhigher\n@endlower\n@endsingle\n@enddouble\n@endcase\nd", {"d"}},
  };
  for (const auto& c : cases) {
    p().pupil.tierLetter = c.tier;
    p().pupil.awardLetter = c.award;
    EXPECT_EQ(runLines(c.script), c.drawn) << c.tier << c.award << " " << c.script;
    EXPECT_TRUE(messages().empty()) << c.script;
  }
}

TEST_F(ControlFlowTest, IfPrizeWithoutEndifNamesItsNumber) {
  EXPECT_TRUE(runLines("@ifprize 3\na\nb").empty());
  EXPECT_EQ(messages(), Lines{"can't find label 3"});
}

TEST_F(ControlFlowTest, QuizBlocks) {
  struct Case {
    int score, asked;
    std::string line;
    bool runs;
  } cases[] = {
      {12, 20, "@ifquiz 3", true},       {12, 20, "@ifquiz 2", false},
      {0, 0, "@ifqscore 90,100", true},  // no question asked yet
      {1, 3, "@ifqscore 30,40", true},   // 33 %
      {1, 3, "@ifqscore 34,100", false},
      {1, 8, "@ifqscore 12,12", true},   // 12.5 % rounds to 12
      {1, 8, "@ifqscore 13,100", false},
      {3, 3, "@ifqscore 0,99", false},
  };
  for (const auto& c : cases) {
    p().question.quizScore = c.score;
    p().question.quizQuestionNumber = c.asked;
    EXPECT_EQ(runLines(c.line + "\na\n@endif\nd"), c.runs ? (Lines{"a", "d"}) : Lines{"d"}) << c.line;
  }
}

TEST_F(ControlFlowTest, BlockWithAnUnreadableConditionRuns) {
  EXPECT_EQ(runLines("@ifprize x\na\n@endif\nd"), (Lines{"a", "d"}));
  EXPECT_EQ(messages(), Lines{error(1, "\"x\" is not a number")});
  EXPECT_EQ(runLines("@ifqscore 1,\na\n@endif\nd"), (Lines{"a", "d"}));
  EXPECT_EQ(messages(), Lines{error(1, "\"\" is not a number")});
}

TEST_F(ControlFlowTest, CaseBlocksByHotspotVisits) {
  const std::string script =
      "@case firsttime\nA\n@endcase\n@case MoreSelections\nB\n@endcase\n@case other\nC\n@endcase";
  struct Case {
    int slotScreen, ticks, jumpRegions;
    Lines drawn;
  } cases[] = {
      {0, 0, 0, {"A", "C"}},       // no tick slot: the first time
      {5, 2, 3, {"A", "C"}},       // a slot of another screen
      {2, 1, 3, {"B", "C"}},       // some jumps made
      {2, 3, 3, {"C"}},            // all jumps made
  };
  for (const auto& c : cases) {
    p().jumps.tickSlots = {};
    p().jumps.tickSlots[1].screen = c.slotScreen;
    p().jumps.tickSlots[1].count = c.ticks;
    p().jumps.hotspotJumpCount = c.jumpRegions;
    p().control.firstTimeDone = false;
    EXPECT_EQ(runLines(script), c.drawn) << c.slotScreen << " " << c.ticks;
  }
}

TEST_F(ControlFlowTest, VisitsQuery) {
  EXPECT_EQ(hotspotVisits(p()), 0);
  p().jumps.tickSlots[0] = {7, 1, {}};
  p().jumps.tickSlots[1] = {2, 2, {}};
  p().jumps.hotspotJumpCount = 4;
  EXPECT_EQ(hotspotVisits(p()), 2);
  p().jumps.hotspotJumpCount = 2;
  EXPECT_EQ(hotspotVisits(p()), 99);
  p().engine.currentScreen = 7;
  EXPECT_EQ(hotspotVisits(p()), 1);
}

TEST_F(ControlFlowTest, CaseWithoutEndcaseReadsTheLastCharacter) {
  p().jumps.tickSlots[0] = {2, 1, {}};
  p().jumps.hotspotJumpCount = 2;
  EXPECT_EQ(runLines("@case firsttime\nA\nB"), Lines{"B"});
}

TEST_F(ControlFlowTest, Counters) {
  const std::string tail = "@count 0,2,done\nskipped\n@label done\nend";
  EXPECT_EQ(runLines("@count 1\n@count 2\n" + tail), Lines{"end"});
  p().control.counters = {};
  EXPECT_EQ(runLines("@count 1\n" + tail), (Lines{"skipped", "end"}));
  // The label is searched forward only.
  p().control.counters = {};
  EXPECT_TRUE(runLines("@label back\n@count 1\n@count x,1,back\nx").empty());
  EXPECT_EQ(messages(), Lines{"Can't find:@label back"});
}

TEST_F(ControlFlowTest, CounterErrors) {
  struct Case {
    std::string line, message;
  } cases[] = {
      {"@count 11", error(1, "counter number 11 is outside 0 to 10; the line is ignored")},
      {"@count -1", error(1, "counter number -1 is outside 0 to 10; the line is ignored")},
      {"@count 0,12,done", error(1, "counter number 12 is outside 0 to 10; the line is ignored")},
      {"@count one", error(1, "\"one\" is not a number")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(runLines(c.line + "\nafter\n@label done"), Lines{"after"}) << c.line;
    EXPECT_EQ(messages(), Lines{c.message}) << c.line;
  }
  EXPECT_EQ(p().control.counters, (std::array<int, 11>{}));
}

// ---- Timed waits ----------------------------------------------------------

TEST_F(ControlFlowTest, WaitEndsTheRunAndResumesOnTheSameScreen) {
  EXPECT_EQ(runLines("a\n@wait 2\nb"), Lines{"a"});
  EXPECT_TRUE(p().processorTimer->isActive());
  EXPECT_EQ(p().processorTimer->interval(), 2000);
  EXPECT_FALSE(p().engine.scriptRunning);
  EXPECT_EQ(p().nav.layoutStack.size(), 1u);  // saved at the wait
  platform.advance(1999);
  EXPECT_EQ(drawn(), Lines{"a"});
  platform.advance(1);
  EXPECT_EQ(drawn(), (Lines{"a", "b"}));
  EXPECT_FALSE(p().processorTimer->isActive());
  platform.advance(5000);
  EXPECT_EQ(drawn(), (Lines{"a", "b"}));
  EXPECT_TRUE(messages().empty());
}

TEST_F(ControlFlowTest, WaitNeverResumesOnAnotherScreen) {
  // Navigation stops the timer, as every screen start does.
  runLines("a\n@wait 2\nb");
  p().processorTimer->stop();
  p().engine.currentScreen = 3;
  platform.advance(3000);
  EXPECT_EQ(drawn(), Lines{"a"});
  // Should a tick still arrive after the screen changed, it does nothing.
  p().engine.currentScreen = 2;
  runLines("a\n@wait 1\nb");
  p().engine.currentScreen = 4;
  platform.advance(1000);
  EXPECT_EQ(drawn(), Lines{"a"});
  EXPECT_FALSE(p().processorTimer->isActive());
}

TEST_F(ControlFlowTest, WaitTickDuringAnotherRunResumesAfterIt) {
  runLines("a\n@wait 1\nb");
  p().run.depth = 1;  // as while a run shows a message box
  platform.advance(1000);
  EXPECT_EQ(drawn(), Lines{"a"});
  EXPECT_TRUE(p().processorTimer->isActive());
  p().run.depth = 0;
  platform.advance(100);
  EXPECT_EQ(drawn(), (Lines{"a", "b"}));
  EXPECT_FALSE(p().processorTimer->isActive());
}

TEST_F(ControlFlowTest, WaitDoesNotWaitWhileReplaying) {
  p().run.returnReplay = true;
  EXPECT_EQ(runLines("a\n@wait 2\nb"), (Lines{"a", "b"}));
  p().run.returnReplay = false;
  p().run.resumePos = 1000;
  EXPECT_EQ(runLines("a\n@wait 2\nb"), (Lines{"a", "b"}));
  EXPECT_FALSE(p().processorTimer->isActive());
}

TEST_F(ControlFlowTest, WaitLongerThanTheTimerCanHold) {
  struct Case {
    std::string seconds;
    bool valid;
  } cases[] = {{"100", false}, {"65.536", false}, {"65.535", true}, {"0.06", true}};
  for (const auto& c : cases) {
    p().processorTimer->stop();
    const Lines lines = runLines("@wait " + c.seconds + "\nb");
    EXPECT_EQ(p().processorTimer->isActive(), c.valid) << c.seconds;
    if (c.valid) continue;
    EXPECT_EQ(lines, Lines{"b"});
    EXPECT_EQ(messages(), Lines{"@wait " + c.seconds + " is not a valid number"});
  }
}

TEST_F(ControlFlowTest, ShortWaitBusyWaitsOnThePlatformClock) {
  const uint32_t before = platform.millis();
  EXPECT_EQ(runLines("a\n@wait 0.05\nb"), (Lines{"a", "b"}));
  const uint32_t waited = platform.millis() - before;
  EXPECT_GE(waited, 50u);
  EXPECT_LE(waited, 55u);
  EXPECT_FALSE(p().processorTimer->isActive());
  ASSERT_FALSE(platform.refreshes.empty());
  EXPECT_EQ(platform.refreshes.back(), (Rect{0, 0, kWorkAreaWidth, kWorkAreaHeight}));
}

TEST_F(ControlFlowTest, WaitWithoutANumber) {
  EXPECT_EQ(runLines("@wait soon\nb"), Lines{"b"});
  EXPECT_EQ(messages(), Lines{error(1, "\"soon\" is not a number")});
}

// ---- Game data ------------------------------------------------------------

class GameDataTest : public ::testing::Test {
 protected:
  GameDataTest()
      : course({"menu Main | script=main.txt\n",
                {{"main.txt", "main\n"}},
                {{"database/forces/topic1/gamedata/words.txt", "G1\r\n@set a,+1\r\nG2\r\n"},
                 {"database/forces/topic1/gamedata/loop.txt", "@label l\r\n@goto l\r\n"},
                 {"database/forces/topic1/gamedata/self.txt", "S\r\n@gamedatafile self.txt\r\n"},
                 {"database/forces/topic1/gamedata/ping.txt", "@gamedatafile pong.txt\r\n"},
                 {"database/forces/topic1/gamedata/pong.txt", "@gamedatafile ping.txt\r\n"}}}),
        fixture(course.root()) {
    fixture.p().content.topicFolder = "database\\forces\\topic1\\";
    test::recordTextLines(fixture.p());
  }
  Player& p() { return fixture.p(); }
  Lines run(const std::string& script) {
    test::drawnLines().clear();
    test::runScriptText(p(), script);
    return test::drawnLines();
  }
  test::CompiledCourse course;
  test::PlayerFixture fixture;
};

TEST_F(GameDataTest, RunsTheTopicsGameDataThenGoesOn) {
  EXPECT_EQ(run("before\n@gamedatafile words.txt\nafter"), (Lines{"before", "G1", "G2", "after"}));
  EXPECT_EQ(p().engine.scriptVars[1], 1);
  EXPECT_EQ(p().engine.scriptText, test::crlf("before\n@gamedatafile words.txt\nafter"));
  EXPECT_EQ(p().engine.scriptName, "test script");
  EXPECT_FALSE(p().engine.scriptRunning);
  EXPECT_TRUE(fixture.platform.messages.empty());
}

TEST_F(GameDataTest, NameSetByGdfAndTheStarForm) {
  EXPECT_EQ(run("@gdf WORDS.TXT\n@gamedatafile *\nafter"), (Lines{"G1", "G2", "after"}));
  // The name stays for later gamedatafile lines, whatever they name.
  EXPECT_EQ(run("@gamedatafile *\nafter"), (Lines{"G1", "G2", "after"}));
}

TEST_F(GameDataTest, StarFormWithoutAnExamPage) {
  EXPECT_EQ(run("@gamedatafile *\nafter"), Lines{"after"});
  ASSERT_EQ(fixture.platform.messages.size(), 1u);
  EXPECT_EQ(fixture.platform.messages[0].text,
            "Script error in test script, line 1: no exam page is chosen for \"gamedatafile *\"; the "
            "line is ignored.");
}

TEST_F(GameDataTest, MissingFileEndsTheProgram) {
  EXPECT_THROW(run("@gamedatafile none.txt\nafter"), ProgramExit);
  ASSERT_EQ(fixture.platform.messages.size(), 1u);
  EXPECT_EQ(fixture.platform.messages[0].text,
            "Unable to open game data file-" + course.root() + "/database/forces/topic1/gamedata/none.txt");
  EXPECT_EQ(fixture.platform.exitCode, 1);
}

TEST_F(GameDataTest, ExamPageStaysInTheFile) {
  p().nav.examPageMode = true;
  EXPECT_EQ(run("@gamedatafile words.txt\nafter"), (Lines{"G1", "G2"}));
  EXPECT_EQ(p().engine.scriptText, "G1\r\n@set a,+1\r\nG2\r\n");
}

TEST_F(GameDataTest, RunawayInsideGameDataEndsEveryRun) {
  EXPECT_EQ(run("before\n@gamedatafile loop.txt\nafter"), Lines{"before"});
  ASSERT_EQ(fixture.platform.messages.size(), 1u);
  EXPECT_NE(fixture.platform.messages[0].text.find("database\\forces\\topic1\\gamedata\\loop.txt, line"),
            std::string::npos);
}

// Game-data files that call themselves or each other nest runs; past the
// nesting bound every run ends, with one message, instead of the stack
// running out.
TEST_F(GameDataTest, GameDataCallingItselfEndsEveryRun) {
  for (const char* file : {"self.txt", "ping.txt"}) {
    fixture.platform.messages.clear();
    const Lines lines = run(std::string("before\n@gamedatafile ") + file + "\nafter");
    ASSERT_FALSE(lines.empty()) << file;
    EXPECT_EQ(lines.front(), "before");
    EXPECT_NE(lines.back(), "after");
    ASSERT_EQ(fixture.platform.messages.size(), 1u) << file;
    EXPECT_NE(fixture.platform.messages[0].text.find("deep without stopping for the pupil"),
              std::string::npos)
        << fixture.platform.messages[0].text;
  }
}

}  // namespace
}  // namespace vintara
