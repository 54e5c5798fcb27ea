// Pictures, backdrops and transitions.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

void resetPicturesForScreen(Player& p);
// Makes that rectangle of the work area show the drawing image at once.
void refreshRect(Player& p, int x, int y, int w, int h);
// Copies a rectangle of the backdrop into the drawing image.
void restoreRect(Player& p, Surface& s, int x, int y, int w, int h);
// Steps picture sequences and the stars (the 100 ms timer).
void animationTick(Player& p);

}  // namespace vintara
