// The platform of the authoring tools: the test platform's manual clock,
// scripted message boxes and recording devices, with real pictures and
// fonts through Qt (no window; run with the offscreen Qt platform).
#pragma once

#include "platform/fake/fake_platform.h"
#include "platform/qt/qt_graphics.h"

namespace vintara {

class HeadlessPlatform : public FakePlatform {
 public:
  std::optional<Image> loadImage(const std::string& nativePath) override {
    imageLoads.push_back(nativePath);
    return graphics_.loadImage(nativePath);
  }
  FontMetrics fontMetrics(const FontSpec& font) override { return graphics_.fontMetrics(font); }
  std::array<int, 256> charWidths(const FontSpec& font) override { return graphics_.charWidths(font); }
  int textWidth(std::string_view text, const FontSpec& font) override {
    return graphics_.textWidth(text, font);
  }
  void drawText(Image& target, int x, int y, std::string_view text, const FontSpec& font,
                Rgb colour, const Rect* clip) override {
    graphics_.drawText(target, x, y, text, font, colour, clip);
  }

 private:
  QtGraphics graphics_;
};

}  // namespace vintara
