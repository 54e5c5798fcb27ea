// Commands that declare pointer regions: drop areas, drag items, hotspots, popups, popdown lists.
#include "output/pointer.h"

#include "engine/command_table.h"
#include "engine/player.h"

namespace vintara {

void cmdPopdownForward(Player&) {}
void cmdPopupPopdown(Player&) {}
void cmdDropArea(Player&) {}
void cmdDragDropItem(Player&) {}
void cmdSetDragIcon(Player&) {}
void cmdHotspotBegin(Player&) {}
void cmdHotspotEnd(Player&) {}
void cmdPopupBegin(Player&) {}
void cmdPopupEnd(Player&) {}
void cmdAutoMoveOn(Player&) {}
void cmdPopdown(Player&) {}


}  // namespace vintara
