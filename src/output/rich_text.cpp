// Rich text: the markup of text lines, fonts and layout.
//
// A text line is scanned for "#" codes; the text between codes is drawn at
// the surface's current position, which advances like a character-cell
// printer. Answer boxes are in answer_boxes.cpp.
#include "output/rich_text.h"

#include <algorithm>
#include <cmath>

#include "assess/exam.h"
#include "engine/command_table.h"
#include "engine/numbers.h"
#include "engine/player.h"
#include "engine/script_text.h"
#include "output/fields.h"
#include "output/pictures.h"
#include "output/text_render.h"

namespace vintara {

using text_render::BoxForm;
using text_render::Line;

namespace {

struct FontRow {
  const char* face;
  int points;
  int lineHeight;
};
constexpr FontRow kFonts[10] = {{"arial", 10, 20}, {"arial", 12, 21},   {"arial", 14, 22},
                                {"arial", 10, 16}, {"arial11", 10, 18}, {"arial", 8, 18},
                                {"arial", 24, 17}, {"arial11", 72, 18}, {"symbol", 10, 20},
                                {"arial", 7, 17}};

// Instruction lines of exam pages: left out on paper, reworded on screen.
constexpr std::string_view kInstructionStart = "#f4#cr#bClick on the";
constexpr std::string_view kReturnInstruction =
    "#crClick on Forward to return to the exam selection menu.";
constexpr std::string_view kWrittenAnswers =
    "#f4#cr#bClick on the answers you have written for each section of this question.";

constexpr Rgb kOverprintRed = makeRgb(255, 0, 0);
constexpr Rgb kDragNumberColour = makeRgb(0, 64, 0);
constexpr Rgb kHotWordColour = makeRgb(64, 0, 0);
constexpr Rgb kWriteInColour = makeRgb(0, 0, 255);
constexpr Rgb kRuleLight = makeRgb(215, 191, 166);
constexpr Rgb kRuleDark = makeRgb(183, 147, 119);

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The value of a number text as the renderer reads it ("3", "2.5").
double valueOf(const Player& p, std::string_view numberText) {
  return leadingNumberValue(toDotDecimal(p, numberText));
}

// Numbers in the markup are 16-bit; a longer one is held at the limit.
int roundToInt(double v) {
  if (!(v == v)) return 0;
  return int(roundHalfEven(std::clamp(v, -32768.0, 32767.0)));
}

// One character read as a digit (anything else counts 0).
int digitValue(std::string& rest) {
  if (rest.empty()) return 0;
  const char c = rest[0];
  rest.erase(0, 1);
  return isDigit(c) ? c - '0' : 0;
}

// The text up to the next "#" (which is removed), or all of it.
std::string takeToHash(std::string& rest) {
  const size_t h = rest.find('#');
  std::string part = rest.substr(0, h);
  rest.erase(0, h == std::string::npos ? rest.size() : h + 1);
  return part;
}

std::string quizPhrase(const Player& p) {
  const QuestionState& q = p.question;
  // No question asked yet: nothing to divide by; the lowest phrase.
  const int percent = q.quizQuestionNumber == 0
                          ? 0
                          : int(std::trunc(double(q.quizScore) / q.quizQuestionNumber * 100));
  if (percent == 100) return "           Excellent";
  if (percent >= 80 && percent <= 99) return "           Very good";
  if (percent >= 60 && percent <= 79) return "         A good effort";
  if (percent >= 40 && percent <= 59) return "Room for improvement";
  return "      Could do better";
}

// "#z": scores, counts and grade phrases.
void insertScore(Line& l, std::string& rest) {
  Player& p = l.p;
  int code = 0;
  if (rest.size() >= 2 && isDigit(rest[1])) {
    const int two = isDigit(rest[0]) ? (rest[0] - '0') * 10 + (rest[1] - '0') : 0;
    if (two > 40) {
      code = rest[0] - '0';
      rest.erase(0, 1);
    } else {
      code = two;
      rest.erase(0, 2);
    }
  } else {
    code = digitValue(rest);
  }
  switch (code) {
    case 1: rest = std::to_string(p.question.quizScore) + rest; break;
    case 2: rest = std::to_string(p.question.quizQuestionNumber) + rest; break;
    case 3: rest = quizPhrase(p); break;
    case 4: rest = std::to_string(p.pupil.examScore) + rest; break;
    case 5: rest = std::to_string(p.pupil.examMaxScore) + "."; break;
    case 6:
      rest = examGrade(p) + ".";
      if (l.firstPrint) recordExamResult(p);
      break;
    default: break;
  }
}

// "#[": a typed answer field, drawn empty.
void answerField(Line& l, std::string& rest) {
  Player& p = l.p;
  Surface& s = l.s;
  const char kindLetter = rest.empty() ? ' ' : rest[0];
  if (!rest.empty()) rest.erase(0, 1);
  const std::string number = leadingNumber(p, std::string_view(rest).substr(0, 99));
  const int width = roundToInt(valueOf(p, number));
  rest.erase(0, number.size());
  const size_t close = rest.find(']');
  if (close == std::string::npos)
    p.message("Missing ]");
  else
    rest.erase(0, close + 1);

  const int kind = kindLetter == 'n' ? kNumberField : kindLetter == 'f' ? kFormulaField : kLetterField;
  p.question.questionType = 8;
  p.text.boxLayout.perRow = 8;
  if (!s.isPrinter()) {
    auto& fields = p.regions.answerFieldTable;
    const int top = s.y - 2;
    int index = -1;
    if (l.firstPrint) {
      if (int(fields.size()) < RegionTable::kMaxFields) {
        AnswerField f;
        f.left = s.x;
        f.right = s.x + width;
        f.top = top;
        f.bottom = kind == kFormulaField ? s.y + 38 : s.y + p.text.lineHeight;
        f.kind = kind;
        fields.push_back(f);
        index = int(fields.size()) - 1;
      }
    } else {
      for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].left == s.x && fields[i].top == top) index = int(i);
    }
    if (index >= 0) drawField(p, index);
  }
  s.x += l.px(width + 2);
}

