#include "engine/navigation.h"

#include "assess/animation.h"
#include "assess/exam.h"
#include "assess/feedback_box.h"
#include "assess/judging.h"
#include "assess/quiz.h"
#include "assess/sound.h"
#include "engine/control_flow.h"
#include "engine/gadgets.h"
#include "engine/interpreter.h"
#include "engine/player.h"
#include "output/pictures.h"
#include "output/pointer.h"
#include "output/rich_text.h"
#include "platform/text_codec.h"
#include "tools/circuit_toolbox.h"

namespace vintara {

namespace {
constexpr size_t kMaxLayoutEntries = 51;

// Runs `script` from its start on the work area as a nested piece of the
// screen, naming it for messages.
void runText(Player& p, const std::string& script, const std::string& name) {
  p.engine.scriptText = script;
  p.engine.scriptPos = 1;
  p.engine.scriptEnd = int(script.size());
  p.engine.scriptName = name;
  executeProgramScript(p, &p.workArea);
}

bool isLeafForTemplate(const Player& p, int node) {
  return p.content.tree.kindOfNode(node) > 1 && toLower(p.content.tree.caption(node)) != "the game";
}
}  // namespace

std::string lookUpScript(Player& p, int screen) {
  std::string text = p.content.getScript(screen);
  p.nav.useTemplate = p.content.useTemplate;
  return text;
}

namespace {
void startScreen(Player& p, const std::string& script, bool given) {
  EngineState& e = p.engine;
  if (e.currentScreen == 0) e.currentScreen = 1;
  resetVars(p);
  p.workArea.font.bold = false;
  runBottomBar(p);

  if (p.nav.useTemplate) {
    if (p.nav.examPageMode) {
      setUpExamPage(p);
      p.nav.engineMode = 11;
    } else {
      const int screen = e.currentScreen;
      const std::string savedPath = p.content.scriptFilePath;
      std::string templ = p.content.getTemplateScript(screen);
      p.nav.useTemplate = false;
      runText(p, templ, p.content.scriptPathOf(p.content.tree.parent(screen)));
      p.content.scriptFilePath = savedPath;
      e.currentScreen = screen;
      p.nav.useTemplate = !e.scriptText.empty();
      p.nav.templateRegionCount = p.nav.regionCount;
    }
  }

  if (p.nav.examPageMode) {
    setUpExamPage(p);
    p.nav.engineMode = 11;
  } else {
    e.scriptText = given ? script : lookUpScript(p, e.currentScreen);
  }
  const bool replay = p.run.returnReplay;
  e.scriptPos = 1;
  e.scriptEnd = int(e.scriptText.size());
  e.scriptName = given ? "screen " + std::to_string(e.currentScreen) : p.content.scriptFilePath;
  p.trace->screenEntered(e.currentScreen, p.content.tree.caption(e.currentScreen), e.scriptName);
  executeProgramScript(p, &p.workArea);
  if (replay) p.run.returnReplay = e.scriptPos > e.scriptEnd;
}
}  // namespace

void runProgram(Player& p) { startScreen(p, std::string(), false); }
void runProgram(Player& p, const std::string& script) { startScreen(p, script, true); }

void runBottomBar(Player& p) {
  EngineState& e = p.engine;
  if (e.currentScreen == 1) return;
  const std::string text = e.scriptText, name = e.scriptName;
  const int pos = e.scriptPos, end = e.scriptEnd, resume = p.run.resumePos, screen = e.currentScreen;
  const bool useTemplate = p.nav.useTemplate;

  p.nav.useTemplate = false;
  runText(p, useTemplate ? p.shell.bottomBarScriptTemplate : p.shell.bottomBarScript, "bottom bar");
  if (p.regions.navCount >= 4)
    p.regions.nav[4].picture = p.jumps.bookmarkScreen ? "*retrnovr.bmp" : "*indtover.bmp";

  e.scriptText = text;
  e.scriptName = name;
  e.scriptPos = pos;
  e.scriptEnd = end;
  p.nav.useTemplate = useTemplate;
  p.run.resumePos = resume;
  e.currentScreen = screen;
  for (auto pair : {std::pair{1100, 109}, {1101, 110}, {1102, 111}, {1105, 112}, {1103, 113}, {1110, 117}})
    addHelpPair(p, pair.first, pair.second);
}

void drawButtonStatus(Player& p) { (void)p; }

void executeGoForward(Player& p, int index, bool fromButton) {
  (void)p, (void)index, (void)fromButton;
}

void executeGoBack(Player& p, int index, bool quiet) { (void)p, (void)index, (void)quiet; }

int goForward(Player& p, int screen, int choice) {
  const CourseTree& t = p.content.tree;
  int result;
  if (choice != 0) {
    resetBranchVars(p);
    const int n = t.child(screen, choice);
    const int first = t.firstChild(n);
    if (first && t.kindOfNode(first) >= 2) {
      result = first;
      p.nav.useTemplate = toLower(t.caption(first)) != "the game";
      return result;
    }
    result = n;
  } else if (t.nextSibling(screen) == 0) {
    result = t.parent(screen);
    if (p.nav.useTemplate && t.parent(result)) result = t.parent(result);
  } else {
    result = t.nextSibling(screen);
  }
  p.nav.useTemplate = isLeafForTemplate(p, result);
  return result ? result : 1;
}

int goBackward(Player& p, int screen, int steps) {
  const CourseTree& t = p.content.tree;
  int result = screen;
  if (steps != 0) {
    resetBranchVars(p);
    auto climb = [&] {
      if (t.parent(result)) result = t.parent(result);
    };
    if (p.nav.useTemplate) climb();
    for (int i = 0; i < steps; ++i) climb();
  } else if (t.previousSibling(screen) == 0) {
    result = t.parent(screen) ? t.parent(screen) : screen;
    if (p.nav.useTemplate && t.parent(result)) result = t.parent(result);
  } else {
    result = t.previousSibling(screen);
  }
  p.nav.useTemplate = t.kindOfNode(result) > 1;
  return result;
}

void gotoScreen(Player& p, std::string_view lowerName) {
  const CourseTree& t = p.content.tree;
  for (int n = t.firstSibling(p.engine.currentScreen); n; n = t.nextSibling(n))
    if (toLower(t.caption(n)) == lowerName) {
      p.engine.currentScreen = n;
      return;
    }
}

void saveLayout(Player& p) {
  auto& stack = p.nav.layoutStack;
  if (stack.size() >= kMaxLayoutEntries) stack.erase(stack.begin());
  stack.push_back({p.nav.regionCount, int(p.text.textHistory.size()), int(p.regions.hotspots.size())});
}

void restoreLayout(Player& p) {
  auto& stack = p.nav.layoutStack;
  if (stack.empty()) return;
  const LayoutEntry top = stack.back();
  stack.pop_back();
  p.nav.regionCount = p.regions.navCount = std::min(top.regionCount, RegionTable::kMaxNavRegions);
  if (int(p.text.textHistory.size()) > top.textLineCount) p.text.textHistory.resize(size_t(top.textLineCount));
  if (int(p.regions.hotspots.size()) > top.hotspotCount) p.regions.hotspots.resize(size_t(top.hotspotCount));
}

void stopWaitAndClosePopup(Player& p) {
  p.processorTimer->stop();
  closeOpenPopup(p);
}

void resetVars(Player& p, bool keepGameData, bool keepSound) {
  resetTextForScreen(p);
  resetPicturesForScreen(p);
  resetRegionsForScreen(p);
  resetQuestionForScreen(p);
  resetGadgetsForScreen(p, keepGameData);
  p.control.loopDepth = 0;
  p.control.firstTimeDone = false;
  p.jumps.hotspotJumpCount = 0;
  p.run.forwardPressed = false;
  p.run.templateForward = false;
  p.nav.allHotspotsSeen = false;
  p.nav.regionCount = 0;
  p.nav.layoutStack.clear();
  p.animationTimer->stop();
  p.processorTimer->stop();
  p.internalTimer->stop();
  hideToolbox(p);
  setFontSize(p, 1);
  if (!p.question.quizMode && !keepSound) closeCurrentWav(p);
}

void hardResetvars(Player& p) {
  p.question.feedbackMet = false;
  p.question.answerLocked = false;
  p.regions.hotspotsVisited = 0;
  p.run.resumePos = -1;
  p.engine.scriptPos = 1;
  p.workArea.font.bold = false;
}

void resetBranchVars(Player& p) {
  resetQuizState(p);
  p.jumps.tickSlots = {};
  p.jumps.returnDepth = 0;
  p.nav.engineMode = 0;
}

void allResetVars(Player& p) {
  p.pupilFile.dataChanged = true;
  stopWaitAndClosePopup(p);
  p.nav.engineMode = 0;
  closeFeedbackBox(p);
  p.internalTimer->stop();
  p.animationTimer->stop();
  p.processorTimer->stop();
  resetCharacterAnimation(p);
  resetVars(p);
  hardResetvars(p);
  resetBranchVars(p);
}

void mnuReturn_Click(Player& p) { (void)p; }

}  // namespace vintara
