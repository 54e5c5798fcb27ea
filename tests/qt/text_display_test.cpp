// Text through Qt: superscript codes, the Symbol letters, and the main
// window showing text the moment it is drawn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>

#include "output/rich_text.h"
#include "platform/qt/qt_graphics.h"
#include "shell/qt/main_window.h"
#include "shell/startup.h"

namespace vintara {
namespace {

// Lowest row with ink of a text drawn black at (2, 2) on white.
int lowestInk(QtGraphics& g, std::string_view text, const FontSpec& font) {
  Image img(60, 40, 0xFFFFFF);
  g.drawText(img, 2, 2, text, font, 0, nullptr);
  int lowest = -1;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (greenOf(img.pixel(x, y)) < 128) lowest = y;
  return lowest;
}

TEST(TextGraphics, SuperscriptCodesAreSmallRaisedDigits) {
  QtGraphics g;
  const FontSpec font{"arial", 12};
  const std::string two = "\x88", minus = "\xBB";  // superscript 2 and minus
  EXPECT_LT(g.textWidth(two, font), g.textWidth("2", font));
  EXPECT_GT(g.textWidth(two, font), 0);
  EXPECT_EQ(g.charWidths(font)[0x88], g.textWidth(two, font));
  EXPECT_EQ(g.textWidth("10" + two, font), g.textWidth("10", font) + g.textWidth(two, font));
  EXPECT_LT(lowestInk(g, two, font), lowestInk(g, "2", font) - 3);
  EXPECT_LT(lowestInk(g, minus, font), lowestInk(g, "2", font) - 3);
  EXPECT_GT(lowestInk(g, minus, font), 0);  // the minus is drawn

  // Letters of the Symbol face are Greek; the same codes elsewhere are not.
  EXPECT_EQ(displayText("l", true), QString(QChar(0x3BB)));
  EXPECT_EQ(displayText("l", false), QStringLiteral("l"));
  EXPECT_EQ(g.charWidths(FontSpec{"symbol", 10})['p'], g.textWidth("p", FontSpec{"symbol", 10}));
}

class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST(TextDisplay, TheWindowShowsTextTheMomentItIsDrawn) {
  QtPlatform platform;
  platform.contentOption = VINTARA_BINARY_DIR;
  platform.commandLineText = "\"vintara\"";
  Player player(platform);
  MainWindow window(platform, player);
  Form_Load(player);
  window.show();
  for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();

  PaintCounter counter;
  window.workArea()->installEventFilter(&counter);
  player.workArea.x = 100;
  player.workArea.y = 300;
  printText(player, "#cuShown at once");  // no event is processed from here on
  EXPECT_GT(counter.paints, 0);
  const QImage shot = window.workArea()->grab().toImage();
  window.workArea()->removeEventFilter(&counter);
  // The blue text is in the window's picture of the work area.
  const QRect area = window.workArea()->placement();
  bool blue = false;
  for (int y = 300; y < 320 && !blue; ++y)
    for (int x = 100; x < 200 && !blue; ++x) {
      const QColor c = shot.pixelColor(area.x() + int(x * area.width() / 640.0),
                                       area.y() + int(y * area.height() / 440.0));
      blue = c.blue() > 200 && c.red() < 100;
    }
  EXPECT_TRUE(blue);
}

}  // namespace
}  // namespace vintara
