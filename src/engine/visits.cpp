// The visits query of case blocks, read from the jump history's tick slots.
#include "engine/navigation.h"
#include "engine/player.h"

namespace vintara {

int hotspotVisits(Player& p) {
  const int screen = p.engine.currentScreen;
  for (const TickSlot& slot : p.jumps.tickSlots) {
    if (screen == 0 || slot.screen != screen) continue;
    return slot.count == p.jumps.hotspotJumpCount ? 99 : slot.count;
  }
  return 0;
}

}  // namespace vintara
