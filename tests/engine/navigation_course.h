// A small course for the navigation, jump and pointer tests, and a player
// on it with the bottom bar scripts of the program and a trace that records
// what happens.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/navigation.h"
#include "engine/trace.h"
#include "output/pointer.h"
#include "support/test_support.h"

namespace vintara::test {

// Node numbers of the course below.
enum NavNode {
  kMain = 1, kAreaOne, kTopicA, kA1, kA2, kA3, kTopicB, kTheGame, kB2, kSubB, kB1,
  kAreaTwo, kJumps, kHub, kCell, kLamp, kSwitch, kLone, kAreaThree, kLoop, kRerun
};

// Regions of a leaf: 1-5 the bottom bar, 6 the template's Back, 7 its
// Forward; the leaf's own regions follow.
constexpr int kTemplateBack = 6, kTemplateForward = 7;

inline CourseSource navigationCourseSource() {
  const std::string templ =
      "Topic\n"
      "@goback 540,355,40,40,0,,*backdep.bmp\n"
      "@goforward 585,355,40,40,0,,*forwdep.bmp,forwna.bmp\n";
  return CourseSource{
      "menu Main | script=main.txt\n"
      "  menu Area one | script=area1.txt\n"
      "    menu Topic A | script=templ.txt\n"
      "      screen A1 | script=a1.txt\n"
      "      screen A2 | script=a2.txt\n"
      "      screen A3 | script=a3.txt\n"
      "    menu Topic B | script=templ.txt\n"
      "      screen The Game | script=game.txt\n"
      "      screen B2 | script=b2.txt\n"
      "      menu Sub B | script=templ.txt\n"
      "        screen B1 | script=b1.txt\n"
      "  menu Area two | script=area.txt\n"
      "    menu Jumps | script=templ.txt\n"
      "      screen Hub | script=hub.txt\n"
      "      screen Cell | script=cell.txt\n"
      "      screen Lamp | script=lamp.txt\n"
      "      screen Switch | script=switch.txt\n"
      "    screen Lone | script=lone.txt\n"
      "  menu Area three | script=area.txt\n"
      "    screen Loop | script=loop.txt\n"
      "    screen Rerun | script=rerun.txt\n",
      {{"main.txt", "Main\n@goforward 60,110,250,19,1\n@goforward 60,129,250,19,2\n"},
       {"area1.txt", "Area one\n@goforward 30,90,250,19,1\n@goforward 30,110,250,19,2\n"},
       {"area.txt", "Area\n@goforward 30,90,250,19,1\n@goforward 30,110,250,19,2\n"},
       {"templ.txt", templ},
       {"a1.txt", "A1\n"},
       {"a2.txt", "A2\n"},
       {"a3.txt", "A3\n"},
       {"game.txt", "The game\n"},
       {"b2.txt", "B2\n"},
       {"b1.txt", "B1\n"},
       {"hub.txt",
        "Hub\n@goforward 100,100,50,50,Cell\n@goforward 200,100,50,50,Lamp\n"
        "@goforward 300,100,50,50,switch\n"},
       {"cell.txt", "Cell\n@repeat\n@onforwardreturn\n"},
       {"lamp.txt", "Lamp\n"},
       {"switch.txt", "Switch\n@return\nAfter the return\n"},
       {"lone.txt", "Lone\n"},
       {"loop.txt", "Again\n@rerunscreen\n"},
       {"rerun.txt", "First\n@repeat\n@rerunscreen\nNever\n"}},
      {}};
}

struct RecordingTrace : Trace {
  std::vector<std::string> events;
  void screenEntered(int screen, const std::string&, const std::string&) override {
    events.push_back("screen " + std::to_string(screen));
  }
  void regionHit(const std::string& what, int index) override {
    events.push_back(what + " " + std::to_string(index));
  }
  void navigation(const std::string& what, int from, int to) override {
    events.push_back(what + " " + std::to_string(from) + ">" + std::to_string(to));
  }
  void note(const std::string& text) override { events.push_back(text); }
  int count(const std::string& prefix) const {
    int n = 0;
    for (const auto& e : events) n += e.rfind(prefix, 0) == 0;
    return n;
  }
};

class NavigationTest : public ::testing::Test {
 protected:
  static const CompiledCourse& course() {
    static CompiledCourse compiled(navigationCourseSource());
    return compiled;
  }

  void SetUp() override {
    fixture = std::make_unique<PlayerFixture>(course().root());
    trace.events.clear();
    Player& pl = p();
    pl.trace = &trace;
    pl.shell.bottomBarScript = crlf(
        "@GoBack 113,407,54,33,100,*mmover.bmp\n@GoBack 204,410,87,35,101,*wpover.bmp\n"
        "@GoBack 330,407,92,35,102,*calcover.bmp\n@GoBack 556 ,407,73,35,103,*indxover.bmp\n"
        "@GoBack 455,406,63,35,105,*frmsover.bmp");
    pl.shell.bottomBarScriptTemplate = pl.shell.bottomBarScript;
    pl.shell.breakDeadline = int32_t(platform().millis() + 2700000u);
    // Every picture exists unless a test says otherwise.
    platform().imageLoader = [](const std::string&) { return Image(10, 10); };
  }

  Player& p() { return fixture->p(); }
  FakePlatform& platform() { return fixture->platform; }

  // Shows a screen as navigation would: with its template when it is a
  // leaf that has one.
  void show(int screen, bool withTemplate) {
    p().engine.currentScreen = screen;
    p().nav.useTemplate = withTemplate;
    hardResetvars(p());
    runProgram(p());
  }
  // Shows `script` as screen `screen` (a leaf shown with its template).
  void showScript(int screen, const std::string& script, bool withTemplate = true) {
    p().engine.currentScreen = screen;
    p().nav.useTemplate = withTemplate;
    hardResetvars(p());
    runProgram(p(), crlf(script));
  }
  // A click at (x, y) with the left (1) or right (2) button.
  void click(int x, int y, int button = 1);

  std::unique_ptr<PlayerFixture> fixture;
  RecordingTrace trace;
};

inline void NavigationTest::click(int x, int y, int button) {
  onPointerMove(p(), 0, x, y);
  onPointerDown(p(), button, x, y);
  onPointerUp(p(), button, x, y);
  onClick(p());
}

}  // namespace vintara::test
