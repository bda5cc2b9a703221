#include "pi/PiDecoder.h"

#include "core/files/Files.h"

namespace kuyu::pi {

std::string pluginInfo(int number) {
    return number == 1 ? "Pi picture decoder" : std::string();
}

PiInfo readPiInfo(std::string_view) {
    return {};
}

int PiPicture::indexAt(int, int) const {
    return 0;
}

PiPicture decodePi(std::string_view) {
    return {};
}

PiPicture decodePiFile(const Text&) {
    return {};
}

std::vector<std::uint32_t> toRgb32TopDown(const PiPicture&) {
    return {};
}

PiInfo decodePiIndexes(std::string_view, std::vector<std::uint8_t>& indexes) {
    indexes.clear();
    return {};
}

std::vector<RgbQuad> defaultPalette(int) {
    return {};
}

} // namespace kuyu::pi
