// Typed answer fields: keys, drawing, the focus frame and the clipboard.
#pragma once

#include <string>

namespace vintara {

class Player;

// Draws field i (its background, the outline when asked, its text).
void drawField(Player& p, int i, bool outlined = false);
// Moves the focus frame to field i, which then receives the keys.
void setInputField(Player& p, int i);
// Key press (character code) and key release (key code) on the main window.
void onKeyPress(Player& p, int code);
void onKeyUp(Player& p, int code);
void prepareFieldClipboard(Player& p, int i);
void copyField(Player& p);
void cutField(Player& p);
void clearField(Player& p);
// Puts the drag payload into field i.
void dropOnField(Player& p, int i);

}  // namespace vintara
