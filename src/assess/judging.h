// Questions: judging answers, ticks and crosses, and choosing feedback blocks.
#pragma once

#include <string>
#include <string_view>

namespace vintara {

class Player;
struct Surface;

void judgeAnswer(Player& p);
void judgeCircuit(Player& p);
void markWordPlacement(Player& p);
void showFeedback(Player& p);
// The selection rules: the pupil pressed inside answer box `box` (0-based)
// of kind 0 while the boxes are not locked.
void applySelectionRules(Player& p, int box);
// Clears the per-screen question state (a new screen starts).
void resetQuestionForScreen(Player& p);

}  // namespace vintara
