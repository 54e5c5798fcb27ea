// Control flow: labels, loops, variables, condition and case blocks, counters, timed waits and nested game-data scripts.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

// The wait timer's tick: resumes a waiting script on the same screen.
void onWaitTimer(Player& p);

}  // namespace vintara
