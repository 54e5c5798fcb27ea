// Time to run and draw the picture-heavy screens of the demo course without
// a window: the main menu (backdrop, panel box, card, eight icons, logo
// wipe, stars' screen) and an area menu (backdrop, box, card, a fast wipe,
// bullets). Pictures are decoded from the compiled course by Qt, as in the
// program; each run starts with an empty picture cache, as every screen
// does. Target: under 1 ms for a screen.
//
//   build/bench_render_pictures      (nine repetitions; the medians count)
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "engine/navigation.h"
#include "engine/player.h"
#include "platform/qt/headless_platform.h"
#include "shell/startup.h"

namespace {

using namespace vintara;

struct Session {
  HeadlessPlatform platform;
  std::unique_ptr<Player> player;
  std::string dataDir;

  bool started = false;

  Session() {
    char tmpl[] = "/tmp/vintara-bench-XXXXXX";
    if (!mkdtemp(tmpl)) return;
    dataDir = tmpl;
    platform.programDir = dataDir;
    platform.contentOption = VINTARA_BINARY_DIR;  // the compiled demo course
    player = std::make_unique<Player>(platform);
    try {
      Form_Load(*player);
      started = true;
    } catch (const ProgramExit&) {
      // No course to start on: the benchmarks say so.
    }
  }
  ~Session() {
    player.reset();
    std::error_code ec;
    if (!dataDir.empty()) std::filesystem::remove_all(dataDir, ec);
  }
  // Runs a screen as navigation does; the records of the fake platform are
  // emptied now and then so that they do not grow without bound.
  void show(int screen) {
    player->engine.currentScreen = screen;
    runProgram(*player);
    if (platform.refreshes.size() > 4096) platform.refreshes.clear();
    if (platform.imageLoads.size() > 4096) platform.imageLoads.clear();
  }
};

Session& session() {
  static Session s;
  return s;
}

// False, with the reason, when there is no course to run.
bool started(benchmark::State& state) {
  if (session().started) return true;
  state.SkipWithError("the demo course could not be started (build the course first)");
  return false;
}

void checkQuiet(benchmark::State& state) {
  auto& m = session().platform.messages;
  if (!m.empty()) state.SkipWithError(("message: " + m.front().text).c_str());
}

// The same screen again: the backdrop stays, everything else is drawn anew.
void BM_MainMenu(benchmark::State& state) {
  if (!started(state)) return;
  Session& s = session();
  s.show(1);
  for (auto _ : state) s.show(1);
  checkQuiet(state);
}
BENCHMARK(BM_MainMenu)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_AreaMenu(benchmark::State& state) {
  if (!started(state)) return;
  Session& s = session();
  s.show(2);
  for (auto _ : state) s.show(2);
  checkQuiet(state);
}
BENCHMARK(BM_AreaMenu)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Moving between two screens: each arrival loads the other backdrop.
void BM_MenuToAreaAndBack(benchmark::State& state) {
  if (!started(state)) return;
  Session& s = session();
  for (auto _ : state) {
    s.show(2);
    s.show(1);
  }
  state.SetItemsProcessed(2 * state.iterations());
  checkQuiet(state);
}
BENCHMARK(BM_MenuToAreaAndBack)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  // Pictures and fonts need Qt, never a display.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
    const QByteArray dir = "/tmp/vintara-bench-" + QByteArray::number(getuid());
    mkdir(dir.constData(), 0700);
    qputenv("XDG_RUNTIME_DIR", dir);
  }
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
