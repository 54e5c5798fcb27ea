// Screens and navigation: starting a screen, the bottom button bar, Forward
// and Back, moves over the course tree, the layout stack and the resets
// that separate screens; the jump history, ticks and the index bookmark.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;

// Shows the screen currentScreen; with a script, runs that text instead of
// looking the screen's script up.
void runProgram(Player& p);
void runProgram(Player& p, const std::string& script);
// Whether a screen is shown inside its menu's template: every node that is
// not a menu, except "the game".
bool isLeafForTemplate(const Player& p, int node);

void runBottomBar(Player& p);
void drawButtonStatus(Player& p);

// Forward through region `index` (0 the next screen, -1 only continue a
// stopped script); Back through region `index`.
void executeGoForward(Player& p, int index, bool fromButton = false);
void executeGoBack(Player& p, int index, bool quiet = false);

// Moves over the course tree.
int goForward(Player& p, int screen, int choice);
int goBackward(Player& p, int screen, int steps);
void gotoScreen(Player& p, std::string_view lowerName);

void saveLayout(Player& p);
void restoreLayout(Player& p);

void resetVars(Player& p, bool keepGameData = false, bool keepSound = false);
void hardResetvars(Player& p);
void resetBranchVars(Player& p);
void allResetVars(Player& p);

// Stops the wait timer and closes the open hotspot or popup.
void stopWaitAndClosePopup(Player& p);

// Hotspot jumps already made from the current screen, for case blocks: the
// tick count of its tick slot, 99 when that equals hotspotJumpCount, 0 when
// the screen has no tick slot. (visits.cpp)
int hotspotVisits(Player& p);

// Menu > "Return to main menu".
void mnuReturn_Click(Player& p);

// Looks a screen's script up and takes over useTemplate from the lookup.
std::string lookUpScript(Player& p, int screen);

// Declares navigation region kind `kind` (1 Forward, 2 Back, 4 game, 5
// jump) from x, y, w, h, the target text and the three pictures; returns
// its number (1 to 20), or 0 when the screen has no room for it.
int declareRegion(Player& p, int kind, int x, int y, int w, int h, const std::string& target,
                  const std::string& hover, const std::string& pressed,
                  const std::string& disabled);

// The covers of "disable" and "enable": word is "forward", "backward" or
// "back" (any case); "hotspot" switches hotspots off and on.
void disableNavigation(Player& p, std::string_view word);
void enableNavigation(Player& p, std::string_view word);

// Prints the investigation list (the flash words) on the printer.
void printInvestigationList(Player& p);


// The series launcher beside the program's folder ("" when there is none),
// and the one argument word it is started with.
std::string findSeriesLauncher(const std::string& programFolder);
extern const char* const kLauncherArgument;

// ---- Jumps, ticks and the bookmark ----

// Records currentScreen as the screen an open jump returns to.
void pushReturn(Player& p);
// Ticks the region of the last jump on the screen it left.
void recordTick(Player& p);
// Undoes the last jump when the pupil is on its target; true when it did.
bool restoreBackTrack(Player& p);
// A jump region was declared: gives its screen a tick slot, counts it and
// draws its tick when it was visited.
void declareJumpRegion(Player& p, int region);
// The pupil clicked jump region `region`.
void jumpThroughRegion(Player& p, int region);

// The index bookmark.
void saveIndexData(Player& p);
void restoreIndexData(Player& p);

}  // namespace vintara
