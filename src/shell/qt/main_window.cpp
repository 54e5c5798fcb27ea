#include "shell/qt/main_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "engine/navigation.h"
#include "output/pointer.h"
#include "shell/startup.h"

namespace vintara {

namespace {
// Menu items whose work is built; the others are shown disabled.
bool isBuilt(MenuItem item) {
  switch (item) {
    case MenuItem::FileExit:
    case MenuItem::ReturnToMainMenu:
      return true;
    default:
      return false;
  }
}

int buttonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}
}  // namespace

WorkAreaView::WorkAreaView(Player& player, QWidget* parent) : QWidget(parent), player_(player) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(kWorkAreaWidth / 2, kWorkAreaHeight / 2);
}

void WorkAreaView::updatePlacement() {
  Rect r = workAreaPlacement(width(), height(), &scale_);
  placement_ = QRect(r.x, r.y, r.w, r.h);
}

void WorkAreaView::resizeEvent(QResizeEvent*) { updatePlacement(); }

QPoint WorkAreaView::toWorkArea(QPointF p) const {
  return QPoint(int(std::floor((p.x() - placement_.x()) / scale_)),
                int(std::floor((p.y() - placement_.y()) / scale_)));
}

void WorkAreaView::refreshWorkAreaRect(const Rect& r) {
  QRect area(int(std::floor(r.x * scale_)) + placement_.x() - 1,
             int(std::floor(r.y * scale_)) + placement_.y() - 1, int(std::ceil(r.w * scale_)) + 3,
             int(std::ceil(r.h * scale_)) + 3);
  repaint(area.intersected(rect()));
}

void WorkAreaView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  // Whole-number scales keep pixels sharp; other scales are smoothed.
  const double device = scale_ * devicePixelRatioF();
  painter.setRenderHint(QPainter::SmoothPixmapTransform,
                        std::abs(device - std::round(device)) > 0.01);
  painter.drawImage(placement_, wrapImage(std::as_const(player_.workArea.drawing)));
  const Surface& popup = player_.popup;
  if (popup.visible && !popup.drawing.isNull()) {
    const Rect& pl = popup.placement;
    QRectF target(placement_.x() + pl.x * scale_, placement_.y() + pl.y * scale_, pl.w * scale_,
                  pl.h * scale_);
    painter.drawImage(target, wrapImage(std::as_const(popup.drawing)));
  }
  // bench/startup.sh times the start-up to the end of the first paint: with
  // VINTARA_EXIT_AFTER_FIRST_PAINT set the program ends right after it.
  static const bool exitAfterFirstPaint = qEnvironmentVariableIsSet("VINTARA_EXIT_AFTER_FIRST_PAINT");
  if (exitAfterFirstPaint) QCoreApplication::exit(0);
}

void WorkAreaView::mouseMoveEvent(QMouseEvent* e) {
  const QPoint p = toWorkArea(e->position());
  QtPlatform::guarded([&] { onPointerMove(player_, buttonOf(e->button()) | (e->buttons() & Qt::LeftButton ? 1 : 0), p.x(), p.y()); });
}

void WorkAreaView::mousePressEvent(QMouseEvent* e) {
  const QPoint p = toWorkArea(e->position());
  pressInside_ = placement_.contains(e->position().toPoint());
  QtPlatform::guarded([&] { onPointerDown(player_, buttonOf(e->button()), p.x(), p.y()); });
}

void WorkAreaView::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint p = toWorkArea(e->position());
  const bool click = pressInside_ && placement_.contains(e->position().toPoint());
  pressInside_ = false;
  QtPlatform::guarded([&] {
    onPointerUp(player_, buttonOf(e->button()), p.x(), p.y());
    if (click) onClick(player_);
  });
}

MainWindow::MainWindow(QtPlatform& platform, Player& player)
    : platform_(platform), player_(player) {
  setWindowTitle(QStringLiteral("Qelt Vintara"));
  view_ = new WorkAreaView(player, this);
  setCentralWidget(view_);
  buildMenus();

  platform_.mainWindow = this;
  platform_.onRefresh = [this](const Rect& r) { view_->refreshWorkAreaRect(r); };
  platform_.onMenu = [this](MenuItem item, const MenuItemState& s) { applyMenuState(item, s); };
  platform_.onTitle = [this](const std::string& t) { setWindowTitle(fromCp1252(t)); };
  platform_.onPointer = [this](PointerShape shape) {
    view_->setCursor(shape == PointerShape::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
  };

  // The largest whole-number scale of the work area that fits the screen.
  int scale = 1;
  if (QScreen* s = screen()) {
    const QRect avail = s->availableGeometry();
    scale = std::max(1, int(std::min(avail.width() * 0.9 / kWorkAreaWidth,
                                     avail.height() * 0.85 / kWorkAreaHeight)));
  }
  resize(kWorkAreaWidth * scale, kWorkAreaHeight * scale + menuBar()->sizeHint().height());
}

void MainWindow::buildMenus() {
  struct Row {
    MenuItem item;
    const char* caption;
  };
  auto add = [this](QMenu* menu, const Row& row) {
    QAction* a = menu->addAction(QString::fromUtf8(row.caption));
    actions_[size_t(row.item)] = a;
    a->setEnabled(isBuilt(row.item));
    player_.shell.menus[size_t(row.item)].caption = row.caption;
    return a;
  };
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  for (Row r : {Row{MenuItem::FileNew, "&New"}, Row{MenuItem::FileOpen, "&Open..."},
                Row{MenuItem::FileSave, "&Save"}, Row{MenuItem::FileSaveAs, "Save &As..."}})
    add(file, r);
  file->addSeparator();
  add(file, {MenuItem::FilePrintExam, "&Print exam"});
  add(file, {MenuItem::FilePrinterSetup, "P&rinter set-up..."});
  add(file, {MenuItem::FilePreferences, "Pr&eferences..."});
  file->addSeparator();
  connect(add(file, {MenuItem::FileExit, "E&xit"}), &QAction::triggered, this, &QWidget::close);

  QMenu* menu = menuBar()->addMenu(QStringLiteral("&Menu"));
  connect(add(menu, {MenuItem::ReturnToMainMenu, "Return to main menu"}), &QAction::triggered, this,
          [this] { QtPlatform::guarded([this] { mnuReturn_Click(player_); }); });

  QMenu* utils = menuBar()->addMenu(QStringLiteral("&Utilities"));
  for (Row r : {Row{MenuItem::UtilWordProcessor, "&Word processor"},
                Row{MenuItem::UtilCalculator, "&Calculator"},
                Row{MenuItem::UtilFormulaSheet, "&Formula Sheet"}, Row{MenuItem::UtilIndex, "&Index"},
                Row{MenuItem::UtilItem4, ""}})
    add(utils, r);
  actions_[size_t(MenuItem::UtilItem4)]->setVisible(false);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  add(help, {MenuItem::HelpTutorial, "&Tutorial"});
  add(help, {MenuItem::HelpAbout, "&About"});
}

void MainWindow::applyMenuState(MenuItem item, const MenuItemState& s) {
  QAction* a = actions_[size_t(item)];
  if (!a) return;
  a->setText(fromCp1252(s.caption));
  a->setEnabled(s.enabled && isBuilt(item));
  a->setCheckable(s.checked);
  a->setChecked(s.checked);
  a->setVisible(s.visible);
}

}  // namespace vintara
