// Typed answer fields: keys, drawing, the focus frame and the clipboard.
//
// Field texts are Windows-1252 bytes. A letter field holds one lower-case
// letter and a space; a number field an optional "-", up to ten digits with
// at most one decimal separator, optionally "×10" (215), the exponent minus
// "»" (187) and two exponent digits written as the codes 134-143 (digit +
// 86), always ending with a space; a formula field takes no keys.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;

// The marker that starts the clipboard text of a value.
inline constexpr const char* kClipboardMarker = "QeltVintaraData";

// The clipboard and drag text of a value: "QeltVintaraData," + kind + ","
// + value.
std::string payloadText(int kind, std::string_view value);
// Reads such a text; false for any other text.
bool parsePayload(std::string_view text, int& kind, std::string& value);

// Draws field i (its background, the outline when asked, its text).
void drawField(Player& p, int i, bool outlined = false);
// Moves the focus frame to field i, which then receives the keys.
void setInputField(Player& p, int i);
// Key press (character code) and key release (key code) on the main window.
void onKeyPress(Player& p, int code);
void onKeyUp(Player& p, int code);
// Builds field i's clipboard text: "QeltVintaraData," + kind + "," + value.
void prepareFieldClipboard(Player& p, int i);
void copyField(Player& p);
void cutField(Player& p);
void clearField(Player& p);
// Puts the drag payload into field i.
void dropOnField(Player& p, int i);
// Puts a value from the clipboard (a "QeltVintaraData" text of kind 80 or
// 81) into the number or formula field receiving input, as a drop would.
void pasteField(Player& p);
// Control-C, control-X and control-V (codes 3, 24, 22) on the main window:
// copy, cut and paste for the field receiving input. Other codes are
// ignored, and so are these while keys are ignored (see onKeyPress).
void onClipboardKey(Player& p, int code);

}  // namespace vintara
