#include "shell/qt/main_window.h"

#include <QAction>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QMimeData>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "engine/navigation.h"
#include "output/fields.h"
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

// Drags carry the payload as the clipboard text of the program.
QString payloadText(const DragPayload& d) { return fromCp1252(vintara::payloadText(d.kind, d.text)); }

bool readPayload(const QMimeData* mime, DragPayload& out) {
  if (!mime || !mime->hasText()) return false;
  int kind = 0;
  std::string value;
  if (!parsePayload(toCp1252(mime->text()), kind, value) || kind == 0) return false;
  out = {value, kind};
  return true;
}

// The character code of a key press as the fields take it (Windows-1252;
// control letters as codes 1 to 26), or -1 for a key that types nothing.
int keyPressCode(const QKeyEvent* e) {
  const int key = e->key();
  if ((e->modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
    return key - Qt::Key_A + 1;
  if (key == Qt::Key_Backspace) return 8;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return 13;
  if (key == Qt::Key_Escape) return 27;
  const QString text = e->text();
  if (text.isEmpty() || text[0].unicode() < 32) return -1;
  const std::string bytes = toCp1252(text.left(1));
  return bytes.empty() ? -1 : int((unsigned char)bytes[0]);
}

// The key code of a key release (Backspace 8; letters and digits as their
// upper-case codes), or -1.
int keyUpCode(const QKeyEvent* e) {
  const int key = e->key();
  if (key == Qt::Key_Backspace) return 8;
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return key;
  return -1;
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
  setAcceptDrops(true);
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
  const int held = e->buttons() & Qt::LeftButton ? 1 : 0;
  QtPlatform::guarded([&] { onPointerMove(player_, held, p.x(), p.y()); });
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

void WorkAreaView::setDragPointer(const std::string& nativePath) {
  dragPixmap_ = QPixmap(QString::fromStdString(nativePath));
}

void WorkAreaView::setPointerShape(PointerShape shape) {
  switch (shape) {
    case PointerShape::Hand: setCursor(Qt::PointingHandCursor); break;
    case PointerShape::Wait: setCursor(Qt::WaitCursor); break;
    case PointerShape::Drag:
      if (!dragPixmap_.isNull())
        setCursor(QCursor(dragPixmap_));
      else
        setCursor(Qt::DragMoveCursor);
      break;
    case PointerShape::Arrow: setCursor(Qt::ArrowCursor); break;
  }
}

void WorkAreaView::startDrag(const DragPayload& payload) {
  auto* mime = new QMimeData;
  mime->setText(payloadText(payload));
  QDrag drag(this);
  drag.setMimeData(mime);
  if (!dragPixmap_.isNull()) {
    drag.setPixmap(dragPixmap_);
    drag.setHotSpot(QPoint(dragPixmap_.width() / 2, dragPixmap_.height() / 2));
  }
  // Runs its own event loop until the pupil lets go; the drop, when it is
  // on the work area, arrives through dropEvent meanwhile.
  drag.exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
  pressInside_ = false;
  QtPlatform::guarded([&] { onDragFinished(player_); });
}

void WorkAreaView::dragEnterEvent(QDragEnterEvent* e) {
  DragPayload d;
  if (readPayload(e->mimeData(), d)) e->acceptProposedAction();
}

void WorkAreaView::dragMoveEvent(QDragMoveEvent* e) {
  DragPayload d;
  if (!readPayload(e->mimeData(), d)) return;
  e->acceptProposedAction();
  const QPoint p = toWorkArea(e->position());
  QtPlatform::guarded([&] { onDragOver(player_, p.x(), p.y()); });
}

void WorkAreaView::dropEvent(QDropEvent* e) {
  DragPayload d;
  if (!readPayload(e->mimeData(), d)) return;
  e->acceptProposedAction();
  const QPoint p = toWorkArea(e->position());
  QtPlatform::guarded([&] {
    // A drag from another window (the calculator) brings its own payload.
    if (player_.regions.drag.kind == 0) player_.regions.drag = d;
    onDrop(player_, p.x(), p.y());
  });
}

MainWindow::~MainWindow() { QtPlatform::afterEngine = nullptr; }

MainWindow::MainWindow(QtPlatform& platform, Player& player)
    : platform_(platform), player_(player) {
  setWindowTitle(QStringLiteral("Qelt Vintara"));
  view_ = new WorkAreaView(player, this);
  setCentralWidget(view_);
  buildMenus();
  view_->installEventFilter(this);
  installEventFilter(this);

  platform_.mainWindow = this;
  platform_.onRefresh = [this](const Rect& r) { view_->refreshWorkAreaRect(r); };
  // What the engine drew shows once it is done (a new backdrop, boxes and
  // pictures ask for no refresh of their own).
  QtPlatform::afterEngine = [this] { view_->update(); };
  platform_.onMenu = [this](MenuItem item, const MenuItemState& s) { applyMenuState(item, s); };
  platform_.onTitle = [this](const std::string& t) { setWindowTitle(fromCp1252(t)); };
  platform_.onPointer = [this](PointerShape shape) { view_->setPointerShape(shape); };
  platform_.onDrag = [this](const DragPayload& payload) { view_->startDrag(payload); };
  platform_.onDragPointer = [this](const std::string& path) { view_->setDragPointer(path); };

  // The largest whole-number scale of the work area that fits the screen.
  int scale = 1;
  if (QScreen* s = screen()) {
    const QRect avail = s->availableGeometry();
    scale = std::max(1, int(std::min(avail.width() * 0.9 / kWorkAreaWidth,
                                     avail.height() * 0.85 / kWorkAreaHeight)));
  }
  resize(kWorkAreaWidth * scale, kWorkAreaHeight * scale + menuBar()->sizeHint().height());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((watched == view_ || watched == this) &&
      (type == QEvent::KeyPress || type == QEvent::KeyRelease)) {
    auto* e = static_cast<QKeyEvent*>(event);
    // Alt and Meta combinations belong to the menus.
    if (e->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) return false;
    if (type == QEvent::KeyPress) {
      const int code = keyPressCode(e);
      if (code < 0) return false;
      QtPlatform::guarded([&] {
        onKeyPress(player_, code);
        if (code == 3 || code == 22 || code == 24) onClipboardKey(player_, code);
      });
    } else {
      const int code = keyUpCode(e);
      if (code < 0 || e->isAutoRepeat()) return false;
      QtPlatform::guarded([&] { onKeyUp(player_, code); });
    }
    return true;  // taken here; the key does not go on to the parent
  }
  return QMainWindow::eventFilter(watched, event);
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
  for (Row r : {Row{MenuItem::FileNew, "&New"}, Row{MenuItem::FileOpen, "&Open"},
                Row{MenuItem::FileSave, "&Save"}, Row{MenuItem::FileSaveAs, "Save As..."}})
    add(file, r);
  file->addSeparator();
  add(file, {MenuItem::FilePrintExam, "&Print exam"});
  add(file, {MenuItem::FilePrinterSetup, "Printer Set&up"});
  add(file, {MenuItem::FilePreferences, "Pre&ferences..."});
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
  add(help, {MenuItem::HelpAbout, "About Qelt Vintara"});
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
