// vintara-author render: one screen of a course as a PNG picture.
#include <QImage>
#include <QString>
#include <cstdio>

#include "authoring/cli/commands.h"
#include "authoring/render.h"
#include "platform/qt/headless_platform.h"
#include "platform/text_codec.h"

namespace vintara::cli {

int render(const Args& args) {
  RenderRequest request;
  std::string outFile;
  if (std::string error = parseRenderArgs(args, request, outFile); !error.empty()) {
    std::fprintf(stderr,
                 "vintara-author render: %s\nUsage: vintara-author render CONTENT --screen N "
                 "--out FILE.png [--tier H|F] [--award S|D] [--wait MS]\n",
                 error.c_str());
    return 2;
  }
  HeadlessPlatform platform;
  const RenderResult result = renderScreen(platform, request);
  // What the pupil would have seen in message boxes, for the author.
  for (const auto& m : result.messages)
    std::fprintf(stderr, "message: %s\n", cp1252ToUtf8(m).c_str());
  if (!result.ok) {
    std::fprintf(stderr, "vintara-author render: %s\n", result.error.c_str());
    return 1;
  }
  QImage picture = wrapImage(result.image).convertToFormat(QImage::Format_RGB888);
  if (!picture.save(QString::fromStdString(outFile), "PNG")) {
    std::fprintf(stderr, "vintara-author render: cannot write %s\n", outFile.c_str());
    return 1;
  }
  return 0;
}

}  // namespace vintara::cli
