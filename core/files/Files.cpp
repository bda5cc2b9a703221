// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/Files.h"

#include "core/Errors.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace kuyu {

namespace {

struct Fd {
    int fd = -1;
    explicit Fd(int f) : fd(f) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd >= 0) {
            close(fd);
        }
    }
};

// A name the system will not let us look at (a folder on the way that we may
// not enter) counts as present: opening it then reports the access error
// instead of "not found".
bool exists(const std::string& p) {
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0 || errno == EACCES;
}

bool isDirectory(const std::string& p) {
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Windows paths in data may use "\"; on this system it is "/".
Text normalised(const Text& path) {
    Text p = path;
    for (auto& c : p) {
        if (c == U'\\') {
            c = U'/';
        }
    }
    return p;
}

// A name that cannot be handed to the system as it is: a NUL would cut the
// name short and open a different file.
bool unusable(const Text& path) {
    return path.empty() || path.find(U'\0') != Text::npos;
}

// The entries of one directory by their ASCII-folded names: a valid UTF-8
// name under its UTF-8 reading, every name also under its CP932 reading
// (raw CP932 bytes can happen to be valid UTF-8). Several entries may share
// a folded name; the smallest native name is kept so the choice does not
// depend on the order the directory lists its entries.
struct DirIndex {
    struct timespec mtime {};
    struct timespec ctime {};
    dev_t device = 0;
    ino_t inode = 0;
    std::unordered_map<Text, std::string> byUtf8;
    std::unordered_map<Text, std::string> byCp932;
};

void keepSmallest(std::unordered_map<Text, std::string>& index, Text key, const std::string& name) {
    auto [it, added] = index.try_emplace(std::move(key), name);
    if (!added && name < it->second) {
        it->second = name;
    }
}

std::shared_ptr<const DirIndex> scanDirectory(const std::string& dir, const struct stat& st) {
    int error = 0;
    const std::vector<FolderEntry> entries = listDirectory(dir, EntryKinds::Skip, &error);
    if (error != 0) {
        return nullptr;
    }
    auto index = std::make_shared<DirIndex>();
    index->mtime = st.st_mtim;
    index->ctime = st.st_ctim;
    index->device = st.st_dev;
    index->inode = st.st_ino;
    for (const FolderEntry& e : entries) {
        if (isUtf8Name(e.native)) {
            keepSmallest(index->byUtf8, upperAscii(e.name), e.native);
        }
        keepSmallest(index->byCp932, upperAscii(decodeCp932(e.native)), e.native);
    }
    return index;
}

std::atomic<std::chrono::milliseconds> listingKeepDelay{std::chrono::seconds(2)};

// Listing a large data folder for every missing candidate is slow, so
// listings are kept while the directory is unchanged. A directory changed
// within the last moments is listed afresh each time: its time stamps are
// coarse, so a file added just after a listing might not change them. The
// change time is used as well as the modification time because a copying
// tool can set the latter back.
std::shared_ptr<const DirIndex> directoryIndex(const std::string& dir) {
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        return nullptr;
    }
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const DirIndex>> cache;

    const auto now = std::chrono::system_clock::now();
    auto timePoint = [](const struct timespec& t) {
        return std::chrono::system_clock::time_point(
            std::chrono::duration_cast<std::chrono::system_clock::duration>(
                std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec)));
    };
    const auto changed = std::max(timePoint(st.st_mtim), timePoint(st.st_ctim));
    const bool settled = now - changed > listingKeepDelay.load();
    auto same = [](const struct timespec& a, const struct timespec& b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    };

    std::lock_guard lock(mutex);
    if (settled) {
        auto it = cache.find(dir);
        if (it != cache.end()) {
            const DirIndex& c = *it->second;
            if (c.device == st.st_dev && c.inode == st.st_ino && same(c.mtime, st.st_mtim) &&
                same(c.ctime, st.st_ctim)) {
                return it->second;
            }
        }
    }
    auto index = scanDirectory(dir, st);
    if (index && settled) {
        if (cache.size() >= 64) {
            cache.clear();
        }
        cache[dir] = index;
    }
    return index;
}

// The entry of directory `dir` (native, with its trailing "/"; "" = current)
// that matches `name`: exact UTF-8, exact CP932, then ASCII case-folded
// under either reading.
std::optional<std::string> findEntry(const std::string& dir, const Text& name) {
    const std::string utf8 = toUtf8(name);
    if (exists(dir + utf8)) {
        return utf8;
    }
    const auto cp = encodeCp932(name);
    if (cp && *cp != utf8 && exists(dir + *cp)) {
        return *cp;
    }
    const auto index = directoryIndex(dir.empty() ? std::string(".") : dir);
    if (!index) {
        return std::nullopt;
    }
    const Text key = upperAscii(name);
    if (auto it = index->byUtf8.find(key); it != index->byUtf8.end()) {
        return it->second;
    }
    if (auto it = index->byCp932.find(key); it != index->byCp932.end()) {
        return it->second;
    }
    return std::nullopt;
}

int openErrorNumber(int error) {
    switch (error) {
    case ENOENT:
        return err::FileNotFound;
    case ENOTDIR:
        return err::PathNotFound;
    case EACCES:
    case EPERM:
        return err::PathFileAccess;
    case ENAMETOOLONG:
        return err::BadFileName;
    default:
        return err::DeviceIo;
    }
}

