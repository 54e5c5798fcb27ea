// The course map "database\treeView.map": parsing, building the course
// tree and every query the player makes of it, on arbitrary bytes.
#include <cstdint>
#include <string>
#include <string_view>

#include "content/content_store.h"
#include "content/course_tree.h"
#include "fuzz_check.h"

using namespace vintara;

namespace {

// What the compiler writes from parsed records reads back the same.
void checkRoundTrip(const MapFile& map) {
  for (const auto& r : map.records)
    if (r.caption.size() > 32700) return;  // the writer's callers keep texts short
  MapFile again;
  std::string error;
  FUZZ_CHECK(parseMapFile(writeMapFile(map), again, error));
  FUZZ_CHECK(again.nextScriptNumber == map.nextScriptNumber);
  FUZZ_CHECK(again.records.size() == map.records.size());
  for (size_t i = 0; i < map.records.size(); ++i) {
    const MapRecord &a = map.records[i], &b = again.records[i];
    FUZZ_CHECK(a.level == b.level && a.kind == b.kind && a.scriptNumber == b.scriptNumber &&
               a.caption == b.caption && a.flags == b.flags);
  }
}

void walk(CourseTree& tree) {
  const int count = tree.count();
  for (int node : {-1, 0, count + 1}) {
    FUZZ_CHECK(!tree.isNode(node));
    FUZZ_CHECK(tree.parent(node) == 0 && tree.firstChild(node) == 0 && tree.nextSibling(node) == 0);
    FUZZ_CHECK(tree.caption(node).empty() && tree.key(node).empty());
  }
  int children = 0;
  for (int node = 1; node <= count; ++node) {
    const int parent = tree.parent(node);
    FUZZ_CHECK(node == 1 ? parent == 0 : (parent >= 1 && parent < node));
    FUZZ_CHECK(tree.key(node) == "k" + std::to_string(node - 1));
    const int position = tree.positionAmongSiblings(node);
    if (parent) FUZZ_CHECK(tree.child(parent, position) == node);
    const int first = tree.firstSibling(node), last = tree.lastSibling(node);
    FUZZ_CHECK(tree.isNode(first) && tree.isNode(last));
    if (int next = tree.nextSibling(node)) FUZZ_CHECK(tree.previousSibling(next) == node);
    if (int prev = tree.previousSibling(node)) FUZZ_CHECK(tree.nextSibling(prev) == node);
    const int n = tree.childCount(node);
    children += n;
    for (int c = 1; c <= n; ++c) FUZZ_CHECK(tree.parent(tree.child(node, c)) == node);
    FUZZ_CHECK(tree.child(node, 0) == 0 && tree.child(node, n + 1) == 0);
    FUZZ_CHECK(tree.firstChild(node) == (n ? tree.child(node, 1) : 0));
    (void)tree.nodeKind(node - 1);
    (void)tree.scriptNumber(node - 1);
    (void)tree.meantFor(node, CourseTree::indexMask("H", "S"));
    // The script lookup climbs the tree from every node.
    const std::string folder = dataFolderOf(tree, node);
    const std::string path = scriptPathOf(tree, node);
    FUZZ_CHECK(path.rfind("database\\", 0) == 0 && folder.rfind("database\\", 0) == 0);
  }
  FUZZ_CHECK(children == (count ? count - 1 : 0));
  // Item help walks down by captions from the root.
  tree.findPointer = 1;
  for (int node = 2; node <= count && node < 64; ++node) {
    tree.findChildByCaption(tree.caption(node));
    FUZZ_CHECK(tree.findPointer == 0 || tree.isNode(tree.findPointer));
    if (tree.findPointer == 0) tree.findPointer = 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  MapFile map;
  std::string error;
  if (!parseMapFile(bytes, map, error)) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  FUZZ_CHECK(!map.records.empty());
  checkRoundTrip(map);
  CourseTree tree;
  tree.build(map);
  FUZZ_CHECK(tree.count() == int(map.records.size()));
  walk(tree);
  return 0;
}
