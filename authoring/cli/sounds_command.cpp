// vintara-author sounds LIST OUT
//
// Makes the sounds of a course: synthesised effects, and spoken text through
// espeak-ng when it is installed (silence of about the same length in its
// place when it is not, so that scripts waiting for speech still work).
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>

#include "assess/wav_info.h"
#include "authoring/cli/commands.h"
#include "authoring/sound_synth.h"
#include "content/content_paths.h"

namespace vintara::cli {

namespace {

// Speaks `text` into a wave file with espeak-ng; false when that fails.
bool speak(const QString& program, const std::string& text, const std::string& path) {
  QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
  QProcess p;
  p.start(program, {"-v", "en-gb", "-s", "150", "-w", QString::fromStdString(path),
                    QString::fromUtf8(text.c_str())});
  if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
    return false;
  std::string bytes;
  return readWholeFile(path, bytes) && wavDurationMs(bytes).value_or(0) > 0;
}

}  // namespace

int sounds(const Args& args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: vintara-author sounds LIST OUT\n");
    return 2;
  }
  std::string list;
  if (!readWholeFile(args[0], list)) {
    std::fprintf(stderr, "%s: cannot be read\n", args[0].c_str());
    return 1;
  }
  std::vector<CompileMessage> messages;
  const std::vector<SoundLine> lines = parseSoundList(list, args[0], messages);
  for (const auto& m : messages) std::fprintf(stderr, "%s\n", m.format().c_str());
  if (!messages.empty()) return 1;

  // VINTARA_NO_SPEECH=1 makes silent speech even where espeak-ng exists
  // (quick builds, reproducible files).
  const QString espeak = qEnvironmentVariableIsSet("VINTARA_NO_SPEECH")
                             ? QString()
                             : QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
  int effects = 0, spoken = 0, silent = 0;
  for (const SoundLine& s : lines) {
    const std::string path = args[1] + "/" + s.path;
    bool ok;
    if (!s.speech) {
      ok = writeWholeFile(path, pcmWaveFile(synthesiseEffect(s.what)));
      ++effects;
    } else if (!espeak.isEmpty() && speak(espeak, s.what, path)) {
      ok = true;
      ++spoken;
    } else {
      ok = writeWholeFile(path, pcmWaveFile(silenceFor(s.what)));
      ++silent;
    }
    if (!ok) {
      std::fprintf(stderr, "%s:%d: cannot write %s\n", args[0].c_str(), s.line, path.c_str());
      return 1;
    }
  }
  std::printf("sounds: %d effects, %d spoken, %d silent%s\n", effects, spoken, silent,
              silent && espeak.isEmpty() ? " (no espeak-ng, or VINTARA_NO_SPEECH set: speech is silence)" : "");
  return 0;
}

}  // namespace vintara::cli
