// State of the sound device as the engine sees it.
#pragma once

#include <string>

namespace vintara {

struct SoundState {
  bool soundPlaying = false;
  bool soundClosed = true;
  bool closeWaiting = false;
  bool waitingForSound = false;
  std::string speechName;
};

}  // namespace vintara
