// The Player holds the whole lesson state of the main window: the engine,
// the screen output, the assessment state, the content and the pupil record.
// Subsystems are sets of functions that operate on the parts they own.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "assess/question_state.h"
#include "assess/sound_state.h"
#include "content/content_store.h"
#include "content/pupil_record.h"
#include "engine/engine_state.h"
#include "engine/trace.h"
#include "output/picture_state.h"
#include "output/region_table.h"
#include "output/surface.h"
#include "output/text_state.h"
#include "platform/platform.h"

namespace vintara {

// State of the application shell that the engine reads.
struct ShellState {
  std::array<std::string, 6> topicTitles;
  int topicTitleCount = 0;  // highest index kept beside the table
  std::string bottomBarScript;
  std::string bottomBarScriptTemplate;
  int32_t breakDeadline = 0;
  int inputBlocked = 0;
  bool waiting = false;  // delaySeconds is running: keys are ignored
  std::array<MenuItemState, size_t(MenuItem::Count)> menus{};
  bool indexVisible = false;
  bool toolboxVisible = false;
  bool wordProcessorOpen = false;
  bool helpRegistered = false;
  std::string helpFile;     // native path of the help file
  std::string dataFolder;   // native path of the pupil data folder
  std::string dragPointer;  // content path of the work area's drag pointer
};

class Player {
 public:
  explicit Player(Platform& platform);
  ~Player();
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  Platform& platform;
  ContentStore content;

  EngineState engine;
  RunState run;
  ControlState control;
  NavState nav;
  GadgetState gadgets;
  JumpState jumps;

  TextState text;
  PictureState pictures;
  RegionTable regions;

  QuestionState question;
  SoundState sound;

  PupilRecord pupil;
  PupilFileState pupilFile;
  PupilRecord bookmarkRecord;

  ShellState shell;

  Surface workArea;
  Surface popup;

  // Observer of the session (authoring tool, tests); never null.
  Trace* trace = &noTrace_;

  // The main window's timers.
  std::unique_ptr<Timer> alwaysOn;        // 100 ms housekeeping
  std::unique_ptr<Timer> internalTimer;   // 100 ms (30 ms for flash words)
  std::unique_ptr<Timer> animationTimer;  // tutor actions
  std::unique_ptr<Timer> processorTimer;  // timed waits
  std::unique_ptr<Timer> forcedNew;       // one-shot hand-over after start-up

  // Menu items of the main window: state kept here, shown by the window.
  const MenuItemState& menu(MenuItem item) const { return shell.menus[size_t(item)]; }
  void setMenuEnabled(MenuItem item, bool enabled);
  void setMenuCaption(MenuItem item, const std::string& caption);
  void setMenuChecked(MenuItem item, bool checked);
  void setMenuVisible(MenuItem item, bool visible);

  // A message box with OK; returns the answer of a box with other buttons.
  Answer message(const std::string& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None);

 private:
  Trace noTrace_;
};

}  // namespace vintara
