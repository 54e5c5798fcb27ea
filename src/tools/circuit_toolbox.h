// The circuit toolbox window as the engine sees it.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

struct DragPayload;

bool isToolboxVisible(const Player& p);
void hideToolbox(Player& p);
// A circuit component carried from the toolbox was dropped on the work area.
void componentDragToMainWindow(Player& p, const DragPayload& payload, int x, int y);
// A drag moves over the work area: the toolbox may change its drag icon or,
// while a component is carried, take the drag over. True when it did.
bool toolboxDragOver(Player& p, int x, int y);

}  // namespace vintara
