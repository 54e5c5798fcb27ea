#include "authoring/course_compiler.h"

#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <system_error>

#include "content/content_paths.h"
#include "content/content_store.h"
#include "content/counted_text.h"
#include "platform/text_codec.h"

namespace fs = std::filesystem;

namespace vintara {

namespace {

const std::map<std::string, int> kKinds = {
    {"menu", kBranch}, {"screen", kScreen}, {"point", kLearningPoint}, {"help", kHelpItem}};

std::string trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t"), e = s.find_last_not_of(" \t\r");
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

std::vector<std::string> split(const std::string& s, const std::string& sep) {
  std::vector<std::string> out;
  size_t start = 0;
  for (size_t at; (at = s.find(sep, start)) != std::string::npos; start = at + sep.size())
    out.push_back(s.substr(start, at - start));
  out.push_back(s.substr(start));
  return out;
}

bool parseFlags(const std::string& v, int& flags) {
  flags = 0;
  for (char c : v) {
    switch (c) {
      case 'F': case 'f': flags |= kFoundation; break;
      case 'H': case 'h': flags |= kHigher; break;
      case 'D': case 'd': flags |= kDouble; break;
      case 'S': case 's': flags |= kSingle; break;
      default: return false;
    }
  }
  return true;
}

// Sets one attribute of a node; false with a message when it is not known.
bool applyAttribute(OutlineNode& node, const std::string& attr, std::string& why) {
  const size_t eq = attr.find('=');
  const std::string key = trim(attr.substr(0, eq));
  const std::string value = eq == std::string::npos ? std::string() : trim(attr.substr(eq + 1));
  if (key == "script") node.script = value;
  else if (key == "flags") {
    if (!parseFlags(value, node.flags)) {
      why = "flags take the letters F, H, D and S, not \"" + value + "\"";
      return false;
    }
  } else if (key == "id") {
    try {
      node.scriptNumber = std::stoi(value);
    } catch (...) {
      node.scriptNumber = -1;
    }
    if (node.scriptNumber < 1 || node.scriptNumber > 32767) {
      why = "id must be a number from 1 to 32767";
      return false;
    }
    node.explicitId = true;
  } else if (key == "keywords") {
    std::string entry = node.caption;
    for (const std::string& pair : split(value, ";")) {
      auto parts = split(pair, ">");
      if (parts.size() != 2 || trim(parts[0]).empty()) {
        why = "keywords are written keyword>topic;keyword>topic";
        return false;
      }
      entry += "@" + utf8ToCp1252(trim(parts[0])) + "@" + utf8ToCp1252(trim(parts[1]));
    }
    node.indexEntry = entry;
  } else if (key == "noindex") {
    node.indexEntry.clear();
  } else {
    why = "unknown attribute \"" + key + "\"";
    return false;
  }
  return true;
}

}  // namespace

std::vector<OutlineNode> parseOutline(const std::string& text, const std::string& fileName,
                                      std::vector<CompileMessage>& messages) {
  std::vector<OutlineNode> nodes;
  std::istringstream in(text);
  std::string raw;
  for (int lineNo = 1; std::getline(in, raw); ++lineNo) {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    const std::string line = trim(raw);
    if (line.empty() || line[0] == '#') continue;
    auto fail = [&](const std::string& why) { messages.push_back({fileName, lineNo, why}); };
    const size_t indent = raw.find_first_not_of(' ');
    if (indent % 2 != 0) {
      fail("indentation must be a multiple of two blanks");
      continue;
    }
    OutlineNode node;
    node.line = lineNo;
    node.level = int(indent / 2);
    auto parts = split(line, "|");
    const std::string head = trim(parts[0]);
    const size_t blank = head.find(' ');
    const std::string kind = head.substr(0, blank);
    auto k = kKinds.find(kind);
    if (k == kKinds.end()) {
      fail("unknown kind \"" + kind + "\" (menu, screen, point or help)");
      continue;
    }
    node.kind = k->second;
    node.caption = utf8ToCp1252(blank == std::string::npos ? "" : trim(head.substr(blank + 1)));
    node.indexEntry = node.caption;
    if (nodes.empty() && node.level != 0) fail("the first node must be the main menu at level 0");
    if (!nodes.empty() && node.level > nodes.back().level + 1)
      fail("the level jumps from " + std::to_string(nodes.back().level) + " to " +
           std::to_string(node.level) + "; a child is one level below its parent");
    if (node.level > 50) fail("levels go up to 50");
    bool ok = true;
    for (size_t i = 1; i < parts.size(); ++i) {
      std::string why;
      if (!applyAttribute(node, trim(parts[i]), why)) {
        fail(why);
        ok = false;
      }
    }
    if (ok) nodes.push_back(std::move(node));
  }
  if (nodes.empty() && messages.empty()) messages.push_back({fileName, 1, "the outline has no nodes"});
  return nodes;
}

bool compileScriptText(const std::string& source, std::string& fileBytes, int& length) {
  std::string text;
  text.reserve(source.size() + source.size() / 20);
  for (size_t i = 0; i < source.size(); ++i) {
    char c = source[i];
    if (c == '\r') {
      if (i + 1 < source.size() && source[i + 1] == '\n') ++i;
      text += "\r\n";
    } else if (c == '\n') {
      text += "\r\n";
    } else {
      text += c;
    }
  }
  text = utf8ToCp1252(text);
  length = int(text.size());
  if (text.size() > size_t(kMaxScriptLength)) return false;
  CountedWriter w;
  w.writeCountedText(text);
  fileBytes = w.take();
  return true;
}

namespace {

struct Compiler {
  fs::path src, out;
  const CompileOptions& options;
  std::vector<CompileMessage> messages;
  const std::string outlineName = "course.txt";

