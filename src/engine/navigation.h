// Screens and navigation: starting a screen, the bottom button bar, Forward
// and Back, moves over the course tree, the layout stack and the resets
// that separate screens.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;

// Shows the screen currentScreen; with a script, runs that text instead of
// looking the screen's script up.
void runProgram(Player& p);
void runProgram(Player& p, const std::string& script);

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

}  // namespace vintara
