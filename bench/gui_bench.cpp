// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures as a person sees them: a Pi file of 64 megapixels (8192 × 8192,
// legal and only a few hundred bytes) loaded and shown in a window on the
// offscreen platform, from the file to the painted window.

#include "core/state/AppState.h"
#include "gui/app/App.h"
#include "gui/images/ImageBox.h"
#include "gui/images/PictureLoader.h"
#include "gui/platform/Platform.h"
#include "gui/widgets/WindowPlacement.h"
#include "pi/PiEncoder.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

using namespace kuyu;
using namespace kuyu::gui;

namespace {

QString writePi(const QTemporaryDir& dir, int width, int height) {
    pi::PiImage image;
    image.width = width;
    image.height = height;
    image.planes = 8;
    image.indexes.resize(static_cast<std::size_t>(width) * height);
    // Bands of colour: long runs, as a drawing has.
    for (int y = 0; y < height; ++y) {
        std::fill_n(image.indexes.begin() + static_cast<std::ptrdiff_t>(y) * width, width,
                    static_cast<std::uint8_t>(y / 64));
    }
    image.palette.resize(256);
    for (int i = 0; i < 256; ++i) {
        image.palette[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(i),
                                                      static_cast<std::uint8_t>(255 - i), 128};
    }
    const std::string bytes = pi::encodePi(image);
    const QString path = dir.filePath(QStringLiteral("BIG.Pi"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

// Load, put into the window at natural size (a picker or plant window) or
// stretched (a close-up), show, and paint everything once.
void BM_ShowLargePi(benchmark::State& st) {
    const int side = static_cast<int>(st.range(0));
    const bool stretch = st.range(1) != 0;
    QTemporaryDir dir;
    const QString path = writePi(dir, side, side);
    AppState state;
    Platform platform;
    App app(state, platform);
    for (auto _ : st) {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* box = new ImageBox(&window);
        box->setStretch(stretch);
        if (stretch) {
            box->setMinimumSize(320, 240);
        }
        layout->addWidget(box);
        box->setPicture(LoadPicture(app, fromUtf8(path.toStdString())));
        window.show();
        const QImage painted = window.grab().toImage();
        benchmark::DoNotOptimize(painted.constBits());
        st.counters["window_w"] = window.width();
        st.counters["window_h"] = window.height();
    }
    st.counters["megapixels"] = double(side) * side / 1e6;
}
BENCHMARK(BM_ShowLargePi)
    ->ArgNames({"side", "stretch"})
    ->ArgsProduct({{1024, 8192}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

// A result list refilled with 2000 fixed-column lines and shown, as the
// search panel and the list windows do on every search; with and without
// uniform item sizes (the lists use them).
void BM_RefillResultList(benchmark::State& st) {
    const bool uniform = st.range(0) != 0;
    QStringList lines;
    for (int i = 1; i <= 2000; ++i) {
        lines << QStringLiteral(" %1    ｽﾐﾚｻｲｼﾝ%2     (ｽﾐﾚ)          科").arg(i, -4).arg(i % 97);
    }
    QListWidget list;
    list.setUniformItemSizes(uniform);
    list.resize(400, 300);
    list.show();
    for (auto _ : st) {
        list.clear();
        list.addItems(lines);
        list.setCurrentRow(1999); // scrolling there lays the rows out
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(list.visualItemRect(list.item(1999)));
    }
}
BENCHMARK(BM_RefillResultList)->ArgName("uniform")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    installScreenBounds();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
