// The session player: reading event scripts and running sessions.
#include <gtest/gtest.h>

#include <sstream>

#include "authoring/play.h"
#include "engine/player.h"
#include "support/test_support.h"

namespace vintara::test {
namespace {

TEST(PlayEvents, EveryVerbIsRead) {
  const std::string script =
      "# a comment\n"
      "\n"
      "click 10 20\n"
      "click 10 20 right\n"
      "press 1 2\n  move 3 4\n"
      "release 5 6\n"
      "drag 1 2 3 4\n"
      "key Hello world\n"
      "keycode 8\n"
      "forward\nback\n"
      "menu return\n"
      "answer Yes\n"
      "wait 1500\n"
      "sound-end\n"
      "expect-screen 3\n";
  std::vector<PlayEvent> events;
  std::string error;
  ASSERT_TRUE(parseEvents(script, events, error)) << error;
  ASSERT_EQ(events.size(), 15u);
  EXPECT_EQ(events[0].verb, "click");
  EXPECT_EQ(events[0].numbers, (std::vector<int>{10, 20}));
  EXPECT_EQ(events[0].line, 3);
  EXPECT_EQ(events[1].word, "right");
  EXPECT_EQ(events[3].verb, "move");
  EXPECT_EQ(events[5].numbers, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(events[6].text, "Hello world");
  EXPECT_EQ(events[11].word, "Yes");
  EXPECT_EQ(events[14].numbers, std::vector<int>{3});
}

TEST(PlayEvents, BadLinesAreReportedWithTheirNumber) {
  struct Case {
    const char* line;
    const char* error;
  };
  const Case cases[] = {
      {"jump 1 2", "line 2: unknown event \"jump\""},
      {"click 10", "line 2: click takes 2 whole numbers"},
      {"click 10 x", "line 2: click takes 2 whole numbers"},
      {"forward now", "line 2: unexpected \"now\" after forward"},
      {"click 1 2 middle", "line 2: the button is \"left\" or \"right\", not \"middle\""},
      {"answer Maybe", "line 2: the answer is Ok, Yes, No, Retry or Cancel"},
      {"menu exit", "line 2: the menu item is \"return\""},
      {"key", "line 2: key needs the text to type"},
  };
  for (const Case& c : cases) {
    std::vector<PlayEvent> events;
    std::string error;
    EXPECT_FALSE(parseEvents(std::string("wait 1\n") + c.line + "\n", events, error)) << c.line;
    EXPECT_EQ(error, c.error);
  }
}

const CompiledCourse& smallCourse() {
  static CompiledCourse course(CourseSource{
      "menu Main | script=main.txt\n"
      "  menu Area | script=area.txt\n"
      "    menu Topic | script=topic.txt\n"
      "      screen Page | script=page.txt\n",
      {{"main.txt", "@goforward 10,10,100,20,1\n"},
       {"area.txt", "@goforward 10,10,100,20,1\n"},
       {"topic.txt", "@goback 540,355,40,40,0\n"},
       {"page.txt", "@foo\n"}},
      {{"pictures/qeltpop.bmp", "not read by the fake platform"}}});
  return course;
}

struct Session {
  explicit Session(const PlayOptions& options = {}) {
    platform.imageLoader = [](const std::string&) { return Image(200, 150); };
    ok = player.start(smallCourse().root(), options);
  }
  int run(const std::string& script) {
    std::vector<PlayEvent> events;
    std::string error;
    EXPECT_TRUE(parseEvents(script, events, error)) << error;
    return player.run(events);
  }
  FakePlatform platform;
  std::ostringstream out;
  SessionPlayer player{platform, out};
  bool ok = false;
};

TEST(PlaySession, StartsAsTheProgramDoesAndTracesTheWalk) {
  PlayOptions options;
  options.tier = "H";
  options.award = "S";
  Session s(options);
  ASSERT_TRUE(s.ok) << s.out.str();
  EXPECT_EQ(s.player.player().pupil.tierLetter, "H");
  EXPECT_EQ(s.player.player().shell.inputBlocked, 0);
  EXPECT_EQ(s.run("click 50 20\nclick 50 20\nexpect-screen 4\nback\n"), 0);
  EXPECT_EQ(s.out.str(),
            "start\n"
            "  screen 1 \"Main\" database\\script\\main.mnu\n"
            "hand-over: tier H, award S\n"
            "  screen 1 \"Main\" database\\script\\main.mnu\n"
            "> click 50 20\n"
            "  region forward 1\n"
            "  forward 1 -> 2\n"
            "  screen 2 \"Area\" database\\electric\\script\\DAe.mnu\n"
            "> click 50 20\n"
            "  region forward 6\n"
            "  forward 2 -> 4\n"
            "  screen 4 \"Page\" database\\electric\\exam\\script\\ID1.Scn\n"
            "  message \"Don't reconize command foo\" [OK] -> OK\n"
            "> expect-screen 4\n"
            "> back\n"
            "  region back 6\n"
            "  sound not played CONTENT/Wav/click.wav\n"
            "  back 4 -> 2\n"
            "  screen 2 \"Area\" database\\electric\\script\\DAe.mnu\n");
}

TEST(PlaySession, AFailedExpectationStopsTheRun) {
  Session s;
  EXPECT_EQ(s.run("expect-screen 2\nclick 50 20\n"), 1);
  const std::string out = s.out.str();
  EXPECT_NE(out.find("  FAILED: expected screen 2, screen 1 is shown\n"), std::string::npos);
  EXPECT_EQ(out.find("> click 50 20"), std::string::npos);
}

TEST(PlaySession, AnswersAreGivenToTheNextMessages) {
  Session s;
  EXPECT_EQ(s.run("click 50 20\nanswer Cancel\nclick 50 20\n"), 0);
  EXPECT_NE(s.out.str().find("[OK] -> Cancel\n"), std::string::npos);
}

TEST(PlaySession, EventsAfterTheEndOfTheProgramFail) {
  Session s;
  // Menu > "Return to main menu" on the main menu leaves the program when
  // no series launcher is beside it. (The screens' runs disable the item on
  // the main menu; it is enabled here as another screen's run would.)
  s.player.player().setMenuEnabled(MenuItem::ReturnToMainMenu, true);
  EXPECT_EQ(s.run("menu return\nclick 50 20\n"), 1);
  EXPECT_NE(s.out.str().find("end of program (code 0)\n"
                             "events after the end of the program were not run (line 2)\n"),
            std::string::npos);
}

TEST(PlaySession, ASnapshotFollowsEveryEvent) {
  std::vector<int> numbers;
  PlayOptions options;
  options.snapshot = [&](int n, const Image& image) {
    numbers.push_back(n);
    EXPECT_EQ(image.width(), 640);
    EXPECT_EQ(image.height(), 440);
  };
  Session s(options);
  EXPECT_EQ(s.run("move 1 1\nwait 10\n"), 0);
  EXPECT_EQ(numbers, (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace vintara::test
