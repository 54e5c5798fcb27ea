// The course tree: every node of the course, loaded once from the binary
// map "database\treeView.map" and then only read.
//
// Nodes are numbered from 1 in file order; a node's number is its
// screenNumber, and its recordNumber is that number minus one. Queries that
// have no answer (the parent of the root, the next sibling of a last
// sibling, a number that is not a node) return 0.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vintara {

enum NodeKind { kBranch = 1, kScreen = 2, kLearningPoint = 3, kHelpItem = 4 };
enum NodeFlag { kFoundation = 1, kHigher = 2, kDouble = 4, kSingle = 8 };

struct MapRecord {
  int level = 0;
  int kind = 0;
  int scriptNumber = 0;
  std::string caption;
  int flags = 0;
};

// Reads the records of a map file. On damage (short data, a length past the
// end, a record with fewer than three "@", a level outside 0 to 50, no
// records) returns false with a description in `error`.
struct MapFile {
  int header[4] = {0, 0, 0, 0};
  int nextScriptNumber = 0;
  std::vector<MapRecord> records;
};
bool parseMapFile(std::string_view data, MapFile& out, std::string& error);
// Splits one record text "level@kind@script@caption".
bool parseRecordText(std::string_view text, MapRecord& out, std::string& error);
// The bytes of a map file (used by the course compiler).
std::string writeMapFile(const MapFile& map);

class CourseTree {
 public:
  // Builds the tree from parsed records (parents by level, as the map says).
  void build(const MapFile& map);
  bool loaded() const { return !nodes_.empty(); }

  int count() const { return int(nodes_.size()); }
  bool isNode(int node) const { return node >= 1 && node <= count(); }

  const std::string& caption(int node) const;
  std::string key(int node) const;  // "k" + recordNumber
  int parent(int node) const;
  int firstChild(int node) const;
  int childCount(int node) const;
  int child(int node, int position) const;  // 1-based position
  int nextSibling(int node) const;
  int previousSibling(int node) const;
  int firstSibling(int node) const;
  int lastSibling(int node) const;
  int positionAmongSiblings(int node) const;  // 1-based; 1 for the root

  // By recordNumber (node - 1); 0 outside the table.
  int nodeKind(int recordNumber) const;
  int scriptNumber(int recordNumber) const;
  int nodeFlags(int recordNumber) const;
  int kindOfNode(int node) const { return nodeKind(node - 1); }

  int nextScriptNumber() const { return nextScriptNumber_; }

  // Walks the children of findPointer for a caption (compared in lower
  // case); see findPointer.
  bool findChildByCaption(std::string_view caption);
  int findPointer = 1;

  static int indexMask(std::string_view tierLetter, std::string_view awardLetter);
  bool meantFor(int node, int mask) const { return (nodeFlags(node - 1) & mask) == mask; }

 private:
  struct Node {
    std::string caption;
    int parent = 0;
    std::vector<int> children;
    int position = 1;  // among its siblings
  };
  const Node* at(int node) const { return isNode(node) ? &nodes_[node - 1] : nullptr; }

  std::vector<Node> nodes_;
  std::vector<int> kinds_, scriptNumbers_, flags_;
  int nextScriptNumber_ = 0;
};

}  // namespace vintara
