// SPDX-License-Identifier: GPL-3.0-or-later
// Turning a page of the illustrated result pages on the sample data: three
// picture lookups (ten candidates each), decodes and a paint of the window,
// offscreen. Every plant of the sample, and a list of the plants whose
// picture is a Pi file only.

#include "core/browse/ResultPages.h"
#include "core/images/PictureLookup.h"
#include "core/search/Search.h"
#include "core/state/StartUpState.h"
#include "gui/app/App.h"
#include "gui/app/Commands.h"
#include "gui/browse/ResultPagesWindow.h"
#include "gui/platform/QtText.h"
#include "gui/platform/testing/FakePlatform.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <benchmark/benchmark.h>

using namespace kuyu;
using namespace kuyu::gui;

namespace {

struct Sample {
    AppState state;
    testing::FakePlatform fakes;
    App app{state, fakes.platform};

    Sample() {
        const QString folder = QStringLiteral(KUYU_SOURCE_DIR "/data/sample");
        QDir::setCurrent(folder); // where the program runs from
        if (InitialiseState(state, ts(folder + QStringLiteral("/KUYU.DAT")))) {
            std::abort();
        }
        registerBrowseCommands(app);
    }

    // Every plant (the AI search with no condition), optionally only those
    // whose picture is a Pi file, shown as pages.
    Form45& open(bool piOnly) {
        std::int16_t mode = 2;
        SearchPlants(state, mode, Text());
        if (piOnly) {
            int kept = 0;
            for (int r = 1; r <= state.ResultCount; ++r) {
                const auto file = findPicture(PictureBaseName(state.ResultLine[r]),
                                              state.DataFolder, PictureSet::Plant);
                if (file && pictureKindOfCandidate(*file) == PictureKind::Pi) {
                    ++kept;
                    state.ResultCaption[kept] = state.ResultCaption[r];
                    state.ResultLine[kept] = state.ResultLine[r];
                }
            }
            state.ResultCount = static_cast<std::int16_t>(kept);
        }
        state.PageNumber = 1;
        app.run(hook::OpenResultPages);
        return *app.loaded<Form45>();
    }
};

void turnPages(benchmark::State& st, bool piOnly) {
    Sample sample;
    Form45& pages = sample.open(piOnly);
    auto* next = pages.findChild<QPushButton*>(QStringLiteral("Command1"));
    pages.repaint();
    std::int64_t turns = 0;
    for (auto _ : st) {
        if (!pages.nextShown()) {
            st.PauseTiming();
            sample.app.run(hook::OpenResultPages);
            st.ResumeTiming();
        }
        next->click();
        pages.repaint();
        ++turns;
    }
    st.counters["results"] = sample.state.ResultCount;
    st.counters["turns"] = static_cast<double>(turns);
    sample.app.unloadAll();
}

void BM_PageTurn(benchmark::State& st) {
    turnPages(st, false);
}
void BM_PageTurnPiOnly(benchmark::State& st) {
    turnPages(st, true);
}
BENCHMARK(BM_PageTurn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageTurnPiOnly)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
