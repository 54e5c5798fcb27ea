// A player on the fake platform that records every piece of text drawn,
// for the tests of the rich-text renderer.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/player.h"
#include "output/pictures.h"
#include "output/rich_text.h"
#include "platform/fake/fake_platform.h"
#include "support/test_support.h"

namespace vintara::test {

struct DrawnText {
  int x, y;
  std::string text;
  FontSpec font;
  Rgb colour;
};

class RecordingPlatform : public FakePlatform {
 public:
  std::vector<DrawnText> drawn;
  void drawText(Image& target, int x, int y, std::string_view text, const FontSpec& font, Rgb colour,
                const Rect* clip) override {
    drawn.push_back({x, y, std::string(text), font, colour});
    FakePlatform::drawText(target, x, y, text, font, colour, clip);
  }
  // The pieces drawn, joined (what the pupil reads).
  std::string allText() const {
    std::string out;
    for (const auto& d : drawn) out += d.text;
    return out;
  }
};

// Font 1 of the fake platform: 12 points, 7 pixels a character (8 bold),
// line height 21, a new line 16 pixels down.
class TextTest : public ::testing::Test {
 protected:
  TextTest() {
    p.content.paths.setRoot(dir.path());
    setFontSize(p, 1);
    at(40, 100);
  }
  void at(int x, int y) {
    p.workArea.x = x;
    p.workArea.y = y;
    p.text.boxLeft = x;
  }
  void print(const std::string& line) { printText(p, line); }
  const DrawnText& piece(const std::string& text) {
    for (const auto& d : platform.drawn)
      if (d.text == text) return d;
    ADD_FAILURE() << "nothing drew \"" << text << "\"";
    static DrawnText none{};
    return none;
  }
  // Registers a picture under the file that a name resolves to.
  bool addPicture(const std::string& name, const Image& image) {
    const std::string path = resolvePicturePath(p, name);
    if (path.empty()) return false;
    platform.images[path] = image;
    return true;
  }
  std::vector<std::string> messages() const { return platform.messageTexts(); }

  TempDir dir;
  RecordingPlatform platform;
  Player p{platform};
};

}  // namespace vintara::test
