// Questions: judging answers, ticks and crosses, and choosing feedback blocks.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace vintara {

class Player;
struct Surface;

// Judges the pending answer before a run reads its first line: fills the
// response list and draws the marks of selections and typed fields.
void judgeAnswer(Player& p);
// Judges a circuit task of the circuit toolbox instead.
void judgeCircuit(Player& p);
// End of a run: ticks and crosses on word placement and re-ordering.
void markWordPlacement(Player& p);
// Hands the collected feedback text to the feedback box.
void showFeedback(Player& p);
// The selection rules: the pupil pressed inside answer box `box` (0-based)
// of kind 0 while the boxes are not locked.
void applySelectionRules(Player& p, int box);
// Clears the per-screen question state (a new screen starts).
void resetQuestionForScreen(Player& p);

// Word placement and re-ordering: key items written as alternatives
// ("1&2=4|5": targets 1 and 2 take the words 4 and 5 in either order)
// become plain word numbers that fit the pupil's response.
void expandAlternatives(Player& p);
// Draws a tick or a cross beside answer box `box`; `wordMark` places it as
// word placement and re-ordering do.
void drawMark(Player& p, int box, bool tick, bool wordMark = false);
// Where that mark goes (its top-left); nothing when the box has no line.
std::optional<std::pair<int, int>> markPosition(const Player& p, int box, bool wordMark);
// The first empty answer box (the first drop target) of a word-placement
// screen; 0 when every box holds a word (re-ordering).
int findFirstTargetBox(const Player& p);
// Tests the feedback block of the "feedback" line in cmdItems against the
// judged answer; sets itemRight and verdictRight. True when it is chosen.
bool feedbackBlockChosen(Player& p);
// The "prompt" command's marks: every target or position at once.
void markWordPlacementNow(Player& p);

}  // namespace vintara
