// State of the sound device as the engine sees it.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "platform/platform.h"

namespace vintara {

struct Surface;

struct SoundState {
  // A sound was started and its end has not been reported yet.
  bool soundPlaying = false;
  // The device has been stopped and closed since the last successful play.
  bool soundClosed = true;
  // A stop was issued and its completion report is awaited.
  bool closeWaiting = false;
  // The script stopped at "waitforsoundtofinish" and resumes when the sound
  // ends.
  bool waitingForSound = false;
  // The name the script gave with the sound; "none" for interface sounds
  // (the talking head moves only while it is not "none").
  std::string speechName;

  // Every successful play gets a number; each stop remembers the play it
  // stopped, so that each completion report is matched to its cause (the
  // device reports once per play that ends by itself and once per stop).
  int playSerial = 0;
  std::deque<int> stopsAwaited;
  long stopsIssued = 0, stopsAnswered = 0;
  int closeDepth = 0;  // closeCurrentWav calls in progress

  // Where the waiting script stopped: the screen, the position of the line
  // after "waitforsoundtofinish" and the surface it drew on. The script
  // resumes only if it is still there when the sound ends.
  int waitScreen = 0;
  int waitScriptPos = 0;
  int waitScriptEnd = 0;
  Surface* waitSurface = nullptr;
  // Delivers the resume of a waiting script from the event loop, once the
  // handler that ended the sound has finished.
  std::unique_ptr<Timer> resumeTimer;
  // Unhooks the device's completion report when the player goes.
  struct Connection {
    Platform* platform = nullptr;
    ~Connection() {
      if (platform) platform->setSoundDoneHandler({});
    }
  };
  std::unique_ptr<Connection> connection;
  // Times a stop waited in vain for its completion report (the device never
  // answered and the wait gave up).
  int unansweredStops = 0;
};

}  // namespace vintara
