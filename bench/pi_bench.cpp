// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding speed of the Pi decoder on synthetic pictures of photographic
// character (smooth gradients, noise and hard edges), made with our encoder.
// Reports megapixels per second as the "MP/s" counter.

#include "pi/PiDecoder.h"
#include "pi/PiEncoder.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

using namespace kuyu::pi;

namespace {

// Levels 0..colours-1 from a smooth field with noise and a few edges.
// `noise` is the spread of the added noise in levels.
PiImage photographic(int width, int height, int planes, double noise) {
    PiImage img;
    img.width = width;
    img.height = height;
    img.planes = planes;
    const int colours = 1 << planes;
    std::mt19937 rng(20261208);
    std::normal_distribution<double> jitter(0.0, noise > 0 ? noise : 1.0);
    img.indexes.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = static_cast<double>(x) / width;
            const double v = static_cast<double>(y) / height;
            double level =
                0.5 + 0.3 * std::sin(6.0 * u + 2.0 * v) + 0.2 * std::cos(9.0 * v - 3.0 * u);
            // Edges: a bright disc and a dark band, as objects in a photograph.
            if ((u - 0.6) * (u - 0.6) + (v - 0.4) * (v - 0.4) < 0.04) {
                level += 0.3;
            }
            if (u > 0.15 && u < 0.25) {
                level -= 0.35;
            }
            int c = static_cast<int>(
                std::lround(level * (colours - 1) + (noise > 0 ? jitter(rng) : 0.0)));
            c = std::clamp(c, 0, colours - 1);
            img.indexes[static_cast<std::size_t>(y) * width + x] = static_cast<std::uint8_t>(c);
        }
    }
    return img;
}

void decodeBench(benchmark::State& state, int width, int height, int planes, double noise) {
    const std::string bytes = encodePi(photographic(width, height, planes, noise));
    for (auto _ : state) {
        PiPicture p = decodePi(bytes);
        benchmark::DoNotOptimize(p.bits());
    }
    const double pixels = static_cast<double>(width) * height;
    state.counters["MP/s"] = benchmark::Counter(
        pixels / 1e6 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["bytes"] = static_cast<double>(bytes.size());
    state.counters["bits/px"] = static_cast<double>(bytes.size()) * 8.0 / pixels;
}

void decodeIndexesBench(benchmark::State& state, int width, int height, int planes, double noise) {
    const std::string bytes = encodePi(photographic(width, height, planes, noise));
    std::vector<std::uint8_t> indexes;
    for (auto _ : state) {
        decodePiIndexes(bytes, indexes);
        benchmark::DoNotOptimize(indexes.data());
    }
    const double pixels = static_cast<double>(width) * height;
    state.counters["MP/s"] = benchmark::Counter(
        pixels / 1e6 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

} // namespace

// The target picture: 640 x 400, 16 colours. Light noise (a dithered scan)
// and heavy noise (every pixel differs from its neighbours).
// The same without noise: banded gradients and edges, as a drawing.
BENCHMARK_CAPTURE(decodeBench, pc98_640x400_16_clean, 640, 400, 4, 0.0)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(decodeBench, pc98_640x400_16_light, 640, 400, 4, 0.3)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(decodeBench, pc98_640x400_16_heavy, 640, 400, 4, 1.0)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(decodeBench, photo_1024x768_256, 1024, 768, 8, 2.0)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(decodeIndexesBench, pc98_640x400_16_light_indexes, 640, 400, 4, 0.3)
    ->Unit(benchmark::kMicrosecond);
