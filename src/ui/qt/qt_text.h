#pragma once

#include <QString>

#include <string_view>

namespace morvana {

// The layout table and the command speak UTF-8; Qt speaks QString.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), std::ssize(text));
}

}  // namespace morvana
