// Rich text: the markup of text lines, fonts and layout.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

// Prints a text line at the current position and records it.
void printText(Player& p, std::string_view text);
// Sets the output surface's font by fontId (0 to 9).
void setFontSize(Player& p, int fontId);
void newLine(Player& p);
// Pixel width of a text with width table `fontId` (0 to 3), filled from the
// surface's current font on first use and kept for the run.
int measureText(Player& p, Surface& surface, std::string_view text, int fontId);
void resetTextForScreen(Player& p);

}  // namespace vintara
