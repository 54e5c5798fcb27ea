// Position, gadget and bookkeeping commands.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

// Appends a What's-this help pair (at most 21 per screen).
void addHelpPair(Player& p, int regionId, int topic);
void resetGadgetsForScreen(Player& p, bool keepGameData);
// The 100 ms internal timer (flash words and the other per-tick work).
void onInternalTimer(Player& p);

}  // namespace vintara
