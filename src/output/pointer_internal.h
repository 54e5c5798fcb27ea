// Helpers the pointer handlers share between pointer.cpp (moves, presses,
// clicks) and pointer_drop.cpp (drops). Not for use outside the pointer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vintara {

class Player;
class Image;
struct AnswerBox;
struct AnswerField;

// Answer boxes take a point on their edges too.
bool insideBox(const AnswerBox& b, int x, int y);
// Typed fields take a point strictly inside their edges.
bool insideField(const AnswerField& f, int x, int y);
// A picture by name through the screen's picture cache; null when it could
// not be loaded. slotOut receives the cache slot (0 when not loaded).
const Image* pictureOf(Player& p, std::string_view name, int* slotOut = nullptr);
// The text of a line of the text history (1-based); empty past its end.
std::string lineText(const Player& p, int historyLine);

// The spelling strip, where the pupil builds a word from dropped letters:
// the x of each letter's left edge and of the end, the word redrawn, and
// whether a point lies on the strip.
std::vector<int> letterEdges(Player& p, const std::string& word);
void redrawSpellWord(Player& p);
bool inStrip(int x, int y);

}  // namespace vintara
