// The real main window passes pointer events and drops to the engine in
// work-area pixels, whatever the window's scale.
#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>

#include "demo_window.h"

namespace vintara {
namespace {

void send(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

TEST(MainWindowPointer, ClicksAndDropsReachTheEngineInWorkAreaPixels) {
  test::DemoWindow demo;
  demo.start();
  Player& player = demo.player;
  MainWindow& window = demo.window;
  demo.waitForHandOver();

  // Twice the work area's size: the view scales it by 2.
  WorkAreaView* view = window.workArea();
  view->resize(2 * kWorkAreaWidth + 40, 2 * kWorkAreaHeight + 20);
  QCoreApplication::processEvents();
  const QRect placement = view->placement();
  ASSERT_EQ(placement.width(), 2 * kWorkAreaWidth);
  auto at = [&](int x, int y) { return QPointF(placement.x() + 2 * x + 1, placement.y() + 2 * y + 1); };
  auto click = [&](int x, int y) {
    send(view, QEvent::MouseMove, at(x, y), Qt::NoButton, Qt::NoButton);
    send(view, QEvent::MouseButtonPress, at(x, y), Qt::LeftButton, Qt::LeftButton);
    send(view, QEvent::MouseButtonRelease, at(x, y), Qt::LeftButton, Qt::NoButton);
  };

  // The main menu's fourth choice (its areas are listed on the right, from
  // y 130, 27 pixels apart), then the area's first topic.
  click(400, 224);
  EXPECT_EQ(player.content.tree.caption(player.engine.currentScreen), "The Earth and Beyond");
  EXPECT_EQ(player.regions.lastX, 400);
  EXPECT_EQ(player.regions.lastY, 224);
  click(200, 178);
  ASSERT_EQ(player.content.tree.caption(player.engine.currentScreen), "Planets in order");  // drop areas

  // The window shows the whole new screen (its backdrop and pictures too,
  // which ask for no refresh of their own), not just the text.
  QCoreApplication::processEvents();
  const QImage shown = window.screen()->grabWindow(window.winId()).toImage();
  const QPoint origin = view->mapTo(&window, placement.topLeft());
  // The view is larger than the window: only its top-left part shows.
  const int right = std::min(kWorkAreaWidth, (shown.width() - origin.x()) / 2);
  const int bottom = std::min(kWorkAreaHeight, (shown.height() - origin.y()) / 2);
  ASSERT_GT(right, 100);
  ASSERT_GT(bottom, 100);
  int differing = 0;
  for (int y = 0; y < bottom; y += 4)
    for (int x = 0; x < right; x += 4)
      differing += (shown.pixel(origin.x() + 2 * x, origin.y() + 2 * y) & 0xFFFFFF) !=
                   (player.workArea.drawing.pixel(x, y) & 0xFFFFFF);
  EXPECT_EQ(differing, 0);
  send(view, QEvent::MouseMove, at(500, 60), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
  send(view, QEvent::MouseMove, at(80, 420), Qt::NoButton, Qt::NoButton);  // the Forward button
  EXPECT_EQ(view->cursor().shape(), Qt::PointingHandCursor);

  // A payload dropped on the work area: the Earth onto its orbit.
  QMimeData mime;
  mime.setText(QStringLiteral("QeltVintaraData,30,0"));
  QDragEnterEvent enter(at(375, 195).toPoint(), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(view, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(at(375, 195), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(view, &drop);
  EXPECT_TRUE(drop.isAccepted());
  EXPECT_EQ(player.regions.dragItemsPlaced, 1);
  EXPECT_EQ(player.regions.drag.kind, 0);

  // Text that is not a payload is refused.
  QMimeData other;
  other.setText(QStringLiteral("hello"));
  QDragEnterEvent refused(at(275, 195).toPoint(), Qt::MoveAction, &other, Qt::LeftButton, Qt::NoModifier);
  refused.ignore();
  QCoreApplication::sendEvent(view, &refused);
  EXPECT_FALSE(refused.isAccepted());
  window.close();
}

}  // namespace
}  // namespace vintara
