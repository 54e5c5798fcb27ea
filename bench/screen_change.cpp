// The time of a screen change: Forward pressed to the new screen fully
// drawn, without a window (real pictures and fonts through Qt), for every
// screen of the demo course that Forward leads to. Prints the median of
// each screen and the median over all of them.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/navigation.h"
#include "engine/player.h"
#include "platform/qt/headless_platform.h"
#include "platform/text_codec.h"
#include "shell/startup.h"

namespace {

using namespace vintara;

struct Move {
  int from;    // the screen shown when Forward is pressed
  int choice;  // the target of the Forward region (0: the next screen)
  int to;      // the screen it leads to
};

struct Session {
  HeadlessPlatform platform;
  std::unique_ptr<Player> player;
  std::string folder;
};

Session* session = nullptr;
std::map<int, std::vector<double>> timesByScreen;  // microseconds

// Every screen Forward leads to: the next sibling of each node, and the
// first child (or its first screen) of each branch.
std::vector<Move> forwardMoves(Player& p) {
  const CourseTree& t = p.content.tree;
  std::vector<Move> moves;
  auto inHelp = [&t](int n) {
    for (; n; n = t.parent(n))
      if (toLower(t.caption(n)) == "help") return true;
    return false;
  };
  for (int n = 2; n <= t.count(); ++n) {
    if (inHelp(n)) continue;  // the help branch holds help topics, not screens
    Move m{};
    if (const int previous = t.previousSibling(n)) {
      m = {previous, 0, n};
    } else {
      m = {t.parent(n), 1, n};
    }
    // A branch whose first child is a screen is its leaves' template: Forward
    // into it shows that first screen, which has a move of its own.
    if (t.kindOfNode(n) == kBranch && t.kindOfNode(t.firstChild(n)) >= kScreen) continue;
    moves.push_back(m);
  }
  return moves;
}

// Shows the screen the move starts from, with its script run to the end.
void showFrom(Player& p, const Move& m) {
  p.engine.currentScreen = m.from;
  p.nav.useTemplate = isLeafForTemplate(p, m.from);
  hardResetvars(p);
  runProgram(p);
  p.engine.scriptPos = p.engine.scriptEnd + 1;
  p.regions.nav[20].target = std::to_string(m.choice);
  session->platform.messages.clear();
  session->platform.refreshes.clear();
}

void screenChange(benchmark::State& state, Move m) {
  Player& p = *session->player;
  for (auto _ : state) {
    showFrom(p, m);
    const auto start = std::chrono::steady_clock::now();
    executeGoForward(p, m.choice ? 20 : 0, true);
    const auto end = std::chrono::steady_clock::now();
    const double seconds = std::chrono::duration<double>(end - start).count();
    state.SetIterationTime(seconds);
    timesByScreen[m.to].push_back(seconds * 1e6);
    if (p.engine.currentScreen != m.to) state.SkipWithError("Forward led elsewhere");
  }
}

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);

  Session s;
  session = &s;
  std::string tmpl = (std::filesystem::temp_directory_path() / "vintara-bench-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) return 1;
  s.folder = tmpl;
  s.platform.contentOption = std::string(VINTARA_BINARY_DIR) + "/tolvenia";
  s.platform.programDir = s.folder;
  s.platform.userDataDir = s.folder + "/data";
  s.player = std::make_unique<Player>(s.platform);
  try {
    Form_Load(*s.player);
    s.platform.advance(1);  // the hand-over to the main menu
  } catch (const ProgramExit&) {
    std::fprintf(stderr, "the demo course could not be started\n");
    return 1;
  }

  Player& p = *s.player;
  for (const Move& m : forwardMoves(p)) {
    const std::string name = "ScreenChange/" + std::to_string(m.to) + ":" +
                             cp1252ToUtf8(p.content.tree.caption(m.to));
    benchmark::RegisterBenchmark(name.c_str(), screenChange, m)->UseManualTime()->Unit(benchmark::kMicrosecond);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  std::vector<double> medians;
  for (const auto& [screen, times] : timesByScreen) {
    medians.push_back(median(times));
    std::printf("screen %3d  median %8.1f us\n", screen, medians.back());
  }
  if (!medians.empty()) {
    std::printf("\nScreens: %zu; median of the screens' median screen-change times: %.1f us "
                "(fastest %.1f us, slowest %.1f us; target under 2000 us)\n",
                medians.size(), median(medians), *std::min_element(medians.begin(), medians.end()),
                *std::max_element(medians.begin(), medians.end()));
  }
  s.player.reset();
  std::error_code ec;
  std::filesystem::remove_all(s.folder, ec);
  return 0;
}
