// SPDX-License-Identifier: GPL-3.0-or-later
// Figures for the core engine: loading a full database and each search mode
// over 2000 plants.

#include "core/database/Database.h"
#include "core/search/Search.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>

using namespace kuyu;

namespace {

// A full database and an alias file in a temporary folder, made once.
class BenchData {
  public:
    static const BenchData& get() {
        static const BenchData data;
        return data;
    }
    Text databasePath() const { return fromUtf8((dir_ / "KUYU.DAT").string()); }
    Text folder() const { return fromUtf8(dir_.string() + "/"); }

    ~BenchData() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

  private:
    BenchData() {
        std::string templ = (std::filesystem::temp_directory_path() / "kuyu-bench-XXXXXX").string();
        if (::mkdtemp(templ.data()) == nullptr) {
            std::abort();
        }
        dir_ = templ;
        std::mt19937 rng(20261208);
        auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
        auto katakana = [&](int minLen, int maxLen) {
            Text t;
            const int len = minLen + pick(maxLen - minLen + 1);
            for (int i = 0; i < len; ++i) {
                t += static_cast<char32_t>(0xFF71 + pick(45));
            }
            return t;
        };
        const Text codeChars = U"1234512345000XYABCDHIJ";
        Text db;
        std::vector<Text> names;
        for (int i = 1; i <= PlantCapacity; ++i) {
            Text code;
            for (int c = 0; c < 20; ++c) {
                code +=
                    codeChars[static_cast<std::size_t>(pick(static_cast<int>(codeChars.size())))];
            }
            for (int c = 0; c < 9; ++c) {
                code += pick(3) == 0 ? U' ' : static_cast<char32_t>(U'1' + pick(7));
            }
            code += static_cast<char32_t>(U'1' + pick(5));
            names.push_back(katakana(3, 12));
            db += names.back() + U"," + code + U"," + katakana(2, 6) + U"\r\n";
        }
        Text aliases;
        for (int e = 0; e < 800; ++e) {
            aliases += katakana(3, 10) + U"," +
                       names[static_cast<std::size_t>(pick(PlantCapacity))] + U"\r\n";
        }
        write("KUYU.DAT", db);
        write("SNAME.DAT", aliases);
        // The alias file is kept only once it has been unchanged for two
        // seconds; a real one is years old.
        std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    }
    void write(const char* name, const Text& text) const {
        std::ofstream out(dir_ / name, std::ios::binary);
        out << encodeCp932(text).value();
    }
    std::filesystem::path dir_;
};

void BM_LoadDatabase(benchmark::State& st) {
    const Text path = BenchData::get().databasePath();
    for (auto _ : st) {
        AppState s;
        auto failure = StartUpLoad(s, path);
        if (failure || s.PlantCount != PlantCapacity) {
            st.SkipWithError("load failed");
            break;
        }
        benchmark::DoNotOptimize(s.PlantCount);
    }
}
BENCHMARK(BM_LoadDatabase)->Unit(benchmark::kMillisecond);

// Reload goes through the same reader plus the checks and the swap.
void BM_ReloadDatabase(benchmark::State& st) {
    const BenchData& data = BenchData::get();
    AppState s;
    StartUpLoad(s, data.databasePath());
    for (auto _ : st) {
        const Message m = LoadDataFile(s, data.databasePath(), data.folder());
        benchmark::DoNotOptimize(m.text.size());
    }
}
BENCHMARK(BM_ReloadDatabase)->Unit(benchmark::kMillisecond);

// Arguments: mode (0, 1, 2, 10), chosen categories (3 or 10), name filter (0/1).
void BM_Search(benchmark::State& st) {
    const BenchData& data = BenchData::get();
    AppState s;
    StartUpLoad(s, data.databasePath());
    const auto conditions = static_cast<std::size_t>(st.range(1));
    Text sel = emptySelectionCode();
    const Text digits = U"1325142132";
    for (std::size_t k = 0; k < conditions; ++k) {
        sel[k * 10 / conditions] = digits[k];
    }
    s.SelectionCode = sel;
    const Text nameBox = st.range(2) != 0 ? Text(U"ｱｲ") : Text();
    long found = 0;
    for (auto _ : st) {
        auto mode = static_cast<std::int16_t>(st.range(0));
        SearchPlants(s, mode, nameBox);
        found = s.ResultCount;
        benchmark::DoNotOptimize(s.ResultLine.data());
    }
    st.counters["results"] = static_cast<double>(found);
}
BENCHMARK(BM_Search)
    ->ArgNames({"mode", "conditions", "name"})
    ->ArgsProduct({{0, 1, 2}, {3, 10}, {0, 1}})
    ->Args({10, 0, 0})
    ->Unit(benchmark::kMicrosecond);

// The alias file as the name filter gets it: kept while the file is unchanged.
void BM_ReadAliases(benchmark::State& st) {
    AppState s;
    s.DataFolder = BenchData::get().folder();
    for (auto _ : st) {
        const auto t = SharedAliases(s);
        benchmark::DoNotOptimize(t->count);
    }
}
BENCHMARK(BM_ReadAliases)->Unit(benchmark::kMicrosecond);

// Both list texts after a list-all search.
void BM_RegisteredListSorted(benchmark::State& st) {
    AppState s;
    StartUpLoad(s, BenchData::get().databasePath());
    for (auto _ : st) {
        std::int16_t mode = 10;
        SearchPlants(s, mode, U"");
        const RegisteredListView v =
            ListRegisteredPlants(s, static_cast<std::int16_t>(st.range(0)));
        benchmark::DoNotOptimize(v.lines.data());
    }
}
BENCHMARK(BM_RegisteredListSorted)
    ->ArgName("fileOrder")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
