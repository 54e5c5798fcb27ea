// The main window: the menu bar and the work area, scaled as a whole to fit
// the window. Everything it shows is drawn by the core; it forwards pointer,
// key and menu events to the core.
#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QWidget>
#include <array>

#include "engine/player.h"
#include "platform/qt/qt_platform.h"

class QAction;

namespace vintara {

class WorkAreaView : public QWidget {
 public:
  WorkAreaView(Player& player, QWidget* parent);
  // The rectangle of the work area in widget pixels, and back.
  QRect placement() const { return placement_; }
  QPoint toWorkArea(QPointF widgetPoint) const;
  void refreshWorkAreaRect(const Rect& r);
  // Drags out of the work area (numbers, field text, words, drag items),
  // shown with the content's drag pointer; returns when the drag ends.
  void startDrag(const DragPayload& payload);
  void setDragPointer(const std::string& nativePath);
  void setPointerShape(PointerShape shape);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void updatePlacement();
  Player& player_;
  QRect placement_;
  double scale_ = 1;
  bool pressInside_ = false;
  QPixmap dragPixmap_;
};

class MainWindow : public QMainWindow {
 public:
  MainWindow(QtPlatform& platform, Player& player);
  ~MainWindow() override;
  WorkAreaView* workArea() const { return view_; }
  QAction* action(MenuItem item) const { return actions_[size_t(item)]; }

 protected:
  // The window previews every key typed in it and hands it to the typed
  // answer fields.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  void applyMenuState(MenuItem item, const MenuItemState& state);
  QtPlatform& platform_;
  Player& player_;
  WorkAreaView* view_;
  std::array<QAction*, size_t(MenuItem::Count)> actions_{};
};

}  // namespace vintara
