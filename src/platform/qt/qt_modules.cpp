#include "platform/qt/qt_modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace vintara {

namespace {
// Finds a module beside the program (a build tree) or where it is
// installed, and resolves one exported function. Modules stay loaded.
QFunctionPointer resolveInModule(const char* module, const char* symbol) {
  const QString dir = QCoreApplication::applicationDirPath();
  const QStringList places = {dir + "/lib" + module + ".so",
                              QDir::cleanPath(dir + "/../lib/qelt-vintara/lib" + module + ".so")};
  for (const QString& path : places) {
    QLibrary lib(path);
    if (!lib.load()) continue;
    if (QFunctionPointer f = lib.resolve(symbol)) return f;
  }
  qWarning("vintara: the module %s cannot be loaded", module);
  return nullptr;
}
}  // namespace

std::unique_ptr<AudioBackend> loadAudioBackend() {
  static auto create = reinterpret_cast<CreateAudioBackendFn>(
      resolveInModule("vintara-audio", "vintaraCreateAudioBackend"));
  return std::unique_ptr<AudioBackend>(create ? create() : nullptr);
}

std::unique_ptr<PrintJob> startQtPrintJob(QWidget* parent) {
  static auto start =
      reinterpret_cast<StartPrintJobFn>(resolveInModule("vintara-print", "vintaraStartPrintJob"));
  return std::unique_ptr<PrintJob>(start ? start(parent) : nullptr);
}

}  // namespace vintara
