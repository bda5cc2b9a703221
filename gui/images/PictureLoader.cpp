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

QImage DecodePiFile(App& app, const Text& path) {
    const CursorGuard hourglass;
    auto& holder = *app.load<FormPi>().holder();
    (void)pi::pluginInfo(1); // asked on every decode, answer unused
    const std::string bytes = readWholeFile(path, pi::kMaxFileBytes);
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

QImage LoadPicture(App& app, const Text& path) {
    if (pictureKindOfCandidate(path) == PictureKind::Pi) {
        QImage image = DecodePiFile(app, path);
        if (image.isNull()) {
            throw RunTimeError(err::InvalidPicture);
        }
        return image;
    }
    // Read the bytes ourselves: the name on disk may be raw CP932.
    QByteArray data = QByteArray::fromStdString(readWholeFile(path, pi::kMaxFileBytes));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage image = reader.read();
    if (image.isNull()) {
        throw RunTimeError(err::InvalidPicture);
    }
    return image;
}

QImage BlankPicture(App& app) {
    return app.load<Form40>().image()->picture();
}

} // namespace kuyu::gui
