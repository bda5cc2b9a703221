// SPDX-License-Identifier: GPL-3.0-or-later
// kuyu-sampledata KUYU.DAT OUTPUT-FOLDER
//
// Draws every plant's picture, its two close-ups, the category
// illustrations and a few opening-flower videos from the plant table, and
// writes them into the output folder under the names the program looks for.
#include "AviWriter.h"
#include "Indexed.h"
#include "Pictures.h"

#include "core/conditions/Conditions.h"
#include "core/database/Database.h"
#include "core/files/Files.h"
#include "core/images/PiFile.h"
#include "pi/PiDecoder.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <map>
#include <stdexcept>

using namespace sampledata;

namespace {

QString qt(const kuyu::Text& t) {
    return QString::fromStdString(kuyu::toUtf8(t));
}

struct Target {
    const char* extension;
    Kind kind;
};

// Plant pictures cycle through every kind the program reads, a few with
// lower-case extensions as old media had them. Bitmaps are the largest, so
// they come seldom.
constexpr Target PlantKinds[] = {
    {".BMP", Kind::Bmp},  {".GIF", Kind::Gif},  {".JPG", Kind::Jpeg}, {".Pi", Kind::Pi256},
    {".GIF", Kind::Gif},  {".JPG", Kind::Jpeg}, {".Pi", Kind::Pi256}, {".GIF", Kind::Gif},
    {".jpg", Kind::Jpeg}, {".Pi", Kind::Pi256}, {".bmp", Kind::Bmp},  {".GIF", Kind::Gif},
    {".JPG", Kind::Jpeg}, {".Pi", Kind::Pi256}, {".GIF", Kind::Gif},  {".JPG", Kind::Jpeg},
    {".Pi", Kind::Pi256}, {".GIF", Kind::Gif},  {".jpg", Kind::Jpeg}, {".Pi", Kind::Pi256},
};
// Close-ups: mostly the small kinds; a bitmap now and then. Pictures with
// many shades keep 256 colours: at 16 a small patch takes a wrong colour.
constexpr Target CloseUpKinds[] = {
    {".GIF", Kind::Gif},  {".JPG", Kind::Jpeg}, {".Pi", Kind::Pi256}, {".GIF", Kind::Gif},
    {".jpg", Kind::Jpeg}, {".Pi", Kind::Pi256}, {".GIF", Kind::Gif},  {".JPG", Kind::Jpeg},
    {".Pi", Kind::Pi256}, {".GIF", Kind::Gif},  {".JPG", Kind::Jpeg}, {".BMP", Kind::Bmp},
};
// Illustrations: the picker tries ".BMP", ".GIF", ".Pi"; each is stored in one kind only.
constexpr Target IllustrationKinds[11] = {
    {"", Kind::Bmp},     {".BMP", Kind::Bmp}, {".GIF", Kind::Gif},  {".Pi", Kind::Pi16},
    {".BMP", Kind::Bmp}, {".GIF", Kind::Gif}, {".Pi", Kind::Pi256}, {".BMP", Kind::Bmp},
    {".GIF", Kind::Gif}, {".GIF", Kind::Gif}, {".Pi", Kind::Pi16},
};

const char* const VideoPreference[] = {"ｽﾐﾚ", "ﾀﾝﾎﾟﾎﾟ", "ﾂﾕｸｻ", "ｷｷｮｳ", "ﾔﾏﾕﾘ", "ﾊﾙｼﾞｵﾝ"};
constexpr int VideoCount = 4;
constexpr int VideoFrames = 24;
constexpr int VideoRate = 8;

struct Written {
    QString path;
    Kind kind;
};

// Removes what an earlier run wrote, so renamed plants leave nothing behind.
void removeOldOutput(const QDir& dir) {
    const QStringList patterns = {"*.bmp", "*.gif", "*.jpg", "*.jpeg", "*.pi", "*.avi"};
    for (const QFileInfo& f : dir.entryInfoList(QDir::Files)) {
        for (const QString& pattern : patterns) {
            if (QDir::match(pattern, f.fileName().toLower())) {
                QFile::remove(f.absoluteFilePath());
                break;
            }
        }
    }
}

// Reads every file back as the program would. With KUYU_SAMPLEDATA_PREVIEW
// naming a folder, a PNG of each goes there for looking at.
void verify(const Written& w) {
    QImage image;
    if (w.kind == Kind::Pi16 || w.kind == Kind::Pi256) {
        const auto picture = kuyu::pi::decodePiFile(kuyu::fromUtf8(w.path.toStdString()));
        if (picture.isNull())
            throw std::runtime_error("unreadable Pi picture " + w.path.toStdString());
        const auto pixels = kuyu::pi::toRgb32TopDown(picture);
        image = QImage(reinterpret_cast<const uchar*>(pixels.data()), picture.width(),
                       picture.height(), QImage::Format_RGB32)
                    .copy();
    } else {
        image = QImage(w.path);
        if (image.isNull())
            throw std::runtime_error("unreadable picture " + w.path.toStdString());
    }
    const QString preview = qEnvironmentVariable("KUYU_SAMPLEDATA_PREVIEW");
    if (!preview.isEmpty()) {
        image.save(QDir(preview).filePath(QFileInfo(w.path).fileName() + ".png"));
    }
}

int run(const QString& database, const QString& outFolder) {
    kuyu::AppState state;
    kuyu::FillOptionLabels(state);
    const QString absolute = QFileInfo(database).absoluteFilePath();
    if (auto message = kuyu::StartUpLoad(state, kuyu::fromUtf8(absolute.toStdString()))) {
        std::fprintf(stderr, "cannot load %s: %s\n", qPrintable(absolute),
                     kuyu::toUtf8(message->text).c_str());
        return 1;
    }
    QDir out(outFolder);
    if (!out.exists() && !QDir().mkpath(outFolder)) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(outFolder));
        return 1;
    }
    removeOldOutput(out);

    // The program shows the last row among those that share a key.
    std::vector<kuyu::Text> keys8;
    std::vector<kuyu::Text> keys7;
    std::map<kuyu::Text, int> byKey8;
    std::map<kuyu::Text, int> byKey7;
    for (int row = 1; row <= state.PlantCount; ++row) {
        const kuyu::Text& name = state.PlantName[static_cast<std::size_t>(row)];
        const kuyu::Text k8 = keyOf(name, 8);
        const kuyu::Text k7 = name.substr(0, 7);
        if (!byKey8.contains(k8))
            keys8.push_back(k8);
        if (!byKey7.contains(k7))
            keys7.push_back(k7);
        byKey8[k8] = row;
        byKey7[k7] = row;
    }
    auto info = [&](int row) {
        const auto r = static_cast<std::size_t>(row);
        return PlantInfo{qt(state.PlantName[r]), qt(state.PlantFamily[r]),
                         traitsOf(state.PlantCode[r])};
    };

    std::vector<Written> written;
    auto write = [&](const QImage& image, const kuyu::Text& base, const Target& target) {
        const QString path = out.filePath(qt(base) + QString::fromLatin1(target.extension));
        writePicture(image, path, target.kind);
        written.push_back({path, target.kind});
    };

    for (std::size_t i = 0; i < keys8.size(); ++i) {
        write(plantPicture(info(byKey8[keys8[i]])), keys8[i],
              PlantKinds[i % std::size(PlantKinds)]);
    }
    // Close-ups for the plants that have a note, and for every fourth plant:
    // enough to browse without making the folder heavy.
    std::size_t closeUps = 0;
    for (std::size_t i = 0; i < keys7.size(); ++i) {
        const int row = byKey7[keys7[i]];
        const kuyu::Text note =
            state.PlantName[static_cast<std::size_t>(row)].substr(0, 8) + U".txt";
        if (i % 4 != 0 &&
            kuyu::FileExists(kuyu::fromUtf8(out.filePath(qt(note)).toStdString())) != -1) {
            continue;
        }
        ++closeUps;
        const PlantInfo plant = info(row);
        write(flowerCloseUp(plant), keys7[i] + U"Q",
              CloseUpKinds[closeUps % std::size(CloseUpKinds)]);
        write(leafCloseUp(plant), keys7[i] + U"R",
              CloseUpKinds[(closeUps + 5) % std::size(CloseUpKinds)]);
    }
    for (int k = 1; k <= 10; ++k) {
        const auto& info = kuyu::Category(k);
        std::vector<QString> labels;
        for (int n = 1; n <= info.optionCount; ++n) {
            labels.push_back(
                qt(state.OptionLabel[static_cast<std::size_t>(k)][static_cast<std::size_t>(n)]));
        }
        write(categoryIllustration(k, labels), info.illustration, IllustrationKinds[k]);
    }

    // Videos: well-known flowers first, then the first flowering plants.
    std::vector<int> videoRows;
    for (const char* name : VideoPreference) {
        for (int row = 1; row <= state.PlantCount; ++row) {
            if (qt(state.PlantName[static_cast<std::size_t>(row)]) == QString::fromUtf8(name)) {
                videoRows.push_back(row);
                break;
            }
        }
    }
    for (int row = 1; row <= state.PlantCount && videoRows.size() < VideoCount; ++row) {
        if (info(row).traits.hasFlower() &&
            std::find(videoRows.begin(), videoRows.end(), row) == videoRows.end()) {
            videoRows.push_back(row);
        }
    }
    int videos = 0;
    for (int row : videoRows) {
        if (videos == VideoCount)
            break;
        const kuyu::Text base = state.PlantName[static_cast<std::size_t>(row)].substr(0, 8);
        writeMjpegAvi(out.filePath(qt(base) + ".avi"), openingFrames(info(row), VideoFrames),
                      VideoRate);
        ++videos;
    }

    qint64 bytes = 0;
    for (const Written& w : written) {
        verify(w);
        bytes += QFileInfo(w.path).size();
    }
    std::printf("%d plants: %zu pictures, %zu close-up pairs, 10 illustrations, %d videos; %lld "
                "bytes of pictures\n",
                static_cast<int>(state.PlantCount), keys8.size(), closeUps, videos,
                static_cast<long long>(bytes));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kuyu-sampledata KUYU.DAT OUTPUT-FOLDER\n");
        return 2;
    }
    try {
        return run(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kuyu-sampledata: %s\n", e.what());
        return 1;
    }
}
