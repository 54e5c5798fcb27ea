// The keyword index "search.inf" and the data the index window is built
// from: the tree of the records meant for the pupil and the keyword table.
//
// search.inf runs parallel to the course map: one counted text per map
// record, in the same order, with no header. An entry is empty (the record
// is not in the index), a caption alone, or
//   caption "@" keyword "@" topic "@" keyword "@" topic ...
// Nothing here needs a window; the index window shows what this builds.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "content/course_tree.h"

namespace vintara {

// The keyword of a pair whose "@" is missing.
inline constexpr std::string_view kMissingKeyword = "MISSING @!";
// A keyword keeps this many topics; further ones are left out.
constexpr int kMaxKeywordTopics = 31;
// The keyword part of an entry, and every remainder of it, is cut at this
// many characters.
constexpr size_t kIndexTextCut = 999;

// One entry split into its caption and its keyword/topic pairs (keyword
// and topic as written).
struct IndexEntry {
  std::string caption;
  std::vector<std::pair<std::string, std::string>> pairs;
};
IndexEntry splitIndexEntry(std::string_view entry);

// The entries of search.inf for a map of `recordCount` records. An entry
// the file does not hold (it is short or damaged) is empty; `damage` then
// says what is wrong, naming the entry.
struct SearchFile {
  std::vector<std::string> entries;
  std::string damage;
};
SearchFile readSearchFile(std::string_view data, size_t recordCount);

struct KeywordTopic {
  std::string topic;    // lower case
  int recordNumber = 0;  // of the entry that gave the topic
  int indexNode = 0;     // nodes in the index tree before that entry's node
};

struct KeywordRecord {
  std::string keyword;  // as written (case kept)
  std::vector<KeywordTopic> topics;  // at most kMaxKeywordTopics, in file order
};

// A node of the index tree: a record meant for the pupil whose entry is
// not empty (the first record always has one, the root).
struct IndexNode {
  int recordNumber = 0;  // the node's key is "k" + recordNumber
  int kind = 0;          // nodeKind of the record
  int parent = 0;        // position of the parent in `nodes` plus one; 0 for a top node
  std::string caption;
  int childCount = 0;
};

struct KeywordIndex {
  std::vector<IndexNode> nodes;         // in the order they were added
  std::vector<KeywordRecord> keywords;  // in the order first met
  std::string damage;                   // from readSearchFile

  // The record of a keyword (exact comparison), or null.
  const KeywordRecord* find(std::string_view keyword) const;
};

// Builds the index tree and the keyword table from the course map and the
// bytes of search.inf, for a pupil whose indexMask is `indexMask` (a record
// is shown when its flags hold every bit of the mask).
KeywordIndex buildKeywordIndex(const MapFile& map, std::string_view searchInf, int indexMask);

}  // namespace vintara
