#include "platform/qt/qt_graphics.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>
#include <cmath>
#include <cstring>

#include "platform/text_codec.h"

namespace vintara {

namespace {
// The Symbol encoding of the letters and signs that lessons use.
char32_t symbolChar(unsigned char c) {
  static const char32_t kLower[26] = {0x3B1, 0x3B2, 0x3C7, 0x3B4, 0x3B5, 0x3C6, 0x3B3,
                                      0x3B7, 0x3B9, 0x3D5, 0x3BA, 0x3BB, 0x3BC, 0x3BD,
                                      0x3BF, 0x3C0, 0x3B8, 0x3C1, 0x3C3, 0x3C4, 0x3C5,
                                      0x3D6, 0x3C9, 0x3BE, 0x3C8, 0x3B6};
  static const char32_t kUpper[26] = {0x391, 0x392, 0x3A7, 0x394, 0x395, 0x3A6, 0x393,
                                      0x397, 0x399, 0x3D1, 0x39A, 0x39B, 0x39C, 0x39D,
                                      0x39F, 0x3A0, 0x398, 0x3A1, 0x3A3, 0x3A4, 0x3A5,
                                      0x3C2, 0x3A9, 0x39E, 0x3A8, 0x396};
  if (c >= 'a' && c <= 'z') return kLower[c - 'a'];
  if (c >= 'A' && c <= 'Z') return kUpper[c - 'A'];
  switch (c) {
    case 0x22: return 0x2200; case 0x24: return 0x2203; case 0x27: return 0x220B;
    case 0x2A: return 0x2217; case 0x2D: return 0x2212; case 0x40: return 0x2245;
    case 0x5C: return 0x2234; case 0x5E: return 0x22A5; case 0x60: return 0x203E;
    case 0xA2: return 0x2032; case 0xA3: return 0x2264; case 0xA5: return 0x221E;
    case 0xAC: return 0x2190; case 0xAD: return 0x2191; case 0xAE: return 0x2192;
    case 0xAF: return 0x2193; case 0xB0: return 0x00B0; case 0xB1: return 0x00B1;
    case 0xB2: return 0x2033; case 0xB3: return 0x2265; case 0xB4: return 0x00D7;
    case 0xB5: return 0x221D; case 0xB6: return 0x2202; case 0xB7: return 0x2022;
    case 0xB8: return 0x00F7; case 0xB9: return 0x2260; case 0xBA: return 0x2261;
    case 0xBB: return 0x2248; case 0xD6: return 0x221A; case 0xE5: return 0x2211;
    case 0xF2: return 0x222B;
    default: return c;
  }
}

char32_t displayChar(unsigned char c, bool symbol) {
  static const char32_t kSuperDigits[10] = {0x2070, 0x00B9, 0x00B2, 0x00B3, 0x2074,
                                            0x2075, 0x2076, 0x2077, 0x2078, 0x2079};
  if (symbol) return symbolChar(c);
  if (c >= 134 && c <= 143) return kSuperDigits[c - 134];
  if (c == 187) return 0x207B;
  return cp1252ToUnicode(c);
}

QString fromCodePoints(std::string_view text, bool symbol) {
  QString out;
  out.reserve(int(text.size()));
  for (unsigned char c : text) {
    char32_t cp = displayChar(c, symbol);
    out += QString::fromUcs4(&cp, 1);
  }
  return out;
}
}  // namespace

QString displayText(std::string_view cp1252, bool symbolFace) {
  return fromCodePoints(cp1252, symbolFace);
}

QString fromCp1252(std::string_view cp1252) {
  return QString::fromStdString(cp1252ToUtf8(cp1252));
}

std::string toCp1252(const QString& text) { return utf8ToCp1252(text.toStdString()); }

QImage wrapImage(Image& image) {
  return QImage(reinterpret_cast<uchar*>(image.bits()), image.width(), image.height(),
                image.bytesPerLine(), QImage::Format_RGB32);
}

QImage wrapImage(const Image& image) {
  return QImage(reinterpret_cast<const uchar*>(image.bits()), image.width(), image.height(),
                image.bytesPerLine(), image.hasAlpha() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

Image toImage(const QImage& source) {
  const bool alpha = source.hasAlphaChannel();
  QImage img = source.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  Image out(img.width(), img.height());
  out.setHasAlpha(alpha);
  // Both formats hold 0xAARRGGBB words (RGB32 with alpha 0xFF), as Image does.
  for (int y = 0; y < img.height(); ++y)
    std::memcpy(out.bits() + size_t(y) * size_t(img.width()), img.constScanLine(y),
                size_t(img.width()) * 4);
  return out;
}

QFont QtGraphics::font(const FontSpec& spec) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setStyleHint(QFont::SansSerif);
  // Points at 96 dots per inch: the work area is always 96 dpi.
  f.setPixelSize(std::max(1, int(std::lround(spec.points * 96.0 / 72.0))));
  f.setBold(spec.bold);
  f.setItalic(spec.italic);
  f.setUnderline(spec.underline);
  return f;
}

namespace {

// Superscript digits and minus (codes 134 to 143 and 187) are drawn as
// small raised characters of the same face, so that every exponent looks
// alike whichever glyphs the face has.
bool isSuperscript(unsigned char c, bool symbol) { return !symbol && ((c >= 134 && c <= 143) || c == 187); }

QString superscriptText(std::string_view run) {
  QString out;
  for (unsigned char c : run) out += c == 187 ? QChar(0x2212) : QChar(char16_t('0' + (c - 134)));
  return out;
}

QFont superscriptFont(const QFont& base) {
  QFont f(base);
  f.setPixelSize(std::max(1, int(std::lround(base.pixelSize() * 0.62))));
  f.setUnderline(false);
  return f;
}

// Calls fn(text, superscript) for each run of ordinary or raised characters.
template <typename Fn>
void forEachRun(std::string_view text, bool symbol, Fn fn) {
  size_t start = 0;
  while (start < text.size()) {
    const bool super = isSuperscript((unsigned char)text[start], symbol);
    size_t end = start + 1;
    while (end < text.size() && isSuperscript((unsigned char)text[end], symbol) == super) ++end;
    fn(text.substr(start, end - start), super);
    start = end;
  }
}

}  // namespace

std::optional<Image> QtGraphics::loadImage(const std::string& nativePath) {
  if (nativePath.empty()) return std::nullopt;
  const QString path = QString::fromStdString(nativePath);
  const QFileInfo info(path);
  if (!info.isFile()) return std::nullopt;
  QImageReader reader(path);
  reader.setAutoTransform(false);
  // Formats that Qt reads itself are named by the suffix: guessing would load
  // every image plugin first, which costs the start-up time and memory.
  const QString suffix = info.suffix().toLower();
  const bool builtIn = suffix == "bmp" || suffix == "dib" || suffix == "png";
  if (builtIn) {
    reader.setFormat(suffix == "png" ? "png" : "bmp");
    reader.setAutoDetectImageFormat(false);
  }
  QImage img = reader.read();
  if (img.isNull() && builtIn) {  // misnamed: let Qt guess after all
    QImageReader guess(path);
    guess.setAutoTransform(false);
    img = guess.read();
  }
  if (img.isNull()) return std::nullopt;
  return toImage(img);
}

FontMetrics QtGraphics::fontMetrics(const FontSpec& spec) {
  QFontMetrics fm(font(spec));
  return {fm.ascent(), fm.descent(), fm.height()};
}

std::array<int, 256> QtGraphics::charWidths(const FontSpec& spec) {
  auto key = keyOf(spec);
  auto it = widths_.find(key);
  if (it != widths_.end()) return it->second;
  const QFont f = font(spec);
  QFontMetrics fm(f), small(superscriptFont(f));
  std::array<int, 256> w{};
  const bool symbol = spec.face == "symbol";
  for (int c = 0; c < 256; ++c) {
    const auto code = (unsigned char)c;
    if (c < 32) {
      w[size_t(c)] = 0;
    } else if (isSuperscript(code, symbol)) {
      const char one = char(code);
      w[size_t(c)] = small.horizontalAdvance(superscriptText(std::string_view(&one, 1))[0]);
    } else {
      // Every code maps into the basic plane: one QChar, measured without
      // laying out a string (much quicker for 256 codes).
      w[size_t(c)] = fm.horizontalAdvance(QChar(char16_t(displayChar(code, symbol))));
    }
  }
  widths_.emplace(key, w);
  return w;
}

int QtGraphics::textWidth(std::string_view text, const FontSpec& spec) {
  const bool symbol = spec.face == "symbol";
  const QFont f = font(spec);
  int w = 0;
  forEachRun(text, symbol, [&](std::string_view run, bool super) {
    if (super)
      w += QFontMetrics(superscriptFont(f)).horizontalAdvance(superscriptText(run));
    else
      w += QFontMetrics(f).horizontalAdvance(displayText(run, symbol));
  });
  return w;
}

void QtGraphics::drawText(Image& target, int x, int y, std::string_view text, const FontSpec& spec,
                          Rgb colour, const Rect* clip) {
  if (text.empty() || target.isNull()) return;
  QImage img = wrapImage(target);
  QPainter painter(&img);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  if (clip) painter.setClipRect(clip->x, clip->y, clip->w, clip->h);
  painter.setPen(QColor::fromRgb(colour));
  paintText(painter, font(spec), x, y, text, spec.face == "symbol");
}

int paintText(QPainter& painter, const QFont& f, int x, int y, std::string_view text, bool symbol) {
  const QFontMetrics fm(f, painter.device());
  const int baseline = y + fm.ascent();
  const QFont small = superscriptFont(f);
  const QFontMetrics sm(small, painter.device());
  // Raised so that the small digits' tops meet the capitals' tops.
  const int raised = baseline - (fm.capHeight() - sm.capHeight());
  int pos = x;
  forEachRun(text, symbol, [&](std::string_view run, bool super) {
    if (super) {
      const QString s = superscriptText(run);
      painter.setFont(small);
      painter.drawText(pos, raised, s);
      pos += sm.horizontalAdvance(s);
    } else {
      const QString s = displayText(run, symbol);
      painter.setFont(f);
      painter.drawText(pos, baseline, s);
      pos += fm.horizontalAdvance(s);
    }
  });
  return pos - x;
}

}  // namespace vintara
