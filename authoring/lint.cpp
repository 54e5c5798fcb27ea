#include "authoring/lint.h"

#include <set>

#include "content/content_paths.h"
#include "content/content_store.h"
#include "content/counted_text.h"
#include "content/course_tree.h"
#include "engine/command_table.h"
#include "engine/numbers.h"
#include "engine/script_text.h"
#include "platform/text_codec.h"

namespace vintara {

namespace {

std::string quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }

// The signature letter of parameter `index` (1-based) in a command's
// signature, or 0 when the signature does not say; `required` tells whether
// the parameter comes before the "[".
char signatureLetter(std::string_view signature, int index, bool& required) {
  required = true;
  int at = 0;
  for (char c : signature) {
    if (c == '[') {
      required = false;
      continue;
    }
    if (c == '*') return 't';
    if (++at == index) return c;
  }
  return 0;
}

class ScriptLinter {
 public:
  ScriptLinter(std::string_view script, const std::string& file, std::vector<GameDataUse>* gameData)
      : script_(script), file_(file), gameData_(gameData) {}

  std::vector<LintMessage> run() {
    splitLines();
    checkLineEnds();
    for (size_t i = 0; i < lines_.size(); ++i)
      if (!lines_[i].empty() && lines_[i][0] == '@') checkCommand(int(i) + 1);
    return std::move(messages_);
  }

 private:
  void report(int line, const std::string& text) { messages_.push_back({file_, line, text}); }

  // The lines exactly as the player's reader cuts them.
  void splitLines() {
    EngineState e;
    e.scriptText = std::string(script_);
    e.scriptEnd = int(e.scriptText.size());
    e.scriptPos = 1;
    std::string line;
    while (e.scriptPos <= e.scriptEnd) {
      readScriptLine(e, line);
      lines_.push_back(line);
      lower_.push_back(toLower(line));
    }
  }

  void checkLineEnds() {
    int line = 1;
    for (size_t k = 0; k < script_.size(); ++k) {
      if (script_[k] == '\r') {
        if (k + 1 < script_.size() && script_[k + 1] != '\n')
          report(line, "a line ends with CR alone; lines must end with CR LF");
        ++k;  // the reader skips the character after a CR, whatever it is
        ++line;
      } else if (script_[k] == '\n') {
        report(line, "a line ends with LF alone; lines must end with CR LF");
      }
    }
  }

  // Whether a line equal to `lowerText` follows line `line` (or is anywhere
  // when `line` is 0).
  bool lineAfter(int line, const std::string& lowerText) const {
    for (size_t i = size_t(line); i < lower_.size(); ++i)
      if (lower_[i] == lowerText) return true;
    return false;
  }

  void checkCommand(int line) {
    EngineState t;
    if (!tokenizeCommand(t, lines_[size_t(line - 1)])) {
      report(line, "more than 100 parameters");
      return;
    }
    const std::string& word = t.cmdItems[0];
    const CommandInfo* cmd = findCommandAnyCase(word);
    if (!cmd) {
      report(line, "unknown command " + quoted("@" + word));
      return;
    }
    const std::string name = cmd->word;
    const int count = t.cmdItemCount;
    auto param = [&](int i) -> const std::string& { return t.cmdItems[size_t(i)]; };

    checkSignature(line, name, cmd->signature, t);

    if (cmd->blockEnd && !lineAfter(line, cmd->blockEnd))
      report(line, name + ": no " + quoted(cmd->blockEnd) + " line after it");

    if (name == "goto") {
      if (count == 0)
        report(line, "goto: the label name is missing");
      else if (!lineAfter(0, "@label " + toLower(param(1))))
        report(line, "goto: no line " + quoted("@label " + param(1)) + " in the script");
    } else if (name == "count") {
      checkCount(line, t, lineAfter(line, "@label " + toLower(param(count == 3 ? 3 : 1))));
    } else if (name == "set") {
      const unsigned char c = param(1).empty() ? 0 : lowerChar((unsigned char)param(1)[0]);
      if (count == 0 || c < 'a' || c > 'z') report(line, "set: " + quoted(param(1)) + " is not a variable a to z");
    } else if (name == "gdf") {
      gameDataName_ = param(1);
    } else if (name == "gamedatafile") {
      std::string file = param(1);
      if (file != "*") gameDataName_ = file;
      if (!gameDataName_.empty()) file = gameDataName_;
      if (file != "*" && file != "+" && gameData_) gameData_->push_back({line, file});
    }
  }

