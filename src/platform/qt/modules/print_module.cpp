// The printing module: Qt Print Support behind PrintJob.
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <memory>

#include "platform/qt/qt_graphics.h"
#include "platform/qt/qt_modules.h"

namespace vintara {
namespace {

// Printing in twips: the painter is scaled from twips to device pixels.
class QtPrintJob : public PrintJob {
 public:
  explicit QtPrintJob(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
    ok_ = painter_.begin(printer_.get());
    const double s = printer_->resolution() / 1440.0;
    painter_.scale(s, s);
  }
  void drawText(int x, int y, std::string_view text, const FontSpec& font, Rgb colour) override {
    if (!ok_) return;
    QFont f = QtGraphics::font(font);
    f.setPointSizeF(font.points * 20);  // twips are 1/20 point
    painter_.setFont(f);
    painter_.setPen(QColor::fromRgb(colour));
    paintText(painter_, f, x, y, text, font.face == "symbol");
  }
  void drawImage(int x, int y, const Image& image) override {
    if (!ok_) return;
    QImage img = wrapImage(image);
    painter_.drawImage(QRect(x, y, image.width() * 15, image.height() * 15), img);
  }
  void drawLine(int x0, int y0, int x1, int y1, Rgb colour) override {
    if (!ok_) return;
    painter_.setPen(QColor::fromRgb(colour));
    painter_.drawLine(x0, y0, x1, y1);
  }
  int textWidthTwips(std::string_view text, const FontSpec& font) override {
    QFont f = QtGraphics::font(font);
    f.setPointSizeF(font.points * 20);
    return QFontMetrics(f, printer_.get()).horizontalAdvance(displayText(text, font.face == "symbol"));
  }
  void newPage() override {
    if (ok_) ok_ = printer_->newPage();
  }
  bool finish() override {
    if (painter_.isActive()) painter_.end();
    return ok_;
  }

 private:
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  bool ok_ = false;
};

}  // namespace
}  // namespace vintara

extern "C" Q_DECL_EXPORT vintara::PrintJob* vintaraStartPrintJob(QWidget* parent) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(printer.get(), parent);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return new vintara::QtPrintJob(std::move(printer));
}
