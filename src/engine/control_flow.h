// Control flow: labels, loops, variables, condition and case blocks,
// counters, timed waits and nested game-data scripts. The commands are
// dispatched through the command table (command_list.h).
#pragma once

namespace vintara {

class Player;

// The wait timer's tick: resumes a waiting script on the same screen.
void onWaitTimer(Player& p);

}  // namespace vintara
