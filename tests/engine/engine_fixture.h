// A Player on the fake platform whose text lines are recorded instead of
// drawn, for tests of the interpreter and the control-flow commands.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "engine/interpreter.h"
#include "engine/player.h"
#include "platform/fake/fake_platform.h"
#include "support/test_support.h"

namespace vintara::test {

// The text lines drawn by players that record them.
inline std::vector<std::string>& drawnLines() {
  static std::vector<std::string> lines;
  return lines;
}

// Makes `player` record its text lines in drawnLines() instead of drawing.
inline void recordTextLines(Player& player) {
  drawnLines().clear();
  player.run.textLineDrawer = [](Player&, std::string_view line) { drawnLines().emplace_back(line); };
}

class EngineTest : public ::testing::Test {
 protected:
  EngineTest() : player_(std::make_unique<Player>(platform)) { attach(*player_); }

  void attach(Player& player) {
    recordTextLines(player);
    player.engine.currentScreen = 2;
  }

  Player& p() { return *player_; }
  // Runs a script (lines written with LF) as a screen of its own.
  void run(const std::string& script) { runScriptText(p(), script); }
  std::vector<std::string> messages() const { return platform.messageTexts(); }

  static std::vector<std::string>& drawn() { return drawnLines(); }

  FakePlatform platform;

 private:
  std::unique_ptr<Player> player_;
};

}  // namespace vintara::test
