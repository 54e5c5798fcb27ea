#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QCursor>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include "assess/qt/feedback_window.h"
#include "platform/qt/qt_modules.h"
#include "platform/qt/qt_sound.h"
#include "shell/startup.h"

namespace vintara {

namespace {

class QtTimer : public Timer {
 public:
  explicit QtTimer(std::function<void()> onTick) {
    QObject::connect(&timer_, &QTimer::timeout, [fn = std::move(onTick)] { QtPlatform::guarded(fn); });
  }
  void start(int intervalMs) override { timer_.start(std::max(1, intervalMs)); }
  void stop() override { timer_.stop(); }
  bool isActive() const override { return timer_.isActive(); }
  int interval() const override { return timer_.interval(); }

 private:
  QTimer timer_;
};

QElapsedTimer& monotonic() {
  static QElapsedTimer t = [] {
    QElapsedTimer e;
    e.start();
    return e;
  }();
  return t;
}

}  // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

void QtPlatform::guarded(const std::function<void()>& fn) {
  try {
    fn();
  } catch (const ProgramExit& e) {
    QCoreApplication::exit(e.code);
  }
  if (afterEngine) afterEngine();
}

uint32_t QtPlatform::millis() { return uint32_t(monotonic().elapsed()) + 1000u; }

double QtPlatform::random() { return QRandomGenerator::global()->generateDouble(); }

std::unique_ptr<Timer> QtPlatform::createTimer(std::function<void()> onTick) {
  return std::make_unique<QtTimer>(std::move(onTick));
}

void QtPlatform::processEvents() {
  if (afterEngine) afterEngine();
  QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void QtPlatform::pauseBriefly() { QThread::usleep(500); }

Answer QtPlatform::messageBox(const MessageRequest& r) {
  if (afterEngine) afterEngine();
  QMessageBox box(mainWindow);
  box.setWindowTitle(r.title.empty() ? QStringLiteral("Qelt Vintara") : fromCp1252(r.title));
  box.setText(fromCp1252(r.text));
  switch (r.icon) {
    case Icon::Error: box.setIcon(QMessageBox::Critical); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::None: break;
  }
  switch (r.buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
    case Buttons::RetryCancel: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Ok: return Answer::Ok;
    default:  // the box was closed: the safe answer
      return r.buttons == Buttons::Ok ? Answer::Ok
             : r.buttons == Buttons::YesNo ? Answer::No
                                           : Answer::Cancel;
  }
}

void QtPlatform::endProgram(int code) {
  if (mainWindow) mainWindow->hide();
  throw ProgramExit{code};
}

std::string QtPlatform::programFolder() {
  return QCoreApplication::applicationDirPath().toStdString();
}

std::string QtPlatform::userDataFolder() {
  return (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
          QStringLiteral("/qelt-vintara"))
      .toStdString();
}

std::string QtPlatform::configuredContentFolder() {
  if (!contentOption.empty()) return contentOption;
  return qEnvironmentVariable("VINTARA_CONTENT").toStdString();
}

std::vector<std::string> QtPlatform::removableMediaFolders() {
  QFile f(QStringLiteral("/proc/self/mounts"));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return mediaMountPoints(f.readAll().toStdString());
}

std::vector<std::string> QtPlatform::bundledContentFolders() {
  const QString dir = QCoreApplication::applicationDirPath();
  return {dir.toStdString(), QDir::cleanPath(dir + "/../share/qelt-vintara").toStdString()};
}

char QtPlatform::decimalSeparator() {
  const QString s = QLocale().toString(0.5);
  return s.size() >= 2 && s[1].unicode() < 128 ? char(s[1].unicode()) : '.';
}

void QtPlatform::refreshRect(const Rect& r) {
  if (onRefresh) onRefresh(r);
}

void QtPlatform::setPointerShape(PointerShape shape) {
  if (onPointer) onPointer(shape);
}

void QtPlatform::menuChanged(MenuItem item, const MenuItemState& state) {
  if (onMenu) onMenu(item, state);
}

void QtPlatform::setWindowTitle(const std::string& title) {
  if (onTitle) onTitle(title);
}

void QtPlatform::setClipboardText(const std::string& text) {
  QGuiApplication::clipboard()->setText(fromCp1252(text));
}

std::string QtPlatform::clipboardText() {
  return toCp1252(QGuiApplication::clipboard()->text());
}

// The sound device (and with it the audio back end) is opened when the
// first sound is played or stopped, not at start-up.
QtSound& QtPlatform::sound() {
  if (!sound_) {
    sound_ = std::make_unique<QtSound>();
    sound_->done = soundDone_;
  }
  return *sound_;
}

bool QtPlatform::playSound(const std::string& nativePath) { return sound().play(nativePath); }
void QtPlatform::stopSound() { sound().stop(); }
void QtPlatform::setSoundDoneHandler(std::function<void()> handler) {
  soundDone_ = [h = std::move(handler)] { QtPlatform::guarded(h); };
  if (sound_) sound_->done = soundDone_;
}

std::unique_ptr<PrintJob> QtPlatform::startPrintJob() {
  return startQtPrintJob(mainWindow);
}

bool QtPlatform::startProgram(const std::string& nativePath, const std::vector<std::string>& args,
                              bool) {
  QStringList list;
  for (const auto& a : args) list << QString::fromStdString(a);
  return QProcess::startDetached(QString::fromStdString(nativePath), list);
}

void QtPlatform::startDrag(const DragPayload& payload) {
  if (onDrag) onDrag(payload);
}

void QtPlatform::setDragPointer(const std::string& nativePath) {
  if (onDragPointer) onDragPointer(nativePath);
}

void QtPlatform::centreMainWindow() {
  if (!mainWindow) return;
  QScreen* screen = mainWindow->screen();
  if (!screen) return;
  const QRect avail = screen->availableGeometry();
  const QSize size = mainWindow->frameSize();
  mainWindow->move(avail.x() + (avail.width() - size.width()) / 2,
                   avail.y() + (avail.height() - size.height()) / 2);
}

bool QtPlatform::mainWindowMaximised() { return mainWindow && mainWindow->isMaximized(); }

void QtPlatform::showWhatsThisMenu(int topic) {
  QMenu menu(mainWindow);
  QAction* whatsThis = menu.addAction(QStringLiteral("What's this?"));
  if (menu.exec(QCursor::pos()) == whatsThis) showHelpTopic(topic, true);
}

void QtPlatform::focusMainWindow() {
  if (mainWindow) mainWindow->setFocus();
}

void QtPlatform::showFeedbackBox(const FeedbackLayout& layout, const Rect& position,
                                 std::function<void()> onDismissed) {
  showFeedbackWindow(mainWindow, *this, layout, position, std::move(onDismissed));
}

void QtPlatform::closeFeedbackBox() { closeFeedbackWindow(); }

}  // namespace vintara
