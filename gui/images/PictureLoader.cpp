// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/images/PictureLoader.h"

#include "core/Errors.h"
#include "core/files/Files.h"
#include "core/images/PictureLookup.h"
#include "gui/app/App.h"
#include "gui/images/FormPi.h"
#include "gui/images/ImageBox.h"
#include "gui/platform/CursorGuard.h"
#include "gui/widgets/Twips.h"
#include "pi/PiDecoder.h"

#include <QBuffer>
#include <QImageReader>

namespace kuyu::gui {

FormPi::FormPi(App&, QWidget* parent) : QWidget(parent) {
    picture1_ = new ImageBox(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setStretch(false);
    setAttribute(Qt::WA_DontShowOnScreen);
}

Form40::Form40(App&, QWidget* parent) : QWidget(parent) {
    image1_ = new ImageBox(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    setAttribute(Qt::WA_DontShowOnScreen);
}

namespace {

// Decodes the bytes of a Pi file into the holder, as DecodePiFile describes.
QImage decodePiBytes(App& app, const std::string& bytes) {
    const CursorGuard hourglass;
    auto& holder = *app.load<FormPi>().holder();
    const pi::PiInfo info = pi::readPiInfo(bytes);
    // The holder is sized from the picture information first, so a file the
    // decoder cannot read leaves it empty.
    holder.resize(std::max(1, info.height > 0 ? info.width : 0), std::max(1, info.height));
    holder.setPicture(QImage());
    pi::PiIndexedPicture picture = pi::decodePiIndexed(bytes);
    if (!picture.pixels) {
        if (picture.info.error == pi::PiError::OutOfMemory) {
            throw std::bad_alloc();
        }
        return {};
    }
    // The image is made over the decoder's own buffer (one index a pixel)
    // with the palette as its colour table: no full-size copy on the way.
    auto* buffer = picture.buffer.release();
    QImage image(
        const_cast<uchar*>(picture.pixels), picture.info.width, picture.info.height,
        picture.info.width, QImage::Format_Indexed8,
        [](void* owned) { delete[] static_cast<std::uint8_t*>(owned); }, buffer);
    QList<QRgb> colours;
    colours.reserve(static_cast<qsizetype>(picture.palette.size()));
    for (const pi::RgbQuad& q : picture.palette) {
        colours.append(qRgb(q.red, q.green, q.blue));
    }
    image.setColorTable(colours);
    holder.setPicture(image);
    return holder.picture();
}

// A picture from the bytes of its file: a Pi picture through the holder, any
// other through Qt's readers. Throws 481 when it cannot be decoded.
QImage pictureFromBytes(App& app, const std::string& bytes, bool isPi) {
    if (isPi) {
        QImage image = decodePiBytes(app, bytes);
        if (image.isNull()) {
            throw RunTimeError(err::InvalidPicture);
        }
        return image;
    }
    QByteArray data = QByteArray::fromStdString(bytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage image = reader.read();
    if (image.isNull()) {
        throw RunTimeError(err::InvalidPicture);
    }
    return image;
}

} // namespace

QImage DecodePiFile(App& app, const Text& path) {
    (void)pi::pluginInfo(1); // asked on every decode, answer unused
    return decodePiBytes(app, readWholeFile(path, pi::kMaxFileBytes));
}

QImage LoadPicture(App& app, const Text& path) {
    const bool isPi = pictureKindOfCandidate(path) == PictureKind::Pi;
    if (isPi) {
        (void)pi::pluginInfo(1);
    }
    // Read the bytes ourselves: the name on disk may be raw CP932.
    return pictureFromBytes(app, readWholeFile(path, pi::kMaxFileBytes), isPi);
}

QImage LoadPictureFile(App& app, const std::string& native, PictureKind kind) {
    const bool isPi = kind == PictureKind::Pi;
    if (isPi) {
        (void)pi::pluginInfo(1);
    }
    return pictureFromBytes(app, readNativeFile(native, pi::kMaxFileBytes), isPi);
}

QImage BlankPicture(App& app) {
    return app.load<Form40>().image()->picture();
}

} // namespace kuyu::gui
