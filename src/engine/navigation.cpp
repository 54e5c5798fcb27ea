#include "engine/navigation.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "assess/animation.h"
#include "assess/exam.h"
#include "assess/feedback_box.h"
#include "assess/judging.h"
#include "assess/quiz.h"
#include "assess/sound.h"
#include "content/pupil_file.h"
#include "engine/control_flow.h"
#include "engine/gadgets.h"
#include "engine/interpreter.h"
#include "engine/player.h"
#include "engine/script_errors.h"
#include "engine/script_text.h"
#include "output/pictures.h"
#include "output/pointer.h"
#include "output/rich_text.h"
#include "platform/text_codec.h"
#include "shell/housekeeping.h"
#include "shell/utilities.h"
#include "shell/wait.h"
#include "tools/circuit_toolbox.h"

namespace vintara {

const char* const kLauncherArgument = "vintara";

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

void setRegionCount(Player& p, int count) {
  count = std::clamp(count, 0, RegionTable::kMaxNavRegions);
  p.nav.regionCount = p.regions.navCount = count;
}

// The number a region's target holds; targets that are not numbers are
// script errors and count as 0.
int targetNumber(Player& p, int region) {
  return strictInt16(p, p.regions.nav[size_t(region)].target);
}

// Whether a line equal to `lowerLine` follows the current position of the
// running script.
bool lineFollows(Player& p, std::string_view lowerLine) {
  return p.engine.scriptPos >= 1 && peekLabel(p.engine, lowerLine) != 0;
}

// Hides the index window and unchecks its Utilities item.
void hideIndex(Player& p) {
  p.shell.indexVisible = false;
  p.setMenuChecked(MenuItem::UtilIndex, false);
}

// The picture of a cover: "*name" from the shared pictures, any other name
// from the topic's own pictures. Asks Retry/Cancel while it cannot be
// loaded (Cancel ends the program).
void checkCoverPicture(Player& p, const std::string& name) {
  const std::string rel = name.size() > 1 && name[0] == '*'
                              ? p.content.picturePath(name.substr(1))
                              : p.content.topicFolder + "pictures\\" + name;
  while (!p.platform.loadImage(p.content.native(rel))) {
    if (p.message("Failed to load " + name + ". " + kCdText, Buttons::RetryCancel, Icon::Error) !=
        Answer::Retry)
      p.platform.endProgram(1);
  }
}

RegionCover& coverFor(Player& p, std::string_view lowerWord, int& kind) {
  if (lowerWord == "forward") {
    kind = kForwardRegion;
    return p.nav.forwardCover;
  }
  kind = kBackRegion;
  return p.nav.backCover;
}

// Screens started from inside scripts nest; scripts that keep moving on
// without stopping for the pupil are ended here (kMaxNestedRuns).
void startScreen(Player& p, const std::string& script, bool given) {
  EngineState& e = p.engine;
  if (p.run.depth > kMaxNestedRuns) {
    scriptError(p, "screens moved on " + std::to_string(kMaxNestedRuns) +
                       " times without stopping for the pupil; the runs were ended");
    p.run.abortAll = true;
    return;
  }
  if (e.currentScreen == 0) e.currentScreen = 1;
  ++p.nav.screenStarts;
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

bool isLeafForTemplate(const Player& p, int node) {
  return p.content.tree.kindOfNode(node) > 1 && toLower(p.content.tree.caption(node)) != "the game";
}

std::string lookUpScript(Player& p, int screen) {
  std::string text = p.content.getScript(screen);
  p.nav.useTemplate = p.content.useTemplate;
  return text;
}

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

void drawButtonStatus(Player& p) {
  if (p.engine.currentScreen == 1 || toLower(p.pictures.backdropName) == "pquizbck.bmp") return;
  RegionTable& r = p.regions;
  auto state = [&](int region, const char* picture) {
    if (r.navCount < region) return;
    const NavRegion& n = r.nav[size_t(region)];
    if (picture) {
      drawPictureAt(p, p.workArea, picture, n.left + 1, n.top + 1, false);
    } else {
      restoreRect(p, p.workArea, n.left + 1, n.top + 1, 90, 40);
      refreshRect(p, n.left + 1, n.top + 1, 90, 40);
    }
  };
  state(2, p.shell.wordProcessorOpen ? "*wpmina.BMP" : nullptr);
  if (p.nav.examPageMode) {
    state(5, "*frmsmina.bmp");
    state(4, "*indxmina.bmp");
  } else {
    state(5, nullptr);
    state(4, p.jumps.bookmarkScreen ? "*returna.bmp" : p.shell.indexVisible ? "*indxmina.bmp" : nullptr);
  }
}

int declareRegion(Player& p, int kind, int x, int y, int w, int h, const std::string& target,
                  const std::string& hover, const std::string& pressed,
                  const std::string& disabled) {
  if (p.regions.navCount >= RegionTable::kMaxNavRegions) {
    scriptError(p, "a screen has at most 20 navigation regions");
    return 0;
  }
  setRegionCount(p, p.regions.navCount + 1);
  const int n = p.regions.navCount;
  NavRegion& r = p.regions.nav[size_t(n)];
  r = NavRegion{};
  r.left = x;
  r.top = y;
  r.right = x + w;
  r.bottom = y + h;
  r.kind = kind;
  r.target = target;
  r.picture = hover;
  r.pressedPicture = pressed;
  r.disabledPicture = disabled;
  return n;
}

void executeGoForward(Player& p, int index, bool fromButton) {
  EngineState& e = p.engine;
  if (index > RegionTable::kMaxNavRegions) return;
  struct Running {
    Player& p;
    bool was;
    ~Running() { p.nav.forwardRunning = was; }
  } running{p, p.nav.forwardRunning};
  p.nav.forwardRunning = true;

  // 1.
  hideIndex(p);
  // 2. The click that "navsound" asked for.
  if (p.nav.navSoundPending) {
    stopWaitAndClosePopup(p);
    playNavigationClick(p, 0.5);
    p.nav.navSoundPending = false;
  }
  // 3. A tutor action on a lesson screen is finished at once.
  const bool animating = p.animationTimer->isActive();
  p.animationTimer->stop();
  if (animating && p.nav.useTemplate && !p.nav.examPageMode &&
      toLower(p.pictures.backdropName) != "pquizbck.bmp")
    finishCharacterAnimation(p);
  // 4.
  p.pupilFile.dataChanged = true;
  p.run.forwardPressed = true;
  stopWaitAndClosePopup(p);
  // 5. A pending quiz question is judged by the quiz.
  if (p.question.inQuestion && p.question.quizMode && judgeQuizAnswer(p)) return;

  if (e.scriptPos < e.scriptEnd) {
    // 6. The script stopped for the pupil: it goes on.
    // Whether this Forward is the template's: a run that stopped early kept
    // the flag of the Forward before, which must not count for this one.
    p.run.templateForward = fromButton && index >= 0 && p.nav.templateRegionCount >= index;
    if (p.nav.examPageMode) {
      const int number = index >= 0 ? targetNumber(p, index) : 0;
      const int found = findLabel(e, "@page " + std::to_string(number));
      e.scriptPos = found - 12;
      if (e.scriptPos < 1) {
        p.message("Can't find question page " + std::to_string(number));
        e.scriptPos = 1;
        return;
      }
    } else {
      const int declared = int(p.regions.hotspots.size());
      p.nav.allHotspotsSeen = p.regions.hotspotsVisited == declared;
      p.regions.hotspotsVisited = declared;
    }
    for (int i = 0; i < p.control.loopDepth; ++i) e.scriptPos = findLabel(e, "@endloop");
    p.control.loopDepth = 0;
    p.trace->navigation("continue", e.currentScreen, e.currentScreen);
    executeProgramScript(p, &p.workArea);
    return;
  }

  // 7. The script has ended: move to another node.
  if (index < 0) return;
  closeFeedbackBox(p);
  if (index == 0) p.regions.nav[0].target = "0";
  const int old = e.currentScreen;
  const int choice = targetNumber(p, index);
  if (choice != 0 && p.content.tree.child(old, choice) == 0) {
    // A Forward region whose target is a child this node does not have (a
    // Go button, or a region of a template on one of its leaves) leads
    // nowhere; the screen stays.
    return;
  }
  e.currentScreen = goForward(p, old, choice);
  if (int32_t(p.platform.millis()) > p.shell.breakDeadline && e.currentScreen < old) takeABreak(p);
  if (e.currentScreen < old) resetBranchVars(p);
  hardResetvars(p);
  p.trace->navigation("forward", old, e.currentScreen);
  runProgram(p);
}

void executeGoBack(Player& p, int index, bool quiet) {
  EngineState& e = p.engine;
  if (index < 0 || index > RegionTable::kMaxNavRegions) return;
  if (index == 0) p.regions.nav[0].target = "0";
  const int t = targetNumber(p, index);
  const int old = e.currentScreen;

  if (!(t == 0 && p.question.answerLocked)) {
    if (t >= 50 && t <= 80) return;
    switch (t) {
      case 100:
        if (p.nav.examPageMode) {
          if (p.message("Are you sure you want to leave the exam question and return to the main menu?",
                        Buttons::YesNo) != Answer::Yes)
            return;
          lookUpScript(p, e.currentScreen);
        }
        if (!quiet) playNavigationClick(p, 0.3);
        p.setMenuEnabled(MenuItem::FilePrintExam, false);
        p.setMenuEnabled(MenuItem::UtilFormulaSheet, true);
        p.setMenuEnabled(MenuItem::UtilIndex, true);
        p.nav.examPageMode = false;
        e.currentScreen = 1;
        break;
      case 101:
        startWordProcessor(p);
        return;
      case 102:
        showCalculatorWindow(p, 100, 100);
        return;
      case 103:
        if (p.jumps.bookmarkScreen) {
          restoreIndexData(p);
        } else if (!p.shell.indexVisible) {
          p.shell.indexVisible = true;
          p.setMenuChecked(MenuItem::UtilIndex, true);
          drawButtonStatus(p);
        }
        return;
      case 105:
        showFormulaSheet(p, 110, 90);
        return;
      case 110:
        printInvestigationList(p);
        return;
      case 9000:
        if (p.message("Are you sure you want to leave the exam question and return to the exam "
                      "selection menu?",
                      Buttons::YesNo) == Answer::Yes) {
          hardResetvars(p);
          resetBranchVars(p);
          p.nav.examPageMode = false;
          p.nav.engineMode = 0;
          executeGoBack(p, 0);
        }
        return;
      default:
        stopWaitAndClosePopup(p);
        closeCurrentWav(p);
        if (!quiet) playNavigationClick(p, 0.3);
        if (t != 0) {
          e.currentScreen = goBackward(p, e.currentScreen, t);
        } else if (!restoreBackTrack(p)) {
          e.currentScreen = goBackward(p, e.currentScreen, 0);
        }
        break;
    }
  }

  // 4. The common tail.
  hideIndex(p);
  p.pupilFile.dataChanged = true;
  stopWaitAndClosePopup(p);
  closeCurrentWav(p);
  resetCharacterAnimation(p);
  p.nav.engineMode = 0;
  closeFeedbackBox(p);
  if (lineFollows(p, "@onforwardreturn")) recordTick(p);
  hardResetvars(p);
  if (t != 0) resetBranchVars(p);
  p.trace->navigation("back", old, e.currentScreen);
  runProgram(p);
}

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
  if (result == 0) result = 1;  // past the root: the main menu
  p.nav.useTemplate = isLeafForTemplate(p, result);
  return result;
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
  setRegionCount(p, std::min(top.regionCount, p.regions.navCount));
  if (int(p.text.textHistory.size()) > top.textLineCount) p.text.textHistory.resize(size_t(top.textLineCount));
  if (int(p.regions.hotspots.size()) > top.hotspotCount) p.regions.hotspots.resize(size_t(top.hotspotCount));
}

void stopWaitAndClosePopup(Player& p) {
  p.processorTimer->stop();
  closeOpenPopup(p);
}

void disableNavigation(Player& p, std::string_view word) {
  const std::string w = toLower(word);
  if (w == "hotspot") {
    p.regions.hotspotsEnabled = false;
    return;
  }
  if (w != "forward" && w != "backward" && w != "back") return;
  int kind = 0;
  RegionCover& cover = coverFor(p, w, kind);
  RegionTable& r = p.regions;
  for (int i = 1; i <= r.navCount; ++i) {
    NavRegion& n = r.nav[size_t(i)];
    if (n.kind != kind || n.disabledPicture.empty()) continue;
    checkCoverPicture(p, n.disabledPicture);
    if (cover.shown && cover.region != i) r.nav[size_t(cover.region)].disabled = false;
    dropNavOverlay(p);
    cover = RegionCover{true, i, n.left + 1, n.top + 1, n.right - n.left + 1, n.bottom - n.top + 1};
    n.disabled = true;
    drawPictureAt(p, p.workArea, n.disabledPicture, cover.x, cover.y, true);
    refreshRect(p, cover.x, cover.y, cover.w, cover.h);
    return;
  }
}

void enableNavigation(Player& p, std::string_view word) {
  const std::string w = toLower(word);
  if (w == "hotspot") {
    p.regions.hotspotsEnabled = true;
    return;
  }
  if (w != "forward" && w != "backward" && w != "back") return;
  int kind = 0;
  RegionCover& cover = coverFor(p, w, kind);
  if (!cover.shown) return;
  if (cover.region >= 1 && cover.region <= p.regions.navCount)
    p.regions.nav[size_t(cover.region)].disabled = false;
  restoreRect(p, p.workArea, cover.x, cover.y, cover.w, cover.h);
  refreshRect(p, cover.x, cover.y, cover.w, cover.h);
  cover = RegionCover{};
}

void printInvestigationList(Player& p) {
  closeCurrentWav(p);
  enableNavigation(p, "forward");
  std::unique_ptr<PrintJob> job = p.platform.startPrintJob();
  if (!job) return;
  Surface printer;
  printer.kind = Surface::Kind::Printer;
  printer.printer = job.get();
  printer.font = p.workArea.font;
  printer.x = 720;  // half an inch from the printable area's corner
  printer.y = 720;
  struct Restore {
    Player& p;
    Surface* surface;
    ~Restore() { p.engine.outputSurface = surface; }
  } restore{p, p.engine.outputSurface};
  p.engine.outputSurface = &printer;
  const GadgetState& g = p.gadgets;
  printText(p, g.flashWords.empty() ? std::string("#f1#bInvestigation#b_") : "#f1#b" + g.flashTopic + "#b_");
  for (const std::string& word : g.flashWords) printText(p, word);
  const bool ok = job->finish();
  p.engine.outputSurface = restore.surface;
  if (ok)
    p.message("Printing completed.", Buttons::Ok, Icon::Information);
  else
    p.message("Failed to print.", Buttons::Ok, Icon::Error);
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
  p.nav.forwardCover = RegionCover{};
  p.nav.backCover = RegionCover{};
  setRegionCount(p, 0);
  p.nav.templateRegionCount = 0;
  p.nav.layoutStack.clear();
  const char* const defaultPointer = "pictures\\dragicon\\screw.cur";
  if (p.shell.dragPointer != defaultPointer && p.content.paths.hasRoot()) {
    p.shell.dragPointer = defaultPointer;
    p.platform.setDragPointer(p.content.native(p.shell.dragPointer));
  }
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

std::string findSeriesLauncher(const std::string& programFolder) {
  namespace fs = std::filesystem;
  if (programFolder.empty()) return {};
  std::error_code ec;
  fs::path folder = fs::path(programFolder);
  if (!folder.has_filename()) folder = folder.parent_path();  // a trailing "/"
  const fs::path parent = folder.parent_path();
  for (fs::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec)) {
    if (toLower(it->path().filename().string()) == "diverede.exe" && it->is_regular_file(ec))
      return it->path().string();
  }
  return {};
}

void mnuReturn_Click(Player& p) {
  if (p.engine.currentScreen != 1) {
    p.regions.nav[1].target = "100";
    executeGoBack(p, 1);
    return;
  }
  // Leaving from the main menu: the series launcher takes over.
  if (p.pupilFile.dataChanged && !askToSaveDataFirst(p)) return;
  const std::string launcher = findSeriesLauncher(p.platform.programFolder());
  p.trace->navigation("leave", 1, 0);
  if (launcher.empty()) p.platform.endProgram(0);
  p.platform.startProgram(launcher, {kLauncherArgument}, p.platform.mainWindowMaximised());
  delaySeconds(p, 1.5);
  p.platform.endProgram(0);
}

}  // namespace vintara