  void fail(const std::string& file, int line, const std::string& why) {
    messages.push_back({file, line, why});
  }

  void assignScriptNumbers(std::vector<OutlineNode>& nodes, int& next) {
    std::set<int> used;
    for (auto& n : nodes)
      if (n.explicitId && !used.insert(n.scriptNumber).second)
        fail(outlineName, n.line, "id " + std::to_string(n.scriptNumber) + " is used twice");
    next = 1;
    for (auto& n : nodes) {
      if (n.kind < kScreen || n.explicitId) continue;
      while (used.count(next)) ++next;
      n.scriptNumber = next;
      used.insert(next);
    }
    next = used.empty() ? 1 : *used.rbegin() + 1;
  }

  void compileScript(const OutlineNode& node, const std::string& target,
                     std::map<std::string, int>& written) {
    const std::string key = toLower(target);
    if (auto it = written.find(key); it != written.end()) {
      fail(outlineName, node.line, "its script file " + target + " is also the file of line " +
                                       std::to_string(it->second));
      return;
    }
    written[key] = node.line;
    std::string source;
    if (node.script.empty()) {
      if (node.kind != kBranch) fail(outlineName, node.line, "a " + std::string(node.kind == kHelpItem ? "help item" : "leaf") + " needs script=FILE");
      return;
    }
    if (!readWholeFile((src / "scripts" / node.script).string(), source)) {
      fail(outlineName, node.line, "missing script file scripts/" + node.script);
      return;
    }
    std::string bytes;
    int length = 0;
    if (!compileScriptText(source, bytes, length)) {
      fail("scripts/" + node.script, 1,
           "the script is " + std::to_string(length) +
               " characters long; a script file holds at most 32767");
      return;
    }
    std::string native = target;
    for (auto& c : native)
      if (c == '\\') c = '/';
    if (!writeWholeFile((out / cp1252ToUtf8(native)).string(), bytes))
      fail(outlineName, node.line, "cannot write " + (out / native).string());
  }

  void copyContent() {
    const fs::path from = src / "content";
    std::error_code ec;
    if (!fs::is_directory(from, ec)) return;
    for (auto it = fs::recursive_directory_iterator(from, ec); !ec && it != fs::end(it); it.increment(ec)) {
      if (!it->is_regular_file()) continue;
      fs::path rel = fs::relative(it->path(), from);
      std::string bytes;
      if (rel.extension() == ".svg" && options.convertSvg) {
        if (!options.convertSvg(it->path().string(), bytes)) {
          fail("content/" + rel.string(), 1, "cannot draw this picture");
          continue;
        }
        rel.replace_extension(".bmp");
      } else if (!readWholeFile(it->path().string(), bytes)) {
        fail("content/" + rel.string(), 1, "cannot read this file");
        continue;
      }
      if (!writeWholeFile((out / rel).string(), bytes))
        fail("content/" + rel.string(), 1, "cannot write it");
    }
  }

  void run() {
    std::string outline;
    if (!readWholeFile((src / outlineName).string(), outline)) {
      fail(outlineName, 1, "cannot read the course outline " + (src / outlineName).string());
      return;
    }
    std::vector<OutlineNode> nodes = parseOutline(outline, outlineName, messages);
    if (!messages.empty()) return;
    int next = 1;
    assignScriptNumbers(nodes, next);

    MapFile map;
    map.nextScriptNumber = next;
    for (const auto& n : nodes) map.records.push_back({n.level, n.kind, n.scriptNumber, n.caption, n.flags});
    CourseTree tree;
    tree.build(map);

    std::map<std::string, int> written;
    for (size_t i = 0; i < nodes.size(); ++i) {
      const int screen = int(i) + 1;
      const std::string target = nodes[i].kind == kHelpItem
                                     ? "database\\help\\ID" + std::to_string(nodes[i].scriptNumber) + ".txt"
                                     : scriptPathOf(tree, screen);
      compileScript(nodes[i], target, written);
    }

    CountedWriter search;
    for (const auto& n : nodes) search.writeCountedText(n.indexEntry);
    std::error_code ec;
    fs::create_directories(out, ec);
    if (!writeWholeFile((out / "database" / "treeView.map").string(), writeMapFile(map)) ||
        !writeWholeFile((out / "search.inf").string(), search.take()) ||
        !writeWholeFile((out / "vintara.del").string(), "Qelt Vintara content\r\n"))
      fail(outlineName, 1, "cannot write the content into " + out.string());
    copyContent();
  }
};

}  // namespace

std::vector<CompileMessage> compileCourse(const std::string& sourceDir, const std::string& outDir,
                                          const CompileOptions& options) {
  Compiler c{sourceDir, outDir, options, {}};
  c.run();
  return c.messages;
}

std::string printOutline(const MapFile& map) {
  std::string out;
  for (const auto& r : map.records) {
    out += std::string(size_t(std::max(0, r.level)) * 2, ' ');
    auto kind = std::find_if(kKinds.begin(), kKinds.end(), [&](auto& k) { return k.second == r.kind; });
    out += kind == kKinds.end() ? "kind" + std::to_string(r.kind) : kind->first;
    out += " " + cp1252ToUtf8(r.caption);
    if (r.kind >= kScreen) out += " | id=" + std::to_string(r.scriptNumber);
    if (r.flags != 15) {
      std::string letters;
      if (r.flags & kFoundation) letters += 'F';
      if (r.flags & kHigher) letters += 'H';
      if (r.flags & kDouble) letters += 'D';
      if (r.flags & kSingle) letters += 'S';
      out += " | flags=" + letters;
    }
    out += "\n";
  }
  return out;
}

}  // namespace vintara
