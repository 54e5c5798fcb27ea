// Hotspot jumps, ticks and the index bookmark.
#include <cmath>

#include "assess/feedback_box.h"
#include "engine/command_table.h"
#include "engine/interpreter.h"
#include "engine/navigation.h"
#include "engine/numbers.h"
#include "engine/player.h"
#include "engine/script_errors.h"
#include "engine/script_text.h"
#include "output/pictures.h"
#include "output/pointer.h"
#include "platform/text_codec.h"

namespace vintara {

namespace {

TickSlot* slotOf(Player& p, int screen) {
  for (TickSlot& s : p.jumps.tickSlots)
    if (s.screen == screen && screen != 0) return &s;
  return nullptr;
}

// Whether a sibling of the current screen has this caption (lower case).
bool siblingNamed(const Player& p, std::string_view lowerName) {
  const CourseTree& t = p.content.tree;
  for (int n = t.firstSibling(p.engine.currentScreen); n; n = t.nextSibling(n))
    if (toLower(t.caption(n)) == lowerName) return true;
  return false;
}

// Opens a jump to the sibling `lowerName`; false (nothing changed) when no
// sibling has that name or the history is full.
bool openJump(Player& p, const std::string& lowerName) {
  if (!siblingNamed(p, lowerName)) {
    scriptError(p, "no screen beside this one is called \"" + lowerName + "\"");
    return false;
  }
  if (p.jumps.returnDepth >= JumpState::kMaxJumps) {
    scriptError(p, "more than 31 jumps are open");
    return false;
  }
  pushReturn(p);
  gotoScreen(p, lowerName);
  p.jumps.jumpTargetStack[size_t(p.jumps.returnDepth - 1)] = p.engine.currentScreen;
  return true;
}

}  // namespace

void pushReturn(Player& p) {
  JumpState& j = p.jumps;
  if (j.returnDepth >= JumpState::kMaxJumps) return;
  j.jumpOrigin = p.engine.currentScreen;
  j.returnStack[size_t(j.returnDepth)] = p.engine.currentScreen;
  ++j.returnDepth;
}

void recordTick(Player& p) {
  JumpState& j = p.jumps;
  TickSlot* slot = slotOf(p, j.jumpOrigin);
  if (!slot || j.jumpRegion < 0 || j.jumpRegion > 20) return;
  if (slot->ticked[size_t(j.jumpRegion)]) return;
  slot->ticked[size_t(j.jumpRegion)] = true;
  ++slot->count;
}

bool restoreBackTrack(Player& p) {
  JumpState& j = p.jumps;
  if (j.returnDepth <= 0 || p.engine.currentScreen != j.jumpTargetStack[size_t(j.returnDepth - 1)])
    return false;
  --j.returnDepth;
  p.engine.currentScreen = j.returnStack[size_t(j.returnDepth)];
  p.run.returnReplay = true;
  return true;
}

void declareJumpRegion(Player& p, int region) {
  JumpState& j = p.jumps;
  const int screen = p.engine.currentScreen;
  TickSlot* slot = slotOf(p, screen);
  if (!slot) {
    // Two screens of a branch keep ticks; a third gets none.
    for (TickSlot& s : j.tickSlots)
      if (s.screen == 0) {
        s = TickSlot{};
        s.screen = screen;
        slot = &s;
        break;
      }
  }
  ++j.hotspotJumpCount;
  if (!slot || region < 0 || region > 20 || !slot->ticked[size_t(region)]) return;

  const NavRegion& r = p.regions.nav[size_t(region)];
  p.trace->note("tick on region " + std::to_string(region));
  const int savedSlot = p.pictures.currentPictureSlot;
  const int n = region - 10;
  if (n >= 0 && n <= 10 && !j.tickPictures[size_t(n)].empty()) {
    printPicture(p, r.left, r.top, j.tickPictures[size_t(n)]);
  } else {
    const double w = r.right - r.left, h = r.bottom - r.top;
    printPicture(p, int(roundHalfEven(r.left + w / 2 - 5)), int(roundHalfEven(r.top + h / 2 - 5)),
                 "*ticksml.bmp");
  }
  p.pictures.currentPictureSlot = savedSlot;
}

void jumpThroughRegion(Player& p, int region) {
  EngineState& e = p.engine;
  stopWaitAndClosePopup(p);
  const int old = e.currentScreen;
  if (!openJump(p, toLower(p.regions.nav[size_t(region)].target))) return;
  p.jumps.returnScreen = old;
  p.jumps.jumpRegion = region;
  closeFeedbackBox(p);
  hardResetvars(p);
  p.trace->navigation("jump", old, e.currentScreen);
  runProgram(p);
}

// onforwardgoto name: after Forward, jump to the named sibling screen.
void cmdOnForwardGoto(Player& p) {
  if (!p.run.forwardPressed) return;
  EngineState& e = p.engine;
  const int old = e.currentScreen;
  if (!openJump(p, toLower(e.cmdItems[1]))) return;
  stopWaitAndClosePopup(p);
  hardResetvars(p);
  p.trace->navigation("jump", old, e.currentScreen);
  runProgram(p);
  endRun(p);
}

// onforwardreturn, return: back from the last jump, with its tick.
void cmdReturn(Player& p) {
  JumpState& j = p.jumps;
  if (j.returnDepth <= 0) {
    endRun(p);
    return;
  }
  const int old = p.engine.currentScreen;
  --j.returnDepth;
  p.engine.currentScreen = j.returnStack[size_t(j.returnDepth)];
  recordTick(p);
  stopWaitAndClosePopup(p);
  hardResetvars(p);
  p.run.returnReplay = true;
  p.trace->navigation("return", old, p.engine.currentScreen);
  runProgram(p);
  endRun(p);
}

// replacetick n, picture: the tick of jump region n + 10.
void cmdReplaceTick(Player& p) {
  const int n = strictInt16(p, p.engine.cmdItems[1], -1);
  if (n < 0 || n > 10) {
    scriptError(p, "replacetick takes a number from 0 to 10");
    return;
  }
  p.jumps.tickPictures[size_t(n)] = p.engine.cmdItems[2];
}

void saveIndexData(Player& p) {
  p.jumps.bookmarkScreen = p.engine.currentScreen;
  p.jumps.bookmarkUseTemplate = p.nav.useTemplate;
  p.bookmarkRecord = p.pupil;
  p.setMenuCaption(MenuItem::UtilIndex, "&Return to bookmark");
  p.setMenuChecked(MenuItem::UtilIndex, false);
}

void restoreIndexData(Player& p) {
  const int old = p.engine.currentScreen;
  allResetVars(p);
  p.pupil = p.bookmarkRecord;
  p.engine.currentScreen = p.jumps.bookmarkScreen;
  // The bookmarked screen is shown as it was when the bookmark was taken
  // (with its menu's template when it is a leaf).
  p.nav.useTemplate = p.jumps.bookmarkUseTemplate;
  p.jumps.bookmarkScreen = 0;
  p.shell.inputBlocked = p.nav.engineMode;
  p.nav.engineMode = 0;
  p.trace->navigation("bookmark", old, p.engine.currentScreen);
  runProgram(p);
  p.setMenuCaption(MenuItem::UtilIndex, "&Index");
  p.setMenuChecked(MenuItem::UtilIndex, false);
  p.shell.inputBlocked = 0;
}

}  // namespace vintara
