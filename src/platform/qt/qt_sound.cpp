#include "platform/qt/qt_sound.h"

#include <algorithm>

#include "assess/wav_info.h"
#include "content/content_paths.h"
#include "platform/qt/qt_modules.h"

namespace vintara {

namespace {
// How long past its duration a sound may run before the watchdog ends it
// (an audio back end that never reports the end of a sound).
constexpr int kWatchdogMarginMs = 2000;
// Failed sounds in a row after which the back end is taken as unable to
// play wave files at all.
constexpr int kFailuresBeforeSilence = 3;

bool silentRequested() {
  const QByteArray v = qgetenv("VINTARA_SILENT");
  return !v.isEmpty() && v != "0";
}
}  // namespace

QtSound::QtSound(bool forceSilent) {
  endTimer_.setSingleShot(true);
  connect(&endTimer_, &QTimer::timeout, this, [this] { endOfPlay(); });
  if (forceSilent || silentRequested()) return;
  backend_ = loadAudioBackend();
  if (!backend_) return;
  silent_ = false;
  backend_->ended = [this] {
    failedInRow_ = 0;
    endOfPlay();
  };
  backend_->failed = [this](const QString& why) {
    qWarning("vintara: sound back end: %s", qPrintable(why));
    cannotDecode();
  };
}

void QtSound::cannotDecode() {
  // The audio back end cannot play this file. The sound ends after its
  // duration, as it would have when heard. When no sound has played since
  // several failed in a row, the back end cannot play wave files here (a
  // media plug-in is missing, for example): the rest of the run is silent.
  if (failedThisPlay_) return;  // one failure may be told several times
  failedThisPlay_ = true;
  if (++failedInRow_ >= kFailuresBeforeSilence && !silent_) {
    qWarning("vintara: sounds cannot be played; going on silently");
    silent_ = true;
  }
  if (!playing_) return;
  if (backend_) backend_->stop();
  endTimer_.start(std::max(1, int(durationMs_ - started_.elapsed())));
}

QtSound::~QtSound() {
  done = nullptr;
  if (backend_) backend_->stop();
}

bool QtSound::play(const std::string& nativePath) {
  std::string data;
  if (!readWholeFile(nativePath, data)) return false;
  const std::optional<int> ms = wavDurationMs(data);
  if (!ms) return false;
  if (playing_) stop();
  playing_ = true;
  durationMs_ = *ms;
  started_.start();
  failedThisPlay_ = false;
  if (silent_) {
    endTimer_.start(std::max(1, *ms));
    return true;
  }
  backend_->play(QString::fromStdString(nativePath));
  endTimer_.start(*ms + kWatchdogMarginMs);
  return true;
}

void QtSound::stop() {
  endTimer_.stop();
  if (backend_) backend_->stop();
  playing_ = false;
  // A play that ended by itself and whose report is still on its way: that
  // report answers this stop (one report, not two).
  if (naturalTicket_ > delivered_) {
    naturalTicket_ = 0;
    return;
  }
  report();
}

void QtSound::endOfPlay() {
  if (!playing_) return;
  playing_ = false;
  endTimer_.stop();
  naturalTicket_ = report();
}

long QtSound::report() {
  const long ticket = ++queued_;
  // Always delivered from the event loop, never inside play() or stop().
  QTimer::singleShot(0, this, [this] {
    ++delivered_;
    if (done) done();
  });
  return ticket;
}

}  // namespace vintara
