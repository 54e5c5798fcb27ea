// The study tools the Utilities menu and the bottom button bar open.
#include "shell/utilities.h"

#include "engine/player.h"

namespace vintara {

// Placeholders until the word processor launcher, the calculator window and
// the formula sheet are built: the buttons do nothing yet.
void startWordProcessor(Player& p) { (void)p; }
void showCalculatorWindow(Player& p, int x, int y) { (void)p, (void)x, (void)y; }
void showFormulaSheet(Player& p, int x, int y) { (void)p, (void)x, (void)y; }

}  // namespace vintara
