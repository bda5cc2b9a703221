#pragma once
// Loading a picture file for a window: Pi pictures through our decoder (via
// the hidden holder FormPi), everything else through Qt's image readers.

#include "core/text/Text.h"

#include <QImage>

namespace kuyu::gui {

class App;

// Loads `path` (resolved like every data file). Throws kuyu::RunTimeError
// when the file is missing or cannot be decoded. A Pi file the decoder
// cannot read gives an empty (null) image, as the Pi loader always did.
QImage LoadPicture(App& app, const Text& path);

} // namespace kuyu::gui
