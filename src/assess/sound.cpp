// Sound playback.
#include "assess/sound.h"

#include <cstdint>

#include "engine/command_table.h"
#include "engine/interpreter.h"
#include "engine/navigation.h"
#include "engine/player.h"
#include "shell/wait.h"

namespace vintara {

namespace {

// How often a resume that cannot run yet (another run or wait is in
// progress) is tried again.
constexpr int kResumeRetryMs = 10;

// The waiting script goes on from where it stopped, if it is still there:
// the same screen, the same script, the line after "waitforsoundtofinish".
// A screen that was left, restarted or continued by Forward in the meantime
// is not resumed a second time.
void resumeWaitingScript(Player& p) {
  SoundState& s = p.sound;
  // Not inside another run, a stop or a wait: try again shortly.
  if (p.run.depth > 0 || s.closeDepth > 0 || p.shell.waiting) return;
  s.resumeTimer->stop();
  EngineState& e = p.engine;
  if (e.currentScreen != s.waitScreen || e.scriptPos != s.waitScriptPos ||
      e.scriptEnd != s.waitScriptEnd)
    return;
  executeProgramScript(p, s.waitSurface ? s.waitSurface : &p.workArea);
}

}  // namespace

std::string soundPath(const Player& p, std::string_view name) {
  if (!name.empty() && name.front() == '*') return "Wav\\" + std::string(name.substr(1));
  return p.content.topicFolder + "Wav\\" + std::string(name);
}

void playWav(Player& p, std::string_view name) {
  SoundState& s = p.sound;
  closeCurrentWav(p);  // at most one sound at a time
  const std::string file = p.content.native(soundPath(p, name));
  // A file that is missing or cannot be played leaves the device idle; the
  // lesson goes on without a message.
  if (file.empty() || !p.platform.playSound(file)) return;
  ++s.playSerial;
  s.soundClosed = false;
  s.soundPlaying = true;
}

void closeCurrentWav(Player& p) {
  SoundState& s = p.sound;
  if (s.soundClosed) return;
  s.soundClosed = true;
  s.closeWaiting = true;
  s.stopsAwaited.push_back(s.playSerial);
  const long ticket = ++s.stopsIssued;
  struct Depth {
    int& d;
    ~Depth() { --d; }
  } depth{++s.closeDepth};

  Platform& pf = p.platform;
  pf.stopSound();
  const uint32_t start = pf.millis();
  while (s.stopsAnswered < ticket) {
    pf.processEvents();
    if (s.stopsAnswered >= ticket) break;
    if (int32_t(pf.millis() - start) >= kCloseWaitLimitMs) {
      // The device never reported the stop. Take it as reported so that
      // the program does not hang on a broken audio device.
      ++s.unansweredStops;
      while (s.stopsAnswered < ticket && !s.stopsAwaited.empty()) MMControl1_Done(p);
      break;
    }
    pf.pauseBriefly();
  }
}

void MMControl1_Done(Player& p) {
  SoundState& s = p.sound;
  // A report answers the oldest stop still awaited; without one it is the
  // end of the current play.
  int serial = s.playSerial;
  if (!s.stopsAwaited.empty()) {
    serial = s.stopsAwaited.front();
    s.stopsAwaited.pop_front();
    ++s.stopsAnswered;
  }
  s.closeWaiting = !s.stopsAwaited.empty();
  if (!s.soundPlaying || serial != s.playSerial) return;
  s.soundPlaying = false;
  if (s.waitingForSound) {
    s.waitingForSound = false;
    // Delivered from the event loop: the handler that stopped the sound
    // (a click, a new screen) finishes first.
    s.resumeTimer->start(kResumeRetryMs);
  }
}

void playInterfaceSound(Player& p, std::string_view name) {
  closeCurrentWav(p);
  p.sound.speechName = "none";
  playWav(p, name);
}

void playNavigationClick(Player& p, double seconds) {
  // Navigation takes the screen's script over: a script waiting for its
  // sound is not resumed by this stop.
  p.sound.waitingForSound = false;
  p.sound.resumeTimer->stop();
  playInterfaceSound(p, "*click.wav");
  delaySeconds(p, seconds);
}

void connectSound(Player& p) {
  SoundState& s = p.sound;
  s.resumeTimer = p.platform.createTimer([&p] { resumeWaitingScript(p); });
  s.connection = std::make_unique<SoundState::Connection>();
  s.connection->platform = &p.platform;
  p.platform.setSoundDoneHandler([&p] { MMControl1_Done(p); });
}

// playsoundfile name [, speech name]
void cmdPlaySoundFile(Player& p) {
  const EngineState& e = p.engine;
  closeCurrentWav(p);
  p.sound.speechName = e.cmdItemCount >= 2 ? e.cmdItems[2] : std::string();
  playWav(p, e.cmdItemCount >= 1 ? e.cmdItems[1] : std::string());
}

// waitforsoundtofinish: stops the run while a sound plays; its end resumes
// the script at the next line.
void cmdWaitForSoundToFinish(Player& p) {
  SoundState& s = p.sound;
  const EngineState& e = p.engine;
  s.resumeTimer->stop();  // this wait replaces any resume not yet delivered
  s.waitingForSound = s.soundPlaying;
  if (!s.soundPlaying) return;
  s.waitScreen = e.currentScreen;
  s.waitScriptPos = e.scriptPos;
  s.waitScriptEnd = e.scriptEnd;
  s.waitSurface = e.outputSurface;
  saveLayout(p);
  endRun(p);
}

}  // namespace vintara
