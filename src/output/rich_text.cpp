// Rich text: the markup of text lines, fonts and layout.
#include "output/rich_text.h"

#include <cmath>

#include "engine/command_table.h"
#include "engine/player.h"
#include "engine/script_text.h"
#include "output/pictures.h"

namespace vintara {

Surface& outputSurface(Player& p) {
  return p.engine.outputSurface ? *p.engine.outputSurface : p.workArea;
}

void printTextRedrawAll(Player& p, bool normalState) { (void)p, (void)normalState; }
void printTextLine(Player& p, bool normalState, int historyLine) {
  (void)p, (void)normalState, (void)historyLine;
}
std::string applyColourCode(Player& p, std::string_view text) {
  (void)p;
  return std::string(text.empty() ? text : text.substr(1));
}
std::string leadingNumber(const Player& p, std::string_view text, bool allowExponent) {
  (void)p, (void)text, (void)allowExponent;
  return {};
}
std::string toLocalDecimal(const Player& p, std::string_view text) { (void)p; return std::string(text); }
std::string toDotDecimal(const Player& p, std::string_view text) { (void)p; return std::string(text); }
void pushPosition(Player& p) { (void)p; }
void popPosition(Player& p, bool keep) { (void)p, (void)keep; }
void drawBoxFrame(Player& p, int x, int y, bool normal) { (void)p, (void)x, (void)y, (void)normal; }

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
}  // namespace

void setFontSize(Player& p, int fontId) {
  if (fontId < 0 || fontId > 9) {
    p.message("FontID not allowed " + std::to_string(fontId));
    fontId = 0;
  }
  Surface* s = p.engine.outputSurface ? p.engine.outputSurface : &p.workArea;
  s->font.face = kFonts[fontId].face;
  s->font.points = kFonts[fontId].points;
  s->font.italic = false;
  p.text.fontId = fontId;
  p.text.lineHeight = kFonts[fontId].lineHeight;
}

void newLine(Player& p) {
  Surface* s = p.engine.outputSurface ? p.engine.outputSurface : &p.workArea;
  s->x = p.text.lineStartX;
  s->y += int(s->font.points) + 4 + p.text.lineGapToggle + p.text.textGap;
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
  return w;
}

void printText(Player& p, std::string_view text) {
  Surface* s = p.engine.outputSurface ? p.engine.outputSurface : &p.workArea;
  p.text.lineStartX = s->x;
  if (p.text.textHistory.size() < size_t(TextState::kMaxHistory))
    p.text.textHistory.push_back({s->x, s->y, std::string(text), 0});
  char ending = 0;
  if (!text.empty() && (text.back() == ';' || text.back() == '_')) {
    ending = text.back();
    text.remove_suffix(1);
  }
  if (!s->isPrinter() && !s->drawing.isNull()) {
    p.platform.drawText(s->drawing, s->x, s->y, text, s->font, s->colour);
    const int w = p.platform.textWidth(text, s->font);
    refreshRect(p, s->x, s->y, w, p.text.lineHeight);
    s->x += w;
  }
  if (ending != ';') newLine(p);
  if (ending == '_') newLine(p);
}

void resetTextForScreen(Player& p) {
  TextState& t = p.text;
  t.textHistory.clear();
  t.wordGapTable.clear();
  t.dragNumberTable.clear();
  t.hotWordTable.clear();
  t.boxLayout = BoxLayout{};
  t.extraBoxHeight = 0;
  t.matchedBoxCursor = 0;
  t.firstEmptyBox = 0;
  t.overprintMode = false;
  t.lineGapToggle = 0;
  t.textGap = 0;
}

void cmdTextGap(Player& p) { p.text.textGap = numericParam(p, p.engine.cmdItems[1]); }

}  // namespace vintara
