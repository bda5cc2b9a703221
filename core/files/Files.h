// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files as the data folders hold them. Data came from Windows media, so a
// name is found regardless of ASCII letter case, and a name stored on disk as
// raw CP932 bytes is found as well as one stored in UTF-8. Every open of a
// data file goes through resolvePath.

#include "core/text/Text.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace kuyu {

// The file test: -1 when the file can be opened for reading, 0 when it is not
// found (error 53), otherwise the error number of the failure (76 path not
// found, 75 access error, ...). A directory is not a present file. Never throws.
int FileExists(const Text& path);

// The name on disk (native bytes, ready for open()) of the file that `path`
// names, or nullopt when there is none. Exact names win over case-folded
// ones. Relative paths are relative to the process's current directory.
std::optional<std::string> resolvePath(const Text& path);

// The whole content of a data file. Throws RunTimeError with the number that
// FileExists would give.
std::string readWholeFile(const Text& path);
// The same, refusing a file larger than `maxBytes` before reading any of it
// (RunTimeError 7, out of memory), so a huge file chosen by mistake is not
// pulled into memory.
std::string readWholeFile(const Text& path, std::size_t maxBytes);

// The same for a file known by its name on disk (a name a folder listing
// gave), which is opened as it is, without resolving.
std::string readNativeFile(const std::string& native, std::size_t maxBytes);

// The name a person reads for a name on disk: its UTF-8 reading when the
// bytes are UTF-8, otherwise its CP932 reading (names written by Windows).
// Every listing of a folder decodes names by this one rule.
bool isUtf8Name(std::string_view native);
Text readableFileName(std::string_view native);

// A path given as bytes (a command-line argument), each "/"-separated
// component read by the rule above, so that resolvePath finds the same bytes
// again: a UTF-8 parent folder may hold a folder named in CP932.
Text pathFromNative(std::string_view native);

// One entry of a folder: its name on disk and the name a person reads.
struct FolderEntry {
    std::string native;
    Text name;
    // Filled only when the listing was asked for kinds: a folder, a plain
    // file (links followed); a dangling link is neither.
    bool isFolder = false;
    bool isFile = false;
};
enum class EntryKinds { Skip, Read };

// The entries of the folder `native` (names on disk; "" is the current
// folder), "." and ".." left out, in the order the system lists them.
// `error` (when given) becomes 0, 76 when the folder is missing or not a
// folder, or 75 when it may not be read; the entries read before a failure
// are kept.
std::vector<FolderEntry> listDirectory(const std::string& native, EntryKinds kinds,
                                       int* error = nullptr);

// Folder listings are kept while a folder is unchanged, once it has been
// unchanged for this long (2 seconds). For tests.
void setListingKeepDelay(std::chrono::milliseconds delay);

// Current directory of the process, with "/" at the end.
Text currentDirectoryWithSlash();

} // namespace kuyu
