#include "assess/qt/feedback_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "assess/feedback_box.h"
#include "platform/qt/qt_graphics.h"
#include "platform/qt/qt_platform.h"
#include "shell/startup.h"

namespace vintara {

namespace {
QPointer<FeedbackWindow> g_window;
}  // namespace

FeedbackWindow::FeedbackWindow(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::MSWindowsFixedSizeDialogHint) {
  setWindowModality(Qt::NonModal);
  setAttribute(Qt::WA_ShowWithoutActivating, false);
  setFocusPolicy(Qt::StrongFocus);
  setWindowTitle(QStringLiteral("Correct"));
}

void FeedbackWindow::present(const QImage& body, const QString& caption, QPoint topLeft,
                             QSize clientSize, int scale, std::function<void()> onDismissed) {
  body_ = body;
  scale_ = std::max(1, scale);
  dismissed_ = std::move(onDismissed);
  setWindowTitle(caption);
  setFixedSize(clientSize);
  move(topLeft);
  show();
  raise();
  activateWindow();
  update();
}

void FeedbackWindow::unload() {
  dismissed_ = nullptr;
  hide();
}

void FeedbackWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (body_.isNull()) return;
  painter.fillRect(rect(), body_.pixelColor(0, 0));
  painter.drawImage(QRect(0, 0, body_.width() * scale_, body_.height() * scale_), body_);
}

void FeedbackWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QWidget::keyPressEvent(event);
    return;
  }
  // Enter: the box goes away, then the lesson moves on as with Forward.
  std::function<void()> dismissed = std::move(dismissed_);
  dismissed_ = nullptr;
  hide();
  if (dismissed) QtPlatform::guarded(dismissed);
}

void FeedbackWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  // Closed by the pupil: once the window has gone, move on as with Forward.
  if (std::function<void()> dismissed = std::move(dismissed_)) {
    dismissed_ = nullptr;
    QTimer::singleShot(0, qApp, [dismissed] { QtPlatform::guarded(dismissed); });
  }
}

void showFeedbackWindow(QWidget* owner, Platform& platform, const FeedbackLayout& layout,
                        const Rect& position, std::function<void()> onDismissed) {
  if (g_window && g_window->parentWidget() != owner) delete g_window.data();
  if (!g_window) g_window = new FeedbackWindow(owner);

  const Image canvas = renderFeedback(platform, layout);
  const QImage body = wrapImage(canvas).copy();

  // The box is placed from the anchor as the main window measures it: its
  // top-left is the window's top-left plus (work-area left + x + 8,
  // work-area top + y + 48), the work area being drawn `scale` times larger.
  double scale = 1;
  QPoint topLeft(position.x + 8, position.y + 48);
  QSize frame(0, 0);
  if (owner) {
    frame = owner->frameGeometry().size() - owner->geometry().size();
    QWidget* client = owner;
    if (auto* main = qobject_cast<QMainWindow*>(owner); main && main->centralWidget())
      client = main->centralWidget();
    const Rect area = workAreaPlacement(client->width(), client->height(), &scale);
    topLeft = owner->frameGeometry().topLeft() +
              QPoint(area.x + int(std::lround(position.x * scale)) + 8,
                     area.y + int(std::lround(position.y * scale)) + 48);
  }
  // The box's size is its outer size; the frame takes its share as the
  // main window's frame does.
  const int s = std::max(1, int(scale));
  const QSize outer(layout.width * s, layout.height * s);
  const QSize client(std::max(layout.width * s / 2, outer.width() - frame.width()),
                     std::max(layout.height * s / 2, outer.height() - frame.height()));
  g_window->present(body, fromCp1252(layout.caption), topLeft, client, s, std::move(onDismissed));
}

void closeFeedbackWindow() {
  if (g_window) g_window->unload();
}

FeedbackWindow* currentFeedbackWindow() { return g_window.data(); }

}  // namespace vintara
