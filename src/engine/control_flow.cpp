// Control flow commands: labels and goto, variables, loops, condition and
// case blocks, counters, timed waits and nested game-data scripts.
//
// Script errors (see script_errors.h) are reported once and handled so that
// the run goes on:
//   - a parameter that must hold a number but does not: the line is ignored
//     (a condition block then runs; a loop runs its body once and its
//     "@endloop" closes it, which keeps the loop nesting in step);
//   - a variable name that is not a letter a to z: the line is ignored;
//   - a value of "set" outside -32768 to 32767: clamped to that range;
//   - an eleventh nested loop: its body runs once, the next "@endloop"
//     closes it;
//   - "@endloop" without an open loop: ignored;
//   - a negative loop count (it would never count down to 0): no pass, as
//     for a loop of 0;
//   - a counter number outside 0 to 10: the line is ignored.
#include "engine/control_flow.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "assess/exam.h"
#include "engine/command_table.h"
#include "engine/interpreter.h"
#include "engine/navigation.h"
#include "engine/numbers.h"
#include "engine/player.h"
#include "engine/script_errors.h"
#include "engine/script_text.h"
#include "output/pictures.h"
#include "platform/text_codec.h"

namespace vintara {

namespace {

const std::string& item(Player& p, int i) { return p.engine.cmdItems[size_t(i)]; }

// Skips a failed condition block: the run goes on after the first following
// line equal to `endLine`, or ends when there is none.
bool skipBlock(Player& p, std::string_view endLine) { return findLabel(p.engine, endLine) != 0; }

// Skips to `endLine` for loops and case blocks: without such a line the
// position becomes 0, so the reader reads the script's last character as one
// more line and the run ends.
void skipToOrLast(Player& p, std::string_view endLine) {
  p.engine.scriptPos = findLabel(p.engine, endLine);
}

void condition(Player& p, bool holds, std::string_view endLine) {
  if (!holds) skipBlock(p, endLine);
}

}  // namespace

// ---- Labels and goto ------------------------------------------------------

void cmdLabel(Player&) {}

void cmdGoto(Player& p) {
  EngineState& e = p.engine;
  const int remembered = e.scriptPos;
  const std::string name = item(p, 1);
  e.scriptPos = 1;
  const int found = findLabel(e, "@label " + toLower(name));
  if (found == 0) {
    // The search left scriptPos past the end: the run ends.
    p.message("can't find label " + name);
    return;
  }
  if (found < remembered) p.question.feedbackMet = false;
}

// ---- Variables ------------------------------------------------------------

void cmdSet(Player& p) {
  const std::string& name = item(p, 1);
  const unsigned char first = name.empty() ? 0 : lowerChar((unsigned char)name[0]);
  if (first < 'a' || first > 'z') {
    scriptError(p, "\"" + name + "\" is not a variable a to z; the line is ignored");
    return;
  }
  int& var = p.engine.scriptVars[size_t(first - 'a' + 1)];
  const std::string& value = item(p, 2);
  long result;
  if (!value.empty() && (value[0] == '+' || value[0] == '-'))
    result = long(var) + numericParam(p, value);
  else
    result = numericParam(p, value);
  if (result < -32768 || result > 32767) {
    scriptError(p, "variable " + std::string(1, char(first)) + " would become " + std::to_string(result) +
                       ", outside -32768 to 32767; it is kept at the nearest of the two");
    result = result < 0 ? -32768 : 32767;
  }
  var = int(result);
}

// ---- Loops ----------------------------------------------------------------

void cmdLoop(Player& p) {
  ControlState& c = p.control;
  EngineState& e = p.engine;
  if (c.loopDepth < ControlState::kMaxLoops) c.loopOverflow = 0;
  auto n = readStrictInt16(p, item(p, 1));
  if (!n) n = 1;  // reported; the body runs once and its "@endloop" closes it
  if (*n < 0) {
    scriptError(p, "a loop count cannot be negative; the loop is skipped");
    n = 0;
  }
  if (*n == 0) {
    skipToOrLast(p, "@endloop");
    return;
  }
  if (c.loopDepth >= ControlState::kMaxLoops) {
    scriptError(p, "more than 10 loops are open; this one runs once");
    ++c.loopOverflow;
    return;
  }
  ++c.loopDepth;
  c.loopStart[size_t(c.loopDepth)] = e.scriptPos;
  c.loopCount[size_t(c.loopDepth)] = *n;
}

void cmdEndLoop(Player& p) {
  ControlState& c = p.control;
  if (c.loopDepth == ControlState::kMaxLoops && c.loopOverflow > 0) {
    --c.loopOverflow;
    return;
  }
  c.loopOverflow = 0;
  if (c.loopDepth <= 0) {
    c.loopDepth = 0;
    scriptError(p, "@endloop without an open loop; it is ignored");
    return;
  }
  const size_t d = size_t(c.loopDepth);
  if (--c.loopCount[d] != 0)
    p.engine.scriptPos = c.loopStart[d];
  else
    --c.loopDepth;
}

// ---- Condition blocks -----------------------------------------------------

void cmdEndBlock(Player&) {}

void cmdIfPrize(Player& p) {
  const auto n = readStrictInt16(p, item(p, 1));
  if (!n || *n == p.control.prizeNumber) return;
  if (!skipBlock(p, "@endif")) p.message("can't find label " + item(p, 1));
}

void cmdIfHigher(Player& p) { condition(p, p.pupil.tierLetter == "H", "@endhigher"); }
void cmdIfLower(Player& p) { condition(p, p.pupil.tierLetter == "F", "@endlower"); }
void cmdIfSingle(Player& p) { condition(p, p.pupil.awardLetter == "S", "@endsingle"); }
void cmdIfDouble(Player& p) { condition(p, p.pupil.awardLetter == "D", "@enddouble"); }

void cmdIfQuiz(Player& p) {
  const auto n = readStrictInt16(p, item(p, 1));
  if (!n) return;
  condition(p, *n == p.question.quizScore % 10 + 1, "@endif");
}

void cmdIfPackage(Player& p) {
  const auto n = readStrictInt16(p, item(p, 1));
  if (!n) return;
  condition(p, *n == 0, "@endif");
}

void cmdIfQScore(Player& p) {
  const auto low = readStrict(p, item(p, 1));
  const auto high = readStrict(p, item(p, 2));
  if (!low || !high) return;
  const QuestionState& q = p.question;
  bool holds = q.quizQuestionNumber == 0;
  if (!holds) {
    const double percent = roundHalfEven(double(q.quizScore) / q.quizQuestionNumber * 100);
    holds = *low <= percent && percent <= *high;
  }
  condition(p, holds, "@endif");
}

void cmdIfFailedGrade(Player& p) {
  // Without a maximum score there is no result: it counts as 0 %.
  const int max = p.pupil.examMaxScore;
  const int percent = max > 0 ? int(int64_t(p.pupil.examScore) * 100 / max) : 0;
  condition(p, !gradeTestPasses(p, percent), "@endif");
}

// ---- Case blocks ----------------------------------------------------------

void cmdCase(Player& p) {
  const std::string word = toLower(item(p, 1));
  if (word == "firsttime") {
    if (hotspotVisits(p) != 0)
      skipToOrLast(p, "@endcase");
    else
      p.control.firstTimeDone = true;
  } else if (word == "moreselections") {
    if (p.control.firstTimeDone || hotspotVisits(p) == 99) skipToOrLast(p, "@endcase");
  }
}

// ---- Counters -------------------------------------------------------------

void cmdCount(Player& p) {
  ControlState& c = p.control;
  auto inRange = [&](int k) {
    if (k >= 0 && k <= 10) return true;
    scriptError(p, "counter number " + std::to_string(k) + " is outside 0 to 10; the line is ignored");
    return false;
  };
  if (p.engine.cmdItemCount != 3) {
    const auto k = readStrictInt16(p, item(p, 1));
    if (k && inRange(*k)) c.counters[size_t(*k)] = 1;
    return;
  }
  const auto n = readStrictInt16(p, item(p, 2));
  if (!n || !inRange(*n)) return;
  int sum = 0;
  for (int k = 1; k <= *n; ++k) sum += c.counters[size_t(k)];
  if (sum != *n) return;
  const std::string label = "@label " + item(p, 3);
  if (findLabel(p.engine, toLower(label)) == 0) p.message("Can't find:" + label);
}

// ---- Timed wait -----------------------------------------------------------

namespace {
// How soon a wait tick that arrived during a run tries again.
constexpr int kWaitRetryMs = 50;
}  // namespace

void cmdWait(Player& p) {
  EngineState& e = p.engine;
  if (p.run.returnReplay) return;
  if (e.scriptPos < p.run.resumePos) return;
  const auto s = readStrict(p, item(p, 1));
  if (!s) return;
  if (*s > 0.05) {
    const double ms = roundHalfEven(leadingNumberValue(item(p, 1)) * 1000);
    if (ms > 65535) {
      p.message("@wait " + item(p, 1) + " is not a valid number");
      return;
    }
    p.control.waitScreen = e.currentScreen;
    p.processorTimer->start(int(ms));
    saveLayout(p);
    endRun(p);
    return;
  }
  // A short pause inside the run, on the platform's clock.
  const uint32_t start = p.platform.millis();
  const double ms = *s * 1000;
  while (double(int32_t(p.platform.millis() - start)) <= ms) p.platform.pauseBriefly();
  refreshRect(p, 0, 0, kWorkAreaWidth, kWorkAreaHeight);
}

void onWaitTimer(Player& p) {
  // A message box or dialog of a run in progress lets timers tick; the
  // waiting script resumes only once that run has ended.
  if (p.run.depth > 0) {
    p.processorTimer->start(kWaitRetryMs);
    return;
  }
  p.processorTimer->stop();
  // Navigation stops the timer; should a tick still arrive on another
  // screen, the layout saved at the wait belongs to the old screen and the
  // script is not resumed.
  if (p.engine.currentScreen != p.control.waitScreen) return;
  restoreLayout(p);
  executeProgramScript(p, &p.workArea);
}

// ---- Nested game-data scripts --------------------------------------------

namespace {
// Reads a whole file; false when it cannot be opened, sets `readFailed` when
// it opened but could not be read to its end.
bool readGameData(const std::string& native, std::string& out, bool& readFailed) {
  readFailed = false;
  std::error_code ec;
  if (native.empty() || !std::filesystem::is_regular_file(native, ec)) return false;
  std::ifstream in(native, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  readFailed = in.bad();
  return true;
}
}  // namespace

void cmdGameDataFile(Player& p) {
  EngineState& e = p.engine;
  ControlState& c = p.control;
  std::string name = item(p, 1);
  if (name != "*") c.gameDataName = name;
  if (!c.gameDataName.empty()) name = c.gameDataName;

  std::string relative;
  if (name == "*" || name == "+") {
    relative = examPageFilePath(p, name == "+");
    if (relative.empty()) {
      scriptError(p, "no exam page is chosen for \"gamedatafile " + name + "\"; the line is ignored");
      return;
    }
  } else {
    relative = p.content.topicFolder + "gamedata\\" + name;
  }
  const std::string shown = p.content.paths.display(relative);

  std::string text;
  for (;;) {
    bool readFailed = false;
    if (!readGameData(p.content.native(relative), text, readFailed)) {
      p.message("Unable to open game data file-" + shown);
      p.platform.endProgram(1);
    }
    if (!readFailed) break;
    if (p.message(std::string("Failed to get script - ") + kCdText,
                  Buttons::RetryCancel, Icon::Error) != Answer::Retry)
      p.platform.endProgram(1);
  }

  const std::string savedText = e.scriptText, savedName = e.scriptName;
  const int savedPos = e.scriptPos, savedEnd = e.scriptEnd;
  e.scriptText = std::move(text);
  e.scriptEnd = int(e.scriptText.size());
  e.scriptPos = 1;
  e.scriptName = relative;
  executeProgramScript(p, e.outputSurface);
  if (p.nav.examPageMode) return;  // the exam page goes on in the file's text
  e.scriptText = savedText;
  e.scriptName = savedName;
  e.scriptPos = savedPos;
  e.scriptEnd = savedEnd;
  // The outer run goes on.
  if (!p.run.abortAll) e.scriptRunning = true;
}

}  // namespace vintara
