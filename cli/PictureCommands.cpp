#include "cli/PictureCommands.h"

#include "cli/Output.h"
#include "pi/PiDecoder.h"

#include <fstream>

namespace kuyu::cli {

int runDecodePi(const DecodePiArgs& args) {
    const pi::PiPicture picture = pi::decodePiFile(fromUtf8(args.input));
    if (picture.isNull()) {
        std::cerr << "kuyu-cli: cannot decode " << args.input << '\n';
        return ExitNotFound;
    }
    const std::vector<std::uint32_t> pixels = pi::toRgb32TopDown(picture);
    std::string ppm = "P6\n" + std::to_string(picture.width()) + " " +
                      std::to_string(picture.height()) + "\n255\n";
    ppm.reserve(ppm.size() + pixels.size() * 3);
    for (const std::uint32_t p : pixels) {
        ppm.push_back(static_cast<char>((p >> 16) & 0xFF));
        ppm.push_back(static_cast<char>((p >> 8) & 0xFF));
        ppm.push_back(static_cast<char>(p & 0xFF));
    }
    std::ofstream out(args.output, std::ios::binary | std::ios::trunc);
    out.write(ppm.data(), static_cast<std::streamsize>(ppm.size()));
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

int runFindPicture(const FindPictureArgs& args) {
    // The lookup itself is not available yet.
    std::cerr << "kuyu-cli: picture lookup for " << args.base << " is not available\n";
    return ExitNotFound;
}

} // namespace kuyu::cli
