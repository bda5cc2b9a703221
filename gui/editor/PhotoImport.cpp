// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editor/PhotoImport.h"

#include "core/Errors.h"
#include "gui/editor/EditorTexts.h"
#include "gui/images/PictureLoader.h"
#include "gui/platform/QtText.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

namespace kuyu::gui {

namespace {

PreparedPhoto failed(const char32_t* why, const QString& path) {
    return {{}, ts(q(why) + QFileInfo(path).fileName())};
}

bool isPi(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("pi"), Qt::CaseInsensitive) == 0;
}

} // namespace

bool IsPhotoFile(const QString& path) {
    static const QStringList kinds = {QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                      QStringLiteral("png"), QStringLiteral("bmp"),
                                      QStringLiteral("gif"), QStringLiteral("pi")};
    return kinds.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

PreparedPhoto PreparePhoto(App& app, const QString& path, QSize box) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        return failed(texts::EditorPhotoUnreadable, path);
    }
    const QString tooLarge = q(texts::EditorPhotoTooLarge) +
                             QString::number(PhotoFileLimit / (1024 * 1024)) +
                             q(texts::EditorPhotoTooLargeEnd) + info.fileName();
    if (info.size() > PhotoFileLimit) {
        return {{}, ts(tooLarge)};
    }
    QImage image;
    if (isPi(path)) {
        try {
            image = LoadPicture(app, ts(info.absoluteFilePath()));
        } catch (const RunTimeError&) {
            return failed(texts::EditorPhotoUnreadable, path);
        }
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return failed(texts::EditorPhotoUnreadable, path);
        }
        QByteArray bytes = file.read(PhotoFileLimit + 1);
        if (bytes.size() > PhotoFileLimit) {
            return {{}, ts(tooLarge)};
        }
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        // A phone stores its photo as the sensor saw it and says in the EXIF
        // orientation how to turn it.
        reader.setAutoTransform(true);
        const QSize size = reader.size();
        if (size.isValid() && qint64(size.width()) * size.height() > PhotoPixelLimit) {
            return {{}, ts(tooLarge)};
        }
        image = reader.read();
    }
    if (image.isNull()) {
        return failed(texts::EditorPhotoUnreadable, path);
    }
    if (image.width() > box.width() || image.height() > box.height()) {
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    // JPEG has no transparency: a GIF's or PNG's clear pixels become white.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, image);
    }
    PreparedPhoto out;
    QBuffer sink(&out.jpeg);
    sink.open(QIODevice::WriteOnly);
    QImageWriter writer(&sink, "jpeg");
    writer.setQuality(90);
    if (!writer.write(flat)) {
        return failed(texts::EditorPhotoUnreadable, path);
    }
    return out;
}

} // namespace kuyu::gui
