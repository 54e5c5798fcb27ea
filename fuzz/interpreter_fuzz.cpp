// The interpreter over arbitrary script text: a player on the fake
// platform starts on a small compiled course, runs the input as a content
// screen, lets its timers run for a while and presses Forward. Message
// boxes get the fake platform's default answers; a Cancel that ends the
// program ends the input.
//
// The course and the run are in interpreter_course.cpp, shared with the
// regression tests that replay what this target found.
#include <cstddef>
#include <cstdint>
#include <string>

#include "interpreter_course.h"

using namespace vintara::fuzzing;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  runScriptOnFuzzCourse("");  // compiles the course once, before the first input
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  runScriptOnFuzzCourse(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
