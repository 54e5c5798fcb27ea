// Fonts, text and pictures through Qt, shared by the window program and the
// headless authoring tools.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace vintara {

// The content's Windows-1252 text as shown on screen: the codes 134 to 143
// are superscript digits and 187 a superscript minus; in the "symbol" face
// letters and signs follow the Symbol encoding (Greek and mathematics).
QString displayText(std::string_view cp1252, bool symbolFace = false);
// Plain Windows-1252 to QString (dialogs, captions, file names).
QString fromCp1252(std::string_view cp1252);
std::string toCp1252(const QString& text);

// A work-area image seen by Qt (shares the memory; keep `image` alive).
QImage wrapImage(Image& image);
QImage wrapImage(const Image& image);
// A copy of a QImage as a core Image (alpha kept when it has one).
Image toImage(const QImage& image);

// Paints Windows-1252 text with the top-left of its cell at (x, y), the
// superscript codes as small raised digits; returns the advance. For any
// painter (the work area's images, the printed page).
int paintText(QPainter& painter, const QFont& font, int x, int y, std::string_view text,
              bool symbolFace = false);

class QtGraphics {
 public:
  static QFont font(const FontSpec& spec);
  std::optional<Image> loadImage(const std::string& nativePath);
  FontMetrics fontMetrics(const FontSpec& font);
  std::array<int, 256> charWidths(const FontSpec& font);
  int textWidth(std::string_view text, const FontSpec& font);
  void drawText(Image& target, int x, int y, std::string_view text, const FontSpec& font,
                Rgb colour, const Rect* clip);

 private:
  struct FontKey {
    std::string face;
    double points;
    bool bold, italic, underline;
    auto operator<=>(const FontKey&) const = default;
  };
  static FontKey keyOf(const FontSpec& f) { return {f.face, f.points, f.bold, f.italic, f.underline}; }
  std::map<FontKey, std::array<int, 256>> widths_;
};

}  // namespace vintara
