#include "engine/interpreter.h"

#include "assess/feedback_box.h"
#include "assess/judging.h"
#include "engine/command_table.h"
#include "engine/navigation.h"
#include "engine/player.h"
#include "engine/script_errors.h"
#include "engine/script_text.h"
#include "output/rich_text.h"
#include "platform/text_codec.h"
#include "tools/circuit_toolbox.h"

namespace vintara {

namespace {

void runTextLine(Player& p, std::string_view line) {
  QuestionState& q = p.question;
  // With automatic feedback the chosen block is printed on the screen; the
  // blocks after it (once it has closed) are not.
  if (!q.inQuestion || (q.feedbackChosen && q.autoFeedback && !q.feedbackClosed)) {
    if (p.run.textLineDrawer)
      p.run.textLineDrawer(p, line);
    else
      printText(p, line);
  } else if (q.feedbackChosen && !q.feedbackClosed) {
    if (!q.feedbackText.empty()) q.feedbackText += kCR;
    q.feedbackText += line;
  }
}

void runCommandLine(Player& p, std::string_view line) {
  EngineState& e = p.engine;
  if (!tokenizeCommand(e, line)) {
    scriptError(p, "the command line has more than 100 parameters; it is ignored");
    return;
  }
  const QuestionState& q = p.question;
  const std::string& word = e.cmdItems[0];
  if (q.inQuestion && word != "feedback" && word != "answer" && word != "question" &&
      (!q.feedbackChosen || q.feedbackClosed))
    e.cmdItems[0] = "Don't Evaluate";
  if (const CommandInfo* cmd = findCommandAnyCase(e.cmdItems[0]))
    cmd->handler(p);
  else
    p.message("Don't reconize command " + e.cmdItems[0]);
}

void runLine(Player& p, std::string_view line) {
  if (line.empty() || line[0] == '\'') return;
  if (line[0] == '@')
    runCommandLine(p, line);
  else
    runTextLine(p, line);
}

// Steps that end a run that reached the end of its script.
void finishRun(Player& p) {
  QuestionState& q = p.question;
  saveLayout(p);
  if (q.inQuestion && q.autoFeedback) q.inQuestion = false;
  if (q.inQuestion || q.marksShown) markWordPlacement(p);
  if (!q.feedbackText.empty()) showFeedback(p);
  p.engine.scriptRunning = false;
  p.run.templateForward = false;
}

void judgePending(Player& p) {
  if (isToolboxVisible(p)) {
    hideToolbox(p);
    judgeCircuit(p);
  } else {
    judgeAnswer(p);
  }
}

bool runawayStop(Player& p) {
  if (++p.run.linesThisRun <= p.run.runawayLineLimit) return false;
  scriptError(p, "the script ran " + std::to_string(p.run.runawayLineLimit) +
                     " lines without stopping for the pupil and was ended");
  p.run.abortAll = true;
  return true;
}

}  // namespace

// The word the line filter puts in place of a command it skips.
void cmdDontEvaluate(Player&) {}

void runScriptLine(Player& p, const std::string& line) { runLine(p, line); }

void endRun(Player& p) {
  p.run.endRunRequested = true;
  p.engine.scriptRunning = false;
}

void executeProgramScript(Player& p, Surface* surface, bool keepFeedbackBox) {
  EngineState& e = p.engine;
  if (!keepFeedbackBox) closeFeedbackBox(p);
  e.outputSurface = surface;
  if (e.scriptText.empty() || e.scriptPos > e.scriptEnd) return;

  if (p.run.depth == 0) {
    p.run.linesThisRun = 0;
    p.run.abortAll = false;
  }
  if (p.run.depth > kMaxNestedRuns) {
    scriptError(p, "scripts ran one inside another " + std::to_string(kMaxNestedRuns) +
                       " deep without stopping for the pupil; the runs were ended");
    p.run.abortAll = true;
    return;
  }
  ++p.run.depth;
  struct DepthGuard {
    Player& p;
    ~DepthGuard() {
      if (--p.run.depth == 0) p.run.abortAll = false;
    }
  } guard{p};

  e.scriptRunning = true;
  p.setMenuEnabled(MenuItem::ReturnToMainMenu, e.currentScreen != 1);
  if (p.question.inQuestion) judgePending(p);

  std::string line;
  while (e.scriptPos <= e.scriptEnd) {
    if (p.run.abortAll || runawayStop(p)) {
      e.scriptRunning = false;
      return;
    }
    readScriptLine(e, line);
    p.run.endRunRequested = false;
    runLine(p, line);
    if (p.run.endRunRequested) {
      p.run.endRunRequested = false;
      return;
    }
  }
  finishRun(p);
}

}  // namespace vintara
