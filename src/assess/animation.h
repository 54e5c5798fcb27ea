// Picture sequences and tutor characters.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

void resetCharacterAnimation(Player& p);
// Steps the tutor's current action to its end at once (Forward pressed).
void finishCharacterAnimation(Player& p);
// Whether the tutor character is used, and its state (for "What's this?").
bool tutorInUse(const Player& p);
int tutorState(const Player& p);
void onAnimationTimer(Player& p);

}  // namespace vintara