// "#k": a number the pupil can drag.
void dragNumber(Line& l, std::string& rest) {
  Player& p = l.p;
  Surface& s = l.s;
  const bool bold = s.font.bold;
  const Rgb colour = s.colour;
  s.font.bold = true;
  s.colour = kDragNumberColour;
  const std::string number = leadingNumber(p, toLocalDecimal(p, takeToHash(rest)));
  const int x0 = s.x;
  text_render::drawPiece(l, number);
  auto& table = p.text.dragNumberTable;
  if (l.firstPrint && int(table.size()) < TextState::kMaxDragNumbers)
    table.push_back({x0, s.y, s.x - x0, int(std::lround(s.font.points)), number, 1});
  s.font.bold = bold;
  s.colour = colour;
}

// "#H": a hot word that opens the glossary.
void hotWord(Line& l, std::string& rest) {
  Player& p = l.p;
  Surface& s = l.s;
  const bool underline = s.font.underline;
  const Rgb colour = s.colour;
  s.colour = kHotWordColour;
  s.font.underline = true;
  s.font.bold = false;
  const std::string word = takeToHash(rest);
  const int x0 = s.x;
  text_render::drawPiece(l, word);
  auto& table = p.text.hotWordTable;
  if (l.firstPrint && int(table.size()) < TextState::kMaxHotWords)
    table.push_back({x0, s.y, s.x - x0, p.text.lineHeight, word});
  s.colour = colour;
  s.font.underline = underline;
}

// "#*" and "#.": bullets.
void bullet(Line& l, const char* name, int dy) {
  Surface& s = l.s;
  const auto size = text_render::drawPicture(l, name, s.x, s.y + l.px(dy));
  s.x += l.px(size.w + 3);
}

// "#a": the rule between two rows of a popdown list.
void popdownRule(Line& l) {
  Surface& s = l.s;
  const int w = l.p.text.popdownWidth;
  const int x0 = s.x - l.px(3), y0 = s.y + l.px(4);
  const int x1 = x0 + l.px(w - 3);
  text_render::drawLine(l, x0, y0, x1, y0, kRuleLight);
  text_render::drawLine(l, x1, y0 + l.px(1), x1 - l.px(w + 3), y0 + l.px(1), kRuleDark);
}

// "#s" and "#v" take the number that follows them.
int takeCount(Line& l, std::string& rest) {
  const std::string number = leadingNumber(l.p, rest);
  rest.erase(0, number.size());
  return roundToInt(valueOf(l.p, number));
}

