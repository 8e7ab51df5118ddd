// Morvana.exe's failure handlers, in a program built the same way. Run with
// no argument, it runs itself once for each case and checks that a failed
// check ends the process at once with the fast-fail code, neither running on
// nor stopping at a message (the test's time-out catches a message), and
// that asking a vector for an element it lacks ends it through the
// program's own throwing helper, as abort() does.
#include <windows.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

extern "C" std::uintptr_t __stack_chk_guard;  // NOLINT(bugprone-reserved-identifier): the compiler's name

namespace {

// The index and the count come from the command line, out of the compiler's sight.
[[gnu::noinline]] int ReadAt(std::size_t index) {
  const std::array<int, 4> values{1, 2, 3, 4};
  return values[index] - values[index];
}

[[gnu::noinline]] int Fill(std::size_t count) {
  std::array<char, 8> buffer{};
  std::memset(buffer.data(), 'x', count);
  return buffer[0] == 'x' ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    const std::size_t number = std::strtoul(argv[2], nullptr, 10);
    const std::string_view what = argv[1];
    if (what == "at") return std::vector<int>(4).at(number);
    return what == "read" ? ReadAt(number) : Fill(number);
  }
  if (argc > 1) return __stack_chk_guard == 0xFF0A0000 ? 1 : 0;  // seeded before main
  std::array<char, MAX_PATH> self{};
  GetModuleFileNameA(nullptr, self.data(), MAX_PATH);
  constexpr int kFastFail = static_cast<int>(STATUS_STACK_BUFFER_OVERRUN);
  const std::array<std::pair<const char*, int>, 5> cases{{
      {"read 3", 0},            // an index inside the array
      {"read 4", kFastFail},    // one past its end
      {"fill 100", kFastFail},  // a buffer on the stack overrun
      {"seeded", 0},            // the stack guard seeded
      {"at 4", 3},              // vector::at past the end: abort()'s exit code
  }};
  int failed = 0;
  for (const auto& [arguments, expected] : cases) {
    const int code = std::system(("\"\"" + std::string(self.data()) + "\" " + arguments + "\"").c_str());
    std::printf("%s %s: exit code 0x%X\n", code == expected ? "ok" : "FAILED", arguments,
                static_cast<unsigned>(code));
    failed += code == expected ? 0 : 1;
  }
  std::printf("%d passed, %d failed\n", static_cast<int>(cases.size()) - failed, failed);
  return failed == 0 ? 0 : 1;
}
