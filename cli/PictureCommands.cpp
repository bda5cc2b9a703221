// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Command.h"
#include "core/database/Database.h"
#include "core/files/Files.h"
#include "core/images/PiFile.h"
#include "core/images/PictureLookup.h"
#include "pi/PiDecoder.h"

#include "core/Errors.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace kuyu::cli {

namespace {

// Why a Pi file gave no picture, in the program's error numbers: what the
// file test says about the file, else what the decoder found in it.
std::pair<int, std::string> decodeFailure(const Text& path, const pi::PiPicture& picture) {
    const int status = FileExists(path);
    if (status == 0) {
        return {err::FileNotFound, "no such file"};
    }
    if (status == err::PathNotFound) {
        return {status, "no such folder"};
    }
    if (status != -1) {
        const auto native = resolvePath(path);
        struct stat st {};
        if (native && ::stat(native->c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
            return {status, "a folder, not a picture file"};
        }
        return {status, "the file cannot be read"};
    }
    if (const auto native = resolvePath(path)) {
        struct stat st {};
        if (::stat(native->c_str(), &st) == 0 &&
            static_cast<std::uint64_t>(st.st_size) > pi::kMaxFileBytes) {
            return {err::OutOfMemory, "the file is too large for a Pi picture"};
        }
    }
    switch (picture.error()) {
    case pi::PiError::UnknownFormat:
        return {err::InvalidPicture, "not a Pi picture"};
    case pi::PiError::TooLarge:
        return {err::OutOfMemory, "the picture is larger than 64 megapixels"};
    case pi::PiError::OutOfMemory:
        return {err::OutOfMemory, "not enough memory for the picture"};
    case pi::PiError::FileUnreadable:
        return {err::DeviceIo, "the file cannot be read"};
    default:
        return {err::InvalidPicture, "broken picture data"};
    }
}

// The file the PPM is written to first, beside OUT so that the rename that
// puts it in place stays on one file system. Removed unless kept.
class TempFile {
  public:
    explicit TempFile(const std::string& target) {
        const std::filesystem::path p(target);
        const std::string name = p.filename().string();
        path_ = (p.parent_path() / ("." + name + ".XXXXXX")).string();
        fd_ = ::mkstemp(path_.data());
        if (fd_ >= 0) {
            // mkstemp makes the file private; give it what a new file gets.
            const mode_t mask = ::umask(0);
            ::umask(mask);
            ::fchmod(fd_, 0666 & ~mask);
        }
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!kept_ && !path_.empty()) {
            ::unlink(path_.c_str());
        }
    }
    bool ok() const { return fd_ >= 0; }
    bool write(const char* data, std::size_t size) {
        while (size > 0) {
            const ssize_t n = ::write(fd_, data, size);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                return false;
            }
            data += n;
            size -= static_cast<std::size_t>(n);
        }
        return true;
    }
    // Flushes, closes and renames it onto `target`.
    bool commit(const std::string& target) {
        const bool synced = ::fsync(fd_) == 0;
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        if (!synced || !closed || ::rename(path_.c_str(), target.c_str()) != 0) {
            return false;
        }
        kept_ = true;
        return true;
    }

  private:
    std::string path_;
    int fd_ = -1;
    bool kept_ = false;
};

struct DecodePiArgs {
    Common common;
    std::string input;
    std::string output;
};

// Writes a binary PPM (P6, top row first) and prints WIDTHxHEIGHT.
int runDecodePi(const DecodePiArgs& args) {
    const Text input = pathArgument(args.input);
    const pi::PiPicture picture = pi::decodePiFile(input);
    if (picture.isNull()) {
        const auto [error, why] = decodeFailure(input, picture);
        return reportFailure(ExitNotFound, error, "cannot decode " + args.input + ": " + why,
                             args.common.json);
    }
    // Written to a new file that replaces OUT only when complete: a failed
    // write leaves whatever OUT held.
    TempFile out(args.output);
    const auto cannotWrite = [&args](const char* why) {
        return reportFailure(ExitNotFound, err::DeviceIo,
                             "cannot write " + args.output + ": " + why, args.common.json);
    };
    if (!out.ok()) {
        return cannotWrite(std::strerror(errno));
    }
    const std::string header = "P6\n" + std::to_string(picture.width()) + ' ' +
                               std::to_string(picture.height()) + "\n255\n";
    bool written = out.write(header.data(), header.size());
    // A row at a time: a large picture needs no second full copy.
    const std::vector<pi::RgbQuad>& palette = picture.bitmapInfo().palette;
    std::string row(static_cast<std::size_t>(picture.width()) * 3, '\0');
    for (int y = 0; y < picture.height() && written; ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const auto index = static_cast<std::size_t>(picture.indexAt(x, y));
            const pi::RgbQuad colour = index < palette.size() ? palette[index] : pi::RgbQuad{};
            const std::size_t at = static_cast<std::size_t>(x) * 3;
            row[at] = static_cast<char>(colour.red);
            row[at + 1] = static_cast<char>(colour.green);
            row[at + 2] = static_cast<char>(colour.blue);
        }
        written = out.write(row.data(), row.size());
    }
    if (!written) {
        return cannotWrite(std::strerror(errno));
    }
    if (!out.commit(args.output)) {
        return cannotWrite(std::strerror(errno));
    }
    if (args.common.json) {
        printJson({{"width", picture.width()}, {"height", picture.height()}});
    } else {
        std::cout << picture.width() << 'x' << picture.height() << '\n';
    }
    return ExitOk;
}

PictureSet pictureSet(const std::string& kind) {
    if (kind == "window") {
        return PictureSet::PlantWindow;
    }
    if (kind == "illustration") {
        return PictureSet::Illustration;
    }
    return PictureSet::Plant;
}

struct FindPictureArgs {
    Common common;
    std::string base;
    std::string kind = "plant";
};

// Prints the path the lookup would open; exit status 1 when none.
int runFindPicture(const FindPictureArgs& args) {
    const Text folder =
        args.common.db.empty() ? Text{} : DataFolderOf(pathArgument(args.common.db));
    const auto found = findPicture(fromUtf8(args.base), folder, pictureSet(args.kind));
    if (!found) {
        return reportFailure(ExitNotFound, err::FileNotFound, "no picture for " + args.base,
                             args.common.json);
    }
    // Show the file as it is named on disk (its letter case may differ).
    const auto native = resolvePath(*found);
    const Text path = native ? pathFromNative(*native) : *found;
    if (args.common.json) {
        printJson({{"path", toUtf8(path)}, {"candidate", toUtf8(*found)}});
    } else {
        printLine(path);
    }
    return ExitOk;
}

const CommandRegistration decodeCommand{
    70, [](CLI::App& app, Invocation& run) {
        auto [sub, a] =
            addCommand(app, run, "decode-pi", "decode a Pi picture into a PPM file", runDecodePi);
        sub->add_option("FILE", a.input, "Pi file")->required();
        sub->add_option("OUT", a.output, "PPM file to write")->required();
        addJsonFlag(*sub, a.common);
    }};

const CommandRegistration findCommand{
    80, [](CLI::App& app, Invocation& run) {
        auto [sub, a] = addCommand(app, run, "find-picture", "the picture file a window would open",
                                   runFindPicture);
        addCommon(*sub, a.common, "plant database file (sets the data folder)");
        sub->add_option("--base", a.base, "base name of the picture")->required();
        sub->add_option("--kind", a.kind, "plant, window or illustration")
            ->check(CLI::IsMember({"plant", "window", "illustration"}));
    }};

} // namespace
} // namespace kuyu::cli
