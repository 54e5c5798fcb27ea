// The audio back end module: Qt Multimedia behind AudioBackend.
#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

#include "platform/qt/qt_modules.h"

namespace vintara {
namespace {

class MultimediaBackend : public AudioBackend {
 public:
  MultimediaBackend() {
    player_.setAudioOutput(&output_);
    connect(&player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus) {
      // The status is read now, not taken from the signal: a change queued
      // for a sound that has since been stopped or replaced is stale.
      const QMediaPlayer::MediaStatus s = player_.mediaStatus();
      if (s == QMediaPlayer::EndOfMedia && ended) ended();
      if (s == QMediaPlayer::InvalidMedia && failed) failed(QStringLiteral("the file cannot be decoded"));
    });
    connect(&player_, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error e, const QString& why) {
              if (e != QMediaPlayer::NoError && failed) failed(why);
            });
  }
  ~MultimediaBackend() override { player_.stop(); }
  void play(const QString& path) override {
    player_.setSource(QUrl::fromLocalFile(path));
    player_.setPosition(0);  // the same file again plays from its start
    player_.play();
  }
  void stop() override { player_.stop(); }

 private:
  QMediaPlayer player_;
  QAudioOutput output_;
};

}  // namespace
}  // namespace vintara

extern "C" Q_DECL_EXPORT vintara::AudioBackend* vintaraCreateAudioBackend() {
  if (QMediaDevices::audioOutputs().isEmpty()) return nullptr;
  return new vintara::MultimediaBackend;
}
