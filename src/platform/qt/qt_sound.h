// The sound device: Qt Multimedia when the machine has an audio output,
// otherwise a silent player that reports the end after the file's duration
// so that scripts waiting for a sound still go on.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

class QMediaPlayer;
class QAudioOutput;

namespace vintara {

class QtSound : public QObject {
 public:
  QtSound();
  ~QtSound() override;
  bool play(const std::string& nativePath);
  void stop();
  std::function<void()> done;
  bool silent() const { return silent_; }

 private:
  void reportDone();
  bool silent_ = true;
  bool active_ = false;
  QMediaPlayer* player_ = nullptr;
  QAudioOutput* output_ = nullptr;
  QTimer silentTimer_;
};

}  // namespace vintara
