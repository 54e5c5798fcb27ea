// The circuit toolbox window as the engine sees it.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

bool isToolboxVisible(const Player& p);
void hideToolbox(Player& p);

}  // namespace vintara