void applyCode(Line& l, char code, std::string& rest) {
  Player& p = l.p;
  Surface& s = l.s;
  TextState& t = p.text;
  switch (code) {
    case 'a': popdownRule(l); break;
    case '*': bullet(l, "*bullet.bmp", 4); break;
    case '.':
      if (t.fontId == 5)
        bullet(l, "*vsbullet.bmp", 3);
      else
        bullet(l, "*sbullet.bmp", 5);
      break;
    case 'q': case 'Q': t.boxLayout.lines = digitValue(rest); break;
    case 'y': case 'Y': t.lineHeight -= digitValue(rest); break;
    case '#': text_render::drawPiece(l, std::string(1, t.decimalSeparator)); break;
    case 'k': dragNumber(l, rest); break;
    case '[': answerField(l, rest); break;
    case 'O': case 'o': text_render::startOptionBox(l, rest); break;
    case 'P': case 'p': text_render::startPictureBox(l, rest); break;
    case ';': text_render::drawPiece(l, ","); break;
    case '<':
    case '>': {
      int step = 8;
      if (!rest.empty() && rest[0] == code) {
        rest.erase(0, 1);
        step = 2;
      }
      s.y += code == '<' ? l.px(step) : -l.px(step);
      break;
    }
    case 'i': case 'I': s.font.italic = !s.font.italic; break;
    case 'b': case 'B': s.font.bold = !s.font.bold; break;
    case 'u': case 'U': s.font.underline = !s.font.underline; break;
    case '^':
      if (t.tabIndex < TextState::kMaxTabStops) t.tabStops[size_t(t.tabIndex)] = s.x;
      ++t.tabIndex;
      break;
    case 't': case 'T':
      if (t.tabIndex < TextState::kMaxTabStops) {
        s.x = t.tabStops[size_t(t.tabIndex)];
        t.boxLeft = s.x;
      }
      ++t.tabIndex;
      break;
    case '%':
      t.overprintMode = !t.overprintMode;
      if (t.overprintMode) {
        t.overprintX = s.x;
        t.overprintY = s.y;
        s.colour = kOverprintRed;
      } else {
        s.x = t.overprintX;
        s.y = t.overprintY;
        s.colour = 0;
      }
      break;
    case 's': s.x += l.px(6 * takeCount(l, rest)); break;
    case 'v': {
      const int length = l.px(3 * takeCount(l, rest));
      if (!examAnswersShown(p)) {
        const int y = s.y + l.px(10);
        text_render::drawLine(l, s.x, y, s.x + length, y, kWriteInColour, true);
        s.colour = 0;
      }
      s.x += length;
      break;
    }
    case 'H': case 'h': hotWord(l, rest); break;
    case 'W': case 'w': t.lineGapToggle = 4 - t.lineGapToggle; break;
    case 'G': case 'g':
      if (l.firstPrint && int(t.wordGapTable.size()) < TextState::kMaxWordGaps)
        t.wordGapTable.push_back({s.x, s.y});
      s.x += l.px(t.boxLayout.width + 10);
      break;
    case 'c': case 'C': rest = applyColourCode(p, rest); break;
    case 'f': case 'F': setFontSize(p, digitValue(rest)); break;
    case 'z': case 'Z': insertScore(l, rest); break;
    default: break;  // unknown codes are dropped
  }
}

// Prints one line: a new one (history 0 or its new number) or one again.
void renderLine(Line& l, std::string text) {
  Player& p = l.p;
  Surface& s = l.s;
  TextState& t = p.text;
  if (!t.popdownDrawing) t.tabIndex = 0;
  t.extraBoxHeight = 0;
  if (l.history > 0) {
    const TextHistoryEntry& h = t.textHistory[size_t(l.history - 1)];
    s.x = h.x;
    s.y = h.y;
    s.colour = h.colour;
  } else {
    s.colour = 0;
  }
  if (l.oneLine && !p.nav.examPageMode && (!l.normal || t.buttonKind != 0))
    s.colour = 0xFFFFFF;

  char ending = 0;
  if (!text.empty() && (text.back() == ';' || text.back() == '_')) {
    ending = text.back();
    text.pop_back();
  }

  for (;;) {
    const size_t hash = text.find('#');
    if (hash == std::string::npos) break;
    text_render::drawPiece(l, std::string_view(text).substr(0, hash));
    if (hash + 1 >= text.size()) {  // a "#" at the end ends the text
      text.clear();
      break;
    }
    const char code = text[hash + 1];
    text.erase(0, hash + 2);
    applyCode(l, code, text);
  }

  if (l.box != BoxForm::None) {
    text_render::printBoxText(l, text);
    text_render::finishBoxLine(l);
    return;
  }
  text_render::drawPiece(l, text);
  if (ending != ';') newLine(p);
  if (ending == '_') newLine(p);
}

