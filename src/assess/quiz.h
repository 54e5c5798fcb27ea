// Quiz mode.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

// Quiz mode off, score and question count 0 (moving up the tree).
void resetQuizState(Player& p);

}  // namespace vintara
