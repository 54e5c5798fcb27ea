// Running and drawing a text-heavy screen of the demo course ("Wave words":
// fonts, colours, bullets, hot words, a tabbed table, raised exponents),
// headless on the test platform: its fixed-pitch font draws each character
// as a block, so the figure is the engine's and the renderer's own cost
// without Qt's glyph rasterising. Target: a median under 1 ms.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "engine/navigation.h"
#include "engine/player.h"
#include "output/rich_text.h"
#include "platform/fake/fake_platform.h"
#include "shell/startup.h"

namespace {

using namespace vintara;

// A folder for the pupil data that start-up makes.
struct DataFolder {
  std::string path;
  DataFolder() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "vintara-bench-XXXXXX").string();
    if (mkdtemp(tmpl.data())) path = tmpl;
  }
  ~DataFolder() {
    std::error_code ec;
    if (!path.empty()) std::filesystem::remove_all(path, ec);
  }
};

struct DemoCourse {
  DataFolder dataDir;
  FakePlatform platform;
  std::unique_ptr<Player> player;
  int screen = 0;

  DemoCourse() {
    platform.contentOption = std::string(VINTARA_BINARY_DIR) + "/tolvenia";
    platform.programDir = dataDir.path;
    platform.imageLoader = [](const std::string&) { return Image(8, 8, 0x00FF00); };
    player = std::make_unique<Player>(platform);
    try {
      Form_Load(*player);
      platform.advance(1);
    } catch (const ProgramExit&) {
      return;  // no course: screen stays 0 and the benchmark says so
    }
    const CourseTree& tree = player->content.tree;
    for (int n = 1; n <= tree.count(); ++n)
      if (tree.caption(n) == "Wave words") screen = n;
  }

  void show() {
    Player& p = *player;
    p.engine.currentScreen = screen;
    p.nav.useTemplate = true;
    hardResetvars(p);
    runProgram(p);
    platform.messages.clear();
    platform.refreshes.clear();
  }
};

void BM_TextHeavyScreen(benchmark::State& state) {
  DemoCourse course;
  if (course.screen == 0) {
    state.SkipWithError("the demo course has no screen \"Wave words\" (build the course first)");
    return;
  }
  course.show();
  state.counters["lines"] = double(course.player->text.textHistory.size());
  for (auto _ : state) {
    course.show();
    benchmark::DoNotOptimize(course.player->workArea.drawing.bits());
  }
}
BENCHMARK(BM_TextHeavyScreen)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// One line with most of the markup, printed again and again.
void BM_OneMarkedUpLine(benchmark::State& state) {
  FakePlatform platform;
  Player p(platform);
  setFontSize(p, 1);
  const std::string line =
      "#b#cuSpeed#b#^#s4#iv#i = #if#i \xD7 #f8#<<l#>>#f1, #cr3 \xD7 10#>8#<#cb m/s #Hhot word# #k2.5#";
  for (auto _ : state) {
    p.workArea.x = 20;
    p.workArea.y = 100;
    p.text.textHistory.clear();
    p.text.hotWordTable.clear();
    p.text.dragNumberTable.clear();
    printText(p, line);
    platform.refreshes.clear();
  }
}
BENCHMARK(BM_OneMarkedUpLine)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
