// Shared pieces of the benchmarks: how a measurement is named, the fixed-seed input generator,
// and the allocation counter behind the "peak memory" column.
//
// Every measurement is registered as "<workload>/<size>/<implementation>", where the
// implementation is "ours" or the name of the library it is compared with. bench/report.py pairs
// each peer with "ours" of the same workload and size and prints the ratio ours/peer, so both
// sides of a pair must do the same work per iteration.
//
//   orvane::bench::add("eval_number", "1", "ours", [](benchmark::State& state) {
//       for (auto _ : state) { ... }
//   });
//
// Inputs come from `rng()`, seeded with a fixed value: every run measures the same inputs.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <functional>
#include <random>
#include <string>

namespace orvane::bench {

// Registers one measurement under "<workload>/<size>/<impl>".
benchmark::internal::Benchmark* add(const std::string& workload, const std::string& size,
                                    const std::string& impl,
                                    std::function<void(benchmark::State&)> body);

// A generator with the benchmarks' fixed seed; each call starts the same sequence anew, so an
// input set does not depend on which benchmarks ran before it.
std::mt19937_64 rng();

// Runs `build` once outside the timed loop and stores in the "peak_bytes" counter of `state` the
// most heap it held at once: every block the program allocates, through malloc or operator new,
// by the library or by a peer, counted at its usable size.
void recordPeak(benchmark::State& state, const std::function<void()>& build);

}  // namespace orvane::bench
