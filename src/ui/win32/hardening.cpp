// What ends Morvana.exe when one of the checks it is built with fails: the
// C++ library's bounds checks (_GLIBCXX_ASSERTIONS) and the stack protector
// (-fstack-protector-strong). Either means memory is about to be read or
// written out of bounds, so the process ends at once, the way Windows ends a
// process that has found its own memory corrupt: a fast fail, which runs no
// handler, shows no message and leaves exit code STATUS_STACK_BUFFER_OVERRUN.
//
// The library's own report of a failed bounds check prints it through its
// formatted output, about 130 KB. GCC's own stack protector (libssp) seeds
// its guard through the CryptoAPI, which under Wine loads three more DLLs at
// every start, about 3 ms; RtlGenRandom takes the same randomness from the
// system without them.

#include <windows.h>
// windows.h first: ntsecapi.h needs its types.
#include <ntsecapi.h>

#include <cstdint>

namespace {

[[noreturn]] void FastFail(unsigned int code) {
  __asm__ volatile("int $0x29" : : "c"(code) : "memory");
  __builtin_trap();
}

}  // namespace

// NOLINTBEGIN(bugprone-reserved-identifier, cert-dcl58-cpp): the names the compiler and library call.
namespace std {
[[gnu::noreturn]] void __glibcxx_assert_fail(const char* /*file*/, int /*line*/, const char* /*function*/,
                                             const char* /*condition*/) noexcept {
  FastFail(FAST_FAIL_RANGE_CHECK_FAILURE);
}
}  // namespace std

extern "C" {
// Until it is seeded, a terminator canary: its zero, line feed and 0xFF bytes
// end the string copies that could overwrite it.
std::uintptr_t __stack_chk_guard = 0xFF0A0000;

[[noreturn]] void __stack_chk_fail() {
  FastFail(FAST_FAIL_STACK_COOKIE_CHECK_FAILURE);
}
}
// NOLINTEND(bugprone-reserved-identifier, cert-dcl58-cpp)

namespace {

// Before main and before every other constructor. It changes the guard, so
// it must not be guarded itself.
__attribute__((constructor(101), no_stack_protector)) void SeedStackGuard() {
  std::uintptr_t seed = 0;
  if (RtlGenRandom(&seed, sizeof seed) && seed != 0) __stack_chk_guard = seed;
}

}  // namespace
