// Interpreter throughput: script lines per second on long scripts of mixed
// command and text lines, and the cost of tokenizing one command line.
// Text lines are counted instead of drawn, so the figures measure the
// interpreter (reading, tokenizing, dispatching, the control-flow commands)
// and not the renderer.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "engine/interpreter.h"
#include "engine/player.h"
#include "engine/script_text.h"
#include "platform/fake/fake_platform.h"

namespace {

using vintara::Player;

long gTextLines = 0;
void countTextLine(Player&, std::string_view) { ++gTextLines; }

// One block of a lesson screen: text, positions, variables, a tier block
// that is skipped, a label, comments and blank lines.
const char* const kBlock[] = {
    "' Working out speed",
    "@at 30,20",
    "#f2#bWorking out speed#b",
    "@at 30, 60",
    "#f1A trolley rolls down a ramp. It covers 2 m in 4 s.",
    "@set a,+1",
    "@set b,a",
    "Its average speed is distance divided by time.",
    "@ifhigher",
    "Higher tier: velocity is speed in a given direction.",
    "@endhigher",
    "",
    "@label next",
    "@textgap 2",
    "So the speed is 0.5 m/s.",
    "@set a,-1",
    "@ifpackage 0",
    "This line is for every package.",
    "@endif",
    "@count 3",
};

std::string withCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

// About 30,000 characters: as long as a script file can be.
std::string straightScript() {
  std::vector<std::string> lines;
  std::string text;
  while (true) {
    for (const char* l : kBlock) lines.emplace_back(l);
    if (withCrLf(lines).size() > 30000) break;
  }
  return withCrLf(lines);
}

// A loop of 500 passes over the block.
std::string loopScript() {
  std::vector<std::string> lines{"@loop 500"};
  for (const char* l : kBlock) lines.emplace_back(l);
  lines.emplace_back("@endloop");
  return withCrLf(lines);
}

void runScript(benchmark::State& state, const std::string& script) {
  vintara::FakePlatform platform;
  Player p(platform);
  p.run.textLineDrawer = countTextLine;
  p.engine.currentScreen = 2;
  p.engine.scriptText = script;
  p.engine.scriptEnd = int(script.size());
  p.engine.scriptName = "benchmark";
  int64_t lines = 0;
  gTextLines = 0;
  for (auto _ : state) {
    p.engine.scriptPos = 1;
    p.nav.layoutStack.clear();
    vintara::executeProgramScript(p, &p.workArea);
    lines += p.run.linesThisRun;
  }
  if (!platform.messages.empty()) state.SkipWithError(platform.messages[0].text.c_str());
  state.counters["lines/s"] = benchmark::Counter(double(lines), benchmark::Counter::kIsRate);
  state.counters["lines/run"] = double(lines) / double(state.iterations());
  state.counters["text lines/run"] = double(gTextLines) / double(state.iterations());
}

void BM_InterpreterStraightScript(benchmark::State& state) { runScript(state, straightScript()); }
BENCHMARK(BM_InterpreterStraightScript);

void BM_InterpreterLoop(benchmark::State& state) { runScript(state, loopScript()); }
BENCHMARK(BM_InterpreterLoop);

void BM_TokenizeCommand(benchmark::State& state) {
  const std::vector<std::string> lines = {
      "@goforward 30,90,250,19,1",      "@at 30, 60",
      "@set a,+1",                       "@picture *speed chart.bmp",
      "@loopprint 1,2,3,4",              "@ifhigher",
      "@GoBack 113,407,54,33,100,*mmover.bmp",
      "@print Hello, world",
  };
  vintara::EngineState e;
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vintara::tokenizeCommand(e, lines[i]));
    benchmark::DoNotOptimize(e.cmdItems[1].data());
    if (++i == lines.size()) i = 0;
  }
  state.counters["lines/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TokenizeCommand);

}  // namespace

BENCHMARK_MAIN();
