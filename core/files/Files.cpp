#include "core/files/Files.h"

#include "core/Errors.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kuyu {

namespace {

struct DirCloser {
    void operator()(DIR* d) const { closedir(d); }
};

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

char32_t foldAscii(char32_t c) { return (c >= U'a' && c <= U'z') ? c - 32 : c; }

bool equalsFolded(TextView a, TextView b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

bool exists(const std::string& p) {
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0;
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

// The entry of directory `dir` (native, "" = current) that matches `name`:
// exact UTF-8, exact CP932, then ASCII case-folded in either decoding.
std::optional<std::string> findEntry(const std::string& dir, const Text& name) {
    const std::string base = dir.empty() ? std::string() : dir;
    const std::string utf8 = toUtf8(name);
    if (exists(base + utf8)) {
        return utf8;
    }
    if (auto cp = encodeCp932(name); cp && *cp != utf8 && exists(base + *cp)) {
        return *cp;
    }
    std::unique_ptr<DIR, DirCloser> d(opendir(base.empty() ? "." : base.c_str()));
    if (!d) {
        return std::nullopt;
    }
    std::optional<std::string> cp932Hit;
    while (dirent* e = readdir(d.get())) {
        const std::string entry = e->d_name;
        if (entry == "." || entry == "..") {
            continue;
        }
        // A valid UTF-8 name is taken as UTF-8; otherwise it is raw CP932.
        const Text asUtf8 = fromUtf8(entry);
        if (asUtf8.find(U'\uFFFD') == Text::npos && equalsFolded(asUtf8, name)) {
            return entry;
        }
        if (!cp932Hit && equalsFolded(decodeCp932(entry), name)) {
            cp932Hit = entry;
        }
    }
    return cp932Hit;
}

} // namespace

std::optional<std::string> resolvePath(const Text& path) {
    const Text p = normalised(path);
    if (p.empty()) {
        return std::nullopt;
    }
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
    const Text p = normalised(path);
    if (p.empty()) {
        return err::BadFileName;
    }
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
        return err::FileNotFound;
    }
    if (isDirectory(*resolved)) {
        return err::PathFileAccess;
    }
    Fd f(::open(resolved->c_str(), O_RDONLY | O_CLOEXEC));
    if (f.fd < 0) {
        switch (errno) {
        case ENOENT:
            return err::FileNotFound;
        case ENOTDIR:
            return err::PathNotFound;
        case EACCES:
        case EPERM:
            return err::PathFileAccess;
        default:
            return err::DeviceIo;
        }
    }
    return -1;
}

std::string readWholeFile(const Text& path) {
    const int status = FileExists(path);
    if (status != -1) {
        throw RunTimeError(status);
    }
    const auto resolved = resolvePath(path);
    Fd f(::open(resolved->c_str(), O_RDONLY | O_CLOEXEC));
    if (f.fd < 0) {
        throw RunTimeError(err::PathFileAccess);
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
        data.append(buffer, static_cast<std::size_t>(n));
    }
    return data;
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
