// The session player: runs a pupil's session from an event script against
// the real engine without a window and prints what happened.
//
// Event script: one event per line; blank lines and lines starting with "#"
// are ignored. Coordinates are work-area pixels (640 x 440).
//   click X Y [right]         move there, press, release: a click
//   press X Y [right]         press a button there (the left unless "right")
//   move X Y                  move the pointer (with the left button held
//                             between a press and its release)
//   release X Y [right]       release there; a click when pressed in the work area
//   drag X1 Y1 X2 Y2          press at X1 Y1, move to X2 Y2 and drop there
//   key TEXT                  type the characters of TEXT (the rest of the line)
//   keycode N                 press and release the key with character code N
//   forward                   click the Forward button (the last Forward region)
//   back                      click the Back button (the last Back region that
//                             moves back: a target below 100 other than 50-80)
//   menu return               Menu > "Return to main menu" (when enabled)
//   answer Ok|Yes|No|Retry|Cancel   the answer to the next message box (queued)
//   wait MS                   let MS milliseconds pass (timers fire)
//   sound-end                 the sound being played comes to its end
//   expect-screen N           the run fails unless screen N is shown
//   expect-caption TEXT       the run fails unless the screen shown has this caption
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "platform/image.h"

namespace vintara {

class FakePlatform;
class Player;

struct PlayEvent {
  int line = 0;
  std::string verb;
  std::vector<int> numbers;
  std::string word;    // "right", the menu item, the answer
  std::string text;    // key TEXT
  std::string source;  // the line as written
};

// Reads an event script; false with `error` ("line N: ...") at the first
// line it cannot read.
bool parseEvents(const std::string& text, std::vector<PlayEvent>& events, std::string& error);

struct PlayOptions {
  std::string tier = "F";   // "H" or "F", as the new-pupil step would ask
  std::string award = "D";  // "S" or "D"
  // Called after each event with its number (from 1) and the work area as
  // the window would show it.
  std::function<void(int, const Image&)> snapshot;
};

class SessionPlayer {
 public:
  // The platform must outlive the player; its records are printed as they
  // grow (messages, sounds, help topics, drags, programs started, printing).
  SessionPlayer(FakePlatform& platform, std::ostream& out);
  ~SessionPlayer();
  SessionPlayer(const SessionPlayer&) = delete;
  SessionPlayer& operator=(const SessionPlayer&) = delete;

  // Starts as the program does on the content folder (the folder named
  // tolvenia or the one above it): the start-up, then the hand-over to the
  // first screen with the options' tier and award. False when the program
  // ended during the start.
  bool start(const std::string& contentFolder, const PlayOptions& options);

  // Runs the events in order. Returns 0 when every event ran and every
  // expectation held, 1 otherwise.
  int run(const std::vector<PlayEvent>& events);

  Player& player();
  // The work area as the window shows it, with the popup panel over it.
  Image screen() const;

 private:
  class Recorder;
  bool runEvent(const PlayEvent& e);
  void clickAt(int x, int y, int button);

  FakePlatform& platform_;
  std::ostream& out_;
  PlayOptions options_;
  std::string tempFolder_;
  std::unique_ptr<Recorder> recorder_;
  std::unique_ptr<Player> player_;
  bool ended_ = false;
  int heldButton_ = 0;  // the button pressed by "press" until its "release"
  bool pressInside_ = false;
};

}  // namespace vintara
