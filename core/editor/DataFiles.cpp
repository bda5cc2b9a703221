// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/editor/DataFiles.h"

#include "core/database/Database.h"
#include "core/files/Files.h"
#include "core/state/AppState.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kuyu::editor {

namespace {

std::function<int(SaveStep, const std::string&)> fault;

int injected(SaveStep step, const std::string& file) {
    return fault ? fault(step, file) : 0;
}

// Thrown inside a save with the errno of the failed call.
struct WriteError {
    int errnoValue;
    Text what; // when not about a system call
};

std::uint64_t fnv1a(std::string_view bytes) {
    std::uint64_t h = 1469598103934665603ULL;
    for (const unsigned char c : bytes) {
        h = (h ^ c) * 1099511628211ULL;
    }
    return h;
}

std::string folderOf(const std::string& native) {
    const auto slash = native.rfind('/');
    return slash == std::string::npos ? std::string(".") : native.substr(0, slash + 1);
}

void writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw WriteError{errno, {}};
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

// A new file beside `target` holding `bytes`, flushed to the disk. Returns
// its path; removes it again on failure.
std::string writeTemporary(const std::string& target, std::string_view bytes) {
    std::string path = target + ".tmpXXXXXX";
    const int fd = ::mkstemp(path.data());
    if (fd < 0) {
        throw WriteError{errno, {}};
    }
    try {
        if (const int e = injected(SaveStep::WriteTemporary, target)) {
            throw WriteError{e, {}};
        }
        // A new file gets the permissions of the one it replaces.
        struct stat st {};
        if (::stat(target.c_str(), &st) == 0) {
            ::fchmod(fd, st.st_mode & 07777);
        } else {
            ::fchmod(fd, 0644);
        }
        writeAll(fd, bytes);
        if (::fsync(fd) != 0) {
            throw WriteError{errno, {}};
        }
    } catch (...) {
        ::close(fd);
        ::unlink(path.c_str());
        throw;
    }
    if (::close(fd) != 0) {
        const int e = errno;
        ::unlink(path.c_str());
        throw WriteError{e, {}};
    }
    return path;
}

std::optional<std::string> readNative(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        return std::nullopt;
    }
    std::string bytes;
    char buf[65536];
    std::size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        bytes.append(buf, n);
    }
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        return std::nullopt;
    }
    return bytes;
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Keeps the present `target` as target + ".bak", replacing an older one
// whole: a hard link where the file system has them, else a copy.
void keepBackup(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        return; // nothing to keep yet
    }
    if (const int e = injected(SaveStep::Backup, target)) {
        throw WriteError{e, {}};
    }
    const std::string bak = target + ".bak";
    std::string tmp = bak + "XXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) {
        throw WriteError{errno, {}};
    }
    ::close(fd);
    ::unlink(tmp.c_str());
    if (::link(target.c_str(), tmp.c_str()) != 0) {
        const auto bytes = readNative(target);
        if (!bytes) {
            throw WriteError{errno ? errno : EIO, {}};
        }
        const std::string copy = writeTemporary(bak, *bytes);
        if (::rename(copy.c_str(), tmp.c_str()) != 0) {
            const int e = errno;
            ::unlink(copy.c_str());
            throw WriteError{e, {}};
        }
    }
    if (::rename(tmp.c_str(), bak.c_str()) != 0) {
        const int e = errno;
        ::unlink(tmp.c_str());
        throw WriteError{e, {}};
    }
}

Text tableOfRecords(const std::vector<Record>& records, FileLayout layout, Text& why) {
    for (const Record& r : records) {
        for (const Text& f : r) {
            if (Text p = FieldProblem(f); !p.empty()) {
                why = U"「" + r.front() + U"」: " + p;
                return {};
            }
        }
    }
    return WriteRecords(records, layout).value_or(Text{});
}

// The plant table the loader makes of `path`, as records.
std::optional<std::vector<Record>> loadBack(const std::string& native) {
    AppState state;
    if (StartUpLoad(state, pathFromNative(native))) {
        return std::nullopt;
    }
    std::vector<Record> out;
    for (int j = 1; j <= state.PlantCount; ++j) {
        out.push_back({state.PlantName[j], state.PlantCode[j], state.PlantFamily[j]});
    }
    return out;
}

std::vector<Record> asLoaded(std::vector<Record> plants) {
    for (Record& r : plants) {
        r[1].resize(CodeLength, U' ');
    }
    return plants;
}

struct Prepared {
    std::string target;
    std::string temporary;
};

void discard(std::vector<Prepared>& files) {
    for (const Prepared& p : files) {
        if (!p.temporary.empty()) {
            ::unlink(p.temporary.c_str());
        }
    }
}

} // namespace

