#include "core/images/ImageFolder.h"

#include "core/Errors.h"
#include "core/files/Files.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace kuyu {

namespace {

struct DirCloser {
    void operator()(DIR* d) const { closedir(d); }
};

char32_t foldAscii(char32_t c) {
    return (c >= U'a' && c <= U'z') ? c - 32 : c;
}

Text readableName(const std::string& native) {
    Text asUtf8 = fromUtf8(native);
    if (asUtf8.find(U'\uFFFD') == Text::npos) {
        return asUtf8;
    }
    return decodeCp932(native);
}

bool lessFolded(const Text& a, const Text& b) {
    const auto n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char32_t x = foldAscii(a[i]);
        const char32_t y = foldAscii(b[i]);
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
        if (g < glob.size() && (glob[g] == U'?' || foldAscii(glob[g]) == foldAscii(name[n]))) {
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
    std::unique_ptr<DIR, DirCloser> d(opendir(native->c_str()));
    if (!d) {
        out.error = errno == ENOENT || errno == ENOTDIR ? err::PathNotFound : err::PathFileAccess;
        return out;
    }
    const int dirFd = dirfd(d.get());
    // A folder that may be read but not entered lists names whose files
    // cannot be reached: that is said, not shown as an empty folder.
    if (faccessat(dirFd, ".", X_OK, 0) != 0 && errno == EACCES) {
        out.error = err::PathFileAccess;
        return out;
    }
    std::vector<std::pair<Text, std::string>> files;
    while (const dirent* e = readdir(d.get())) {
        const std::string entry = e->d_name;
        if (entry.empty() || entry[0] == '.') {
            continue;
        }
        struct stat st {};
        if (fstatat(dirFd, entry.c_str(), &st, 0) != 0) {
            continue; // a dangling link, or gone since the listing began
        }
        if (S_ISDIR(st.st_mode)) {
            out.folders.push_back(readableName(entry));
        } else if (S_ISREG(st.st_mode)) {
            files.emplace_back(readableName(entry), entry);
        }
    }
    std::sort(out.folders.begin(), out.folders.end(), lessFolded);
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
        return lessFolded(a.first, b.first) ||
               (!lessFolded(b.first, a.first) && a.second < b.second);
    });
    for (auto& [name, native] : files) {
        out.files.push_back(std::move(name));
        out.fileNames.push_back(std::move(native));
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
