#include "support/bench_support.h"

#include <malloc.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace orvane::bench {
namespace {

// The seed of every input set.
constexpr std::uint64_t kSeed = 20261205;

// Counting is on only inside recordPeak, so the timed loops pay one test of a flag for it. The
// benchmarks run on one thread.
bool counting = false;
std::int64_t held = 0;
std::int64_t peak = 0;

void counted(void* p) {
    if (!counting || p == nullptr) return;
    held += static_cast<std::int64_t>(malloc_usable_size(p));
    if (held > peak) peak = held;
}

void uncounted(void* p) {
    if (counting && p != nullptr) held -= static_cast<std::int64_t>(malloc_usable_size(p));
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

// The C heap's entry points, replaced for the whole program: the library, the standard containers
// (operator new allocates with malloc) and every peer, C or C++, allocate through them. Each one
// hands the call to glibc's own allocator and counts the usable size of the block.
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void* __libc_memalign(std::size_t, std::size_t);
void __libc_free(void*);

void* malloc(std::size_t n) noexcept {
    void* p = __libc_malloc(n);
    orvane::bench::counted(p);
    return p;
}

void* calloc(std::size_t count, std::size_t n) noexcept {
    void* p = __libc_calloc(count, n);
    orvane::bench::counted(p);
    return p;
}

void* realloc(void* old, std::size_t n) noexcept {
    const std::size_t before = old != nullptr ? malloc_usable_size(old) : 0;
    void* p = __libc_realloc(old, n);
    if (p != nullptr || n == 0) {
        if (orvane::bench::counting) orvane::bench::held -= static_cast<std::int64_t>(before);
        orvane::bench::counted(p);
    }
    return p;
}

void* memalign(std::size_t alignment, std::size_t n) noexcept {
    void* p = __libc_memalign(alignment, n);
    orvane::bench::counted(p);
    return p;
}

void* aligned_alloc(std::size_t alignment, std::size_t n) noexcept {
    return memalign(alignment, n);
}

int posix_memalign(void** out, std::size_t alignment, std::size_t n) noexcept {
    if (alignment < sizeof(void*) || (alignment & (alignment - 1)) != 0) return EINVAL;
    void* p = memalign(alignment, n);
    if (p == nullptr) return ENOMEM;
    *out = p;
    return 0;
}

void free(void* p) noexcept {
    orvane::bench::uncounted(p);
    __libc_free(p);
}
}