  void checkSignature(int line, const std::string& name, std::string_view signature,
                      const EngineState& t) {
    const int last = std::max(t.cmdItemCount, int(signature.size()));
    for (int i = 1; i <= last; ++i) {
      bool required = true;
      const char letter = signatureLetter(signature, i, required);
      const std::string which = name + ": parameter " + std::to_string(i);
      if (i > t.cmdItemCount) {
        if (letter == 'n' && required) report(line, which + " (a number) is missing");
        continue;
      }
      const std::string& value = t.cmdItems[size_t(i)];
      if (letter == 'n' && !strictNumber(value, '.')) {
        report(line, which + " is not a number: " + quoted(value));
      } else if (letter == 'v' && !value.empty() && lowerChar((unsigned char)value[0]) > 'z') {
        report(line, which + " is neither a number nor a variable a to z: " + quoted(value));
      }
    }
  }

  void checkCount(int line, const EngineState& t, bool labelFollows) {
    auto counter = [&](int i) {
      auto v = strictNumber(t.cmdItems[size_t(i)], '.');
      if (!v) {
        report(line, "count: parameter " + std::to_string(i) + " is not a number: " +
                         quoted(t.cmdItems[size_t(i)]));
      } else if (*v < 0 || *v > 10) {
        report(line, "count: counter number " + t.cmdItems[size_t(i)] + " is outside 0 to 10");
      }
    };
    if (t.cmdItemCount != 3) {
      if (t.cmdItemCount == 0)
        report(line, "count: parameter 1 (a number) is missing");
      else
        counter(1);
      return;
    }
    counter(2);
    if (!labelFollows)
      report(line, "count: no line " + quoted("@label " + t.cmdItems[3]) + " after it");
  }

  std::string_view script_;
  std::string file_;
  std::vector<GameDataUse>* gameData_;
  std::vector<std::string> lines_, lower_;
  std::string gameDataName_;
  std::vector<LintMessage> messages_;
};

void append(std::vector<LintMessage>& to, std::vector<LintMessage>&& from) {
  for (auto& m : from) to.push_back(std::move(m));
}

}  // namespace

std::vector<LintMessage> lintScript(std::string_view script, const std::string& file,
                                    std::vector<GameDataUse>* gameData) {
  return ScriptLinter(script, file, gameData).run();
}

std::vector<LintMessage> lintContent(const std::string& contentRoot) {
  std::vector<LintMessage> out;
  ContentPaths paths;
  paths.setRoot(contentRoot);
  const std::string mapPath = "database\\treeView.map";
  std::string data, why;
  MapFile map;
  if (!readWholeFile(paths.resolve(mapPath), data)) {
    out.push_back({mapPath, 0, "cannot read the course tree map below " + contentRoot});
    return out;
  }
  if (!parseMapFile(data, map, why)) {
    out.push_back({mapPath, 0, "the course tree map is damaged: " + why});
    return out;
  }
  CourseTree tree;
  tree.build(map);

  std::set<std::string> checked;  // content paths in lower case
  for (int node = 1; node <= tree.count(); ++node) {
    const int kind = tree.kindOfNode(node);
    const std::string file = node == 1 ? "database\\script\\main.mnu"
                             : kind == kHelpItem
                                 ? "database\\help\\ID" + std::to_string(tree.scriptNumber(node - 1)) + ".txt"
                                 : scriptPathOf(tree, node);
    if (!checked.insert(toLower(file)).second) continue;
    std::string bytes;
    if (!readWholeFile(paths.resolve(file), bytes)) {
      // A menu may have no script; every leaf needs one.
      if (kind != kBranch)
        out.push_back({mapPath, node, "the script file " + file + " of " + quoted(tree.caption(node)) +
                                          " does not exist"});
      continue;
    }
    const ScriptFileText text = readLengthPrefixedText(bytes);
    if (text.damaged)
      out.push_back({file, 0, "the length word says " + std::to_string(text.declaredLength) +
                                  " characters but " + std::to_string(text.availableLength) + " follow"});
    std::vector<GameDataUse> uses;
    append(out, lintScript(text.text, file, &uses));

    // Game data runs from the topic's gamedata folder (the main menu has no
    // topic folder of its own).
    for (const auto& use : uses) {
      if (node == 1) continue;
      const std::string gameFile = dataFolderOf(tree, node) + "gamedata\\" + use.name;
      std::string raw;
      if (!readWholeFile(paths.resolve(gameFile), raw)) {
        out.push_back({file, use.line, "gamedatafile: the game data file " + gameFile + " does not exist"});
        continue;
      }
      if (checked.insert(toLower(gameFile)).second) append(out, lintScript(raw, gameFile));
    }
  }
  return out;
}

}  // namespace vintara
