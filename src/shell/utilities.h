// The study tools the Utilities menu and the bottom button bar open.
#pragma once

namespace vintara {

class Player;

// Starts the pupil's word processor (or brings it forward).
void startWordProcessor(Player& p);
// Shows the calculator window, owned by the main window, at this offset
// into the work area.
void showCalculatorWindow(Player& p, int x, int y);
// Shows the formula sheet at this offset into the work area.
void showFormulaSheet(Player& p, int x, int y);

}  // namespace vintara
