// Errors in scripts that scripts may not contain (numbers that are not
// numbers, indexes past a table, runaway loops). Each is told to the author
// once, naming the script and the line; the run then goes on.
#pragma once

#include <string>

namespace vintara {

class Player;

// Reports `what` for the line being run (once per script, line and text).
void scriptError(Player& p, const std::string& what);

// The one bound on a run: this many lines read without stopping for the
// pupil ends every run in progress.
constexpr long kRunawayLineLimit = 1'000'000;

// Runs started inside runs (screens that move on by themselves, game-data
// files that call each other) nest at most this deep; deeper, every run in
// progress is ended, long before the stack could run out.
constexpr int kMaxNestedRuns = 150;

}  // namespace vintara
