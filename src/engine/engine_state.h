// State of the lesson script engine: the script being run, the command
// items, variables, loops and blocks, navigation, gadgets and the jump
// history. One instance of each lives in the Player.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/script_errors.h"

namespace vintara {

class Player;
struct Surface;

constexpr int kMaxCmdItems = 100;
constexpr int kVariableCount = 26;

// The script being run and the last command line.
struct EngineState {
  std::string scriptText;  // lines end with CR LF
  int scriptPos = 1;       // 1-based position of the next line; 0: see readScriptLine
  int scriptEnd = 0;
  int lineStart = 1;
  std::array<std::string, kMaxCmdItems + 1> cmdItems;  // 0 = the command word
  int cmdItemCount = 0;
  Surface* outputSurface = nullptr;
  bool scriptRunning = false;
  std::array<int, kVariableCount + 1> scriptVars{};  // 1 = "a" .. 26 = "z"
  int currentScreen = 0;

  // Where the running script came from, for messages to the author
  // (a content path, or a description such as "bottom bar").
  std::string scriptName;
};

// The interpreter's run.
struct RunState {
  bool templateForward = false;
  bool forwardPressed = false;
  int resumePos = -1;
  bool returnReplay = false;

  int depth = 0;                 // nesting of executeProgramScript
  bool endRunRequested = false;  // a command ended the current run
  bool abortAll = false;         // the runaway bound ended every run
  long linesThisRun = 0;         // lines read since the outermost run began
  // The runaway bound in force. Only the fuzz targets lower it, so that
  // each of their inputs ends quickly.
  long runawayLineLimit = kRunawayLineLimit;
  // Script errors already reported, as "script:line:message".
  std::vector<std::string> reportedErrors;
  // Draws a text line of the script; nullptr: the renderer (printText).
  // Tools that measure or check only the interpreter put their own here.
  void (*textLineDrawer)(Player&, std::string_view) = nullptr;
};

// Labels, loops, blocks, counters, waits and game data.
struct ControlState {
  static constexpr int kMaxLoops = 10;
  int loopDepth = 0;
  std::array<int, kMaxLoops + 1> loopStart{};
  std::array<int, kMaxLoops + 1> loopCount{};
  int prizeNumber = 0;
  std::array<int, 11> counters{};
  bool firstTimeDone = false;
  int waitScreen = 0;
  std::string gameDataName;
  // Loops opened beyond the tenth level: each runs its body once and is
  // closed by the next "@endloop" (meaningful only while loopDepth is 10).
  int loopOverflow = 0;
};

struct LayoutEntry {
  int regionCount = 0;
  int textLineCount = 0;
  int hotspotCount = 0;
};

// The cover that "disable" puts over a Forward or Back region.
struct RegionCover {
  bool shown = false;
  int region = 0;
  int x = 0, y = 0, w = 0, h = 0;
};

// Screens and navigation.
struct NavState {
  bool useTemplate = false;
  int templateRegionCount = 0;
  int regionCount = 0;  // mirrors the navigation region count
  bool navSoundPending = false;
  int engineMode = 0;  // 0 ordinary, 10 exam menu, 11 exam page, 14 spelling, 15 Go button
  bool examPageMode = false;
  bool allHotspotsSeen = false;
  std::vector<LayoutEntry> layoutStack;  // at most 51 entries
  bool forwardRunning = false;           // guards forward navigation from re-entry
  RegionCover forwardCover, backCover;
  int screenStarts = 0;  // counts screen starts (runProgram)
};

// Position, gadget and bookkeeping commands.
struct SavedPosition {
  int textX = 0, textY = 0, pictureX = 0, pictureY = 0;
};

struct FlashSlot {
  int x = 0, y = 0, vx = 0, vy = 0, word = 1, colour = 0, size = 15;
};

struct GadgetState {
  std::array<SavedPosition, 11> savedPositions{};
  // Stop-clock.
  int clockX = 0, clockY = 0;
  float clockValue = 0, clockStep = 0;
  // Flash words.
  std::vector<std::string> flashWords;  // at most 51
  std::string flashTopic;
  int flashX = 0, flashY = 0, flashP3 = 0, flashP4 = 0;
  bool flashActive = false;
  std::array<FlashSlot, 13> flashSlots{};
  int flashSlotIndex = 0, flashFrame = 0;
  bool flashAllSlots = false;
  // What's-this help pairs.
  std::vector<std::pair<int, int>> helpPairs;  // (region id, topic), at most 21
  int lastHelpTopic = 0;
  // Word games.
  int gameType = 0;  // 0 none, 1 spelling, 2 deadline
  std::vector<std::string> gameDataLines;  // at most 301
  std::string spellBackground, spellInstructionBackdrop;
  // Meter dial.
  int dialX = 0, dialY = 0, dialSteps = 0, dialStepWidth = 0, dialKnobX = 0, dialKnobY = 0;
  bool dialShown = false;
  int wordGapCursor = 0;
};

// Hotspot jumps, ticks and the index bookmark.
struct TickSlot {
  int screen = 0;
  int count = 0;
  std::array<bool, 21> ticked{};
};

struct JumpState {
  static constexpr int kMaxJumps = 31;
  int returnDepth = 0;
  std::array<int, kMaxJumps> returnStack{};
  std::array<int, kMaxJumps> jumpTargetStack{};
  int returnScreen = 0;
  int jumpOrigin = 0, jumpRegion = 0;
  std::array<TickSlot, 2> tickSlots{};
  int hotspotJumpCount = 0;
  std::array<std::string, 11> tickPictures{};
  int bookmarkScreen = 0;
  bool bookmarkUseTemplate = false;  // how the bookmarked screen was shown
};

}  // namespace vintara
