// vintara-author build SRC OUT
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

#include "authoring/cli/commands.h"
#include "authoring/course_compiler.h"

namespace vintara::cli {

namespace {

// Draws an SVG picture as a 24-bit BMP. Transparent parts become the key
// colour (pure green); edge pixels are made fully opaque or fully key
// coloured, so that no green fringe shows around a transparent picture.
bool svgToBmp(const std::string& path, std::string& bytes) {
  QSvgRenderer svg(QString::fromStdString(path));
  if (!svg.isValid()) return false;
  QSize size = svg.defaultSize();
  if (size.isEmpty()) return false;
  QImage img(size, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  {
    QPainter painter(&img);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
  }
  QImage out(size, QImage::Format_RGB888);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) {
      QRgb p = img.pixel(x, y);
      out.setPixel(x, y, qAlpha(p) < 128 ? qRgb(0, 255, 0) : qRgb(qRed(p), qGreen(p), qBlue(p)));
    }
  QByteArray data;
  QBuffer buf(&data);
  buf.open(QIODevice::WriteOnly);
  if (!out.save(&buf, "BMP")) return false;
  bytes.assign(data.constData(), size_t(data.size()));
  return true;
}

int buildCourse(const std::string& src, const std::string& out) {
  vintara::CompileOptions options;
  options.convertSvg = svgToBmp;
  auto messages = vintara::compileCourse(src, out, options);
  for (const auto& m : messages) std::fprintf(stderr, "%s\n", m.format().c_str());
  return messages.empty() ? 0 : 1;
}

}  // namespace

int build(const Args& args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: vintara-author build SRC OUT\n");
    return 2;
  }
  return buildCourse(args[0], args[1]);
}

}  // namespace vintara::cli
