// Judging answers, ticks and crosses, and choosing feedback.
#include "assess/judging.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "assess/feedback_box.h"
#include "assess/sound.h"
#include "engine/numbers.h"
#include "engine/player.h"
#include "engine/script_text.h"
#include "output/fields.h"
#include "output/pictures.h"
#include "output/rich_text.h"
#include "platform/text_codec.h"

namespace vintara {

namespace {

const char* const kQTypeMessage = "Your answer judging for this QType is incorrect.";
const char* const kTickPicture = "*ticksml.bmp";
const char* const kCrossPicture = "*crosssml.bmp";
constexpr Rgb kFieldRight = makeRgb(187, 239, 187);  // 12316603 as the content writes it
constexpr Rgb kFieldWrong = makeRgb(255, 175, 175);  // 11513855

bool isGroupType(int type) { return type >= 2 && type <= 99 && type != kTypedFields; }

int boxCount(const Player& p) { return int(p.regions.answerBoxTable.size()); }
bool validBox(const Player& p, int b) { return b >= 0 && b < boxCount(p); }

// The number a key item holds, if it is one.
// Numbers in answer keys name boxes and words. One past 16 bits names none;
// it is held at the edge so that it stays safe to turn into an int.
double heldTo16Bits(double v) { return std::isnan(v) ? 0 : std::clamp(v, -32768.0, 32767.0); }

std::optional<double> keyNumber(const Player& p, const std::string& s) {
  const std::optional<double> v = strictNumber(s, p.text.decimalSeparator);
  return v ? std::optional<double>(heldTo16Bits(*v)) : std::nullopt;
}

TextHistoryEntry* historyOf(Player& p, int box) {
  if (!validBox(p, box)) return nullptr;
  const int line = p.regions.answerBoxTable[size_t(box)].line;
  auto& h = p.text.textHistory;
  return line >= 1 && line <= int(h.size()) ? &h[size_t(line - 1)] : nullptr;
}

std::string lineTextOf(Player& p, int box) {
  const TextHistoryEntry* e = historyOf(p, box);
  return e ? e->text : std::string();
}

// Draws box b's line again, selected or in its normal state, and shows it.
void redrawBox(Player& p, int b, bool normal) {
  const AnswerBox& box = p.regions.answerBoxTable[size_t(b)];
  printTextLine(p, normal, box.line);
  refreshRect(p, box.x - 4, box.y - 4, box.width + 10, box.height + 10);
}

void message(Player& p, const std::string& text) { p.message(text); }

void traceResponses(Player& p, int items) {
  const QuestionState& q = p.question;
  std::vector<std::string> list;
  for (int i = 1; i <= std::min(items, QuestionState::kMaxItems); ++i)
    list.push_back(q.responseList[size_t(i)]);
  p.trace->responses(list);
}

// Number of target positions of word placement (the empty boxes from the
// first target on) or re-ordering (every box, at most ten).
int wordPositions(const Player& p) {
  const int first = p.question.firstTargetBox;
  if (first == 0) return std::min(boxCount(p), QuestionState::kMaxPositions);
  return std::clamp(boxCount(p) - first, 0, QuestionState::kMaxItems);
}

void judgeSingle(Player& p) {
  QuestionState& q = p.question;
  const auto& boxes = p.regions.answerBoxTable;
  int chosen = -1;
  for (int b = 0; b < boxCount(p); ++b)
    if (boxes[size_t(b)].state == 1) {
      chosen = b;
      break;
    }
  if (chosen >= 0) {
    q.responseList[1] = std::to_string(chosen + 1);
    q.nothingAnswered = false;
    if (q.responseList[1] != q.answerKey[1]) drawMark(p, chosen, false);
  } else {
    // Nothing selected: an answer left over from an earlier question must
    // not be judged as this one's.
    q.responseList[1].clear();
  }
  if (auto key = keyNumber(p, q.answerKey[1])) {
    const int right = int(roundHalfEven(*key)) - 1;
    if (validBox(p, right)) drawMark(p, right, true);
  }
  if (q.answerCount != 1) message(p, kQTypeMessage);
  traceResponses(p, 1);
}

void judgeMultiple(Player& p) {
  QuestionState& q = p.question;
  const int count = std::min(boxCount(p), QuestionState::kMaxItems);
  for (int b = 0; b < count; ++b) {
    const size_t j = size_t(b + 1);
    const bool selected = p.regions.answerBoxTable[size_t(b)].state != 0;
    q.responseList[j] = selected ? "1" : "0";
    if (selected) {
      q.nothingAnswered = false;
      drawMark(p, b, q.responseList[j] == q.answerKey[j]);
    } else if (keyNumber(p, q.answerKey[j]) == 1.0) {
      drawMark(p, b, true);  // a right box the pupil missed
    }
  }
  if (q.answerCount != boxCount(p)) message(p, kQTypeMessage);
  traceResponses(p, count);
}

void judgeGroups(Player& p, int size) {
  QuestionState& q = p.question;
  const auto& boxes = p.regions.answerBoxTable;
  int k = 0;
  for (int g = 0; g < boxCount(p) && k < QuestionState::kMaxItems; g += size) {
    const size_t item = size_t(++k);
    const int end = std::min(g + size, boxCount(p));
    int choice = -1;
    for (int h = g; h < end; ++h)
      if (boxes[size_t(h)].state != 0) {
        choice = h;
        break;
      }
    const std::optional<double> key = keyNumber(p, q.answerKey[item]);
    const int right = key ? g + int(roundHalfEven(*key)) - 1 : -1;
    if (choice >= 0) {
      q.responseList[item] = std::to_string(choice - g + 1);
      if (q.responseList[item] != q.answerKey[item]) {
        drawMark(p, choice, false);
        if (size > 2 && validBox(p, right)) drawMark(p, right, true);
      } else {
        drawMark(p, choice, true);
      }
    } else {
      q.responseList[item] = "0";
      q.nothingAnswered = true;
      if (validBox(p, right))
        drawMark(p, right, true);
      else
        message(p, "Check your feedback match information. Does it have " + std::to_string(size) +
                       " ?'s?");
    }
  }
  traceResponses(p, k);
}

// A field's number as it is judged: 2.50 gives 2.5, 2.0 and "2." give 2, a
// leading point gets a 0 in front (in the field too).
std::string normaliseFieldNumber(Player& p, AnswerField& field, bool& answered) {
  const std::string t = leadingNumber(p, field.text);
  answered = answered || !t.empty();
  std::string r = toDotDecimal(p, t);
  if (r.find('.') != std::string::npos)
    while (r.size() > 1 && r.back() == '0') r.pop_back();
  if (!r.empty() && r.front() == '.') {
    r = "0" + r;
    field.text = "0" + field.text;
  }
  const size_t point = r.find('.');
  if (point != std::string::npos &&
      r.find_first_not_of('0', point + 1) == std::string::npos)
    r.resize(point);
  return r;
}

void judgeFields(Player& p) {
  QuestionState& q = p.question;
  auto& fields = p.regions.answerFieldTable;
  const int last = int(fields.size()) - 1;
  int judged = 0;
  for (int f = std::max(0, q.firstUnjudgedField); f <= last && judged < QuestionState::kMaxItems; ++f) {
    const size_t item = size_t(++judged);
    AnswerField& field = fields[size_t(f)];
    bool answered = false;
    std::string r;
    if (field.kind == kLetterField) {
      // A letter field holds one letter and a blank: judged as the letter
      // (read as a number it would never be right).
      r = field.text;
      while (!r.empty() && r.back() == ' ') r.pop_back();
      answered = !r.empty();
    } else {
      r = normaliseFieldNumber(p, field, answered);
    }
    if (answered) q.nothingAnswered = false;
    q.responseList[item] = r;
    const bool right = r == q.answerKey[item];
    field.background = right ? kFieldRight : kFieldWrong;
    drawField(p, f);
    p.trace->fieldJudged(f, right);
  }
  if (q.answerCount != judged) message(p, kQTypeMessage);
  if (last >= 0) {
    q.firstUnjudgedField = last + 1;
    p.regions.firstField = last + 1;
    p.regions.inputField = -1;  // the caret moves past the judged fields
  }
  traceResponses(p, judged);
}

void judgeWords(Player& p) {
  QuestionState& q = p.question;
  const int positions = wordPositions(p);
  const bool reorder = q.firstTargetBox == 0;
  for (int k = 1; k <= positions; ++k) {
    const int b = q.firstTargetBox + k - 1;
    const int state = p.regions.answerBoxTable[size_t(b)].state;
    q.responseList[size_t(k)] = std::to_string(reorder ? q.positionWord[size_t(k)] : state);
    if (state != 0) q.nothingAnswered = false;
  }
  if (q.answerCount != positions) message(p, kQTypeMessage);
  expandAlternatives(p);
  traceResponses(p, positions);
}

// Ticks and crosses of word placement and re-ordering; `prompt`: all at
// once, with wrong ones redrawn, whether or not anything was answered.
void markWords(Player& p, bool prompt) {
  QuestionState& q = p.question;
  const int first = q.firstTargetBox;
  const bool reorder = first == 0;
  const int positions = wordPositions(p);
  int wrongCount = 0;
  if (reorder)
    for (int k = 1; k <= positions; ++k)
      if (leadingNumberValue(q.answerKey[size_t(k)]) != q.positionWord[size_t(k)]) ++wrongCount;
  expandAlternatives(p);

  for (int k = 1; k <= positions; ++k) {
    const int b = first + k - 1;
    if (q.answerCount != positions) {
      message(p, "Word fill answer judging parameter is incorrect! Requires-" +
                     std::to_string(positions) + ", Got-" + std::to_string(q.answerCount));
      continue;
    }
    std::string& key = q.answerKey[size_t(k)];
    bool tick;
    if (!reorder) {
      std::optional<double> word = keyNumber(p, key);
      if (!word || *word == 0) {
        // Any word (or none) is right here.
        key = "1";
        word = 1;
        if (TextHistoryEntry* target = historyOf(p, b)) target->text = lineTextOf(p, 0);
      }
      const int wordBox = int(roundHalfEven(*word)) - 1;
      tick = validBox(p, wordBox) && historyOf(p, b) &&
             equalsIgnoreCase(lineTextOf(p, b), lineTextOf(p, wordBox));
    } else {
      if (wrongCount == positions) continue;  // every position wrong: no marks
      tick = leadingNumberValue(key) == q.positionWord[size_t(k)] || q.verdictRight;
    }
    if (prompt) {
      if (!tick) redrawBox(p, b, reorder);
    } else if (q.nothingAnswered) {
      continue;
    }
    drawMark(p, b, tick, true);
  }
}

}  // namespace

int findFirstTargetBox(const Player& p) {
  const auto& boxes = p.regions.answerBoxTable;
  for (size_t b = 0; b < boxes.size(); ++b)
    if (boxes[b].kind == 0 && boxes[b].state >= 0) return int(b);
  return 0;
}

std::optional<std::pair<int, int>> markPosition(const Player& p, int box, bool wordMark) {
  if (!validBox(p, box)) return std::nullopt;
  const AnswerBox& b = p.regions.answerBoxTable[size_t(box)];
  const auto& history = p.text.textHistory;
  if (b.line < 1 || b.line > int(history.size())) return std::nullopt;
  const TextHistoryEntry& line = history[size_t(b.line - 1)];
  const double w = p.text.boxLayout.width;
  double x = line.x + w + 6;
  if (wordMark)
    x = line.x + w + 4;
  else if (p.question.centreMarks)
    x = line.x + w / 2 - 6;
  const double y = b.height / 2.0 + line.y - p.text.lineHeight / 2.0 + 1;
  return std::pair{int(roundHalfEven(x)), int(roundHalfEven(y))};
}

void drawMark(Player& p, int box, bool tick, bool wordMark) {
  const auto at = markPosition(p, box, wordMark);
  if (!at) return;
  // The drawing position stays where it was.
  Surface& s = outputSurface(p);
  const int sx = s.x, sy = s.y;
  printPicture(p, at->first, at->second, tick ? kTickPicture : kCrossPicture);
  s.x = sx;
  s.y = sy;
  refreshRect(p, at->first, at->second, 20, 20);
  p.trace->markDrawn(box, tick);
}

void judgeAnswer(Player& p) {
  QuestionState& q = p.question;
  // A run that continues a question already judged (after "prompt" showed
  // its feedback, which also reset the type) does not judge it again.
  if (q.answerJudged) return;
  q.answerJudged = true;
  const int type = q.questionType;
  q.nothingAnswered = !isGroupType(type);
  if (type == kSingleSelection)
    judgeSingle(p);
  else if (type == kMultipleSelection)
    judgeMultiple(p);
  else if (type == kTypedFields)
    judgeFields(p);
  else if (type == kWordPlacement)
    judgeWords(p);
  else if (isGroupType(type))
    judgeGroups(p, type);
}

void judgeCircuit(Player& p) {
  QuestionState& q = p.question;
  if (q.answerJudged) return;
  q.answerJudged = true;
  // What the circuit board holds. The circuit model and the toolbox's record
  // of components dragged onto the window are not part of the program yet:
  // until they are, the board is empty and nothing has been dragged.
  const auto boardHasState = [](int /*stateCode*/) { return false; };
  const bool componentDragged = false;

  const std::string& key = q.answerKey[1];
  const std::string lower = toLower(key);
  if (lower == "bulblit" || lower == "hciacid")
    q.responseList[1] = boardHasState(lower == "bulblit" ? 16 : 21) ? key : "Not found";
  else if (lower == "any")
    q.responseList[1] = componentDragged ? key : "wrong";
  traceResponses(p, 1);
}

void expandAlternatives(Player& p) {
  QuestionState& q = p.question;
  const int positions = wordPositions(p);
  for (int k = 1; k <= positions; ++k) {
    const std::string s = q.answerKey[size_t(k)];
    if (s.find('|') == std::string::npos) continue;

    std::vector<int> targets;
    if (s.find('&') != std::string::npos) {
      size_t from = 0;
      for (;;) {
        const size_t amp = s.find('&', from);
        targets.push_back(int(heldTo16Bits(leadingNumberValue(std::string_view(s).substr(from)))));
        if (amp == std::string::npos) break;
        from = amp + 1;
      }
    } else {
      targets.push_back(k);
    }
    const size_t eq = s.find('=');
    std::vector<std::string> words;
    size_t from = eq == std::string::npos ? 0 : eq + 1;
    for (;;) {
      const size_t bar = s.find('|', from);
      words.push_back(s.substr(from, bar == std::string::npos ? std::string::npos : bar - from));
      if (bar == std::string::npos) break;
      from = bar + 1;
    }
    if (words.size() < 2) continue;

    // Targets outside the key are left out.
    std::erase_if(targets, [](int t) { return t < 1 || t > QuestionState::kMaxItems; });
    std::vector<bool> taken(words.size(), false);
    for (int t : targets) q.answerKey[size_t(t)] = "?";
    for (int t : targets)
      for (size_t w = 0; w < words.size(); ++w)
        if (!taken[w] && words[w] == q.responseList[size_t(t)]) {
          q.answerKey[size_t(t)] = words[w];
          taken[w] = true;
          break;
        }
    for (int t : targets) {
      if (q.answerKey[size_t(t)] != "?") continue;
      for (size_t w = 0; w < words.size(); ++w)
        if (!taken[w]) {
          q.answerKey[size_t(t)] = words[w];
          taken[w] = true;
          break;
        }
    }
  }
}

bool feedbackBlockChosen(Player& p) {
  QuestionState& q = p.question;
  const EngineState& e = p.engine;
  q.verdictRight = true;
  bool someWrong = false, someRight = false;
  const int items = std::clamp(q.answerCount, 0, QuestionState::kMaxItems);
  for (int i = 1; i <= items; ++i) {
    const size_t n = size_t(i);
    q.itemRight[n] = q.responseList[n] == q.answerKey[n];
    if (!q.itemRight[n])
      someWrong = true;
    else if (q.questionType != kMultipleSelection || q.answerKey[n] == "1")
      someRight = true;  // in multiple selection only a right box selected counts
  }
  if (someRight && someWrong) q.verdictRight = false;

  const std::string word = e.cmdItemCount >= 1 ? toLower(e.cmdItems[1]) : std::string();
  if (word == "partlyright" || word == "partlycorrect") return someRight && someWrong;
  if (word == "allwrong" || word == "wrong") {
    q.verdictRight = false;
    return someWrong && !someRight;
  }
  if (word == "correct" || word == "right" || e.cmdItemCount == 0) {
    if (someRight && !someWrong) return true;
    // A line without a word has no patterns of its own to test.
    if (e.cmdItemCount == 0) return false;
  }

  const bool tryAgain = word == "tryagain";
  if (tryAgain && q.nothingAnswered) {
    q.verdictRight = false;
    return false;
  }
  bool wildWrong = false, explicitMatch = false, mismatch = false;
  for (int i = 1; i <= items && !mismatch; ++i) {
    const size_t n = size_t(i);
    const std::string pattern = tryAgain ? "?" : (i <= e.cmdItemCount ? e.cmdItems[n] : std::string());
    if (pattern == "?") {
      if (!q.itemRight[n]) {
        wildWrong = true;
        q.verdictRight = false;
      }
    } else if (pattern == q.responseList[n]) {
      explicitMatch = true;
    } else {
      mismatch = true;
    }
  }
  if (explicitMatch && q.nothingAnswered) return false;
  if (q.questionType == kWordPlacement && q.firstTargetBox == 0) q.verdictRight = true;
  return !mismatch && (wildWrong || explicitMatch);
}

void markWordPlacement(Player& p) {
  const QuestionState& q = p.question;
  if (q.questionType != kWordPlacement || q.autoFeedback) return;
  markWords(p, false);
}

void markWordPlacementNow(Player& p) { markWords(p, true); }

void showFeedback(Player& p) {
  QuestionState& q = p.question;
  q.questionType = 0;
  Surface& s = outputSurface(p);
  s.x = q.feedbackAnchorX;
  s.y = q.feedbackAnchorY;
  showFeedbackBox(p, q.feedbackText, q.verdictRight);
  q.feedbackText.clear();
  q.feedbackMet = false;
}

void applySelectionRules(Player& p, int i) {
  QuestionState& q = p.question;
  auto& boxes = p.regions.answerBoxTable;
  if (!validBox(p, i) || q.answerLocked || q.quizAnswerClosed) return;
  const int type = q.questionType;
  if (type == kWordPlacement) {
    // A word starts to be dragged (the pointer moves it).
    if (boxes[size_t(i)].state == -1) p.regions.drag = DragPayload{lineTextOf(p, i), 101 + i};
    return;
  }
  if (type != kSingleSelection && type != kMultipleSelection && !isGroupType(type)) return;

  closeCurrentWav(p);
  playInterfaceSound(p, "*gq_click.wav");
  AnswerBox& box = boxes[size_t(i)];
  if (type == kMultipleSelection) {
    box.state = 1 - box.state;
    redrawBox(p, i, box.state == 0);
    return;
  }
  int from = 0, to = boxCount(p) - 1;
  if (isGroupType(type)) {
    from = (i / type) * type;
    to = std::min(from + type - 1, to);
  }
  for (int k = from; k <= to; ++k)
    if (k != i && boxes[size_t(k)].state == 1) {
      redrawBox(p, k, true);
      boxes[size_t(k)].state = 0;
    }
  if (box.state == 0) {
    redrawBox(p, i, false);
    box.state = 1;
  }
}

void resetQuestionForScreen(Player& p) {
  QuestionState& q = p.question;
  q.inQuestion = q.feedbackChosen = q.feedbackClosed = q.marksShown = false;
  q.answerJudged = false;
  q.firstTargetBox = 0;
  q.firstUnjudgedField = 0;
  for (int k = 1; k <= QuestionState::kMaxPositions; ++k) q.positionWord[size_t(k)] = k;
  q.centreMarks = false;  // "centertick" holds for one screen
  q.capitaliseTarget = {};
  // An answer closed by "clearanswer" (or by the quiz) is open again on the
  // next screen: its boxes must react to the pupil.
  q.quizAnswerClosed = false;
  p.text.boxLayout.width = 200;
  p.text.boxLayout.style = 0;
}

}  // namespace vintara
