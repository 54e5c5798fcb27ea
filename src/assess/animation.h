// Picture sequences and tutor characters.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

void resetCharacterAnimation(Player& p);
void onAnimationTimer(Player& p);

}  // namespace vintara
