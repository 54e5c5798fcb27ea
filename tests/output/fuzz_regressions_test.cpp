// Inputs the fuzz targets broke, kept once fixed. Their faults show only
// under scripts/test.sh --sanitize (the library's index checks).
#include <gtest/gtest.h>

#include "interpreter_course.h"
#include "platform/image.h"

namespace vintara {
namespace {

// A rectangle whose part inside the image is empty may start past the
// last column or row; filling it must not touch the pixels at all.
TEST(FuzzRegressions, FillRectOutsideTheImageDrawsNothing) {
  const Rgb paper = 0xFFFFFF, ink = 0x123456;
  const Rect cases[] = {
      {20, 9, 5, 1},     // past the right edge on the last row
      {10, 0, 3, 10},    // starting at the right edge
      {0, 10, 10, 2},    // below the image
      {-5, 2, 5, 3},     // ending at the left edge
      {3, 3, 0, 4},      // no width
      {900, 900, 4, 4},  // far away
  };
  for (const Rect& r : cases) {
    Image img(10, 10, paper);
    img.fillRect(r, ink);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) ASSERT_EQ(img.pixel(x, y), paper) << r.x << "," << r.y;
  }
  Image img(10, 10, paper);
  img.fillRect({8, 8, 5, 5}, ink);  // the part inside is still filled
  EXPECT_EQ(img.pixel(9, 9), ink);
  EXPECT_EQ(img.pixel(7, 9), paper);
}

// Text drawn past the right edge of the work area's last rows.
TEST(InterpreterInput, TextPastTheRightEdgeOfTheLastRows) {
  const size_t lines = fuzzing::runScriptOnFuzzCourse(std::string(
      "@\015@0\015f-\015fo\015\000\000\01522\015,20\015260\015\012#\015"
      "\012#\01522\015t3\015lo\015a,0\01520\015\012f\015\012#0\01522\015"
      "a,\015\000 \015Nt\015r \015\000 \015\012e\015\012e\015  \015\377"
      "\377\377/x\000\026/\377\377\000\000\377\177ij/\377\377\000\000b\377"
      "\377\377\377\377\377\377\377-f7KNNj/\377\377\000\000/\377\377\000"
      "\000\377\377\377\377\377-f7KNNj/\377\377\000\000\377\177ij/\377\377"
      "\000\000b\377\377\377\377\377\377\377\377-f7KNNj/\377\377\000\000",
      175));
  EXPECT_GT(lines, 0u);
}

}  // namespace
}  // namespace vintara
