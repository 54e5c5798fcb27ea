// vintara-author: builds and checks courses.
//
//   vintara-author build SRC OUT   compile a course source into content
//   vintara-author tree CONTENT    print a compiled course tree as an outline
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "authoring/course_compiler.h"
#include "content/content_paths.h"

namespace {

const char* const kUsage =
    "Usage: vintara-author COMMAND ARGS...\n"
    "Builds and checks Qelt Vintara courses.\n"
    "\n"
    "Commands:\n"
    "  build SRC OUT    compile the course source folder SRC into the content\n"
    "                   folder OUT (the folder named tolvenia)\n"
    "  tree CONTENT     print the course tree of compiled content as an outline\n"
    "  --help           show this help\n"
    "  --version        show the version\n";

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

int build(const std::string& src, const std::string& out) {
  vintara::CompileOptions options;
  options.convertSvg = svgToBmp;
  auto messages = vintara::compileCourse(src, out, options);
  for (const auto& m : messages) std::fprintf(stderr, "%s\n", m.format().c_str());
  return messages.empty() ? 0 : 1;
}

int tree(const std::string& content) {
  vintara::ContentPaths paths;
  paths.setRoot(content);
  std::string data, why;
  const std::string file = paths.resolve("database\\treeView.map");
  if (!vintara::readWholeFile(file, data)) {
    std::fprintf(stderr, "vintara-author: cannot read %s\n", file.c_str());
    return 1;
  }
  vintara::MapFile map;
  if (!vintara::parseMapFile(data, map, why)) {
    std::fprintf(stderr, "%s: damaged: %s\n", file.c_str(), why.c_str());
    return 1;
  }
  std::fputs(vintara::printOutline(map).c_str(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
    std::fputs(kUsage, argc < 2 ? stderr : stdout);
    return argc < 2 ? 2 : 0;
  }
  if (!std::strcmp(argv[1], "--version")) {
    std::printf("vintara-author (Qelt Vintara) %s\n", VINTARA_VERSION);
    return 0;
  }
  // Pictures and fonts need Qt, never a display.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
    const QByteArray dir = "/tmp/vintara-author-" + QByteArray::number(getuid());
    mkdir(dir.constData(), 0700);
    qputenv("XDG_RUNTIME_DIR", dir);
  }
  QGuiApplication app(argc, argv);
  const std::string cmd = argv[1];
  if (cmd == "build" && argc == 4) return build(argv[2], argv[3]);
  if (cmd == "tree" && argc == 3) return tree(argv[2]);
  std::fprintf(stderr, "vintara-author: bad command line\n%s", kUsage);
  return 2;
}
