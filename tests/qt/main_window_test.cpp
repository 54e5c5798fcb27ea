// The real main window on the demo course, under the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QTimer>

#include "demo_window.h"

namespace vintara {
namespace {

TEST(MainWindow, OpensOnTheDemoCourseAndCloses) {
  test::DemoWindow demo;
  demo.start();
  Player& player = demo.player;
  MainWindow& window = demo.window;
  EXPECT_EQ(player.engine.currentScreen, 1);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Qelt Vintara"));
  EXPECT_EQ(player.workArea.drawing.width(), 640);
  EXPECT_EQ(player.workArea.drawing.height(), 440);
  // Every menu of the window is there; unbuilt items are disabled.
  EXPECT_EQ(window.menuBar()->actions().size(), 4);
  EXPECT_TRUE(window.action(MenuItem::FileExit)->isEnabled());
  EXPECT_FALSE(window.action(MenuItem::UtilCalculator)->isEnabled());
  EXPECT_EQ(window.action(MenuItem::UtilCalculator)->text(), QStringLiteral("&Calculator"));

  // The hand-over timer fires once the loop runs; then close the window.
  QTimer::singleShot(50, &window, &QWidget::close);
  QTimer::singleShot(100, qApp, &QApplication::quit);
  QApplication::exec();
  EXPECT_EQ(player.shell.inputBlocked, 0);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace vintara
