#include <gtest/gtest.h>

#include <filesystem>

#include "content/content_store.h"
#include "support/test_support.h"

namespace vintara {
namespace {

using test::CompiledCourse;
using test::CourseSource;
using test::PlayerFixture;

const CourseSource kCourse{
    "menu Main | script=main.txt\n"
    "  menu Electricity and Magnetism | script=area.txt\n"
    "    menu Circuits | script=circuits.txt\n"
    "      screen Current | script=current.txt | id=57\n"
    "    menu Magnets | script=magnets.txt\n"
    "    menu Motors | script=motors.txt\n"
    "      menu Deeper | script=deeper.txt\n"
    "        screen Deep screen | script=deep.txt | id=58\n"
    "    menu Revision | script=rev.txt\n"
    "      screen Rev screen | script=revs.txt | id=59\n"
    "  menu Forces and Motion | script=forces.txt\n",
    {{"main.txt", "main menu\n"},
     {"area.txt", "area\n"},
     {"circuits.txt", "circuits menu\n"},
     {"current.txt", "current screen\n"},
     {"magnets.txt", "magnets\n"},
     {"motors.txt", "motors\n"},
     {"deeper.txt", "deeper\n"},
     {"deep.txt", "deep\n"},
     {"rev.txt", "revision\n"},
     {"revs.txt", "revision screen\n"},
     {"forces.txt", "forces\n"}}};

TEST(MenuName, FromCaptions) {
  struct Case {
    std::string caption, name;
  } cases[] = {
      {"Waves", "EWvs"},
      {"Forces and Motion", "QFreSnSo"},
      {"", "@"},
      {"-a+b?c d", "HNPQS"},
      {std::string(30, 'x'), "Exxxxxxx"},  // 30 - 25 = 5
      {std::string(60, 'x'), "Zxxxxxxx"},
  };
  for (const auto& c : cases) EXPECT_EQ(menuName(c.caption), c.name) << c.caption;
}

class ContentStoreTest : public ::testing::Test {
 protected:
  CompiledCourse course{kCourse};
  PlayerFixture fx{course.root()};
  ContentStore& store() { return fx.p().content; }
};

TEST_F(ContentStoreTest, FoldersAndScriptPaths) {
  struct Case {
    int screen;
    std::string folder, script, text;
    bool useTemplate;
  } cases[] = {
      {1, "database\\", "database\\script\\main.mnu", "main menu\r\n", false},
      {2, "database\\electric\\", "database\\electric\\script\\" + menuName("Electricity and Magnetism") + ".mnu", "area\r\n", false},
      {4, "database\\electric\\topic1\\", "database\\electric\\topic1\\script\\ID57.Scn", "current screen\r\n", true},
      {6, "database\\electric\\topic3\\", "database\\electric\\topic3\\script\\" + menuName("Motors") + ".mnu", "motors\r\n", false},
      {8, "database\\electric\\topic3\\", "database\\electric\\topic3\\script\\ID58.Scn", "deep\r\n", true},
      {10, "database\\electric\\exam\\", "database\\electric\\exam\\script\\ID59.Scn", "revision screen\r\n", true},
      {11, "database\\forces\\", "database\\forces\\script\\" + menuName("Forces and Motion") + ".mnu", "forces\r\n", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(store().getScript(c.screen), c.text) << c.screen;
    EXPECT_EQ(store().dataFolder, c.folder) << c.screen;
    EXPECT_EQ(store().scriptFilePath, c.script) << c.screen;
    EXPECT_EQ(store().useTemplate, c.useTemplate) << c.screen;
  }
}

TEST_F(ContentStoreTest, MainMenuKeepsTheTopicFolder) {
  store().getScript(8);
  store().getScript(1);
  EXPECT_EQ(store().topicFolder, "database\\electric\\topic3\\");
  EXPECT_EQ(store().getPDD(), "database\\");
}

TEST_F(ContentStoreTest, TemplateLeavesTheScriptPath) {
  store().getScript(4);
  EXPECT_EQ(store().getTemplateScript(4), "circuits menu\r\n");
  EXPECT_EQ(store().scriptFilePath, "database\\electric\\topic1\\script\\ID57.Scn");
  EXPECT_FALSE(store().useTemplate);  // as the parent's lookup left it
  EXPECT_EQ(store().getTemplateScript(1), "");
}

TEST_F(ContentStoreTest, ExamFolderOfAnArea) {
  EXPECT_EQ(ContentStore::getPDD(3), "database\\waves\\exam\\");
  EXPECT_EQ(ContentStore::getPDD(6), "database\\radio\\exam\\");
  EXPECT_EQ(ContentStore::getPDD(7), "database\\exam\\");
  EXPECT_EQ(ContentStore::getPDD(0), "database\\exam\\");
}

TEST_F(ContentStoreTest, PathsMatchWithoutCase) {
  namespace fs = std::filesystem;
  fs::rename(course.root() + "/database", course.root() + "/DataBase");
  fs::rename(course.root() + "/DataBase/electric/topic1/script/ID57.Scn",
             course.root() + "/DataBase/electric/topic1/script/id57.scn");
  store().paths.clearCache();
  EXPECT_EQ(store().getScript(4), "current screen\r\n");
  EXPECT_EQ(store().paths.resolve("..\\secret"), "");
  EXPECT_EQ(store().paths.resolve("database\\..\\..\\x"), "");
}

TEST_F(ContentStoreTest, MissingScriptIsAnEmptyScreenWithoutMessage) {
  std::filesystem::remove(course.root() + "/database/electric/topic1/script/ID57.Scn");
  EXPECT_EQ(store().getScript(4), "");
  EXPECT_TRUE(fx.platform.messages.empty());
}

TEST_F(ContentStoreTest, DamagedScriptIsReportedOnceByName) {
  course.dir().write("tolvenia/database/electric/topic1/script/ID57.Scn",
                     std::string("\x64\x00", 2) + "abc");
  EXPECT_EQ(store().getScript(4), "abc");
  EXPECT_EQ(store().getScript(4), "abc");
  ASSERT_EQ(fx.platform.messages.size(), 1u);
  const std::string& m = fx.platform.messages[0].text;
  EXPECT_NE(m.find("database/electric/topic1/script/ID57.Scn"), std::string::npos) << m;
  EXPECT_NE(m.find("says 100 characters but 3 follow"), std::string::npos) << m;
}

TEST_F(ContentStoreTest, EmptyScriptFile) {
  course.dir().write("tolvenia/database/electric/topic1/script/ID57.Scn", std::string("\0\0", 2));
  EXPECT_EQ(store().getScript(4), "");
  EXPECT_TRUE(fx.platform.messages.empty());
}

TEST_F(ContentStoreTest, ReadScriptFileRetriesUntilCancelled) {
  store().scriptFilePath = "database\\help\\ID9.txt";
  fx.platform.answers = {Answer::Retry, Answer::Cancel};
  EXPECT_THROW(store().readScriptFile(), ProgramExit);
  ASSERT_EQ(fx.platform.messages.size(), 2u);
  EXPECT_EQ(fx.platform.messages[0].text,
            "Failed to open script - database\\help\\ID9.txt. Please ensure the CD is in the "
            "drive and is free of errors.");
  EXPECT_EQ(fx.platform.messages[0].buttons, Buttons::RetryCancel);
  EXPECT_EQ(fx.platform.messages[0].icon, Icon::Error);
}

TEST_F(ContentStoreTest, DamagedMapIsReportedWithItsName) {
  course.dir().write("tolvenia/database/treeView.map", std::string("\0\0\0\0", 4));
  fx.platform.answers = {Answer::Cancel};
  EXPECT_THROW(store().loadTree(), ProgramExit);
  ASSERT_EQ(fx.platform.messages.size(), 1u);
  EXPECT_NE(fx.platform.messages[0].text.find("database/treeView.map is damaged"), std::string::npos);
}

}  // namespace
}  // namespace vintara
