// Answer boxes of the rich-text renderer: option boxes with text, tick
// boxes, picture buttons and picture boxes ("#O", "#P"), their frames, the
// text inside them and where the next box goes.
#include <algorithm>
#include <cmath>

#include "assess/exam.h"
#include "engine/player.h"
#include "engine/script_text.h"
#include "output/pictures.h"
#include "output/rich_text.h"
#include "output/text_render.h"
#include "platform/text_codec.h"

namespace vintara {

namespace {

// Shades of a bevelled frame, outermost first.
struct Shades {
  Rgb ring[3];
};
constexpr Shades kNormalFrame{{makeRgb(102, 68, 34), makeRgb(153, 119, 85), makeRgb(170, 136, 102)}};
constexpr Shades kSelectedFrame{{makeRgb(68, 34, 0), makeRgb(119, 85, 51), makeRgb(136, 102, 68)}};
constexpr Shades kExamFrame{{makeRgb(128, 128, 128), makeRgb(192, 192, 192), makeRgb(255, 255, 255)}};
constexpr Shades kWordFrame{{makeRgb(119, 79, 43), makeRgb(143, 99, 67), makeRgb(183, 147, 119)}};
constexpr Rgb kWordFrameLine = makeRgb(153, 0, 0);

constexpr Rgb kBlueBackground = makeRgb(119, 139, 179);
constexpr Rgb kWhiteBackground = makeRgb(239, 239, 239);
constexpr Rgb kQuizSelectedText = makeRgb(135, 179, 211);

}  // namespace

void drawBoxFrame(Player& p, int x, int y, bool normal) {
  if (p.question.quizMode) return;
  Surface& s = outputSurface(p);
  text_render::Line l{p, s};
  const TextState& t = p.text;
  const bool words = t.boxLayout.perRow == 100;
  const Shades& shades = words ? kWordFrame
                         : p.nav.examPageMode ? kExamFrame
                         : normal ? kNormalFrame
                                  : kSelectedFrame;
  const int u = l.unit();
  const int extra = t.extraBoxHeight - (words ? l.px(2) : 0);
  const int w = l.px(t.boxLayout.width + 3);
  const int h = l.px(t.boxLayout.lines * t.lineHeight + 3) + extra;
  for (int k = 0; k < 3; ++k) {
    const int x0 = x - 2 * u + k * u, y0 = y - 2 * u + k * u;
    const int x1 = x0 + w - 1 - 2 * k * u, y1 = y0 + h - 1 - 2 * k * u;
    if (x1 < x0 || y1 < y0) break;
    const Rgb c = shades.ring[k];
    text_render::drawLine(l, x0, y0, x1, y0, c);
    text_render::drawLine(l, x0, y1, x1, y1, c);
    text_render::drawLine(l, x0, y0, x0, y1, c);
    text_render::drawLine(l, x1, y0, x1, y1, c);
  }
  if (words) {
    const int yb = y - 2 * u + h - 1;
    text_render::drawLine(l, x - 2 * u, yb, x - 2 * u + w - 1, yb, kWordFrameLine);
  }
}

namespace text_render {

namespace {

bool wordLayout(const Player& p) { return p.text.boxLayout.perRow == 100; }
int linesHeight(const Line& l) { return l.px(l.p.text.boxLayout.lines * l.p.text.lineHeight); }

// Puts the position at the box's top-left and saves it.
void placeBox(Line& l, bool optionBox) {
  Player& p = l.p;
  Surface& s = l.s;
  TextState& t = p.text;
  const auto& table = p.regions.answerBoxTable;
  s.x = t.boxLeft + l.px(8);
  if (l.firstPrint && table.empty() && !(optionBox && t.buttonKind != 0)) {
    s.y += l.px(2);
    if (l.history > 0) t.textHistory[size_t(l.history - 1)].y = s.y;
  }
  l.placeX = l.boxX = s.x;
  l.placeY = l.boxY = s.y;
  l.boxW = l.px(t.boxLayout.width);
  if (l.firstPrint) {
    l.boxIndex = int(table.size());
  } else {
    for (size_t i = 0; i < table.size() && l.history > 0; ++i)
      if (table[i].line == l.history) {
        l.boxIndex = int(i);
        l.boxW = table[i].width;
        l.boxH = table[i].height;
        break;
      }
  }
  pushPosition(p);
}

// The background of a box: a bevelled frame, or a flat colour.
void boxBackground(Line& l) {
  Player& p = l.p;
  const BoxLayout& b = p.text.boxLayout;
  if (b.style == 0) {
    drawBoxFrame(p, l.boxX, l.boxY, l.normal);
    return;
  }
  const int h = linesHeight(l) + p.text.extraBoxHeight - l.px(3);
  const std::string background = toLower(b.background);
  if (background == "transparent") {
    if (!l.s.isPrinter()) {
      restoreRect(p, l.s, l.boxX, l.boxY, l.boxW, h);
      refreshArea(l, l.boxX, l.boxY, l.boxW, h);
    }
  } else {
    fillRect(l, l.boxX, l.boxY, l.boxW, h, background == "blue" ? kBlueBackground : kWhiteBackground);
  }
}

// "#Ox...": a tick box with an optional caption.
void tickBox(Line& l, std::string& rest) {
  Player& p = l.p;
  Surface& s = l.s;
  l.box = BoxForm::Tick;
  s.font.bold = false;
  const std::string caption = rest.substr(1);
  rest.clear();
  const int x = l.placeX - l.px(4), y = l.placeY - l.px(4);
  bool ticked = !l.firstPrint && !l.normal;
  if (p.nav.examPageMode) {
    const int question = p.text.currentExamQuestion;
    if (l.firstPrint) ticked = examTickState(p, question, l.boxIndex);
    setExamTickState(p, question, l.boxIndex, ticked);
    if (!l.firstPrint && l.boxIndex >= 0 && l.boxIndex < int(p.regions.answerBoxTable.size()))
      p.regions.answerBoxTable[size_t(l.boxIndex)].state = ticked ? 1 : 0;
  }
  drawPicture(l, ticked ? "*checkon.bmp" : "*checkoff.bmp", x, y, true);
  int width = 20;
  if (!caption.empty()) {
    if (!examCaptionsSuppressed(p)) printCaption(l, caption, x + l.px(21), y + l.px(5));
    width = measureText(p, s, captionText(caption), p.text.fontId) + 20;
  }
  l.boxX = x;
  l.boxY = y;
  l.boxW = l.px(width);
  l.boxH = linesHeight(l) + p.text.extraBoxHeight;
  l.tickState = ticked ? 1 : 0;
}

// "#O*..." and "#O@...": a picture button (normal, selected, -, caption).
void pictureOption(Line& l, std::string& rest) {
  Player& p = l.p;
  l.box = BoxForm::PictureOption;
  const std::string list = rest;
  rest.clear();
  auto field = [&](int i) {
    std::string f = getParameterString(i, list);
    if (!f.empty() && f[0] == '@') f.erase(0, 1);
    return f;
  };
  const std::string normalPicture = field(1), selectedPicture = field(2), caption = field(4);
  if (!l.firstPrint && p.regions.clearBeforeRedraw) {
    for (const CachedPicture& c : p.pictures.pictureCache)
      if (c.name == normalPicture && c.image) {
        if (!l.s.isPrinter()) {
          restoreRect(p, l.s, l.boxX, l.boxY, l.px(c.image->width()), l.px(c.image->height()));
          refreshArea(l, l.boxX, l.boxY, c.image->width(), c.image->height());
        }
        break;
      }
  }
  if (l.firstPrint || l.normal) {
    const Size size = drawPicture(l, normalPicture, l.boxX, l.boxY);
    int end = l.boxX + l.px(size.w);
    if (!caption.empty())
      end = printCaption(l, caption, end - l.px(3),
                         l.boxY + l.px(int(std::floor((size.h - p.text.lineHeight) / 2.0))));
    if (l.firstPrint) {
      l.boxH = l.px(size.h);
      l.boxW = end - l.boxX + l.px(3);
      p.text.boxLayout.width = l.boxW / l.unit();
    }
  } else {
    drawPicture(l, selectedPicture, l.boxX, l.boxY);
  }
}

// After the box is drawn: back at its top-left, ready for its text.
void closeBox(Line& l) {
  Player& p = l.p;
  Surface& s = l.s;
  popPosition(p);
  s.x += l.px(3);
  if (!l.normal && !wordLayout(p) && !p.question.quizMode) {
    s.x += l.px(2);
    s.y += l.px(2);
  }
  if (l.boxTextLowered) s.y += p.text.extraBoxHeight;
}

}  // namespace

void startOptionBox(Line& l, std::string& rest) {
  Player& p = l.p;
  TextState& t = p.text;
  l.box = BoxForm::Text;
  t.extraBoxHeight = 0;
  placeBox(l, true);
  if (rest.empty()) {
    // An empty box takes the height of the next recorded box in turn.
    const auto& table = p.regions.answerBoxTable;
    int from = -1;
    if (l.firstPrint) {
      if (t.matchedBoxCursor < int(table.size())) from = t.matchedBoxCursor++;
    } else if (l.boxIndex >= 0 && l.boxIndex < int(table.size())) {
      from = l.boxIndex;
    }
    if (from >= 0) t.extraBoxHeight = table[size_t(from)].height - linesHeight(l);
  }
  const char first = rest.empty() ? 0 : rest[0];
  if (first == 'x')
    tickBox(l, rest);
  else if (first == '*' || first == '@')
    pictureOption(l, rest);
  else
    boxBackground(l);
  closeBox(l);
}

void startPictureBox(Line& l, std::string& rest) {
  Player& p = l.p;
  TextState& t = p.text;
  l.box = BoxForm::PictureBox;
  const size_t comma = rest.find(',');
  const std::string name = rest.substr(0, comma);
  rest = comma == std::string::npos ? std::string() : rest.substr(comma + 1);
  const bool hasCaption = !rest.empty();
  const Size size = pictureSize(p, name);
  t.extraBoxHeight = l.px(size.h + 6) - (hasCaption ? 0 : linesHeight(l));
  placeBox(l, false);
  if (!wordLayout(p)) boxBackground(l);
  int x = int(std::floor((t.boxLayout.width - size.w) / 2.0)) + 2 - 3;
  if (l.s.isPrinter()) x += 50;
  if (!l.normal) x += 2;
  drawPicture(l, name, l.boxX + l.px(x), l.boxY + l.px(2));
  l.boxTextLowered = hasCaption;
  closeBox(l);
}

void printBoxText(Line& l, std::string text) {
  if (l.box == BoxForm::Tick || l.box == BoxForm::PictureOption) return;
  Player& p = l.p;
  Surface& s = l.s;
  TextState& t = p.text;
  const BoxLayout& b = t.boxLayout;
  l.boxHasText = !text.empty();

  if (!p.nav.examPageMode) {
    if (l.firstPrint || l.normal || t.buttonKind != 0)
      s.colour = qb(b.textColour);
    else
      s.colour = p.question.quizMode ? kQuizSelectedText : qb(b.highlightColour);
  }
  if (p.question.quizMode && l.box == BoxForm::Text && l.boxIndex >= 0) {
    const int k = l.boxIndex + 1;
    const std::string label = "cquizq" + std::to_string(k) + (l.normal ? "" : "a") + ".bmp";
    drawPicture(l, label, s.x + (k == 1 ? l.px(6) : 0), s.y + l.px(7));
    s.x += l.px(25);
  }

  auto width = [&](std::string_view part) {
    return s.isPrinter() ? pieceWidth(l, part) : measureText(p, s, part, t.fontId);
  };
  auto centred = [&](int x, std::string_view part) {
    if (b.noCentre) return x;
    return x + int(std::floor((l.px(b.width) - width(part) - l.px(5)) / 2.0));
  };

  if (b.lines <= 1) {
    std::replace(text.begin(), text.end(), '@', t.decimalSeparator);
    s.x = centred(s.x, text);
    drawPiece(l, text);
  } else {
    // Lines separated by "|", the block centred in the box's height.
    const double lineHeight = l.px(t.lineHeight);
    double offset = std::floor((b.lines - 1) * lineHeight / 2 + l.px(2));
    const int bars = std::min<int>(int(std::count(text.begin(), text.end(), '|')), b.lines);
    for (int i = 0; i < bars; ++i) offset = std::floor(offset - lineHeight / 2);
    const int x0 = s.x, y0 = s.y;
    s.y += int(offset);
    size_t start = 0;
    for (;;) {
      const size_t bar = text.find('|', start);
      const std::string_view part =
          std::string_view(text).substr(start, bar == std::string::npos ? std::string::npos : bar - start);
      s.x = centred(x0, part);
      drawPiece(l, part);
      if (bar == std::string::npos) break;
      s.y += l.px(t.lineHeight);
      start = bar + 1;
    }
    s.y = y0;
  }
  if (l.boxHasText && t.extraBoxHeight != 0 && b.horizontalGap != 0) s.y -= t.extraBoxHeight;
}

void finishBoxLine(Line& l) {
  Player& p = l.p;
  Surface& s = l.s;
  TextState& t = p.text;
  const BoxLayout& b = t.boxLayout;
  auto& table = p.regions.answerBoxTable;

  if (l.box == BoxForm::Text || l.box == BoxForm::PictureBox) l.boxH = linesHeight(l) + t.extraBoxHeight;
  if (l.firstPrint) {
    if (l.history > 0) t.textHistory[size_t(l.history - 1)].x = l.placeX - l.px(9);
    if (l.boxIndex >= 0 && l.boxIndex < TextState::kMaxBoxes && int(table.size()) == l.boxIndex) {
      AnswerBox box;
      box.x = l.boxX;
      box.y = l.boxY;
      box.height = l.boxH;
      box.width = l.boxW;
      box.line = l.history;
      if (l.box == BoxForm::Tick)
        box.state = p.nav.examPageMode ? l.tickState : 0;
      else if (l.box == BoxForm::Text || l.box == BoxForm::PictureBox)
        box.state = wordLayout(p) && l.boxHasText ? -1 : 0;
      box.kind = t.buttonKind;
      table.push_back(box);
      if (l.box == BoxForm::Text && !l.boxHasText && !t.firstEmptySeen) {
        t.firstEmptyBox = l.boxIndex;
        t.firstEmptySeen = true;
      }
    }
  }
  if (b.verticalGap == 0) s.y -= l.px(1);

  // Where the next box goes.
  const bool sideBySide = b.horizontalGap != 0;
  t.boxLeft = sideBySide ? t.boxLeft + l.px(b.width + b.horizontalGap) : t.lineStartX;
  const int count = l.boxIndex + 1;
  if (b.perRow >= 2 && b.perRow <= 99) {
    if (count % b.perRow != 0) {
      s.y = sideBySide ? l.boxY - l.px(1) : l.boxY + l.px(6) + l.boxH;
    } else {
      t.boxLeft = t.lineStartX;
      s.y = l.boxY + l.px(b.verticalGap) + l.boxH - l.px(1);
    }
  } else if (b.verticalGap != 0 || !sideBySide) {
    s.y = l.boxY + l.px(b.verticalGap) + l.boxH - l.px(1);
  }
  s.x = t.lineStartX;
  s.y += l.px(1);
}

}  // namespace text_render
}  // namespace vintara
