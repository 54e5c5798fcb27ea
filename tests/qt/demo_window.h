// The real main window on the compiled demo course, started as the program
// starts it.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "shell/qt/main_window.h"
#include "shell/startup.h"

namespace vintara::test {

struct DemoWindow {
  DemoWindow() {
    platform.contentOption = VINTARA_BINARY_DIR;  // build/tolvenia
    platform.commandLineText = "\"vintara\"";
  }
  // The start-up sequence, then the window is shown.
  void start() {
    ASSERT_NO_THROW(Form_Load(player));
    window.show();
  }
  // Lets the event loop run until the hand-over after start-up has happened.
  void waitForHandOver() {
    QElapsedTimer waited;
    waited.start();
    while (player.shell.inputBlocked && waited.elapsed() < 5000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_EQ(player.shell.inputBlocked, 0);
  }

  QtPlatform platform;
  Player player{platform};
  MainWindow window{platform, player};
};

}  // namespace vintara::test
