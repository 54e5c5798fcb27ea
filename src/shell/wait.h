// Waiting while the window stays responsive.
#pragma once

namespace vintara {

class Player;

// Waits `seconds` while processing window events (timers, sound reports,
// clicks). While it waits p.shell.waiting is set, so typed keys are
// ignored; the flag is put back as it was afterwards (waits may nest).
void delaySeconds(Player& p, double seconds);

}  // namespace vintara
