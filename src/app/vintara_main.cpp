// The player: finds the course content, opens the main window and runs the
// lesson engine.
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/player.h"
#include "platform/qt/qt_platform.h"
#include "shell/qt/main_window.h"
#include "shell/startup.h"

namespace {

const char* const kUsage =
    "Usage: vintara [OPTION]... [PUPIL-FILE]\n"
    "Qelt Vintara: a science revision course player.\n"
    "\n"
    "Opens the course and, when PUPIL-FILE (an .epp pupil data file) is\n"
    "given, the pupil's progress and settings.\n"
    "\n"
    "Options:\n"
    "  --content DIR   use the course content in DIR (the folder \"tolvenia\"\n"
    "                  or the folder above it); the environment variable\n"
    "                  VINTARA_CONTENT does the same\n"
    "  --help          show this help and exit\n"
    "  --version       show the version and exit\n"
    "\n"
    "Without --content the course is looked for on optical and removable\n"
    "media, then beside the program (the bundled demo course).\n";

struct Options {
  std::string content;
  std::string pupilFile;
  bool help = false, version = false;
  std::string error;
};

Options parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    if (!std::strcmp(a, "--help") || !std::strcmp(a, "-h")) o.help = true;
    else if (!std::strcmp(a, "--version")) o.version = true;
    else if (!std::strcmp(a, "--content")) {
      if (i + 1 >= argc) o.error = "option '--content' needs a folder";
      else o.content = argv[++i];
    } else if (!std::strncmp(a, "--content=", 10)) o.content = a + 10;
    else if (a[0] == '-' && a[1] == '-' && a[2] == '\0') {
      if (i + 1 < argc && o.pupilFile.empty()) o.pupilFile = argv[++i];
    } else if (a[0] == '-' && a[1] != '\0') o.error = std::string("unrecognised option '") + a + "'";
    else if (o.pupilFile.empty()) o.pupilFile = a;
  }
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  Options opt = parse(argc, argv);
  if (!opt.error.empty()) {
    std::fprintf(stderr, "vintara: %s\nTry 'vintara --help' for more information.\n", opt.error.c_str());
    return 2;
  }
  if (opt.help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (opt.version) {
    std::printf("vintara (Qelt Vintara) %s\n", VINTARA_VERSION);
    return 0;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Qelt Vintara"));
  QApplication::setApplicationVersion(QStringLiteral(VINTARA_VERSION));

  vintara::QtPlatform platform;
  platform.contentOption = opt.content;
  // The raw command line as the start-up reads it: the quoted program path,
  // then the pupil file, if any.
  platform.commandLineText = "\"" + std::string(argv[0]) + "\"";
  if (!opt.pupilFile.empty()) platform.commandLineText += " " + opt.pupilFile;

  vintara::Player player(platform);
  vintara::MainWindow window(platform, player);
  int code = 0;
  try {
    vintara::Form_Load(player);
  } catch (const vintara::ProgramExit& e) {
    return e.code;
  }
  window.show();
  code = app.exec();
  return code;
}
