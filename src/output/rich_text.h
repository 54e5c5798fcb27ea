// Rich text: the markup of text lines, fonts and layout.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

// The surface text goes to (the engine's outputSurface, or the work area).
Surface& outputSurface(Player& p);

// Prints a text line at the current position as a new line and appends it
// to the text history.
void printText(Player& p, std::string_view text);
// Prints every line of the text history again (boxes in the normal state
// when normalState is set).
void printTextRedrawAll(Player& p, bool normalState);
// Prints history line `historyLine` (1-based) again, its answer box in the
// normal (true) or selected (false) state.
void printTextLine(Player& p, bool normalState, int historyLine);

// Sets the output surface's font by fontId (0 to 9).
void setFontSize(Player& p, int fontId);
void newLine(Player& p);
// Sets the colour from the first letter of `text` and returns the rest.
std::string applyColourCode(Player& p, std::string_view text);
// Pixel width of a text with width table `fontId` (0 to 3), filled from the
// surface's current font on first use and kept for the run.
int measureText(Player& p, Surface& surface, std::string_view text, int fontId);
// The longest number-like prefix of a text (see the renderer).
std::string leadingNumber(const Player& p, std::string_view text, bool allowExponent = false);
std::string toLocalDecimal(const Player& p, std::string_view text);
std::string toDotDecimal(const Player& p, std::string_view text);
void pushPosition(Player& p);
// Restores the newest saved position; with keep false (or an empty stack)
// clears the stack.
void popPosition(Player& p, bool keep = true);
void drawBoxFrame(Player& p, int x, int y, bool normal);

void resetTextForScreen(Player& p);

}  // namespace vintara
