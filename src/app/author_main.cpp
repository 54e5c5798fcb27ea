// vintara-author: builds and checks courses.
#include <sys/stat.h>
#include <unistd.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <string>

#include "authoring/cli/commands.h"

namespace {

using vintara::cli::Command;

const Command kCommands[] = {
    {"build", "SRC OUT         compile the course source folder SRC into the content\n"
              "                        folder OUT (the folder named tolvenia)",
     vintara::cli::build},
    {"tree", "CONTENT          print the course tree of compiled content as an outline",
     vintara::cli::tree},
    {"lint", "CONTENT          check every script of compiled content", vintara::cli::lint},
    {"render", "CONTENT --screen N --out FILE.png [--tier H|F] [--award S|D] [--wait MS]\n"
               "                        draw one screen to a PNG picture",
     vintara::cli::render},
    {"play", "CONTENT EVENTS [--snapshot DIR] [--tier H|F] [--award S|D]\n"
             "                        run a session from an event script and print a trace",
     vintara::cli::play},
    {"sounds", "LIST OUT       make the sounds of a course list (effects, speech) in\n"
               "                        the content folder OUT",
     vintara::cli::sounds},
};

void usage(FILE* out) {
  std::fputs("Usage: vintara-author COMMAND ARGS...\nBuilds and checks Qelt Vintara courses.\n\nCommands:\n", out);
  for (const auto& c : kCommands) std::fprintf(out, "  %s %s\n", c.name, c.usage);
  std::fputs("  --help                show this help\n  --version             show the version\n", out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    usage(stderr);
    return 2;
  }
  if (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
    usage(stdout);
    return 0;
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
  vintara::cli::Args args(argv + 2, argv + argc);
  for (const auto& c : kCommands)
    if (argv[1] == std::string(c.name)) return c.run(args);
  std::fprintf(stderr, "vintara-author: unknown command '%s'\n", argv[1]);
  usage(stderr);
  return 2;
}
