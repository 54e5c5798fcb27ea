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

// Placeholders until the toolbox window is built.
void componentDragToMainWindow(Player& p, const DragPayload& payload, int x, int y) {
  (void)p, (void)payload, (void)x, (void)y;
}
bool toolboxDragOver(Player& p, int x, int y) {
  (void)p, (void)x, (void)y;
  return false;
}

}  // namespace vintara
