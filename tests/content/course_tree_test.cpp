#include <gtest/gtest.h>

#include "content/counted_text.h"
#include "content/course_tree.h"

namespace vintara {
namespace {

MapFile mapOf(std::initializer_list<MapRecord> records) {
  MapFile m;
  m.nextScriptNumber = 99;
  m.records = records;
  return m;
}

TEST(CourseTree, ParentsFollowTheLevelsOfBranches) {
  // root; A (branch); A1 (leaf); B (branch at level 1); B1 branch at 2;
  // two level-3 leaves; a level-3 leaf with no branch at level 2 in force
  // is impossible here, so check the "node before" rule separately.
  CourseTree t;
  t.build(mapOf({{0, 1, 0, "Main", 15},
                 {1, 1, 0, "A", 15},
                 {2, 2, 5, "A1", 15},
                 {1, 1, 0, "B", 15},
                 {2, 1, 0, "B1", 15},
                 {3, 2, 6, "B1a", 15},
                 {3, 2, 7, "B1b", 15},
                 {2, 1, 0, "B2", 15},
                 {3, 2, 8, "B2a", 15}}));
  EXPECT_EQ(t.count(), 9);
  EXPECT_EQ(t.parent(1), 0);
  EXPECT_EQ(t.parent(2), 1);
  EXPECT_EQ(t.parent(3), 2);
  EXPECT_EQ(t.parent(4), 1);
  EXPECT_EQ(t.parent(6), 5);
  EXPECT_EQ(t.parent(7), 5);
  EXPECT_EQ(t.parent(9), 8);  // the next level-2 branch takes over level 3
  EXPECT_EQ(t.childCount(5), 2);
  EXPECT_EQ(t.nextSibling(6), 7);
  EXPECT_EQ(t.nextSibling(7), 0);
  EXPECT_EQ(t.previousSibling(7), 6);
  EXPECT_EQ(t.firstSibling(8), 5);
  EXPECT_EQ(t.lastSibling(5), 8);
  EXPECT_EQ(t.positionAmongSiblings(8), 2);
  EXPECT_EQ(t.key(1), "k0");
  EXPECT_EQ(t.key(9), "k8");
  EXPECT_EQ(t.scriptNumber(8), 8);
  EXPECT_EQ(t.nodeKind(4), 1);
}

TEST(CourseTree, RecordWithoutBranchAboveJoinsTheRecordBefore) {
  CourseTree t;
  // Level 3 under a leaf at level 1: no branch recorded at level 2.
  t.build(mapOf({{5, 1, 0, "Root at any level", 15}, {1, 2, 1, "Leaf", 15}, {3, 2, 2, "Deep", 15}}));
  EXPECT_EQ(t.key(1), "k0");
  EXPECT_EQ(t.parent(3), 2);
}

TEST(CourseTree, CaptionMayHoldAtSigns) {
  MapRecord r;
  std::string why;
  ASSERT_TRUE(parseRecordText("2@2@57@E = mc@2 and more@", r, why));
  EXPECT_EQ(r.level, 2);
  EXPECT_EQ(r.kind, 2);
  EXPECT_EQ(r.scriptNumber, 57);
  EXPECT_EQ(r.caption, "E = mc@2 and more@");
  ASSERT_TRUE(parseRecordText("1@2@ 12abc@x", r, why));
  EXPECT_EQ(r.scriptNumber, 12);  // leading blanks allowed, the rest ignored
}

TEST(CourseTree, IndexMaskAndFlags) {
  EXPECT_EQ(CourseTree::indexMask("F", "D"), 5);
  EXPECT_EQ(CourseTree::indexMask("H", "S"), 10);
  CourseTree t;
  t.build(mapOf({{0, 1, 0, "Main", 7}, {1, 2, 1, "Single only", 9}}));
  EXPECT_TRUE(t.meantFor(1, 5));
  EXPECT_FALSE(t.meantFor(2, 5));
  EXPECT_TRUE(t.meantFor(2, CourseTree::indexMask("F", "S")));
}

TEST(CourseTree, FindChildByCaptionMovesThePointer) {
  CourseTree t;
  t.build(mapOf({{0, 1, 0, "Main", 15},
                 {1, 1, 0, "help", 15},
                 {2, 1, 0, "Waves", 15},
                 {3, 4, 3, "Echoes", 15}}));
  EXPECT_TRUE(t.findChildByCaption("HELP"));
  EXPECT_EQ(t.findPointer, 2);
  EXPECT_TRUE(t.findChildByCaption("waves"));
  EXPECT_FALSE(t.findChildByCaption("sound"));
  EXPECT_EQ(t.findPointer, 4);  // the first child of the old node
}

TEST(CourseTree, MapFileRoundTrip) {
  MapFile m = mapOf({{0, 1, 0, "Main", 15}, {1, 2, 3, "Cap@tion", 9}});
  MapFile back;
  std::string why;
  ASSERT_TRUE(parseMapFile(writeMapFile(m), back, why)) << why;
  EXPECT_EQ(back.nextScriptNumber, 99);
  ASSERT_EQ(back.records.size(), 2u);
  EXPECT_EQ(back.records[1].caption, "Cap@tion");
  EXPECT_EQ(back.records[1].flags, 9);
}

// Damaged map files are refused with a reason, never read past the data.
TEST(CourseTree, DamagedMapsAreRefused) {
  const std::string good = writeMapFile(mapOf({{0, 1, 0, "Main", 15}, {1, 2, 3, "Leaf", 15}}));
  auto withRecords = [](int count, std::string records) {
    CountedWriter w;
    for (int i = 0; i < 5; ++i) w.writeInt16(0);
    w.writeInt16(count);
    return w.take() + records;
  };
  auto record = [](const std::string& text, int flags = 15) {
    CountedWriter w;
    w.writeCountedText(text);
    w.writeInt16(flags);
    return w.take();
  };
  struct Case {
    const char* name;
    std::string data;
    const char* reason;
  } cases[] = {
      {"empty file", "", "too short for its header"},
      {"short header", good.substr(0, 7), "too short for its header"},
      {"no records", withRecords(0, ""), "no records"},
      {"negative count", withRecords(-3, ""), "no records"},
      {"cut in a record", good.substr(0, good.size() - 5), "record 2 of 2"},
      {"cut before flags", good.substr(0, good.size() - 1), "before its flags"},
      {"length past end", withRecords(1, std::string("\x50\x00", 2) + "0@1@0@Main"), "runs past the end"},
      {"negative length", withRecords(1, std::string("\xff\xff", 2)), "negative"},
      {"two at signs", withRecords(1, record("0@1@Main")), "fewer than three"},
      {"level 51", withRecords(1, record("51@1@0@Main")), "outside 0 to 50"},
      {"negative level", withRecords(1, record("-1@1@0@Main")), "outside 0 to 50"},
      {"huge script number", withRecords(1, record("0@1@99999@Main")), "out of range"},
  };
  for (const auto& c : cases) {
    MapFile m;
    std::string why;
    EXPECT_FALSE(parseMapFile(c.data, m, why)) << c.name;
    EXPECT_NE(why.find(c.reason), std::string::npos) << c.name << ": " << why;
  }
}

TEST(CountedText, ScriptFileLengths) {
  struct Case {
    std::string data;
    std::string text;
    bool damaged;
  } cases[] = {
      {std::string("\x00\x00", 2), "", false},
      {std::string("\x03\x00", 2) + "abc", "abc", false},
      {std::string("\x03\x00", 2) + "abcdef", "abc", false},
      {std::string("\x10\x00", 2) + "abc", "abc", true},  // what is there is kept
      {std::string("\xff\xff", 2) + "abc", "", true},
      {"", "", false},
      {"x", "", true},
  };
  for (const auto& c : cases) {
    auto r = readLengthPrefixedText(c.data);
    EXPECT_EQ(r.text, c.text);
    EXPECT_EQ(r.damaged, c.damaged);
  }
}

}  // namespace
}  // namespace vintara
