// The keyword index "search.inf" on arbitrary bytes, read against a small
// course map for each of the four kinds of pupil.
#include <cstdint>
#include <string>
#include <string_view>

#include "find/search_index.h"
#include "fuzz_check.h"
#include "platform/text_codec.h"

using namespace vintara;

namespace {

const MapFile& smallMap() {
  static const MapFile map = [] {
    MapFile m;
    constexpr int all = kFoundation | kHigher | kDouble | kSingle;
    m.records = {
        {0, kBranch, 0, "Main Menu", all},
        {1, kBranch, 0, "Waves", all},
        {2, kBranch, 0, "Describing waves", kFoundation | kHigher | kDouble},
        {3, kScreen, 1, "Parts of a wave", kHigher | kDouble},
        {3, kLearningPoint, 2, "Amplitude", kFoundation | kSingle},
        {2, kScreen, 3, "Revision: waves", all},
        {1, kBranch, 0, "Energy", kFoundation | kDouble | kSingle},
        {5, kScreen, 4, "Deeper than any branch", all},
        {50, kBranch, 0, "Deepest", all},
        {1, kBranch, 0, "Help", all},
        {2, kHelpItem, 5, "Circuits", 0},
        {2, kHelpItem, 6, "Quiz", all},
    };
    return m;
  }();
  return map;
}

void check(const MapFile& map, const KeywordIndex& index, int mask) {
  const auto& nodes = index.nodes;
  std::vector<int> children(nodes.size(), 0);
  for (size_t i = 0; i < nodes.size(); ++i) {
    const IndexNode& n = nodes[i];
    FUZZ_CHECK(n.recordNumber >= 0 && size_t(n.recordNumber) < map.records.size());
    FUZZ_CHECK((map.records[size_t(n.recordNumber)].flags & mask) == mask);
    FUZZ_CHECK(i == 0 || n.recordNumber > nodes[i - 1].recordNumber);
    FUZZ_CHECK(n.parent >= 0 && size_t(n.parent) <= i);
    if (n.parent) ++children[size_t(n.parent - 1)];
  }
  for (size_t i = 0; i < nodes.size(); ++i) FUZZ_CHECK(nodes[i].childCount == children[i]);

  for (size_t k = 0; k < index.keywords.size(); ++k) {
    const KeywordRecord& rec = index.keywords[k];
    FUZZ_CHECK(index.find(rec.keyword) == &rec);  // keywords are distinct
    FUZZ_CHECK(!rec.topics.empty() && int(rec.topics.size()) <= kMaxKeywordTopics);
    FUZZ_CHECK(rec.keyword.size() <= kIndexTextCut);
    for (const KeywordTopic& t : rec.topics) {
      FUZZ_CHECK(t.topic == toLower(t.topic) && t.topic.size() <= kIndexTextCut);
      // The entry that gave the topic has the node right after those before it.
      FUZZ_CHECK(t.indexNode >= 0 && size_t(t.indexNode) < nodes.size());
      FUZZ_CHECK(nodes[size_t(t.indexNode)].recordNumber == t.recordNumber);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const MapFile& map = smallMap();
  for (const char* tier : {"F", "H"})
    for (const char* award : {"D", "S"}) {
      const int mask = CourseTree::indexMask(tier, award);
      check(map, buildKeywordIndex(map, bytes, mask), mask);
    }
  // The whole input as one entry, and as a file of many entries.
  const IndexEntry one = splitIndexEntry(bytes);
  FUZZ_CHECK(one.caption.size() <= size);
  const SearchFile file = readSearchFile(bytes, 300);
  FUZZ_CHECK(file.entries.size() == 300);
  return 0;
}
