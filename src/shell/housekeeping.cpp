// Housekeeping of the main window.
#include "shell/housekeeping.h"

#include "engine/player.h"

namespace vintara {

// Placeholder until the break dialog is built: the reminder is not shown
// yet and navigation goes on.
void takeABreak(Player& p) { (void)p; }

}  // namespace vintara
