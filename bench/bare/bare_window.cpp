// The yardstick of bench/startup.sh: a bare Qt Widgets program that opens
// one 640 x 480 window, paints it once and quits.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {
class Window : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QCoreApplication::exit(0);
  }
};
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Window window;
  window.resize(640, 480);
  window.show();
  return app.exec();
}
