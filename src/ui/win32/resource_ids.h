#pragma once

// What morvana.rc and the C++ code share. windres reads this file too, and
// its preprocessor only knows macros; C++ code uses the constants below.

#define MORVANA_ICON_GROUP_ID 1
#define MORVANA_MANIFEST_ID 1
// MORVANA_VERSION_NUMBERS and MORVANA_VERSION_TEXT, written by CMake from the
// project version (cmake/MorvanaVersion.cmake): 1, 0, 0, 0 and "1.00" for 1.0.0.
#include "morvana_version.h"
#define MORVANA_PRODUCT_NAME "Morvana"
#define MORVANA_FILE_NAME "Morvana.exe"

#ifndef RC_INVOKED
namespace morvana::resources {
inline constexpr int kIconGroupId = MORVANA_ICON_GROUP_ID;
inline constexpr int kManifestId = MORVANA_MANIFEST_ID;
inline constexpr const char* kProductName = MORVANA_PRODUCT_NAME;
inline constexpr const char* kFileName = MORVANA_FILE_NAME;
inline constexpr const char* kVersionText = MORVANA_VERSION_TEXT;
}  // namespace morvana::resources
#endif
