// Built as Morvana.exe is, with its failure handlers, to show what each check
// does when it fails: hardening_probe MODE, where MODE is
//   inside      reads an array inside its bounds and exits with 0;
//   past_end    reads one element past the end of a std::array;
//   smash       writes past the end of a buffer on the stack;
//   seeded      exits with 0 when the stack guard holds a seed, not its first value.
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

extern "C" std::uintptr_t __stack_chk_guard;  // NOLINT(bugprone-reserved-identifier): the compiler's name

namespace {

// The counts come from the command line, so the compiler cannot see them.
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
  const std::string_view mode = argc > 1 ? argv[1] : "";
  const std::size_t length = mode.size();  // 6 for "inside", 8 for "past_end", 5 for "smash"
  if (mode == "inside") return ReadAt(length - 3);
  if (mode == "past_end") return ReadAt(length - 4);
  if (mode == "smash") return Fill(length * 20);
  if (mode == "seeded") return __stack_chk_guard == 0xFF0A0000 ? 1 : 0;
  return 2;
}
