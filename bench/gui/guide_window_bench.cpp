// SPDX-License-Identifier: GPL-3.0-or-later
// The identification guide window's refresh, offscreen: the counts, the
// ranking and the rebuilt page of option buttons, over the sample data and
// over a full table of 2000 plants.

#include "../RandomPlants.h"
#include "core/conditions/Conditions.h"
#include "core/state/StartUpState.h"
#include "gui/app/App.h"
#include "gui/app/Commands.h"
#include "gui/guide/GuideWindow.h"
#include "gui/platform/QtText.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>

#include <random>

using namespace kuyu;
using namespace kuyu::gui;

namespace {

// Argument 0: the sample data; 1: 2000 random plants.
void BM_GuideWindowRefresh(benchmark::State& st) {
    AppState state;
    if (st.range(0) == 0) {
        QDir::setCurrent(QStringLiteral(KUYU_SOURCE_DIR "/data/sample"));
        InitialiseState(state, U"KUYU.DAT");
    } else {
        bench::fillRandomPlants(state);
    }
    Platform platform;
    App app(state, platform);
    registerGuideCommands(app);
    auto& window = app.load<GuideWindow>();
    window.refresh();
    for (auto _ : st) {
        window.refresh();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    app.unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(BM_GuideWindowRefresh)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
