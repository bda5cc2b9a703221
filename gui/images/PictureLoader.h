// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loading a picture file for a window: Pi pictures through our decoder (via
// the hidden holder FormPi), everything else through Qt's image readers.

#include "core/images/PictureLookup.h"
#include "core/text/Text.h"

#include <QImage>

#include <string>

namespace kuyu::gui {

class App;

// Loads `path` (resolved like every data file). Throws kuyu::RunTimeError:
// 53 when the file is missing, 481 when it cannot be decoded, a Pi file the
// decoder cannot read included (a blank picture would pass for a loaded one).
QImage LoadPicture(App& app, const Text& path);

// The same for a file known by its name on disk (bytes, as a folder listing
// gives it), read as it is; `kind` says how to decode it.
QImage LoadPictureFile(App& app, const std::string& native, PictureKind kind);

// Decodes a Pi file into the holder (Picture1 of FormPi) and returns the
// holder's picture, which the caller copies. A file the decoder cannot read
// leaves an empty holder and returns a null image; a missing file throws 53.
QImage DecodePiFile(App& app, const Text& path);

// The blank placeholder picture held by Image1 of the hidden window Form40.
QImage BlankPicture(App& app);

} // namespace kuyu::gui
