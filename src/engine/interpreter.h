// The interpreter: runs scriptText from scriptPos to scriptEnd.
#pragma once

#include <string>

namespace vintara {

class Player;
struct Surface;

// Runs the engine's scriptText from the current scriptPos, drawing on
// `surface`. Unless keepFeedbackBox is set the feedback box is closed first.
void executeProgramScript(Player& p, Surface* surface, bool keepFeedbackBox = false);

// Ends the current run after the command being executed (the command stops
// for the pupil, or moved elsewhere). The end-of-run steps do not run.
void endRun(Player& p);

// Runs one script line as the interpreter would (text or command).
void runScriptLine(Player& p, const std::string& line);

}  // namespace vintara