FileFingerprint FingerprintOf(const std::string& native) {
    FileFingerprint fp;
    struct stat st {};
    if (::stat(native.c_str(), &st) != 0) {
        return fp;
    }
    const auto bytes = readNative(native);
    if (!bytes) {
        return fp;
    }
    fp.exists = true;
    fp.size = static_cast<std::int64_t>(bytes->size());
    fp.mtimeNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    fp.hash = fnv1a(*bytes);
    return fp;
}

Text WriteFailureReason(int e) {
    switch (e) {
    case ENOSPC:
    case EDQUOT:
        return U"ディスクに空きがありません";
    case EACCES:
    case EPERM:
        return U"このフォルダには書き込みが許されていません";
    case EROFS:
        return U"書き込みのできない場所です";
    case ENOENT:
    case ENOTDIR:
        return U"フォルダがみつかりません";
    case EIO:
        return U"ディスクの読み書きに失敗しました";
    case EEXIST:
        return U"同じ名前のファイルがもうあります";
    default:
        return U"書き込みに失敗しました（" + decimal(e) + U"）";
    }
}

void SetSaveFaultForTests(std::function<int(SaveStep, const std::string&)> f) {
    fault = std::move(f);
}

Outcome WriteDataFiles(const DataFileTarget& database, const DataFileTarget& aliases,
                       const DataTables& tables) {
    const Text failed = U"保存できませんでした（";
    const Text kept = U"）。元のファイルはそのままです";
    Text why;
    const Text plantText = tableOfRecords(tables.plants, database.layout, why);
    const Text aliasText =
        why.empty() ? tableOfRecords(tables.aliases, aliases.layout, why) : Text{};
    if (!why.empty()) {
        return Outcome::failure(failed + why + kept);
    }
    std::vector<Prepared> files;
    try {
        const auto plantBytes = encodeCp932(plantText);
        const auto aliasBytes = encodeCp932(aliasText);
        if (!plantBytes || !aliasBytes) {
            throw WriteError{0, U"シフトJISに直せない文字があります"};
        }
        files.push_back({database.native, writeTemporary(database.native, *plantBytes)});
        const auto back = loadBack(files.back().temporary);
        if (!back || *back != asLoaded(tables.plants) ||
            injected(SaveStep::ReadBack, database.native) != 0) {
            throw WriteError{0, U"書いたファイルを読み直すと内容が違います"};
        }
        if (!aliases.native.empty()) {
            files.push_back({aliases.native, writeTemporary(aliases.native, *aliasBytes)});
            const auto bytes = readNative(files.back().temporary);
            if (!bytes || ReadRecords(decodeFileText(*bytes), 2) != tables.aliases) {
                throw WriteError{0, U"書いたファイルを読み直すと内容が違います"};
            }
        }
        for (const Prepared& p : files) {
            keepBackup(p.target);
        }
    } catch (const WriteError& e) {
        discard(files);
        return Outcome::failure(
            failed + (e.what.empty() ? WriteFailureReason(e.errnoValue) : e.what) + kept);
    } catch (const std::bad_alloc&) {
        discard(files);
        return Outcome::failure(failed + U"メモリが足りません" + kept);
    }
    // Into place. The backups hold the old files, so a failure on the second
    // file puts the first one back as it was.
    for (std::size_t i = 0; i < files.size(); ++i) {
        const SaveStep step = i == 0 ? SaveStep::RenameDatabase : SaveStep::RenameAliases;
        int e = injected(step, files[i].target);
        if (e == 0 && ::rename(files[i].temporary.c_str(), files[i].target.c_str()) != 0) {
            e = errno;
        }
        if (e != 0) {
            for (std::size_t j = 0; j < i; ++j) {
                const std::string bak = files[j].target + ".bak";
                struct stat st {};
                if (::stat(bak.c_str(), &st) == 0) {
                    if (auto bytes = readNative(bak)) {
                        try {
                            const std::string restore = writeTemporary(files[j].target, *bytes);
                            ::rename(restore.c_str(), files[j].target.c_str());
                        } catch (const WriteError&) {
                        }
                    }
                } else {
                    ::unlink(files[j].target.c_str()); // it was new
                }
            }
            for (std::size_t j = i; j < files.size(); ++j) {
                ::unlink(files[j].temporary.c_str());
            }
            return Outcome::failure(failed + WriteFailureReason(e) + kept);
        }
        files[i].temporary.clear();
    }
    syncFolder(folderOf(database.native));
    if (!aliases.native.empty() && folderOf(aliases.native) != folderOf(database.native)) {
        syncFolder(folderOf(aliases.native));
    }
    return Outcome::success();
}

} // namespace kuyu::editor
