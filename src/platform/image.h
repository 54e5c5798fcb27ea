// Small 32-bit image type shared by the core and the platform layers.
//
// Pixels are stored as 0xAARRGGBB words, row by row, which is the memory
// layout of QImage::Format_ARGB32 / Format_RGB32 on little-endian machines,
// so the Qt layer can wrap the same buffer without copying. Work-area images
// are opaque (alpha 0xFF); a decoded picture keeps its alpha only when the
// file had an alpha channel (hasAlpha).
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vintara {

using Rgb = uint32_t;  // 0x00RRGGBB

// Colours written in content and scripts are 24-bit blue-green-red values
// with red in the low byte.
constexpr Rgb rgbFromBgr(uint32_t bgr) {
  return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}
constexpr Rgb makeRgb(int r, int g, int b) {
  return (uint32_t(r & 0xFF) << 16) | (uint32_t(g & 0xFF) << 8) | uint32_t(b & 0xFF);
}
constexpr int redOf(Rgb c) { return int((c >> 16) & 0xFF); }
constexpr int greenOf(Rgb c) { return int((c >> 8) & 0xFF); }
constexpr int blueOf(Rgb c) { return int(c & 0xFF); }

// The standard 16-colour palette, by QBColor index 0 to 15.
Rgb qbColor(int index);

// Key colour of transparent pictures: QBColor 10, pure green.
constexpr Rgb kKeyColour = 0x00FF00;

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool empty() const { return w <= 0 || h <= 0; }
  int right() const { return x + w; }
  int bottom() const { return y + h; }
  Rect intersected(const Rect& o) const {
    int l = std::max(x, o.x), t = std::max(y, o.y);
    int r = std::min(right(), o.right()), b = std::min(bottom(), o.bottom());
    return {l, t, std::max(0, r - l), std::max(0, b - t)};
  }
  bool operator==(const Rect&) const = default;
};

class Image {
 public:
  Image() = default;
  Image(int w, int h, Rgb fill = 0xFFFFFF);

  int width() const { return w_; }
  int height() const { return h_; }
  bool isNull() const { return w_ <= 0 || h_ <= 0; }
  bool hasAlpha() const { return hasAlpha_; }
  void setHasAlpha(bool a) { hasAlpha_ = a; }

  // Colour without alpha; 0 outside the image.
  Rgb pixel(int x, int y) const;
  uint32_t argb(int x, int y) const;
  void setPixel(int x, int y, Rgb c);  // ignores points outside
  void setArgb(int x, int y, uint32_t argb);

  void fill(Rgb c);
  void fillRect(Rect r, Rgb c);  // clipped to the image
  // One-pixel outline of a rectangle, inclusive of its last row and column
  // (x .. x+w-1, y .. y+h-1).
  void drawRectOutline(Rect r, Rgb c);
  void drawLine(int x0, int y0, int x1, int y1, Rgb c, bool dotted = false);

  // Copies src (or its part `from`) to (dx, dy), clipped on both sides.
  void copyFrom(const Image& src, Rect from, int dx, int dy);
  void copyFrom(const Image& src, int dx, int dy) {
    copyFrom(src, Rect{0, 0, src.width(), src.height()}, dx, dy);
  }

  uint32_t* bits() { return data_.data(); }
  const uint32_t* bits() const { return data_.data(); }
  int bytesPerLine() const { return w_ * 4; }

  bool operator==(const Image& o) const {
    return w_ == o.w_ && h_ == o.h_ && data_ == o.data_;
  }

 private:
  int w_ = 0, h_ = 0;
  bool hasAlpha_ = false;
  std::vector<uint32_t> data_;
};

// Clips a copy of `from` of src to (dx, dy) of dst on both images; false
// when nothing is left. Every pixel that stays keeps its place.
bool clipCopy(const Image& src, Rect& from, const Image& dst, int& dx, int& dy);

}  // namespace vintara
