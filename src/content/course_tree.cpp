#include "content/course_tree.h"

#include "content/counted_text.h"
#include "engine/numbers.h"
#include "platform/text_codec.h"

namespace vintara {

namespace {
const std::string kNoText;
constexpr int kMaxLevel = 50;

bool readIntField(std::string_view field, int& out) {
  auto v = toInt16(leadingNumberValue(field));
  if (!v) return false;
  out = *v;
  return true;
}
}  // namespace

bool parseRecordText(std::string_view text, MapRecord& out, std::string& error) {
  size_t a = text.find('@');
  size_t b = a == std::string_view::npos ? a : text.find('@', a + 1);
  size_t c = b == std::string_view::npos ? b : text.find('@', b + 1);
  if (c == std::string_view::npos) {
    error = "a record has fewer than three \"@\"";
    return false;
  }
  if (!readIntField(text.substr(0, a), out.level) || out.level < 0 || out.level > kMaxLevel) {
    error = "a record's level is outside 0 to 50";
    return false;
  }
  if (!readIntField(text.substr(a + 1, b - a - 1), out.kind) ||
      !readIntField(text.substr(b + 1, c - b - 1), out.scriptNumber)) {
    error = "a record's kind or script number is out of range";
    return false;
  }
  out.caption = std::string(text.substr(c + 1));
  return true;
}

bool parseMapFile(std::string_view data, MapFile& out, std::string& error) {
  CountedReader in(data);
  out = MapFile{};
  int words[6];
  for (int& w : words)
    if (!in.readInt16(w)) {
      error = "the file is too short for its header";
      return false;
    }
  for (int i = 0; i < 4; ++i) out.header[i] = words[i];
  out.nextScriptNumber = words[4];
  const int count = words[5];
  if (count <= 0) {
    error = "it holds no records";
    return false;
  }
  out.records.reserve(size_t(count));
  for (int n = 0; n < count; ++n) {
    std::string text;
    MapRecord rec;
    std::string why;
    if (!in.readCountedText(text, why)) {
      error = "record " + std::to_string(n + 1) + " of " + std::to_string(count) + ": " + why;
      return false;
    }
    if (!parseRecordText(text, rec, why)) {
      error = "record " + std::to_string(n + 1) + ": " + why;
      return false;
    }
    if (!in.readInt16(rec.flags)) {
      error = "record " + std::to_string(n + 1) + " of " + std::to_string(count) +
              ": the file ends before its flags";
      return false;
    }
    out.records.push_back(std::move(rec));
  }
  return true;
}

std::string writeMapFile(const MapFile& map) {
  CountedWriter w;
  for (int h : map.header) w.writeInt16(h);
  w.writeInt16(map.nextScriptNumber);
  w.writeInt16(int(map.records.size()));
  for (const auto& r : map.records) {
    w.writeCountedText(std::to_string(r.level) + "@" + std::to_string(r.kind) + "@" +
                       std::to_string(r.scriptNumber) + "@" + r.caption);
    w.writeInt16(r.flags);
  }
  return w.take();
}

void CourseTree::build(const MapFile& map) {
  nodes_.clear();
  kinds_.clear();
  scriptNumbers_.clear();
  flags_.clear();
  nextScriptNumber_ = map.nextScriptNumber;
  int parentByLevel[kMaxLevel + 1] = {};
  for (size_t n = 0; n < map.records.size(); ++n) {
    const MapRecord& r = map.records[n];
    kinds_.push_back(r.kind);
    scriptNumbers_.push_back(r.scriptNumber);
    flags_.push_back(r.flags);
    Node node;
    node.caption = r.caption;
    const int index = int(n) + 1;
    if (n > 0) {
      int level = r.level < 0 ? 0 : (r.level > kMaxLevel ? kMaxLevel : r.level);
      node.parent = parentByLevel[level] ? parentByLevel[level] : index - 1;
      auto& siblings = nodes_[node.parent - 1].children;
      siblings.push_back(index);
      node.position = int(siblings.size());
    }
    nodes_.push_back(std::move(node));
    if (r.kind == kBranch && r.level + 1 <= kMaxLevel && r.level >= 0)
      parentByLevel[r.level + 1] = index;
  }
  findPointer = 1;
}

const std::string& CourseTree::caption(int node) const {
  const Node* n = at(node);
  return n ? n->caption : kNoText;
}

std::string CourseTree::key(int node) const {
  return isNode(node) ? "k" + std::to_string(node - 1) : std::string();
}

int CourseTree::parent(int node) const {
  const Node* n = at(node);
  return n ? n->parent : 0;
}

int CourseTree::firstChild(int node) const { return child(node, 1); }

int CourseTree::childCount(int node) const {
  const Node* n = at(node);
  return n ? int(n->children.size()) : 0;
}

int CourseTree::child(int node, int position) const {
  const Node* n = at(node);
  if (!n || position < 1 || position > int(n->children.size())) return 0;
  return n->children[size_t(position - 1)];
}

int CourseTree::nextSibling(int node) const {
  const Node* n = at(node);
  return n && n->parent ? child(n->parent, n->position + 1) : 0;
}

int CourseTree::previousSibling(int node) const {
  const Node* n = at(node);
  return n && n->parent ? child(n->parent, n->position - 1) : 0;
}

int CourseTree::firstSibling(int node) const {
  const Node* n = at(node);
  if (!n) return 0;
  return n->parent ? child(n->parent, 1) : node;
}

int CourseTree::lastSibling(int node) const {
  const Node* n = at(node);
  if (!n) return 0;
  return n->parent ? child(n->parent, childCount(n->parent)) : node;
}

int CourseTree::positionAmongSiblings(int node) const {
  const Node* n = at(node);
  return n ? n->position : 0;
}

int CourseTree::nodeKind(int rec) const {
  return rec >= 0 && rec < int(kinds_.size()) ? kinds_[size_t(rec)] : 0;
}
int CourseTree::scriptNumber(int rec) const {
  return rec >= 0 && rec < int(scriptNumbers_.size()) ? scriptNumbers_[size_t(rec)] : 0;
}
int CourseTree::nodeFlags(int rec) const {
  return rec >= 0 && rec < int(flags_.size()) ? flags_[size_t(rec)] : 0;
}

bool CourseTree::findChildByCaption(std::string_view wanted) {
  const std::string want = toLower(wanted);
  const Node* n = at(findPointer);
  if (n) {
    for (int c : n->children)
      if (toLower(nodes_[size_t(c - 1)].caption) == want) {
        findPointer = c;
        return true;
      }
  }
  findPointer = firstChild(findPointer);
  return false;
}

int CourseTree::indexMask(std::string_view tierLetter, std::string_view awardLetter) {
  return (tierLetter == "H" ? kHigher : kFoundation) + (awardLetter == "S" ? kSingle : kDouble);
}

}  // namespace vintara
