// The sound device: Qt Multimedia (the audio module, loaded on first use)
// when the machine has an audio output,
// otherwise a silent player that reports the end after the file's duration
// (read from its wave header) so that scripts waiting for a sound still go
// on. VINTARA_SILENT=1 forces the silent player (tests, servers).
//
// One sound at a time. The completion report (`done`) always comes later
// from the event loop, exactly once for each play that ends by itself and
// exactly once for each stop, whether or not a sound was playing then.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

namespace vintara {

class AudioBackend;

class QtSound : public QObject {
 public:
  // forceSilent: the silent player even when an audio output exists.
  explicit QtSound(bool forceSilent = false);
  ~QtSound() override;
  // Starts a wave file; false (and no report) when it cannot be read or is
  // no wave file. A sound still playing is stopped first (with its report).
  bool play(const std::string& nativePath);
  void stop();
  std::function<void()> done;
  bool silent() const { return silent_; }
  bool playing() const { return playing_; }

 private:
  void endOfPlay();     // the current play ended by itself
  void cannotDecode();  // the back end cannot play the file
  long report();     // queues one completion report; returns its number
  bool silent_ = true;
  bool playing_ = false;
  long queued_ = 0, delivered_ = 0;
  long naturalTicket_ = 0;  // the report of a play that ended by itself
  int failedInRow_ = 0;
  bool failedThisPlay_ = false;
  int durationMs_ = 0;      // of the current play, from its wave header
  QElapsedTimer started_;
  std::unique_ptr<AudioBackend> backend_;  // Qt Multimedia, loaded as a module
  // Silent player: the end of the sound. Audio player: a watchdog for a
  // back end that never reports the end (duration plus a margin).
  QTimer endTimer_;
};

}  // namespace vintara
