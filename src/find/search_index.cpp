#include "find/search_index.h"

#include <algorithm>
#include <unordered_map>

#include "content/counted_text.h"
#include "platform/text_codec.h"

namespace vintara {

namespace {
constexpr int kMaxLevel = 50;

std::string_view cut(std::string_view text, size_t from) {
  return from >= text.size() ? std::string_view() : text.substr(from, kIndexTextCut);
}
}  // namespace

IndexEntry splitIndexEntry(std::string_view entry) {
  IndexEntry out;
  const size_t at = entry.find('@');
  if (at == std::string_view::npos) {
    out.caption = std::string(entry);
    return out;
  }
  out.caption = std::string(entry.substr(0, at));
  // An empty remainder holds no pair, so a trailing "@" adds nothing.
  std::string_view rest = cut(entry, at + 1);
  while (!rest.empty()) {
    std::string keyword;
    const size_t k = rest.find('@');
    if (k == std::string_view::npos) {
      keyword = std::string(kMissingKeyword);
    } else {
      keyword = std::string(rest.substr(0, k));
      rest = cut(rest, k + 1);
    }
    const size_t t = rest.find('@');
    if (t == std::string_view::npos) {
      out.pairs.emplace_back(std::move(keyword), std::string(rest));
      break;
    }
    out.pairs.emplace_back(std::move(keyword), std::string(rest.substr(0, t)));
    rest = cut(rest, t + 1);
  }
  return out;
}

SearchFile readSearchFile(std::string_view data, size_t recordCount) {
  SearchFile out;
  out.entries.resize(recordCount);
  CountedReader in(data);
  for (size_t i = 0; i < recordCount; ++i) {
    std::string why;
    if (!in.readCountedText(out.entries[i], why)) {
      out.entries[i].clear();
      out.damage = "entry " + std::to_string(i + 1) + " of " + std::to_string(recordCount) + ": " + why;
      break;
    }
  }
  return out;
}

const KeywordRecord* KeywordIndex::find(std::string_view keyword) const {
  for (const auto& k : keywords)
    if (k.keyword == keyword) return &k;
  return nullptr;
}

KeywordIndex buildKeywordIndex(const MapFile& map, std::string_view searchInf, int indexMask) {
  KeywordIndex out;
  SearchFile file = readSearchFile(searchInf, map.records.size());
  out.damage = std::move(file.damage);

  std::unordered_map<std::string, size_t> byKeyword;
  // The last shown branch of each level, as the node that takes the next
  // level's records: positions in out.nodes plus one, 0 for none.
  int parentByLevel[kMaxLevel + 1] = {};

  for (size_t n = 0; n < map.records.size(); ++n) {
    const MapRecord& r = map.records[n];
    if ((r.flags & indexMask) != indexMask) continue;
    const std::string& entry = file.entries[n];
    const IndexEntry split = splitIndexEntry(entry);
    const int nodesBefore = int(out.nodes.size());

    for (const auto& [keyword, topic] : split.pairs) {
      auto [it, added] = byKeyword.try_emplace(keyword, out.keywords.size());
      if (added) out.keywords.push_back({keyword, {}});
      auto& topics = out.keywords[it->second].topics;
      if (int(topics.size()) < kMaxKeywordTopics)
        topics.push_back({toLower(topic), int(n), nodesBefore});
    }

    if (n != 0 && entry.empty()) continue;
    const int level = std::clamp(r.level, 0, kMaxLevel);
    int parent = 0;
    if (n != 0) parent = parentByLevel[level] ? parentByLevel[level] : int(out.nodes.size());
    out.nodes.push_back({int(n), r.kind, parent, split.caption, 0});
    if (parent) ++out.nodes[size_t(parent - 1)].childCount;
    // Only a branch that has a node can take children.
    if (r.kind == kBranch && level < kMaxLevel) parentByLevel[level + 1] = int(out.nodes.size());
  }
  return out;
}

}  // namespace vintara
