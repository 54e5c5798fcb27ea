// vintara-author play CONTENT EVENTS [--snapshot DIR] [--tier H|F] [--award S|D]
#include <QDir>
#include <QImage>
#include <cstdio>
#include <iostream>

#include "authoring/cli/commands.h"
#include "authoring/play.h"
#include "content/content_paths.h"
#include "platform/qt/headless_platform.h"

namespace vintara::cli {

namespace {
const char* const kUsage =
    "usage: vintara-author play CONTENT EVENTS [--snapshot DIR] [--tier H|F] [--award S|D]\n";
}

int play(const Args& args) {
  std::vector<std::string> positional;
  std::string snapshotDir;
  PlayOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    if (a == "--snapshot") {
      if (!value(snapshotDir)) return std::fputs(kUsage, stderr), 2;
    } else if (a == "--tier") {
      if (!value(options.tier) || (options.tier != "H" && options.tier != "F"))
        return std::fputs("vintara-author play: --tier is H or F\n", stderr), 2;
    } else if (a == "--award") {
      if (!value(options.award) || (options.award != "S" && options.award != "D"))
        return std::fputs("vintara-author play: --award is S or D\n", stderr), 2;
    } else if (a.rfind("--", 0) == 0) {
      std::fprintf(stderr, "vintara-author play: unknown option '%s'\n%s", a.c_str(), kUsage);
      return 2;
    } else {
      positional.push_back(a);
    }
  }
  if (positional.size() != 2) return std::fputs(kUsage, stderr), 2;

  std::string text;
  if (!readWholeFile(positional[1], text)) {
    std::fprintf(stderr, "vintara-author play: cannot read %s\n", positional[1].c_str());
    return 2;
  }
  std::vector<PlayEvent> events;
  std::string error;
  if (!parseEvents(text, events, error)) {
    std::fprintf(stderr, "%s:%s\n", positional[1].c_str(), error.c_str() + 5);
    return 2;
  }

  bool snapshotFailed = false;
  if (!snapshotDir.empty()) {
    if (!QDir().mkpath(QString::fromStdString(snapshotDir))) {
      std::fprintf(stderr, "vintara-author play: cannot make %s\n", snapshotDir.c_str());
      return 2;
    }
    options.snapshot = [snapshotDir, &snapshotFailed](int number, const Image& image) {
      char name[32];
      std::snprintf(name, sizeof name, "/%03d.png", number);
      const std::string path = snapshotDir + name;
      if (!wrapImage(image).save(QString::fromStdString(path), "PNG")) {
        std::fprintf(stderr, "vintara-author play: cannot write %s\n", path.c_str());
        snapshotFailed = true;
      }
    };
  }

  HeadlessPlatform platform;
  SessionPlayer session(platform, std::cout);
  if (!session.start(positional[0], options)) return 1;
  const int status = session.run(events);
  std::cout.flush();
  // A session that could not save its pictures did not do what was asked.
  return status != 0 ? status : snapshotFailed ? 1 : 0;
}

}  // namespace vintara::cli
