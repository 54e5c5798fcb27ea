// Position, gadget and bookkeeping commands.
#include "engine/gadgets.h"

#include <cmath>
#include <cstdio>

#include "assess/exam.h"
#include "engine/command_table.h"
#include "engine/numbers.h"
#include "engine/player.h"
#include "engine/script_errors.h"
#include "engine/script_text.h"
#include "output/pictures.h"
#include "output/rich_text.h"
#include "platform/text_codec.h"

namespace vintara {

namespace {

constexpr int kMaxHelpPairs = 21;
constexpr size_t kMaxFlashWords = 51;
constexpr size_t kMaxGameDataLines = 300;
constexpr int kFlashIntervalMs = 30;
// Where the flash words float.
constexpr Rect kFlashArea{155, 12, 468, 370};

int randomInt(Player& p, double scale) { return int(roundHalfEven(p.platform.random() * scale)); }

// The slot number of savepos/restorepos, or -1 (reported) when outside 0..10.
int positionSlot(Player& p) {
  const std::string text = commandItem(p, 1);
  const double n = roundHalfEven(leadingNumberValue(text));
  if (n < 0 || n > 10) {
    scriptError(p, "position slot " + text + " is not between 0 and 10");
    return -1;
  }
  return int(n);
}

// The text form of the clock's value in the locale's notation, as the
// system writes a single-precision number (seven significant digits).
std::string clockText(const Player& p, float value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.7g", double(value));
  std::string s = buf;
  for (char& c : s)
    if (c == '.') c = p.text.decimalSeparator;
  return s;
}

void drawClock(Player& p) {
  const GadgetState& g = p.gadgets;
  const std::string text = clockText(p, g.clockValue);
  printPicture(p, g.clockX, g.clockY, "fms10bf" + text.substr(0, 1) + ".bmp");
  if (text.size() >= 3) printPicture(p, g.clockX + 8, g.clockY, "fms10bf" + text.substr(2, 1) + ".bmp");
}

void flashTick(Player& p) {
  GadgetState& g = p.gadgets;
  Surface& s = p.workArea;
  const Rect& a = kFlashArea;
  restoreRect(p, s, a.x, a.y, a.w, a.h);

  FlashSlot& slot = g.flashSlots[size_t(g.flashSlotIndex)];
  slot.x = 180 + randomInt(p, 350);
  slot.y = randomInt(p, 340);
  slot.word = 1 + randomInt(p, 9);
  slot.colour = randomInt(p, 15);
  slot.size = 15 + randomInt(p, 25);
  if (++g.flashFrame <= 100) {
    slot.vx = int(roundHalfEven(p.platform.random() * 30 - 15));
    slot.vy = int(roundHalfEven(p.platform.random() * 30 - 15));
  } else {
    slot.vx = slot.vy = 0;
  }
  if (g.flashFrame > 200) g.flashFrame = 0;

  const int last = g.flashAllSlots ? int(g.flashSlots.size()) - 1 : g.flashSlotIndex;
  for (int i = 0; i <= last; ++i) {
    FlashSlot& f = g.flashSlots[size_t(i)];
    f.x += f.vx;
    f.y += f.vy;
    FontSpec font{"arial", double(f.size)};
    // The words are read afresh at every tick: a later command line of the
    // screen changes them.
    p.platform.drawText(s.drawing, f.x, f.y, p.engine.cmdItems[size_t(f.word)], font,
                        qbColor(f.colour), &a);
  }
  refreshRect(p, a.x, a.y, a.w, a.h);
  if (++g.flashSlotIndex > 12) {
    g.flashSlotIndex = 0;
    g.flashAllSlots = true;
  }
}

}  // namespace

void cmdAt(Player& p) {
  const std::string x = commandItem(p, 1), y = commandItem(p, 2);
  const char sep = p.text.decimalSeparator;
  const auto nx = strictNumber(x, sep), ny = strictNumber(y, sep);
  if (!nx && !ny) {
    p.message("Not a number. " + x + "," + y);
    return;
  }
  if (p.engine.cmdItemCount != 2) {
    p.message("At statement required 2 args.");
    return;
  }
  Surface& s = outputSurface(p);
  auto value = [&](const std::string& text, const std::optional<double>& v) {
    if (auto n = toInt16(*v)) return *n;
    scriptError(p, "the number " + text + " does not fit 16 bits");
    return *v < 0 ? -32768 : 32767;
  };
  auto relative = [](const std::string& text) { return text[0] == '+' || text[0] == '-'; };
  if (!x.empty()) {
    if (!nx)
      scriptError(p, "\"" + x + "\" is not a number");
    else if (relative(x))
      s.x += value(x, nx);
    else
      s.x = value(x, nx) + examPrintOffset(p);
  }
  if (!y.empty()) {
    if (!ny)
      scriptError(p, "\"" + y + "\" is not a number");
    else if (relative(y))
      s.y += value(y, ny);
    else
      s.y = value(y, ny);
  }
  if (s.x < 0) p.message("- for X co-ordinates for @at statement");
  p.text.boxLeft = s.x;
  s.font.bold = s.font.italic = s.font.underline = false;
  p.question.feedbackAnchorX = s.x;
  p.question.feedbackAnchorY = s.y;
}

void cmdAtGap(Player& p) {
  GadgetState& g = p.gadgets;
  const auto& gaps = p.text.wordGapTable;
  if (g.wordGapCursor < 0 || g.wordGapCursor >= int(gaps.size())) {
    scriptError(p, "there is no further word gap on the screen");
    return;
  }
  const WordGap& gap = gaps[size_t(g.wordGapCursor++)];
  p.text.boxLeft = gap.x - 6;
  outputSurface(p).y = gap.y + 1;
}

void cmdSavePos(Player& p) {
  const int n = positionSlot(p);
  if (n < 0) return;
  const Surface& s = outputSurface(p);
  p.gadgets.savedPositions[size_t(n)] = {s.x, s.y, p.pictures.pictureX, p.pictures.pictureY};
}

void cmdRestorePos(Player& p) {
  const int n = positionSlot(p);
  if (n < 0) return;
  const SavedPosition& sp = p.gadgets.savedPositions[size_t(n)];
  Surface& s = outputSurface(p);
  s.x = sp.textX;
  s.y = sp.textY;
  p.pictures.pictureX = sp.pictureX;
  p.pictures.pictureY = sp.pictureY;
}

void cmdDial(Player& p) {
  GadgetState& g = p.gadgets;
  g.dialX = g.dialKnobX = p.pictures.pictureX;
  g.dialY = g.dialKnobY = p.pictures.pictureY;
  g.dialSteps = strictInt16(p, commandItem(p, 1));
  g.dialStepWidth = strictInt16(p, commandItem(p, 2));
  preserveArea(p, g.dialKnobX, g.dialKnobY, 10, 14);
  printPicture(p, g.dialX, g.dialY, "dial.bmp");
  g.dialShown = true;
}

void cmdAmp(Player& p) { printPicture(p, p.pictures.pictureX, p.pictures.pictureY, "amc0.bmp"); }

void cmdCreateClock(Player& p) {
  GadgetState& g = p.gadgets;
  g.clockX = p.pictures.pictureX;
  g.clockY = p.pictures.pictureY;
  g.clockValue = float(strictParam(p, commandItem(p, 1)));
  drawClock(p);
  const int a = strictInt16(p, commandItem(p, 2));
  const double b = strictParam(p, commandItem(p, 3));
  if (b == 0) {
    scriptError(p, "the clock step divides by 0");
    g.clockStep = 0;
  } else {
    g.clockStep = float(a / b);
  }
}

void cmdIncreaseClock(Player& p) {
  p.gadgets.clockValue += p.gadgets.clockStep;
  drawClock(p);
}

void cmdFlashWords(Player& p) {
  GadgetState& g = p.gadgets;
  EngineState& e = p.engine;
  g.flashX = strictInt16(p, commandItem(p, 1));
  g.flashY = strictInt16(p, commandItem(p, 2));
  g.flashP3 = strictInt16(p, commandItem(p, 3));
  g.flashP4 = strictInt16(p, commandItem(p, 4));
  g.flashTopic = "Spelling word topic - " + commandItem(p, 5);
  bool reported = false;
  for (int i = 1; i <= 10; ++i) {
    e.cmdItems[size_t(i)] = commandItem(p, i + 5);
    if (g.flashWords.size() < kMaxFlashWords) {
      g.flashWords.push_back(e.cmdItems[size_t(i)]);
    } else if (!reported) {
      scriptError(p, "more than " + std::to_string(kMaxFlashWords) + " flash words on one screen");
      reported = true;
    }
  }
  g.flashActive = true;
  g.flashSlotIndex = 0;
  g.flashAllSlots = false;
  p.internalTimer->start(kFlashIntervalMs);
}

void cmdSetHelp(Player& p) {
  GadgetState& g = p.gadgets;
  const int n = p.engine.cmdItemCount;
  if (n % 2 != 0) scriptError(p, "sethelp needs pairs of region and topic numbers");
  for (int i = 1; i + 1 <= n; i += 2) {
    if (int(g.helpPairs.size()) >= kMaxHelpPairs) {
      scriptError(p, "more than " + std::to_string(kMaxHelpPairs) + " help pairs on one screen");
      return;
    }
    const int id = strictInt16(p, commandItem(p, i)), topic = strictInt16(p, commandItem(p, i + 1));
    g.helpPairs.emplace_back(id, topic);
    g.lastHelpTopic = topic;
  }
}

void cmdGameType(Player& p) {
  GadgetState& g = p.gadgets;
  g.gameDataLines.clear();
  const std::string word = commandItem(p, 1);
  if (toLower(word) == "spelling") {
    g.gameType = 1;
    p.nav.engineMode = 14;
  } else if (word == "deadline") {
    g.gameType = 2;
  } else {
    p.message("Unknown game type - check your spelling of game name!");
  }
}

void cmdData(Player& p) {
  auto& lines = p.gadgets.gameDataLines;
  if (!lines.empty() && lines.back().empty()) lines.pop_back();  // the end marker
  if (lines.size() >= kMaxGameDataLines) {
    scriptError(p, "more than " + std::to_string(kMaxGameDataLines) + " game data lines");
  } else {
    // The line as it was read: "data" keeps the blanks of its parameters.
    const EngineState& e = p.engine;
    lines.push_back("@" + e.cmdItems[0] + (e.cmdItemCount > 0 ? " " + joinParams(e, 1) : ""));
  }
  lines.emplace_back();
}

void cmdSpellBackground(Player& p) { p.gadgets.spellBackground = commandItem(p, 1); }
void cmdSpellInstructionBackdrop(Player& p) { p.gadgets.spellInstructionBackdrop = commandItem(p, 1); }
void cmdGdf(Player& p) { p.control.gameDataName = commandItem(p, 1); }

void addHelpPair(Player& p, int regionId, int topic) {
  if (p.gadgets.helpPairs.size() < kMaxHelpPairs) p.gadgets.helpPairs.emplace_back(regionId, topic);
}

void resetGadgetsForScreen(Player& p, bool keepGameData) {
  GadgetState& g = p.gadgets;
  g.savedPositions = {};
  g.clockX = g.clockY = 0;
  g.clockValue = g.clockStep = 0;
  g.helpPairs.clear();
  g.lastHelpTopic = 0;
  g.flashWords.clear();
  g.flashTopic.clear();
  g.flashActive = false;
  g.flashSlots = {};
  g.flashSlotIndex = g.flashFrame = 0;
  g.flashAllSlots = false;
  g.dialShown = false;
  g.dialSteps = g.dialStepWidth = 0;
  g.wordGapCursor = 0;
  if (!keepGameData) g.gameDataLines.clear();
}

void onInternalTimer(Player& p) {
  if (p.gadgets.flashActive) {
    if (p.internalTimer->interval() != kFlashIntervalMs) p.internalTimer->start(kFlashIntervalMs);
    flashTick(p);
  }
}

}  // namespace vintara
