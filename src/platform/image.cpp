#include "platform/image.h"

#include <cstdlib>

namespace vintara {

Rgb qbColor(int index) {
  static constexpr Rgb palette[16] = {
      makeRgb(0, 0, 0),       makeRgb(0, 0, 128),     makeRgb(0, 128, 0),
      makeRgb(0, 128, 128),   makeRgb(128, 0, 0),     makeRgb(128, 0, 128),
      makeRgb(128, 128, 0),   makeRgb(192, 192, 192), makeRgb(128, 128, 128),
      makeRgb(0, 0, 255),     makeRgb(0, 255, 0),     makeRgb(0, 255, 255),
      makeRgb(255, 0, 0),     makeRgb(255, 0, 255),   makeRgb(255, 255, 0),
      makeRgb(255, 255, 255)};
  return palette[index & 15];
}

Image::Image(int w, int h, Rgb fill)
    : w_(std::max(0, w)), h_(std::max(0, h)),
      data_(size_t(w_) * size_t(h_), 0xFF000000u | fill) {}

Rgb Image::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= w_ || y >= h_) return 0;
  return data_[size_t(y) * w_ + x] & 0xFFFFFF;
}

uint32_t Image::argb(int x, int y) const {
  if (x < 0 || y < 0 || x >= w_ || y >= h_) return 0;
  return data_[size_t(y) * w_ + x];
}

void Image::setPixel(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
  data_[size_t(y) * w_ + x] = 0xFF000000u | (c & 0xFFFFFF);
}

void Image::setArgb(int x, int y, uint32_t v) {
  if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
  data_[size_t(y) * w_ + x] = v;
}

void Image::fill(Rgb c) { std::fill(data_.begin(), data_.end(), 0xFF000000u | c); }

void Image::fillRect(Rect r, Rgb c) {
  r = r.intersected({0, 0, w_, h_});
  // An empty intersection may start past the last column or row.
  if (r.empty()) return;
  for (int y = r.y; y < r.bottom(); ++y)
    std::fill_n(&data_[size_t(y) * w_ + r.x], r.w, 0xFF000000u | c);
}

void Image::drawRectOutline(Rect r, Rgb c) {
  if (r.w <= 0 || r.h <= 0) return;
  int x1 = r.x + r.w - 1, y1 = r.y + r.h - 1;
  drawLine(r.x, r.y, x1, r.y, c);
  drawLine(r.x, y1, x1, y1, c);
  drawLine(r.x, r.y, r.x, y1, c);
  drawLine(x1, r.y, x1, y1, c);
}

void Image::drawLine(int x0, int y0, int x1, int y1, Rgb c, bool dotted) {
  // Bresenham; both end points drawn.
  int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  // Lines far outside the image are clipped by setPixel; bound the walk so
  // that absurd coordinates from a script cannot take long.
  long steps = 0, maxSteps = long(std::max(dx, -dy)) + 1;
  if (maxSteps > 20000) maxSteps = 20000;
  for (bool on = true; steps < maxSteps; ++steps, on = !on) {
    if (!dotted || on) setPixel(x0, y0, c);
    if (x0 == x1 && y0 == y1) break;
    int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x0 += sx; }
    if (e2 <= dx) { err += dx; y0 += sy; }
  }
}

bool clipCopy(const Image& src, Rect& from, const Image& dst, int& dx, int& dy) {
  // Clip against the source; a part cut off at its left or top edge moves
  // the destination with it, so every pixel lands where it belongs.
  if (from.x < 0) { dx -= from.x; from.w += from.x; from.x = 0; }
  if (from.y < 0) { dy -= from.y; from.h += from.y; from.y = 0; }
  from.w = std::min(from.w, src.width() - from.x);
  from.h = std::min(from.h, src.height() - from.y);
  // Clip against the destination.
  if (dx < 0) { from.x -= dx; from.w += dx; dx = 0; }
  if (dy < 0) { from.y -= dy; from.h += dy; dy = 0; }
  from.w = std::min(from.w, dst.width() - dx);
  from.h = std::min(from.h, dst.height() - dy);
  return from.w > 0 && from.h > 0;
}

void Image::copyFrom(const Image& src, Rect from, int dx, int dy) {
  if (!clipCopy(src, from, *this, dx, dy)) return;
  for (int row = 0; row < from.h; ++row) {
    const uint32_t* s = src.bits() + size_t(from.y + row) * src.width() + from.x;
    uint32_t* d = &data_[size_t(dy + row) * w_ + dx];
    for (int i = 0; i < from.w; ++i) d[i] = 0xFF000000u | s[i];
  }
}

}  // namespace vintara
