// Navigation commands: regions of the bottom bar and screens, and the commands that depend on Forward.
#include "engine/navigation.h"

#include "engine/command_table.h"
#include "engine/player.h"

namespace vintara {

void cmdGoForward(Player&) {}
void cmdGoBack(Player&) {}
void cmdPlayGame(Player&) {}
void cmdPrintIcon(Player&) {}
void cmdNextScreen(Player&) {}
void cmdRerunScreen(Player&) {}
void cmdOnForwardNextScreen(Player&) {}
void cmdOnForwardGotoMenu(Player&) {}
void cmdRepeat(Player&) {}
void cmdDisable(Player&) {}
void cmdEnable(Player&) {}
void cmdRemoveLastNavigation(Player&) {}
void cmdNavSound(Player&) {}
void cmdPreserve(Player&) {}
void cmdRestore(Player&) {}


}  // namespace vintara