// What a redraw must leave as it found it: the script may still be
// printing when the pupil's pointer redraws a box.
struct Cursor {
  explicit Cursor(Player& player) : p(player), s(outputSurface(player)) {
    x = s.x, y = s.y, font = s.font, colour = s.colour;
    const TextState& t = p.text;
    fontId = t.fontId, lineHeight = t.lineHeight, lineStartX = t.lineStartX, boxLeft = t.boxLeft;
    tabIndex = t.tabIndex, extra = t.extraBoxHeight, boxWidth = t.boxLayout.width;
    buttonKind = t.buttonKind, overprint = t.overprintMode;
  }
  ~Cursor() {
    s.x = x, s.y = y, s.font = font, s.colour = colour;
    TextState& t = p.text;
    t.fontId = fontId, t.lineHeight = lineHeight, t.lineStartX = lineStartX, t.boxLeft = boxLeft;
    t.tabIndex = tabIndex, t.extraBoxHeight = extra, t.boxLayout.width = boxWidth;
    t.buttonKind = buttonKind, t.overprintMode = overprint;
  }
  Player& p;
  Surface& s;
  int x, y;
  FontSpec font;
  Rgb colour;
  int fontId, lineHeight, lineStartX, boxLeft, tabIndex, extra, boxWidth, buttonKind;
  bool overprint;
};

// Prints history line `line` again; boxes take their own width and kind.
void redrawLine(Player& p, Surface& s, int line, bool normal, bool oneLine) {
  TextState& t = p.text;
  for (const AnswerBox& b : p.regions.answerBoxTable)
    if (b.line == line) {
      t.boxLeft = t.textHistory[size_t(line - 1)].x + 1;
      t.boxLayout.width = b.width;
      t.buttonKind = b.kind;
      break;
    }
  t.lineStartX = s.x;
  Line l{p, s};
  l.history = line;
  l.firstPrint = false;
  l.normal = normal;
  l.oneLine = oneLine;
  renderLine(l, t.textHistory[size_t(line - 1)].text);
}

}  // namespace

Surface& outputSurface(Player& p) {
  return p.engine.outputSurface ? *p.engine.outputSurface : p.workArea;
}

void printText(Player& p, std::string_view text) {
  Surface& s = outputSurface(p);
  std::string line(text);
  if (s.isPrinter()) {
    if (line == kReturnInstruction || line.starts_with(kInstructionStart)) return;
  } else if (line.starts_with(kInstructionStart)) {
    line = kWrittenAnswers;
  }
  TextState& t = p.text;
  t.lineStartX = s.x;
  Line l{p, s};
  // A full history still prints the line; it cannot be redrawn.
  if (int(t.textHistory.size()) < TextState::kMaxHistory) {
    t.textHistory.push_back({s.x, s.y, line, 0});
    l.history = int(t.textHistory.size());
  }
  renderLine(l, std::move(line));
}

void printTextRedrawAll(Player& p, bool normalState) {
  Surface& s = outputSurface(p);
  Cursor keep(p);
  p.text.boxLeft = s.x;
  for (int i = 1; i <= int(p.text.textHistory.size()); ++i) {
    // Each box line lands where it was first drawn (see redrawLine).
    const int buttonKind = p.text.buttonKind;
    const int width = p.text.boxLayout.width;
    redrawLine(p, s, i, normalState, false);
    p.text.buttonKind = buttonKind;
    p.text.boxLayout.width = width;
  }
}

void printTextLine(Player& p, bool normalState, int historyLine) {
  if (historyLine < 1 || historyLine > int(p.text.textHistory.size())) return;
  Surface& s = outputSurface(p);
  Cursor keep(p);
  p.text.boxLeft = p.text.textHistory[size_t(historyLine - 1)].x + 1;
  redrawLine(p, s, historyLine, normalState, true);
}

void setFontSize(Player& p, int fontId) {
  if (fontId < 0 || fontId > 9) {
    p.message("FontID not allowed " + std::to_string(fontId));
    fontId = 0;
  }
  Surface& s = outputSurface(p);
  s.font.face = kFonts[fontId].face;
  s.font.points = kFonts[fontId].points;
  s.font.italic = false;
  p.text.fontId = fontId;
  p.text.lineHeight = kFonts[fontId].lineHeight;
}

void newLine(Player& p) {
  Surface& s = outputSurface(p);
  const TextState& t = p.text;
  const int advance = int(std::lround(s.font.points)) + 4 + t.lineGapToggle + t.textGap;
  s.x = t.lineStartX;
  // Endless ";" lines with a large text gap would otherwise run the pen
  // past the range of int; far below or above the page is all the same.
  constexpr int kFarOff = 1 << 24;
  const long long y = (long long)s.y + (t.printingPage ? advance * 15LL : advance);
  s.y = int(std::clamp<long long>(y, -kFarOff, kFarOff));
}

