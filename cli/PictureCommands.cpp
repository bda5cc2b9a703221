#include "cli/PictureCommands.h"

#include "cli/Output.h"
#include "core/database/Database.h"
#include "core/files/Files.h"
#include "core/images/PiFile.h"
#include "core/images/PictureLookup.h"
#include "pi/PiDecoder.h"

#include <fstream>

namespace kuyu::cli {

int runDecodePi(const DecodePiArgs& args) {
    const pi::PiPicture picture = pi::decodePiFile(fromUtf8(args.input));
    if (picture.isNull()) {
        std::cerr << "kuyu-cli: cannot decode " << args.input << '\n';
        return ExitNotFound;
    }
    // Written a row at a time: a large picture needs no second full copy.
    std::ofstream out(args.output, std::ios::binary | std::ios::trunc);
    out << "P6\n" << picture.width() << ' ' << picture.height() << "\n255\n";
    const std::vector<pi::RgbQuad>& palette = picture.bitmapInfo().palette;
    std::string row(static_cast<std::size_t>(picture.width()) * 3, '\0');
    for (int y = 0; y < picture.height() && out; ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const auto index = static_cast<std::size_t>(picture.indexAt(x, y));
            const pi::RgbQuad colour = index < palette.size() ? palette[index] : pi::RgbQuad{};
            const std::size_t at = static_cast<std::size_t>(x) * 3;
            row[at] = static_cast<char>(colour.red);
            row[at + 1] = static_cast<char>(colour.green);
            row[at + 2] = static_cast<char>(colour.blue);
        }
        out.write(row.data(), static_cast<std::streamsize>(row.size()));
    }
    out.close();
    if (!out) {
        std::cerr << "kuyu-cli: cannot write " << args.output << '\n';
        return ExitNotFound;
    }
    const std::string size =
        std::to_string(picture.width()) + "x" + std::to_string(picture.height());
    if (args.json) {
        printJson({{"width", picture.width()}, {"height", picture.height()}});
    } else {
        std::cout << size << '\n';
    }
    return ExitOk;
}

namespace {

// A name on disk as text: each part of the path that is not UTF-8 was
// written by Windows media in CP932.
Text nativePathText(const std::string& native) {
    Text out;
    std::size_t start = 0;
    while (start <= native.size()) {
        const std::size_t slash = std::min(native.find('/', start), native.size());
        const std::string part = native.substr(start, slash - start);
        const Text asUtf8 = fromUtf8(part);
        out += toUtf8(asUtf8) == part ? asUtf8 : decodeCp932(part);
        if (slash < native.size()) {
            out += U'/';
        }
        start = slash + 1;
    }
    return out;
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

} // namespace

int runFindPicture(const FindPictureArgs& args) {
    const Text folder = args.db.empty() ? Text{} : DataFolderOf(fromUtf8(args.db));
    const auto found = findPicture(fromUtf8(args.base), folder, pictureSet(args.kind));
    if (!found) {
        std::cerr << "kuyu-cli: no picture for " << args.base << '\n';
        return ExitNotFound;
    }
    // Show the file as it is named on disk (its letter case may differ).
    const auto native = resolvePath(*found);
    const Text path = native ? nativePathText(*native) : *found;
    if (args.json) {
        printJson({{"path", toUtf8(path)}, {"candidate", toUtf8(*found)}});
    } else {
        printLine(path);
    }
    return ExitOk;
}

} // namespace kuyu::cli
