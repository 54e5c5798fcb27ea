#include <gtest/gtest.h>

#include <filesystem>

#include "authoring/lint.h"
#include "support/test_support.h"

namespace vintara {
namespace {

using Lines = std::vector<std::string>;

Lines formatted(const std::vector<LintMessage>& messages) {
  Lines out;
  for (const auto& m : messages) out.push_back(m.format());
  return out;
}

TEST(Lint, ReportsEachKindOfFaultAtItsLine) {
  const std::string screen =
      "@at 10,20\n"              // 1
      "@Foo 1\n"                 // 2 unknown word
      "@goto nowhere\n"          // 3 missing label
      "@label start\n"           // 4
      "@goto start\n"            // 5 fine: goto searches the whole script
      "@count 1\n"               // 6
      "@count 0,1,start\n"       // 7 count searches forward only
      "@count 0,1,ahead\n"       // 8 fine
      "@label ahead\n"           // 9
      "@ifhigher\n"              // 10 no end line
      "Higher text\n"            // 11
      "@loop x\n"                // 12 not a number
      "@endloop\n"               // 13
      "@wait\n"                  // 14 missing number
      "@ifprize 1\n"             // 15
      "@endif\n"                 // 16
      "@goto my label\n"         // 17 the blank is removed from the name
      "@label my label\n"        // 18
      "@set 1,2\n"               // 19 not a variable
      "@goback {x,1,1,1,1\n"     // 20 neither number nor variable
      "@gamedatafile words.txt\n"  // 21 exists (and is checked)
      "@gamedatafile none.txt\n";  // 22 does not exist
  test::CompiledCourse course({"menu Main | script=main.txt\n"
                               "  menu Electric | script=area.txt\n"
                               "    menu Circuits | script=topic.txt\n"
                               "      screen One | script=one.txt\n"
                               "      screen Two | script=two.txt\n"
                               "    menu Revision | script=revision.txt\n",
                               {{"main.txt", "Main menu\n@goforward 1,2,3,4,1\n"},
                                {"area.txt", "@ifdouble\nDouble award\n@enddouble\n"},
                                {"topic.txt", "@case firsttime\nFirst\n"},
                                {"one.txt", screen},
                                {"two.txt", "two\n"},
                                {"revision.txt", "' nothing\n"}},
                               {{"database/electric/topic1/gamedata/words.txt", "G1\r\n@Bar\r\nG2\n"}}});
  std::filesystem::remove(course.root() + "/database/electric/topic1/script/ID2.Scn");

  const std::string one = "database\\electric\\topic1\\script\\ID1.Scn";
  EXPECT_EQ(formatted(lintContent(course.root())),
            (Lines{
                "database\\electric\\topic1\\script\\HCrut.mnu:1: case: no \"@endcase\" line after it",
                one + ":2: unknown command \"@Foo\"",
                one + ":3: goto: no line \"@label nowhere\" in the script",
                one + ":7: count: no line \"@label start\" after it",
                one + ":10: ifhigher: no \"@endhigher\" line after it",
                one + ":12: loop: parameter 1 is not a number: \"x\"",
                one + ":14: wait: parameter 1 (a number) is missing",
                one + ":17: goto: no line \"@label mylabel\" in the script",
                one + ":19: set: \"1\" is not a variable a to z",
                one + ":20: goback: parameter 1 is neither a number nor a variable a to z: \"{x\"",
                "database\\electric\\topic1\\gamedata\\words.txt:3: a line ends with LF alone; lines "
                "must end with CR LF",
                "database\\electric\\topic1\\gamedata\\words.txt:2: unknown command \"@Bar\"",
                one + ":22: gamedatafile: the game data file "
                      "database\\electric\\topic1\\gamedata\\none.txt does not exist",
                "database\\treeView.map:5: the script file database\\electric\\topic1\\script\\ID2.Scn "
                "of \"Two\" does not exist",
            }));
}

TEST(Lint, BlockOpenersAndStrictParameters) {
  struct Case {
    std::string script;
    Lines messages;
  } cases[] = {
      {"@ifprize 1\n@endif\n@IfQuiz 2\n@ENDIF\n", {}},
      {"@endif\n@ifpackage 0\n", {"s:2: ifpackage: no \"@endif\" line after it"}},
      {"@ifqscore 10,x\n@endif \n",
       {"s:1: ifqscore: parameter 2 is not a number: \"x\"", "s:1: ifqscore: no \"@endif\" line after it"}},
      {"@iffailedgrade\n@iflower\n@ifsingle\n@endif\n@endlower\n@endsingle\n", {}},
      {"@ifdouble\n", {"s:1: ifdouble: no \"@enddouble\" line after it"}},
      {"@loop 0\n", {"s:1: loop: no \"@endloop\" line after it"}},
      {"@case moreselections\n@endcase\n@count 11\n@count x\n@count 1,12,l\n@label l\n",
       {"s:3: count: counter number 11 is outside 0 to 10",
        "s:4: count: parameter 1 is not a number: \"x\"",
        "s:5: count: counter number 12 is outside 0 to 10"}},
      {"@wait 0.5\n@wait 2,5\n@wait 1 0\n", {}},  // "1 0" loses its blank
      {"@quizright 3 , some text, more\n@quizright three, text\n",
       {"s:2: quizright: parameter 1 is not a number: \"three\""}},
      {"@set a,5\n@at a,+10\n@goforward a,b,c,d,1\n", {}},
      {"@goto\n", {"s:1: goto: the label name is missing"}},
      {"@\n", {"s:1: unknown command \"@\""}},
      {"text\r\n@at 1,2\r\rmore\r\n", {"s:2: a line ends with CR alone; lines must end with CR LF"}},
  };
  for (const auto& c : cases) {
    std::string crlf = c.script.find('\r') == std::string::npos ? test::crlf(c.script) : c.script;
    EXPECT_EQ(formatted(lintScript(crlf, "s")), c.messages) << c.script;
  }
}

TEST(Lint, CollectsGameDataNames) {
  std::vector<GameDataUse> uses;
  lintScript(test::crlf("@gamedatafile a.txt\n@gamedatafile *\n@gdf b.txt\n@gamedatafile *\n@gamedatafile +\n"),
             "s", &uses);
  // "*" runs the name given last; "+" (and "*" with no name given) is an
  // exam page, and "+" stays the name for a later "*".
  ASSERT_EQ(uses.size(), 3u);
  EXPECT_EQ(uses[0].name, "a.txt");
  EXPECT_EQ(uses[1].name, "a.txt");
  EXPECT_EQ(uses[2].line, 4);
  EXPECT_EQ(uses[2].name, "b.txt");
  uses.clear();
  lintScript(test::crlf("@gamedatafile *\n@gamedatafile +\n@gamedatafile *\n"), "s", &uses);
  EXPECT_TRUE(uses.empty());
}

TEST(Lint, MissingContent) {
  test::TempDir dir;
  EXPECT_EQ(formatted(lintContent(dir.path())),
            Lines{"database\\treeView.map:0: cannot read the course tree map below " + dir.path()});
}

}  // namespace
}  // namespace vintara
