// The feedback box's window under the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>

#include "assess/feedback_box.h"
#include "assess/qt/feedback_window.h"
#include "platform/qt/qt_platform.h"

namespace vintara {
namespace {

TEST(FeedbackWindow, ShowsTheVerdictAndMovesOnOnlyWhenThePupilDismissesIt) {
  QtPlatform platform;
  QMainWindow main;
  main.setCentralWidget(new QWidget);
  main.resize(640, 460);
  main.show();
  platform.mainWindow = &main;

  const FeedbackLayout layout = layoutFeedback(platform, "Not quite.", false, '.', nullptr);
  int forwards = 0;
  platform.showFeedbackBox(layout, Rect{40, 300, layout.width, layout.height}, [&] { ++forwards; });
  FeedbackWindow* box = currentFeedbackWindow();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isVisible());
  EXPECT_FALSE(box->isModal());
  EXPECT_EQ(box->parentWidget(), &main);  // owned by the main window
  EXPECT_EQ(box->windowTitle(), QStringLiteral("Wrong"));
  EXPECT_EQ(box->body().pixelColor(1, 1), QColor(255, 175, 175));
  EXPECT_EQ(box->body().width(), 128);

  // Enter: the box goes and the lesson moves on once.
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QApplication::sendEvent(box, &enter);
  EXPECT_FALSE(box->isVisible());
  EXPECT_EQ(forwards, 1);

  // The program closing the box moves nothing on.
  const FeedbackLayout right = layoutFeedback(platform, "Yes.", true, '.', nullptr);
  platform.showFeedbackBox(right, Rect{0, 0, right.width, right.height}, [&] { ++forwards; });
  EXPECT_EQ(box->windowTitle(), QStringLiteral("Correct"));
  EXPECT_EQ(box->body().pixelColor(1, 1), QColor(151, 207, 143));
  platform.closeFeedbackBox();
  EXPECT_FALSE(box->isVisible());
  QApplication::processEvents();
  EXPECT_EQ(forwards, 1);

  // The pupil closing it: Forward once the window has gone.
  platform.showFeedbackBox(right, Rect{0, 0, right.width, right.height}, [&] { ++forwards; });
  box->close();
  EXPECT_FALSE(box->isVisible());
  QApplication::processEvents();
  EXPECT_EQ(forwards, 2);
}

}  // namespace
}  // namespace vintara
