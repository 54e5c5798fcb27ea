// The feedback box's window: shows a laid-out feedback box (see
// assess/feedback_box.h) in the verdict's colour and caption. Enter in it,
// or the pupil closing it, dismisses it and moves the lesson on; the
// program closing it does nothing more.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "platform/platform.h"

namespace vintara {

struct FeedbackLayout;

class FeedbackWindow : public QWidget {
 public:
  explicit FeedbackWindow(QWidget* owner);

  // Shows `body` (the painted box, drawn `scale` times larger) with the
  // caption, its top-left at `topLeft` on the screen and its client area
  // `clientSize`; not modal. onDismissed runs when the pupil dismisses it.
  void present(const QImage& body, const QString& caption, QPoint topLeft, QSize clientSize,
               int scale, std::function<void()> onDismissed);
  // The program closes the box: it is hidden and nothing else happens.
  void unload();
  const QImage& body() const { return body_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QImage body_;
  int scale_ = 1;
  std::function<void()> dismissed_;
};

// The feedback box of the main window `owner` (created on first use, owned
// by it): shows the layout placed from the work-area point position.x,y.
void showFeedbackWindow(QWidget* owner, Platform& platform, const FeedbackLayout& layout,
                        const Rect& position, std::function<void()> onDismissed);
void closeFeedbackWindow();
// The open box, or nullptr (for tests).
FeedbackWindow* currentFeedbackWindow();

}  // namespace vintara
