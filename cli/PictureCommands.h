#pragma once
// The picture subcommands: decoding a Pi file and the picture lookup.

#include <string>

namespace kuyu::cli {

struct DecodePiArgs {
    std::string input;
    std::string output;
    bool json = false;
};
// Writes a binary PPM (P6, top row first) and prints WIDTHxHEIGHT.
int runDecodePi(const DecodePiArgs& args);

struct FindPictureArgs {
    std::string db;
    std::string base;
    std::string kind = "plant";
    bool json = false;
};
// Prints the path the lookup would open; exit status 1 when none.
int runFindPicture(const FindPictureArgs& args);

} // namespace kuyu::cli