// Opens the resolved file for reading. Returns the descriptor, or -1 with
// `error` set to the error number. Only plain files count: a directory, a
// pipe or a device is not a data file (and opening a pipe could block).
int openDataFile(const std::string& native, int& error) {
    const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        error = openErrorNumber(errno);
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        error = err::PathFileAccess;
        return -1;
    }
    return fd;
}

int folderErrorNumber(const std::error_code& ec) {
    return ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory
               ? err::PathNotFound
               : err::PathFileAccess;
}

} // namespace

bool isUtf8Name(std::string_view native) {
    return toUtf8(fromUtf8(native)) == native;
}

Text readableFileName(std::string_view native) {
    Text asUtf8 = fromUtf8(native);
    return toUtf8(asUtf8) == native ? asUtf8 : decodeCp932(native);
}

Text pathFromNative(std::string_view native) {
    Text path;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t slash = native.find('/', pos);
        path += readableFileName(native.substr(pos, slash - pos));
        if (slash == std::string_view::npos) {
            return path;
        }
        path += U'/';
        pos = slash + 1;
    }
}

std::vector<FolderEntry> listDirectory(const std::string& native, EntryKinds kinds, int* error) {
    namespace fs = std::filesystem;
    std::vector<FolderEntry> out;
    std::error_code ec;
    fs::directory_iterator it(native.empty() ? fs::path(".") : fs::path(native), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        FolderEntry e;
        e.native = it->path().filename().native();
        e.name = readableFileName(e.native);
        if (kinds == EntryKinds::Read) {
            std::error_code typeError;
            e.isFolder = it->is_directory(typeError);
            e.isFile = !e.isFolder && it->is_regular_file(typeError);
        }
        out.push_back(std::move(e));
    }
    if (error != nullptr) {
        *error = ec ? folderErrorNumber(ec) : 0;
    }
    return out;
}

std::optional<std::string> resolvePath(const Text& path) {
    if (unusable(path)) {
        return std::nullopt;
    }
    const Text p = normalised(path);
    const std::string direct = toUtf8(p);
    if (exists(direct)) {
        return direct;
    }
    // Walk the path one component at a time.
    std::string resolved;
    std::size_t pos = 0;
    if (p[0] == U'/') {
        resolved = "/";
        pos = 1;
    }
    while (pos <= p.size()) {
        std::size_t slash = p.find(U'/', pos);
        const bool last = slash == Text::npos;
        if (last) {
            slash = p.size();
        }
        const Text component = p.substr(pos, slash - pos);
        if (!component.empty()) {
            if (component == U"." || component == U"..") {
                resolved += toUtf8(component);
            } else {
                auto hit = findEntry(resolved, component);
                if (!hit) {
                    return std::nullopt;
                }
                resolved += *hit;
            }
            if (!last) {
                resolved += "/";
            }
        }
        if (last) {
            break;
        }
        pos = slash + 1;
    }
    if (resolved.empty() || !exists(resolved)) {
        return std::nullopt;
    }
    return resolved;
}

int FileExists(const Text& path) {
    if (unusable(path)) {
        return err::BadFileName;
    }
    const Text p = normalised(path);
    const auto resolved = resolvePath(p);
    if (!resolved) {
        // Not found: is it the file or the folder that is missing?
        const std::size_t slash = p.rfind(U'/');
        if (slash != Text::npos && slash > 0) {
            const auto folder = resolvePath(p.substr(0, slash));
            if (!folder || !isDirectory(*folder)) {
                return err::PathNotFound;
            }
        }
        return 0; // not found (error 53)
    }
    int error = 0;
    Fd f(openDataFile(*resolved, error));
    if (f.fd < 0) {
        return error == err::FileNotFound ? 0 : error;
    }
    return -1;
}

std::string readWholeFile(const Text& path) {
    return readWholeFile(path, SIZE_MAX);
}

std::string readWholeFile(const Text& path, std::size_t maxBytes) {
    const int status = FileExists(path);
    if (status != -1) {
        throw RunTimeError(status == 0 ? err::FileNotFound : status);
    }
    const auto resolved = resolvePath(path);
    if (!resolved) {
        throw RunTimeError(err::FileNotFound); // removed since the test above
    }
    return readNativeFile(*resolved, maxBytes);
}

std::string readNativeFile(const std::string& native, std::size_t maxBytes) {
    int error = 0;
    Fd f(openDataFile(native, error));
    if (f.fd < 0) {
        throw RunTimeError(error);
    }
    struct stat st {};
    if (::fstat(f.fd, &st) == 0 && static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        throw RunTimeError(err::OutOfMemory);
    }
    std::string data;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(f.fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw RunTimeError(err::DeviceIo);
        }
        if (n == 0) {
            break;
        }
        if (data.size() + static_cast<std::size_t>(n) > maxBytes) {
            throw RunTimeError(err::OutOfMemory); // grew while being read
        }
        data.append(buffer, static_cast<std::size_t>(n));
    }
    return data;
}

void setListingKeepDelay(std::chrono::milliseconds delay) {
    listingKeepDelay = delay;
}

Text currentDirectoryWithSlash() {
    std::vector<char> buf(4096);
    while (::getcwd(buf.data(), buf.size()) == nullptr) {
        if (errno != ERANGE) {
            return U"./";
        }
        buf.resize(buf.size() * 2);
    }
    Text dir = fromUtf8(buf.data());
    if (dir.empty() || dir.back() != U'/') {
        dir += U'/';
    }
    return dir;
}

} // namespace kuyu