std::string applyColourCode(Player& p, std::string_view text) {
  if (text.empty()) return {};
  Surface& s = outputSurface(p);
  switch (text[0]) {
    case 'r': case 'R': s.colour = p.text.overprintMode ? makeRgb(255, 0, 0) : makeRgb(170, 0, 0); break;
    case 'w': case 'W': s.colour = makeRgb(255, 255, 255); break;
    case 'd': case 'D': s.colour = qbColor(8); break;
    case 'a': case 'A': s.colour = qbColor(7); break;
    case 'b': case 'B': s.colour = 0; break;
    case 'y': case 'Y': s.colour = makeRgb(255, 255, 0); break;
    case 'g': case 'G': s.colour = makeRgb(0, 255, 0); break;
    case 'u': case 'U': s.colour = makeRgb(0, 0, 255); break;
    case 'z': case 'Z': s.colour = makeRgb(223, 135, 55); break;
    default: break;
  }
  return std::string(text.substr(1));
}

int measureText(Player& p, Surface& surface, std::string_view text, int fontId) {
  if (fontId < 0 || fontId > 3) return p.platform.textWidth(text, surface.font);
  TextState& t = p.text;
  if (!t.widthTableFilled[size_t(fontId)]) {
    t.widthTables[size_t(fontId)] = p.platform.charWidths(surface.font);
    t.widthTableFilled[size_t(fontId)] = true;
  }
  int w = 0;
  for (unsigned char c : text) w += t.widthTables[size_t(fontId)][c];
  return std::min(w, 32767);  // a 16-bit width
}

std::string leadingNumber(const Player& p, std::string_view text, bool allowExponent) {
  size_t n = 0;
  for (; n < text.size(); ++n) {
    const unsigned char c = static_cast<unsigned char>(text[n]);
    const bool ok = (c >= '0' && c <= '9') || (c >= 134 && c <= 143) ||
                    c == static_cast<unsigned char>(p.text.decimalSeparator) || c == '-' ||
                    c == '+' || c == 160 || (c == 215 && n > 0) || c == 187 ||
                    (allowExponent && c == 'E');
    if (!ok) break;
  }
  return std::string(text.substr(0, n));
}

namespace {
std::string swapFirst(std::string_view text, char from, char to) {
  const size_t at = text.find(from);
  if (at == std::string_view::npos) return std::string(text);
  std::string out(text.substr(0, at));
  out += to;
  out += text.substr(at + 1, 99);
  return out;
}
}  // namespace

std::string toLocalDecimal(const Player& p, std::string_view text) {
  return swapFirst(text, '.', p.text.decimalSeparator);
}

std::string toDotDecimal(const Player& p, std::string_view text) {
  return swapFirst(text, p.text.decimalSeparator, '.');
}

void pushPosition(Player& p) {
  Surface& s = outputSurface(p);
  p.text.positionStack.push_back({&s, s.x, s.y});
}

void popPosition(Player& p, bool keep) {
  auto& stack = p.text.positionStack;
  if (!keep || stack.empty()) {
    stack.clear();
    return;
  }
  const SavedPlace place = stack.back();
  stack.pop_back();
  if (place.surface) {
    place.surface->x = place.x;
    place.surface->y = place.y;
  }
}

void resetTextForScreen(Player& p) {
  TextState& t = p.text;
  t.textHistory.clear();
  t.wordGapTable.clear();
  t.dragNumberTable.clear();
  t.hotWordTable.clear();
  p.regions.answerBoxTable.clear();
  p.regions.answerFieldTable.clear();
  // Per screen: width 200, lines 1, everything else 0 (the question
  // command sets the layout of a question).
  t.boxLayout = BoxLayout{};
  t.boxLayout.perRow = 0;
  t.boxLayout.textColour = 0;
  t.boxLayout.highlightColour = 0;
  t.extraBoxHeight = 0;
  t.matchedBoxCursor = 0;
  t.firstEmptyBox = 0;
  t.firstEmptySeen = false;
  t.overprintMode = false;
  t.lineGapToggle = 0;
  t.textGap = 0;
  t.tabIndex = 0;
  t.buttonKind = 0;
  t.popdownDrawing = false;
}

void cmdTextGap(Player& p) { p.text.textGap = numericParam(p, p.engine.cmdItems[1]); }

}  // namespace vintara
