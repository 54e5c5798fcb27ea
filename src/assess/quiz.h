// Quiz mode.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

// Quiz mode off, score and question count 0 (moving up the tree).
void resetQuizState(Player& p);

// Forward while a quiz question is pending: judges the answer and may run
// the screen again for the next question. True when the quiz took over;
// false when forward navigation goes on as for any screen.
bool judgeQuizAnswer(Player& p);

}  // namespace vintara
