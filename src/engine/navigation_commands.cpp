// Navigation commands: regions of the bottom bar and screens, and the commands that depend on Forward.
#include "engine/navigation.h"

#include "assess/animation.h"
#include "assess/feedback_box.h"
#include "engine/command_table.h"
#include "engine/interpreter.h"
#include "engine/numbers.h"
#include "engine/player.h"
#include "engine/script_errors.h"
#include "engine/script_text.h"
#include "output/pictures.h"
#include "output/rich_text.h"

namespace vintara {

namespace {

// x, y, w, h of a region command, each a number or a variable.
bool regionBox(Player& p, const char* command, int box[4]) {
  if (p.engine.cmdItemCount < 5) {
    scriptError(p, std::string(command) + " needs x, y, width, height and a target");
    return false;
  }
  for (int i = 0; i < 4; ++i) box[i] = numericParam(p, commandItem(p, i + 1));
  return true;
}

}  // namespace

// goforward x, y, w, h, target [, hover, pressed, disabled]: a Forward
// region, or a jump region when the target names a screen. With one
// parameter: Forward at once as if region 1 (target 1) had been pressed.
void cmdGoForward(Player& p) {
  EngineState& e = p.engine;
  if (e.cmdItemCount == 1) {
    p.regions.nav[1].target = "1";
    executeGoForward(p, 1);
    endRun(p);
    return;
  }
  int b[4];
  if (!regionBox(p, "goforward", b)) return;
  const std::string target = commandItem(p, 5);
  const bool numeric = strictNumber(target, p.text.decimalSeparator).has_value();
  const int kind = numeric ? kForwardRegion : kJumpRegion;
  const int n = declareRegion(p, kind, b[0], b[1], b[2], b[3], target, commandItem(p, 6),
                              commandItem(p, 7), commandItem(p, 8));
  if (n && kind == kJumpRegion) declareJumpRegion(p, n);
}

namespace {
// A region whose five numbers (x, y, w, h and its target) all read with
// numericParam, then its pictures.
void declareNumberedRegion(Player& p, int kind, const char* word) {
  int b[4];
  if (!regionBox(p, word, b)) return;
  const int target = numericParam(p, commandItem(p, 5));
  declareRegion(p, kind, b[0], b[1], b[2], b[3], std::to_string(target), commandItem(p, 6),
                commandItem(p, 7), commandItem(p, 8));
}
}  // namespace

// goback x, y, w, h, steps [, hover, pressed, disabled]: a Back region.
void cmdGoBack(Player& p) { declareNumberedRegion(p, kBackRegion, "goback"); }

// playgame x, y, w, h, n [, pictures]: a game region (pressing it does
// nothing).
void cmdPlayGame(Player& p) { declareNumberedRegion(p, kGameRegion, "playgame"); }

// printicon: the print icon at picturePos, a Back region with target 110.
void cmdPrintIcon(Player& p) {
  EngineState& e = p.engine;
  Surface& s = outputSurface(p);
  const int x = s.x, y = s.y;
  e.cmdItems[1] = "*printico.bmp";
  e.cmdItemCount = 1;
  showPicture(p);
  s.x = x;
  s.y = y;
  const int px = p.pictures.pictureX, py = p.pictures.pictureY;
  const std::string items[] = {std::to_string(px), std::to_string(py), "20", "20", "110"};
  for (int i = 1; i <= 5; ++i) e.cmdItems[size_t(i)] = items[i - 1];
  for (int i = 6; i <= 8; ++i) e.cmdItems[size_t(i)].clear();
  e.cmdItemCount = 5;
  cmdGoBack(p);
}

// nextscreen: Forward with region 0, then the run ends.
void cmdNextScreen(Player& p) {
  executeGoForward(p, 0);
  endRun(p);
}

// rerunscreen: the screen starts again from its first line.
void cmdRerunScreen(Player& p) {
  resetVars(p);
  p.pupilFile.dataChanged = true;
  stopWaitAndClosePopup(p);
  resetCharacterAnimation(p);
  p.nav.engineMode = 0;
  closeFeedbackBox(p);
  hardResetvars(p);
  runProgram(p);
  endRun(p);
}

// onforwardnextscreen: after Forward (or a template's Forward), the next
// screen.
void cmdOnForwardNextScreen(Player& p) {
  if ((!p.nav.allHotspotsSeen && p.run.resumePos < p.engine.scriptPos) || p.run.templateForward) {
    p.engine.scriptPos = 32000;
    executeGoForward(p, 0);
    endRun(p);
  }
}

// onforwardgotomenu: after Forward, up to the menu.
void cmdOnForwardGotoMenu(Player& p) {
  if (!p.run.forwardPressed) return;
  p.engine.scriptPos = 32000;
  p.regions.nav[1].target = "1";
  executeGoBack(p, 1, true);
  endRun(p);
}

// repeat: Forward is covered and the script stops for the pupil.
void cmdRepeat(Player& p) {
  if (p.engine.scriptPos < p.run.resumePos) return;
  p.engine.cmdItems[1] = "forward";
  disableNavigation(p, "forward");
  saveLayout(p);
  endRun(p);
}

void cmdDisable(Player& p) { disableNavigation(p, commandItem(p, 1)); }
void cmdEnable(Player& p) { enableNavigation(p, commandItem(p, 1)); }

void cmdRemoveLastNavigation(Player& p) {
  if (p.regions.navCount > 0) p.nav.regionCount = --p.regions.navCount;
}

void cmdNavSound(Player& p) { p.nav.navSoundPending = true; }
void cmdPreserve(Player& p) { saveLayout(p); }
void cmdRestore(Player& p) { restoreLayout(p); }

}  // namespace vintara
