// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/images/ImageFolder.h"

#include "core/Errors.h"
#include "core/files/Files.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>
#include <utility>

namespace kuyu {

namespace {

bool lessFolded(const Text& a, const Text& b) {
    const auto n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char32_t x = upperAscii(a[i]);
        const char32_t y = upperAscii(b[i]);
        if (x != y) {
            return x < y;
        }
    }
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

bool globMatch(TextView name, TextView glob) {
    // Iterative match with one back-track point for the last "*".
    std::size_t n = 0;
    std::size_t g = 0;
    std::size_t starG = TextView::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (g < glob.size() && (glob[g] == U'?' || upperAscii(glob[g]) == upperAscii(name[n]))) {
            ++n;
            ++g;
        } else if (g < glob.size() && glob[g] == U'*') {
            starG = g++;
            starN = n;
        } else if (starG != TextView::npos) {
            g = starG + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (g < glob.size() && glob[g] == U'*') {
        ++g;
    }
    return g == glob.size();
}

} // namespace

FolderListing listFolder(const Text& folder) {
    FolderListing out;
    const auto native = resolvePath(folder);
    if (!native) {
        out.error = err::PathNotFound;
        return out;
    }
    // A folder that may be read but not entered lists names whose files
    // cannot be reached: that is said, not shown as an empty folder.
    if (::access(native->c_str(), X_OK) != 0 && errno == EACCES) {
        out.error = err::PathFileAccess;
        return out;
    }
    std::vector<std::pair<Text, std::string>> files;
    for (FolderEntry& e : listDirectory(*native, EntryKinds::Read, &out.error)) {
        if (e.native.empty() || e.native[0] == '.') {
            continue;
        }
        if (e.isFolder) {
            out.folders.push_back(std::move(e.name));
        } else if (e.isFile) {
            files.emplace_back(std::move(e.name), std::move(e.native));
        }
    }
    if (out.error != 0) {
        out.folders.clear();
        out.files.clear();
        return out;
    }
    std::sort(out.folders.begin(), out.folders.end(), lessFolded);
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
        return lessFolded(a.first, b.first) ||
               (!lessFolded(b.first, a.first) && a.second < b.second);
    });
    for (auto& [name, onDisk] : files) {
        out.files.push_back(std::move(name));
        out.fileNames.push_back(std::move(onDisk));
    }
    return out;
}

Text joinPath(const Text& folder, const Text& name) {
    if (folder.empty()) {
        return name;
    }
    return folder.back() == U'/' ? folder + name : folder + U'/' + name;
}

bool matchesFilePattern(const Text& name, const Text& patterns) {
    std::size_t pos = 0;
    while (pos <= patterns.size()) {
        std::size_t end = patterns.find(U';', pos);
        if (end == Text::npos) {
            end = patterns.size();
        }
        const TextView glob = TextView(patterns).substr(pos, end - pos);
        if (glob == U"*.*" || (!glob.empty() && globMatch(name, glob))) {
            return true;
        }
        pos = end + 1;
    }
    return false;
}

} // namespace kuyu
