// The pointer collections next to the standard containers a user would pick instead.
//
// Every collection row also records the most heap one build of its structure holds
// ("peak_bytes"), ours and the peer alike.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <list>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "orvane/tools.h"
#include "support/bench_support.h"

namespace {

using orvane::bench::add;
using orvane::bench::recordPeak;

constexpr long kN = 10000;
const char* const kSize = "10000";

// N distinct, non-null, pointer-aligned addresses drawn from the fixed-seed generator (never
// dereferenced). `skip` draws that many first, so two calls give different sets.
std::vector<void*> randomPointers(long n, long skip = 0) {
    auto gen = orvane::bench::rng();
    for (long i = 0; i < skip; ++i)
        gen();
    std::set<std::uintptr_t> seen;
    std::vector<void*> out;
    out.reserve(static_cast<std::size_t>(n));
    while (static_cast<long>(out.size()) < n) {
        const std::uintptr_t v = ((gen() >> 16) | 1u) << 3;
        if (seen.insert(v).second) out.push_back(reinterpret_cast<void*>(v));
    }
    return out;
}

// ---- array: append N pointers, then read them back by index ----

void arrayOurs(const std::vector<void*>& input, std::uintptr_t& sum) {
    V_ArrayVoidPtr a;
    for (void* p : input)
        a.insert(p);
    const V_ArrayVoidPtr& view = a;
    const unsigned long n = view.cardinality();
    for (unsigned long i = 0; i < n; ++i)
        sum += reinterpret_cast<std::uintptr_t>(view[i]);
}

void arrayStd(const std::vector<void*>& input, std::uintptr_t& sum) {
    std::vector<void*> v;
    for (void* p : input)
        v.push_back(p);
    const std::size_t n = v.size();
    for (std::size_t i = 0; i < n; ++i)
        sum += reinterpret_cast<std::uintptr_t>(v[i]);
}

const bool arrayAppendWalk = [] {
    add("array_append_walk", kSize, "ours", [](benchmark::State& state) {
        const auto input = randomPointers(kN);
        std::uintptr_t sum = 0;
        for (auto _ : state) {
            arrayOurs(input, sum);
            benchmark::DoNotOptimize(sum);
        }
        recordPeak(state, [&] { arrayOurs(input, sum); });
    });
    add("array_append_walk", kSize, "std::vector", [](benchmark::State& state) {
        const auto input = randomPointers(kN);
        std::uintptr_t sum = 0;
        for (auto _ : state) {
            arrayStd(input, sum);
            benchmark::DoNotOptimize(sum);
        }
        recordPeak(state, [&] { arrayStd(input, sum); });
    });
    return true;
}();

// ---- set: insert N random pointers ----

template <class Set>
void fillOurs(Set& s, const std::vector<void*>& input) {
    for (void* p : input)
        s.insert(p);
}

const bool setInsert = [] {
    add("set_insert", kSize, "ours", [](benchmark::State& state) {
        const auto input = randomPointers(kN);
        for (auto _ : state) {
            V_SetVoidPtr s;
            fillOurs(s, input);
            benchmark::DoNotOptimize(s.cardinality());
        }
        recordPeak(state, [&] {
            V_SetVoidPtr s;
            fillOurs(s, input);
        });
    });
    add("set_insert", kSize, "std::set", [](benchmark::State& state) {
        const auto input = randomPointers(kN);
        for (auto _ : state) {
            std::set<void*> s;
            fillOurs(s, input);
            benchmark::DoNotOptimize(s.size());
        }
        recordPeak(state, [&] {
            std::set<void*> s;
            fillOurs(s, input);
        });
    });
    return true;
}();

// ---- set: N probes, every other one an element ----

std::vector<void*> probes() {
    const auto present = randomPointers(kN);
    const auto absent = randomPointers(kN, kN);  // the next N draws: not in the set
    std::vector<void*> out;
    out.reserve(static_cast<std::size_t>(kN));
    for (long i = 0; i < kN; ++i)
        out.push_back(i % 2 == 0 ? present[static_cast<std::size_t>(i)]
                                 : absent[static_cast<std::size_t>(i)]);
    return out;
}

const bool setContains = [] {
    add("set_contains", kSize, "ours", [](benchmark::State& state) {
        const auto input = randomPointers(kN);
        V_SetVoidPtr s;
        fillOurs(s, input);
        const auto probe = probes();
        for (auto _ : state) {
            long hits = 0;
            for (void* p : probe)
                hits += s.contains(p) ? 1 : 0;
            benchmark::DoNotOptimize(hits);
        }
        recordPeak(state, [&] {
            V_SetVoidPtr copy;
            fillOurs(copy, input);
        });
    });
    add("set_contains", kSize, "std::set", [](benchmark::State& state) {
        const auto input = randomPointers(kN);
        std::set<void*> s;
        fillOurs(s, input);
        const auto probe = probes();
        for (auto _ : state) {
            long hits = 0;
            for (void* p : probe)
                hits += s.count(p) != 0 ? 1 : 0;
            benchmark::DoNotOptimize(hits);
        }
        recordPeak(state, [&] {
            std::set<void*> copy;
            fillOurs(copy, input);
        });
    });
    return true;
}();

// ---- set: the union of two N-element sets sharing half their elements, as a new set ----
// The standard side is written the way a user would: std::set_union of both ranges into a new
// std::set through std::inserter at its end.

const bool setUnion = [] {
    add("set_union", kSize, "ours", [](benchmark::State& state) {
        V_SetVoidPtr a;
        V_SetVoidPtr b;
        fillOurs(a, randomPointers(kN));
        fillOurs(b, randomPointers(kN, kN / 2));
        for (auto _ : state) {
            std::unique_ptr<V_SetVoidPtr> both(&(a | b));
            benchmark::DoNotOptimize(both->cardinality());
        }
        recordPeak(state, [&] { std::unique_ptr<V_SetVoidPtr> both(&(a | b)); });
    });
    add("set_union", kSize, "std::set", [](benchmark::State& state) {
        std::set<void*> a;
        std::set<void*> b;
        fillOurs(a, randomPointers(kN));
        fillOurs(b, randomPointers(kN, kN / 2));
        const auto unite = [&] {
            auto both = std::make_unique<std::set<void*>>();
            std::set_union(a.begin(), a.end(), b.begin(), b.end(),
                           std::inserter(*both, both->end()));
            return both;
        };
        for (auto _ : state) {
            auto both = unite();
            benchmark::DoNotOptimize(both->size());
        }
        recordPeak(state, [&] { auto both = unite(); });
    });
    return true;
}();

// ---- list: a cursor walk over N and 10 N elements ----
// Ours walks with the list's own cursor as a caller gets it from createCursor (the typed pointer
// it returns); the standard side with an iterator.

const bool listWalk = [] {
    for (long n : {kN, 10 * kN}) {
        const std::string size = std::to_string(n);
        add("list_walk", size, "ours", [n](benchmark::State& state) {
            const auto input = randomPointers(n);
            V_ListVoidPtr list;
            for (void* p : input)
                list.insert(p);
            std::uintptr_t sum = 0;
            for (auto _ : state) {
                std::unique_ptr<V_PListVoidCursor> c(list.createCursor());
                for (c->first(); c->valid(); c->next())
                    sum += reinterpret_cast<std::uintptr_t>(c->current());
                benchmark::DoNotOptimize(sum);
            }
            recordPeak(state, [&] {
                V_ListVoidPtr copy;
                for (void* p : input)
                    copy.insert(p);
            });
        });
        add("list_walk", size, "std::list", [n](benchmark::State& state) {
            const auto input = randomPointers(n);
            std::list<void*> list;
            for (void* p : input)
                list.push_back(p);
            std::uintptr_t sum = 0;
            for (auto _ : state) {
                for (auto it = list.begin(); it != list.end(); ++it)
                    sum += reinterpret_cast<std::uintptr_t>(*it);
                benchmark::DoNotOptimize(sum);
            }
            recordPeak(state, [&] {
                std::list<void*> copy;
                for (void* p : input)
                    copy.push_back(p);
            });
        });
    }
    return true;
}();

}  // namespace
