// The small compiled course the interpreter fuzz target runs its inputs
// on, and the run itself: start-up, the input as the script of a content
// screen, timers for a while, Forward, timers again. The regression tests
// replay kept inputs through the same function.
#pragma once

#include <cstddef>
#include <string>

namespace vintara::fuzzing {

// How many lines one input may run before the runaway bound ends it; far
// below the program's own bound so that every input ends quickly.
constexpr long kFuzzLineLimit = 10000;

// Runs `script` as described above. Returns how many text lines the screen
// drew before Forward. A broken promise (the start-up ending the program, the course not
// loaded) aborts like a crash.
size_t runScriptOnFuzzCourse(const std::string& script);

}  // namespace vintara::fuzzing
