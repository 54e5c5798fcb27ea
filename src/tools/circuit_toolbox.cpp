// The circuit toolbox as the engine sees it.
#include "tools/circuit_toolbox.h"

#include "engine/command_table.h"
#include "engine/player.h"

namespace vintara {

void cmdToolbox(Player&) {}
void cmdVirtualCircuit(Player&) {}
void cmdCircuit(Player&) {}
void cmdCompassHotspot(Player&) {}

bool isToolboxVisible(const Player& p) { return p.shell.toolboxVisible; }
void hideToolbox(Player& p) { p.shell.toolboxVisible = false; }

}  // namespace vintara
