// Drawing for the rich-text renderer: text pieces, lines, fills and
// pictures on a screen surface (shown at once) or on the printed page.
#include <algorithm>
#include <cmath>

#include "output/pictures.h"
#include "output/rich_text.h"
#include "output/text_render.h"

namespace vintara::text_render {

Rgb qb(int index) { return qbColor(index); }

namespace {
// Height of the text cell of a font, for refreshing what was drawn.
int cellHeight(const Player& p, const FontSpec& font) {
  return std::max(p.text.lineHeight, int(std::lround(font.points * 96.0 / 72.0 * 1.25)) + 2);
}
}  // namespace

void refreshArea(Line& l, int x, int y, int w, int h) {
  if (l.s.isPrinter() || !l.s.visible || w <= 0 || h <= 0) return;
  refreshRect(l.p, x + l.s.placement.x, y + l.s.placement.y, w, h);
}

int pieceWidth(Line& l, std::string_view text) {
  if (text.empty()) return 0;
  if (l.s.isPrinter()) return l.s.printer ? l.s.printer->textWidthTwips(text, l.s.font) : 0;
  return l.p.platform.textWidth(text, l.s.font);
}

void drawPiece(Line& l, std::string_view text) {
  if (text.empty()) return;
  Surface& s = l.s;
  if (s.isPrinter()) {
    if (s.printer) {
      s.printer->drawText(s.x, s.y, text, s.font, s.colour);
      s.x += s.printer->textWidthTwips(text, s.font);
    }
    return;
  }
  const int w = l.p.platform.textWidth(text, s.font);
  if (!s.drawing.isNull()) {
    l.p.platform.drawText(s.drawing, s.x, s.y, text, s.font, s.colour);
    // Italic and underlined text reach a little past the advance.
    refreshArea(l, s.x - 1, s.y, w + 4, cellHeight(l.p, s.font));
  }
  s.x += w;
}

void fillRect(Line& l, int x, int y, int w, int h, Rgb colour) {
  if (w <= 0 || h <= 0) return;
  Surface& s = l.s;
  if (s.isPrinter()) {
    if (s.printer) s.printer->drawImage(x, y, Image(std::max(1, w / 15), std::max(1, h / 15), colour));
    return;
  }
  s.drawing.fillRect({x, y, w, h}, colour);
  refreshArea(l, x, y, w, h);
}

void drawLine(Line& l, int x0, int y0, int x1, int y1, Rgb colour, bool dotted) {
  Surface& s = l.s;
  if (s.isPrinter()) {
    if (s.printer) s.printer->drawLine(x0, y0, x1, y1, colour);
    return;
  }
  s.drawing.drawLine(x0, y0, x1, y1, colour, dotted);
  refreshArea(l, std::min(x0, x1), std::min(y0, y1), std::abs(x1 - x0) + 1, std::abs(y1 - y0) + 1);
}

Size pictureSize(Player& p, std::string_view name) {
  if (name.empty()) return {};
  const Image* img = pictureInSlot(p, loadPicture(p, name));
  if (!img) return {};
  return {img->width(), img->height()};
}

Size drawPicture(Line& l, std::string_view name, int x, int y, bool opaque) {
  if (name.empty()) return {};
  Player& p = l.p;
  Surface& s = l.s;
  const int slot = loadPicture(p, name);
  const Image* img = pictureInSlot(p, slot);
  if (!img) return {};
  const Size size{img->width(), img->height()};
  if (s.isPrinter()) {
    if (s.printer) s.printer->drawImage(x, y, *img);
  } else if (opaque) {
    blitOpaque(p, s, slot, x, y);
  } else {
    drawTransparent(p, s, slot, x, y, true);
  }
  refreshArea(l, x, y, size.w, size.h);
  return size;
}

std::string captionText(std::string_view caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '#') {
      out += caption[i];
      continue;
    }
    const char code = i + 1 < caption.size() ? caption[i + 1] : 0;
    i += (code == 'f' || code == 'F' || code == 'c' || code == 'C') ? 2 : 1;
  }
  return out;
}

int printCaption(Line& l, std::string_view caption, int x, int y) {
  Surface& s = l.s;
  s.x = x;
  s.y = y;
  std::string rest(caption);
  for (;;) {
    const size_t hash = rest.find('#');
    drawPiece(l, std::string_view(rest).substr(0, hash));
    if (hash == std::string::npos || hash + 1 >= rest.size()) break;
    const char code = rest[hash + 1];
    rest.erase(0, hash + 2);
    if (code == 'c' || code == 'C') {
      rest = applyColourCode(l.p, rest);
    } else if (code == 'f' || code == 'F') {
      const char d = rest.empty() ? '0' : rest[0];
      if (!rest.empty()) rest.erase(0, 1);
      setFontSize(l.p, d >= '0' && d <= '9' ? d - '0' : 0);
    }
  }
  return s.x;
}

}  // namespace vintara::text_render
