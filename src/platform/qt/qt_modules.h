// Parts of the Qt platform that live in modules of their own and are loaded
// when first needed: the audio back end (Qt Multimedia) and printing (Qt
// Print Support). The player starts without those libraries and their
// dependencies (PulseAudio, CUPS ...), which keeps start-up quick and small.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "platform/platform.h"

class QWidget;

namespace vintara {

// A media player for one file at a time.
class AudioBackend : public QObject {
 public:
  ~AudioBackend() override = default;
  virtual void play(const QString& nativePath) = 0;  // from its start
  virtual void stop() = 0;
  // Reported from the event loop: the file played to its end; the back end
  // cannot play it (with the reason).
  std::function<void()> ended;
  std::function<void(const QString&)> failed;
};

// The audio back end, or nullptr when the machine has no audio output or
// the module cannot be loaded.
std::unique_ptr<AudioBackend> loadAudioBackend();

// Asks the printer dialog and starts a print job in twips; nullptr when the
// pupil cancels or printing is not available.
std::unique_ptr<PrintJob> startQtPrintJob(QWidget* dialogParent);

// What the modules export (C names, looked up when the module is loaded).
using CreateAudioBackendFn = AudioBackend* (*)();
using StartPrintJobFn = PrintJob* (*)(QWidget*);

}  // namespace vintara
