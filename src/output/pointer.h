// Pointer interaction: hit tests against the region tables and their actions.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

void resetRegionsForScreen(Player& p);
// Closes the open hotspot highlight or popup panel.
void closeOpenPopup(Player& p);
void onPointerMove(Player& p, int button, int x, int y);
void onPointerDown(Player& p, int button, int x, int y);
void onClick(Player& p);
void onPointerUp(Player& p, int button, int x, int y);

}  // namespace vintara
