// Hotspot jumps, ticks and the index bookmark.
#include "engine/navigation.h"

#include "engine/command_table.h"
#include "engine/player.h"

namespace vintara {

void cmdOnForwardGoto(Player&) {}
void cmdReturn(Player&) {}
void cmdReplaceTick(Player&) {}


}  // namespace vintara
