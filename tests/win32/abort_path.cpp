// Asks a vector for an element it does not have. Built as Morvana.exe is,
// without exceptions, this must end at once through the program's own
// helper, not through the library's exception machinery.

#include <cstddef>
#include <vector>

int main(int argc, char** /*argv*/) {
  const std::vector<int> one(1);
  return one.at(static_cast<std::size_t>(argc) + 1);
}
