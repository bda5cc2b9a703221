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
    const pi::PiPicture picture = pi::decodePi(bytes);
    if (picture.isNull()) {
        return {};
    }
    const auto pixels = pi::toRgb32TopDown(picture);
    QImage image(picture.width(), picture.height(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        std::copy_n(pixels.begin() + static_cast<std::ptrdiff_t>(y) * picture.width(),
                    picture.width(), row);
    }
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
