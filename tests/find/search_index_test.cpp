#include "find/search_index.h"

#include <gtest/gtest.h>

#include "content/counted_text.h"
#include "support/test_support.h"

namespace vintara {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

TEST(SearchIndex, SplitsEntriesIntoCaptionAndPairs) {
  const std::string longKeyword(995, 'k');
  struct Case {
    std::string entry, caption;
    Pairs pairs;
  } cases[] = {
      {"", "", {}},
      {"Circuits", "Circuits", {}},
      {"Waves@wave@Waves@Amplitude@Describing waves",
       "Waves",
       {{"wave", "Waves"}, {"Amplitude", "Describing waves"}}},
      // A pair without its "@" is flagged for the author.
      {"Caption@lonely", "Caption", {{"MISSING @!", "lonely"}}},
      {"Cap@kw1@t1@kw2", "Cap", {{"kw1", "t1"}, {"MISSING @!", "kw2"}}},
      // An empty remainder holds no pair.
      {"Cap@", "Cap", {}},
      {"Cap@kw@t@", "Cap", {{"kw", "t"}}},
      {"Cap@kw@", "Cap", {{"kw", ""}}},
      {"@kw@topic", "", {{"kw", "topic"}}},
      // The keyword part is cut at 999 characters: 995 + "@" leaves three.
      {"Cap@" + longKeyword + "@topic", "Cap", {{longKeyword, "top"}}},
  };
  for (const auto& c : cases) {
    const IndexEntry e = splitIndexEntry(c.entry);
    EXPECT_EQ(e.caption, c.caption) << c.entry.substr(0, 40);
    EXPECT_EQ(e.pairs, c.pairs) << c.entry.substr(0, 40);
  }
}

std::string searchBytes(const std::vector<std::string>& entries) {
  CountedWriter w;
  for (const auto& e : entries) w.writeCountedText(e);
  return w.take();
}

MapFile mapOf(std::initializer_list<MapRecord> records) {
  MapFile m;
  m.records = records;
  return m;
}

constexpr int kAll = kFoundation | kHigher | kDouble | kSingle;
constexpr int kFoundationDouble = kFoundation | kDouble;

TEST(SearchIndex, BuildsTreeAndKeywordTableForThePupil) {
  const MapFile map = mapOf({
      {0, kBranch, 0, "Main", kAll},                        // 0: root, empty entry
      {1, kBranch, 0, "Waves", kAll},                       // 1
      {2, kScreen, 1, "Parts", kAll},                       // 2: no entry, no node
      {2, kScreen, 2, "Higher only", kHigher | kDouble},    // 3: not for the pupil
      {2, kBranch, 0, "Sound", kAll},                       // 4
      {3, kScreen, 3, "Echoes", kAll},                      // 5
      {1, kBranch, 0, "Energy", kAll},                      // 6
      {4, kLearningPoint, 4, "Stray", kAll},                // 7: no branch ever at level 3
  });
  const std::string inf = searchBytes({
      "",
      "Waves@wave@Waves@Frequency@Waves",
      "",
      "Higher only@laser@Higher only",
      "Sound@wave@Sound waves",
      "Echoes@echo@ECHOES",
      "Energy",
      "Stray@frequency@Stray",
  });
  const KeywordIndex index = buildKeywordIndex(map, inf, kFoundationDouble);
  EXPECT_EQ(index.damage, "");

  struct NodeCase {
    int record, parent, children;
    std::string caption;
  } nodes[] = {
      {0, 0, 2, ""},        // the root always has a node
      {1, 1, 1, "Waves"},
      {4, 2, 1, "Sound"},
      {5, 3, 0, "Echoes"},
      {6, 1, 1, "Energy"},  // level 1 again: back under the root
      {7, 5, 0, "Stray"},   // joins the node added just before it
  };
  ASSERT_EQ(index.nodes.size(), std::size(nodes));
  for (size_t i = 0; i < index.nodes.size(); ++i) {
    EXPECT_EQ(index.nodes[i].recordNumber, nodes[i].record) << i;
    EXPECT_EQ(index.nodes[i].parent, nodes[i].parent) << i;
    EXPECT_EQ(index.nodes[i].childCount, nodes[i].children) << i;
    EXPECT_EQ(index.nodes[i].caption, nodes[i].caption) << i;
  }

  // Keywords in the order first met, compared exactly; topics in lower
  // case with the record and the nodes before the entry's node.
  std::vector<std::string> words;
  for (const auto& k : index.keywords) words.push_back(k.keyword);
  EXPECT_EQ(words, (std::vector<std::string>{"wave", "Frequency", "echo", "frequency"}));
  EXPECT_EQ(index.find("laser"), nullptr);  // its record is not for the pupil

  const KeywordRecord* wave = index.find("wave");
  ASSERT_NE(wave, nullptr);
  ASSERT_EQ(wave->topics.size(), 2u);
  EXPECT_EQ(wave->topics[0].topic, "waves");
  EXPECT_EQ(wave->topics[0].recordNumber, 1);
  EXPECT_EQ(wave->topics[0].indexNode, 1);
  EXPECT_EQ(wave->topics[1].topic, "sound waves");
  EXPECT_EQ(wave->topics[1].recordNumber, 4);
  EXPECT_EQ(wave->topics[1].indexNode, 2);
  const KeywordRecord* echo = index.find("echo");
  ASSERT_NE(echo, nullptr);
  EXPECT_EQ(echo->topics[0].topic, "echoes");
  EXPECT_EQ(echo->topics[0].indexNode, 3);
}

TEST(SearchIndex, FlagsDecideWhatEachPupilSees) {
  const MapFile map = mapOf({{0, kBranch, 0, "Main", kAll},
                             {1, kScreen, 1, "Single", kFoundation | kHigher | kSingle},
                             {1, kScreen, 2, "Foundation", kFoundation | kDouble | kSingle}});
  const std::string inf = searchBytes({"Main", "Single@s@single", "Foundation@f@foundation"});
  struct Case {
    std::string tier, award;
    std::vector<int> records;
  } cases[] = {{"F", "D", {0, 2}}, {"H", "S", {0, 1}}, {"F", "S", {0, 1, 2}}, {"H", "D", {0}}};
  for (const auto& c : cases) {
    const KeywordIndex index = buildKeywordIndex(map, inf, CourseTree::indexMask(c.tier, c.award));
    std::vector<int> records;
    for (const auto& n : index.nodes) records.push_back(n.recordNumber);
    EXPECT_EQ(records, c.records) << c.tier << c.award;
    EXPECT_EQ(index.keywords.size(), c.records.size() - 1) << c.tier << c.award;
  }
}

TEST(SearchIndex, KeywordKeepsThirtyOneTopics) {
  MapFile map = mapOf({{0, kBranch, 0, "Main", kAll}});
  std::vector<std::string> entries{"Main"};
  for (int i = 1; i <= 40; ++i) {
    map.records.push_back({1, kScreen, i, "S" + std::to_string(i), kAll});
    entries.push_back("S@same@T" + std::to_string(i));
  }
  const KeywordIndex index = buildKeywordIndex(map, searchBytes(entries), kFoundationDouble);
  ASSERT_EQ(index.keywords.size(), 1u);
  const auto& topics = index.keywords[0].topics;
  ASSERT_EQ(topics.size(), size_t(kMaxKeywordTopics));
  EXPECT_EQ(topics.back().topic, "t31");
  EXPECT_EQ(topics.back().recordNumber, 31);
}

TEST(SearchIndex, DamagedFileKeepsTheEntriesBeforeTheDamage) {
  const MapFile map = mapOf({{0, kBranch, 0, "Main", kAll},
                             {1, kScreen, 1, "One", kAll},
                             {1, kScreen, 2, "Two", kAll},
                             {1, kScreen, 3, "Three", kAll}});
  struct Case {
    std::string bytes, damage;
    size_t nodes;
  } cases[] = {
      {searchBytes({"Main", "One@a@b"}), "entry 3 of 4: the file ends before a text length", 2},
      {searchBytes({"Main", "One"}) + std::string("\x09\x00Two", 5),
       "entry 3 of 4: a text of 9 characters runs past the end of the file", 2},
      {searchBytes({"Main"}) + std::string("\xff\xff", 2),
       "entry 2 of 4: a text length is negative (-1)", 1},
      // Entries after the last record are not read.
      {searchBytes({"Main", "One", "Two", "Three", "Four"}), "", 4},
  };
  for (const auto& c : cases) {
    const KeywordIndex index = buildKeywordIndex(map, c.bytes, kFoundationDouble);
    EXPECT_EQ(index.damage, c.damage);
    EXPECT_EQ(index.nodes.size(), c.nodes) << c.damage;
  }
}

TEST(SearchIndex, ReadsWhatTheCompilerWrites) {
  const test::CompiledCourse course{{
      "menu Main | script=m.txt | noindex\n"
      "  menu Waves | script=w.txt | keywords=wave>Waves;frequency>Describing waves\n"
      "    screen Parts | script=p.txt | flags=HD | keywords=wave>Parts of a wave\n"
      "    screen Plain | script=p.txt\n"
      "    screen Hidden | script=p.txt | noindex\n",
      {{"m.txt", "m\n"}, {"w.txt", "w\n"}, {"p.txt", "p\n"}},
      {}}};
  std::string why;
  MapFile map;
  ASSERT_TRUE(parseMapFile(test::readFile(course.root() + "/database/treeView.map"), map, why)) << why;
  const std::string inf = test::readFile(course.root() + "/search.inf");

  const KeywordIndex higher = buildKeywordIndex(map, inf, CourseTree::indexMask("H", "D"));
  EXPECT_EQ(higher.damage, "");
  ASSERT_EQ(higher.nodes.size(), 4u);  // root, Waves, Parts, Plain
  EXPECT_EQ(higher.nodes[3].caption, "Plain");
  ASSERT_NE(higher.find("wave"), nullptr);
  EXPECT_EQ(higher.find("wave")->topics.size(), 2u);
  EXPECT_EQ(higher.find("wave")->topics[1].topic, "parts of a wave");

  const KeywordIndex foundation = buildKeywordIndex(map, inf, CourseTree::indexMask("F", "D"));
  EXPECT_EQ(foundation.nodes.size(), 3u);
  EXPECT_EQ(foundation.find("wave")->topics.size(), 1u);
}

}  // namespace
}  // namespace vintara
