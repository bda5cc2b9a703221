// SPDX-License-Identifier: GPL-3.0-or-later
// The data editor on a full table of 2000 plants: the live checks it runs
// after every change, one change with its undo, a save, and the spreadsheet
// both ways.

#include "RandomPlants.h"
#include "core/editor/PlantCsv.h"
#include "core/editor/PlantData.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

using namespace kuyu;
using namespace kuyu::editor;

struct Folder {
    Folder() {
        std::string templ = (std::filesystem::temp_directory_path() / "kuyu-bench-XXXXXX").string();
        path = ::mkdtemp(templ.data()) ? templ : std::string("/tmp");
    }
    ~Folder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string path;
};

PlantData fullTable(const Folder& f) {
    AppState s;
    bench::fillRandomPlants(s);
    std::vector<Plant> plants;
    for (int j = 1; j <= s.PlantCount; ++j) {
        plants.push_back(
            {s.PlantName[j], s.PlantFamily[j], s.PlantCode[j], {U"ﾍﾞﾂﾒｲ" + decimal(j)}});
    }
    PlantData data = PlantData::fromTables(fromUtf8(f.path + "/KUYU.DAT"), std::move(plants));
    data.save();
    // Pictures for every other plant, as a folder half done.
    for (int j = 1; j <= s.PlantCount; j += 2) {
        std::ofstream(f.path + "/" + toUtf8(s.PlantName[j]) + ".JPG") << "x";
    }
    return data;
}

void BM_Warnings(benchmark::State& state) {
    Folder f;
    const PlantData data = fullTable(f);
    for (auto _ : state) {
        benchmark::DoNotOptimize(data.warnings());
    }
}
BENCHMARK(BM_Warnings)->Unit(benchmark::kMillisecond);

void BM_EditAndUndo(benchmark::State& state) {
    Folder f;
    PlantData data = fullTable(f);
    CategoryState several{StateKind::Several, 0, {1, 2}, SeveralReading::AnyShownIndefinite};
    for (auto _ : state) {
        benchmark::DoNotOptimize(data.setPrimary(1000, 3, several));
        data.undo();
    }
}
BENCHMARK(BM_EditAndUndo)->Unit(benchmark::kMicrosecond);

void BM_Save(benchmark::State& state) {
    Folder f;
    PlantData data = fullTable(f);
    for (auto _ : state) {
        if (!data.save().ok) {
            state.SkipWithError("save failed");
        }
    }
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

void BM_CsvRoundTrip(benchmark::State& state) {
    Folder f;
    const PlantData data = fullTable(f);
    for (auto _ : state) {
        const std::string csv = ExportCsv(data);
        benchmark::DoNotOptimize(ImportCsv(csv));
    }
}
BENCHMARK(BM_CsvRoundTrip)->Unit(benchmark::kMillisecond);

} // namespace
