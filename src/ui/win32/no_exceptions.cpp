// Morvana.exe is built without exceptions (see morvana_shipped). Nothing in
// it throws or catches on purpose: what would throw is an index out of range
// or memory run out, and both end the program at once, as an exception that
// nobody catches would. The standard library's own throwing helpers, and the
// operator new that throws, would still bring in its whole exception
// machinery and the thread library under it, more than half of the file.
// Defined here, they end the program the same way without them.
//
// Each helper is defined by its qualified name, which must match the
// library's own declaration: should a signature change, this stops
// compiling instead of quietly defining an unrelated function. The library
// declares them noreturn in its own spelling, which a later declaration may
// only repeat in that spelling.

#include <bits/functexcept.h>

#include <cstdlib>
#include <new>

// NOLINTBEGIN(bugprone-reserved-identifier, cert-dcl58-cpp): these are the library's own names.
[[gnu::noreturn]] void std::__throw_bad_alloc() {
  std::abort();
}
[[gnu::noreturn]] void std::__throw_bad_array_new_length() {
  std::abort();
}
[[gnu::noreturn]] void std::__throw_length_error(const char* /*what*/) {
  std::abort();
}
[[gnu::noreturn]] void std::__throw_logic_error(const char* /*what*/) {
  std::abort();
}
[[gnu::noreturn]] void std::__throw_out_of_range_fmt(const char* /*format*/, ...) {
  std::abort();
}
// NOLINTEND(bugprone-reserved-identifier, cert-dcl58-cpp)

void* operator new(std::size_t size) {
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  std::abort();
}

void operator delete(void* memory) noexcept {
  std::free(memory);
}

void operator delete(void* memory, std::size_t /*size*/) noexcept {
  std::free(memory);
}
