#include "platform/qt/qt_sound.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

#include "assess/wav_info.h"
#include "content/content_paths.h"

namespace vintara {

QtSound::QtSound() {
  silentTimer_.setSingleShot(true);
  connect(&silentTimer_, &QTimer::timeout, this, [this] { reportDone(); });
  if (qEnvironmentVariableIsSet("VINTARA_SILENT") || QMediaDevices::audioOutputs().isEmpty())
    return;
  silent_ = false;
  player_ = new QMediaPlayer(this);
  output_ = new QAudioOutput(this);
  player_->setAudioOutput(output_);
  connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus s) {
    if (s == QMediaPlayer::EndOfMedia || s == QMediaPlayer::InvalidMedia) reportDone();
  });
}

QtSound::~QtSound() = default;

bool QtSound::play(const std::string& nativePath) {
  std::string data;
  if (!readWholeFile(nativePath, data)) return false;
  auto ms = wavDurationMs(data);
  if (!ms) return false;
  active_ = true;
  if (silent_) {
    silentTimer_.start(std::max(1, *ms));
    return true;
  }
  player_->setSource(QUrl::fromLocalFile(QString::fromStdString(nativePath)));
  player_->play();
  return true;
}

void QtSound::stop() {
  // The stop is reported from the event loop, as a device reports it.
  if (silent_)
    silentTimer_.stop();
  else if (player_)
    player_->stop();
  active_ = true;
  QTimer::singleShot(0, this, [this] { reportDone(); });
}

void QtSound::reportDone() {
  if (!active_) return;
  active_ = false;
  if (done) done();
}

}  // namespace vintara
