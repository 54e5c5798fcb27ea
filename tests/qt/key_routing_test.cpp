// The main window previews every key typed in it and hands it to the typed
// answer fields of the screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "shell/qt/main_window.h"
#include "support/test_support.h"

namespace vintara {
namespace {

struct KeyRouting : ::testing::Test {
  QtPlatform platform;
  Player player{platform};
  MainWindow window{platform, player};

  void SetUp() override {
    AnswerField f;
    f.left = 100;
    f.right = 220;
    f.top = 50;
    f.bottom = 71;
    f.kind = kNumberField;
    player.regions.answerFieldTable.push_back(f);
    player.regions.firstField = 0;
    player.regions.inputField = 0;
    player.text.boxLayout.perRow = 8;
    player.text.decimalSeparator = '.';
  }
  const std::string& text() { return player.regions.answerFieldTable[0].text; }
  void press(int key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent down(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(window.workArea(), &down);
  }
  void release(int key, bool autoRepeat = false) {
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(window.workArea(), &up);
  }
  void typeKey(int key, const QString& text) {
    press(key, text);
    release(key);
  }
};

TEST_F(KeyRouting, TypedKeysReachTheFieldAndBackspaceActsOnRelease) {
  typeKey(Qt::Key_1, "1");
  typeKey(Qt::Key_2, "2");
  typeKey(Qt::Key_X, "x");
  typeKey(Qt::Key_3, "3");
  EXPECT_EQ(text(), test::powerOfTen("12", "03") + " ");
  press(Qt::Key_Backspace, "\b");
  EXPECT_EQ(text(), test::powerOfTen("12", "03") + " ");  // not yet: on release
  release(Qt::Key_Backspace, true);  // an auto-repeated release is not the end
  EXPECT_EQ(text(), test::powerOfTen("12", "03") + " ");
  release(Qt::Key_Backspace);
  EXPECT_EQ(text(), "12 ");
}

TEST_F(KeyRouting, MenuKeysAreLeftToTheMenus) {
  press(Qt::Key_5, "5", Qt::AltModifier);
  EXPECT_EQ(text(), "");
}

TEST_F(KeyRouting, ControlVPastesAValueFromTheClipboard) {
  platform.setClipboardText("QeltVintaraData,80,1.6\xA0-19");
  press(Qt::Key_V, "\x16", Qt::ControlModifier);
  EXPECT_EQ(text(), test::powerOfTen("1.6", "-19") + " ");
}

}  // namespace
}  // namespace vintara
