#include "support/bench_support.h"

#include <malloc.h>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

namespace orvane::bench {
namespace {

// The seed of every input set.
constexpr std::uint64_t kSeed = 20261205;

// Counting is on only inside recordPeak, so the timed loops pay nothing for it. The benchmarks
// run on one thread.
bool counting = false;
std::int64_t held = 0;
std::int64_t peak = 0;

void* allocate(std::size_t n) {
    void* p = std::malloc(n == 0 ? 1 : n);
    if (p == nullptr) throw std::bad_alloc();
    if (counting) {
        held += static_cast<std::int64_t>(malloc_usable_size(p));
        if (held > peak) peak = held;
    }
    return p;
}

void release(void* p) noexcept {
    if (p == nullptr) return;
    if (counting) held -= static_cast<std::int64_t>(malloc_usable_size(p));
    std::free(p);
}

}  // namespace

benchmark::internal::Benchmark* add(const std::string& workload, const std::string& size,
                                    const std::string& impl,
                                    std::function<void(benchmark::State&)> body) {
    return benchmark::RegisterBenchmark(
        (workload + "/" + size + "/" + impl).c_str(),
        [body = std::move(body)](benchmark::State& state) { body(state); });
}

std::mt19937_64 rng() {
    return std::mt19937_64(kSeed);
}

void recordPeak(benchmark::State& state, const std::function<void()>& build) {
    held = 0;
    peak = 0;
    counting = true;
    build();
    counting = false;
    state.counters["peak_bytes"] = static_cast<double>(peak);
}

}  // namespace orvane::bench

// Every operator new of the program comes here, so the counter sees the library and the C++ peers.
void* operator new(std::size_t n) {
    return orvane::bench::allocate(n);
}
void* operator new[](std::size_t n) {
    return orvane::bench::allocate(n);
}
void operator delete(void* p) noexcept {
    orvane::bench::release(p);
}
void operator delete[](void* p) noexcept {
    orvane::bench::release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    orvane::bench::release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    orvane::bench::release(p);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    try {
        return orvane::bench::allocate(n);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t n, const std::nothrow_t& t) noexcept {
    return operator new(n, t);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    orvane::bench::release(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    orvane::bench::release(p);
}
