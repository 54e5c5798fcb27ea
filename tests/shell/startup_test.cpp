#include <gtest/gtest.h>

#include <filesystem>

#include "engine/player.h"
#include "shell/startup.h"
#include "support/test_support.h"

namespace vintara {
namespace {

using test::CompiledCourse;
using test::CourseSource;
using test::TempDir;

TEST(CommandLine, DataFileName) {
  struct Case {
    std::string line, file;
  } cases[] = {
      {"vintara abcde", "abcde"},
      {"vintara abcd", "abcd"},
      {"vintara abc", ""},
      {"\"/usr/bin/vintara\" x.epp", "x.epp"},
      {"\"/usr/bin/vintara\"", ""},
      {"vintara", ""},
      {"vintara    pupil one.epp", "pupil one.epp"},
      {"vintara \"my file.epp\"", "\"my file.epp\""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(commandLineDataFile(c.line), c.file) << c.line;
}

TEST(WorkArea, PlacementScalesAndCentres) {
  double s = 0;
  EXPECT_EQ(workAreaPlacement(640, 440, &s), (Rect{0, 0, 640, 440}));
  EXPECT_EQ(s, 1);
  EXPECT_EQ(workAreaPlacement(1280, 1000, &s), (Rect{0, 60, 1280, 880}));
  EXPECT_EQ(s, 2);
  EXPECT_EQ(workAreaPlacement(2000, 900, &s), (Rect{360, 10, 1280, 880}));  // whole factor
  workAreaPlacement(960, 660, &s);
  EXPECT_DOUBLE_EQ(s, 1.5);
}

TEST(ContentSearch, MediaMountPointsInFixedOrder) {
  const std::string mounts =
      "/dev/sda1 / ext4 rw 0 0\n"
      "/dev/sdc1 /media/pupil/STICK vfat rw 0 0\n"
      "/dev/sr1 /media/cdrom1 udf ro 0 0\n"
      "/dev/sr0 /mnt/disc\\040one iso9660 ro 0 0\n"
      "/dev/sdb1 /run/media/pupil/USB vfat rw 0 0\n";
  EXPECT_EQ(mediaMountPoints(mounts),
            (std::vector<std::string>{"/media/cdrom1", "/mnt/disc one", "/media/pupil/STICK",
                                      "/run/media/pupil/USB"}));
}

class StartupTest : public ::testing::Test {
 protected:
  static CourseSource source() {
    return {"menu Main | script=main.txt\n  menu Waves | script=waves.txt\n"
            "    screen Light | script=light.txt\n",
            {{"main.txt", "Main menu text\n"},
             {"waves.txt", "Waves\n@goforward 1,2,3,4,1\n"},
             {"light.txt", "Light\n"}},
            {{"pictures/qeltpop.bmp", "not really a picture"}}};
  }
  StartupTest() {
    platform.programDir = program.path();
    platform.imageLoader = [](const std::string& path) -> std::optional<Image> {
      if (std::filesystem::exists(path)) return Image(200, 150, 0xFFEEDD);
      return std::nullopt;
    };
    player = std::make_unique<Player>(platform);
  }
  CompiledCourse course{source()};
  TempDir program;
  FakePlatform platform;
  std::unique_ptr<Player> player;
};

TEST_F(StartupTest, SearchOrderOptionThenMediaThenBundled) {
  CompiledCourse other{source()};
  // Media hold the course; an option pointing at a folder above another copy wins.
  platform.mediaFolders = {"/nonexistent", course.dir().path()};
  platform.bundledFolders = {other.root()};
  EXPECT_EQ(findContentRoot(*player), course.root() + "/");
  EXPECT_EQ(findContentRoot(*player), course.root() + "/");  // no second scan
  EXPECT_EQ(platform.mediaScans, 1);

  Player second(platform);
  platform.contentOption = other.root();  // tolvenia itself
  EXPECT_EQ(findContentRoot(second), other.root() + "/");
}

TEST_F(StartupTest, MissingContentAsksRetryThenCancelEnds) {
  platform.answers = {Answer::Retry, Answer::Cancel};
  EXPECT_THROW(findContentRoot(*player), ProgramExit);
  EXPECT_EQ(platform.mediaScans, 2);  // Retry scans again
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].text, "Qelt Vintara CD is missing from the CD-ROM Drive.");
  EXPECT_EQ(platform.messages[0].buttons, Buttons::RetryCancel);
  EXPECT_EQ(platform.messages[0].icon, Icon::None);
}

TEST_F(StartupTest, RetryFindsTheDiscInsertedMeanwhile) {
  // The disc appears in the drive before the pupil presses Retry.
  struct LateDisc : FakePlatform {
    std::string folder;
    std::vector<std::string> removableMediaFolders() override {
      ++mediaScans;
      if (mediaScans == 1) return {};
      return {folder};
    }
  } late;
  late.folder = course.dir().path();
  late.answers = {Answer::Retry};
  Player p(late);
  EXPECT_EQ(findContentRoot(p), course.root() + "/");
  EXPECT_EQ(late.mediaScans, 2);
  EXPECT_EQ(late.messages.size(), 1u);
}

TEST_F(StartupTest, DataFolderIsCreatedOnceAndQuietly) {
  createLorrendDataDirectory(*player);
  EXPECT_TRUE(std::filesystem::is_directory(program / "Vintara data"));
  createLorrendDataDirectory(*player);  // already there: no message
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(StartupTest, DataFolderThatCannotBeMadeEndsTheProgram) {
  program.write("Vintara data", "a file in the way");
  EXPECT_THROW(createLorrendDataDirectory(*player), ProgramExit);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "This program was unable to create a data directory on your hard drive as '" +
                program.path() + "/vintara data'. Please ensure that there is enough Disk space before continuing.");
}

TEST_F(StartupTest, FormLoadRunsTheMainMenuAndHandsOver) {
  platform.bundledFolders = {course.dir().path()};
  platform.setClock(5000);
  Form_Load(*player);
  Player& p = *player;
  EXPECT_EQ(p.engine.currentScreen, 1);
  EXPECT_EQ(p.engine.scriptText, "Main menu text\r\n");
  EXPECT_EQ(p.shell.inputBlocked, 1);
  EXPECT_EQ(p.shell.breakDeadline, 5000 + 2700000);
  EXPECT_EQ(p.shell.topicTitles[4], "The Earth and Beyond");
  EXPECT_EQ(p.shell.topicTitleCount, 5);
  EXPECT_EQ(p.shell.bottomBarScript,
            "@GoBack 113,407,54,33,100,*mmover.bmp\r\n@GoBack 204,410,87,35,101,*wpover.bmp\r\n"
            "@GoBack 330,407,92,35,102,*calcover.bmp\r\n@GoBack 556 ,407,73,35,103,*indxover.bmp\r\n"
            "@GoBack 455,406,63,35,105,*frmsover.bmp");
  EXPECT_EQ(p.shell.bottomBarScriptTemplate.substr(0, 40), "@GoBack 113,407,54,33,100,*mmtover.bmp\r\n");
  EXPECT_EQ(platform.windowTitle, "Qelt Vintara");
  EXPECT_EQ(p.menu(MenuItem::UtilCalculator).caption, "&Calculator");
  EXPECT_FALSE(p.menu(MenuItem::UtilItem4).visible);
  EXPECT_EQ(p.menu(MenuItem::HelpAbout).caption, "About Qelt Vintara");
  EXPECT_EQ(p.popup.backdrop.pixel(0, 0), 0xFFEEDDu);
  EXPECT_TRUE(platform.messages.empty());

  platform.advance(1);  // the one-shot hand-over
  EXPECT_EQ(p.shell.inputBlocked, 0);
  EXPECT_FALSE(p.forcedNew->isActive());
  EXPECT_FALSE(p.pupilFile.dataChanged);
}

TEST_F(StartupTest, BreakDeadlineStaysZeroNearTheClockLimit) {
  platform.bundledFolders = {course.dir().path()};
  platform.setClock(2144783648u);
  Form_Load(*player);
  EXPECT_EQ(player->shell.breakDeadline, 0);
}

TEST_F(StartupTest, MissingPopupPictureAsksRetryCancel) {
  platform.bundledFolders = {course.dir().path()};
  std::filesystem::remove(course.root() + "/pictures/qeltpop.bmp");
  platform.answers = {Answer::Retry, Answer::Cancel};
  EXPECT_THROW(Form_Load(*player), ProgramExit);
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text,
            "Failed to load qeltpop.bmp. Please ensure the CD is in the drive and is free of errors.");
  EXPECT_EQ(platform.messages[1].icon, Icon::Error);
}

}  // namespace
}  // namespace vintara
