// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the image browser lists: the sub-folders and files of one folder, and
// which files a file pattern lets through. No screen here.

#include "core/text/Text.h"

#include <string>
#include <vector>

namespace kuyu {

// A folder's entries by the names a person reads: a name that is valid UTF-8
// under that reading, any other under its CP932 reading (names written by
// Windows), so resolvePath finds the file again. Hidden entries (".name")
// are left out; both lists are sorted without regard to ASCII case.
struct FolderListing {
    std::vector<Text> folders;
    std::vector<Text> files;
    // Each file's name on disk, in the order of `files`: two names can read
    // alike (a CP932 and a UTF-8 name, two bytes CP932 does not define).
    std::vector<std::string> fileNames;
    // 0 when the folder was read; otherwise the error number (76 when it is
    // missing, 75 when it may not be read or, read, not entered).
    int error = 0;
};
FolderListing listFolder(const Text& folder);

// `folder` and `name` joined by one "/".
Text joinPath(const Text& folder, const Text& name);

// True when `name` matches one of the ";"-separated patterns ("*.BMP;*.Pi"),
// "*" standing for any run of characters and "?" for one, ASCII letters
// compared without regard to case. "*.*" matches every name, with or
// without a dot, as it always has.
bool matchesFilePattern(const Text& name, const Text& patterns);

} // namespace kuyu
