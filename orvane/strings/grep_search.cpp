#include "orvane/strings/grep_search.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <queue>
#include <unordered_map>
#include <utility>
#include <vector>

#include "orvane/base/exception.h"
#include "orvane/strings/grep_step.h"

namespace orvane::grep {
namespace {

constexpr std::uint32_t kNone = 0xFFFFFFFFu;
// The cache of configurations and steps holds at most about this many bytes; when it would hold
// more, it starts again from the configurations in use.
constexpr std::size_t kCacheBytes = std::size_t{8} << 20;

// The bytes that no letter state tells apart fall into one class: a step depends on the class of
// its byte only. Class `count` stands for the end of the text.
struct ByteClasses {
    explicit ByteClasses(const VSTRI_StateSet& states) {
        std::unordered_map<std::bitset<256>, bool> seen;
        std::vector<std::bitset<256>> sets;
        for (std::size_t s = 0; s < states.size(); ++s) {
            if (states[s].kind != VSTRI_Tripel::Letter) continue;
            const std::bitset<256>& members = states.letters(s).members();
            if (seen.emplace(members, true).second) sets.push_back(members);
        }
        // Refine the partition of the 256 bytes by each set in turn.
        std::uint16_t cls[256] = {};
        std::uint32_t classes = 1;
        for (const std::bitset<256>& set : sets) {
            std::vector<std::uint16_t> split(classes, 0xFFFFu);
            const std::uint32_t before = classes;
            for (unsigned int c = 0; c < 256; ++c) {
                if (!set[c]) continue;
                if (split[cls[c]] == 0xFFFFu) split[cls[c]] = static_cast<std::uint16_t>(classes++);
                cls[c] = split[cls[c]];
            }
            // Classes that the set took whole keep a number of their own; renumber densely.
            if (classes != before) {
                std::vector<std::uint16_t> renumber(classes, 0xFFFFu);
                std::uint16_t next = 0;
                for (unsigned int c = 0; c < 256; ++c) {
                    if (renumber[cls[c]] == 0xFFFFu) renumber[cls[c]] = next++;
                    cls[c] = renumber[cls[c]];
                }
                classes = next;
            }
        }
        count = classes;
        for (unsigned int c = 0; c < 256; ++c) {
            of[c] = static_cast<std::uint16_t>(cls[c]);
            representative[cls[c]] = static_cast<std::int16_t>(c);
        }
        representative[count] = -1;
    }

    std::uint32_t count = 0;
    std::uint16_t of[256] = {};
    std::int16_t representative[257] = {};
};

// What the cache knows of one step: unknown (target kNone, kind Next), or its result.
struct Transition {
    std::uint32_t target = kNone;  // Next: the configuration reached
    StepResult::Kind kind = StepResult::Next;
    std::uint8_t detail = 0;  // Next: the SavedEnd; End: the offset
    std::uint8_t flags = 0;   // the anchor flags: of the target (Next), at the end (End, Saved)
};

// Configurations interned under small numbers, with the steps taken from them.
class ConfigCache {
public:
    explicit ConfigCache(std::uint32_t symbols) : m_symbols(symbols) { clear(); }

    void clear() {
        m_words.clear();
        m_start.assign(1, 0);
        m_index.assign(1024, kNone);
        m_steps.clear();
        m_count = 0;
    }
    std::size_t bytes() const {
        return (m_words.size() + m_start.size() + m_index.size()) * sizeof(std::uint32_t) +
               m_steps.size() * sizeof(Transition);
    }
    std::uint32_t size() const { return static_cast<std::uint32_t>(m_start.size() - 1); }
    const std::uint32_t* key(std::uint32_t id) const { return m_words.data() + m_start[id]; }
    std::size_t keySize(std::uint32_t id) const { return m_start[id + 1] - m_start[id]; }
    Transition& step(std::uint32_t id, std::uint32_t symbol) {
        return m_steps[static_cast<std::size_t>(id) * m_symbols + symbol];
    }

    // The number of the configuration `key`, interning it when it is new.
    std::uint32_t intern(const std::uint32_t* key, std::size_t size) {
        const std::size_t mask = m_index.size() - 1;
        for (std::size_t slot = hash(key, size) & mask;; slot = (slot + 1) & mask) {
            const std::uint32_t id = m_index[slot];
            if (id == kNone) break;
            if (keySize(id) == size && std::equal(key, key + size, this->key(id))) return id;
        }
        const std::uint32_t id = m_count;
        m_words.insert(m_words.end(), key, key + size);
        m_start.push_back(static_cast<std::uint32_t>(m_words.size()));
        m_steps.resize(m_steps.size() + m_symbols);
        ++m_count;
        place(id);
        if (m_count * 2 > m_index.size()) rehash();
        return id;
    }

private:
    static std::size_t hash(const std::uint32_t* key, std::size_t size) {
        std::uint64_t h = 0x9E3779B97F4A7C15ull ^ size;
        for (std::size_t i = 0; i < size; ++i)
            h = (h ^ key[i]) * 0xFF51AFD7ED558CCDull;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
    void place(std::uint32_t id) {
        const std::size_t mask = m_index.size() - 1;
        std::size_t slot = hash(key(id), keySize(id)) & mask;
        while (m_index[slot] != kNone)
            slot = (slot + 1) & mask;
        m_index[slot] = id;
    }
    void rehash() {
        m_index.assign(m_index.size() * 2, kNone);
        for (std::uint32_t id = 0; id < m_count; ++id)
            place(id);
    }

    std::uint32_t m_symbols;
    std::uint32_t m_count = 0;
    std::vector<std::uint32_t> m_words;  // the keys, one after the other
    std::vector<std::uint32_t> m_start;  // where key `id` starts; one more entry at the end
    std::vector<std::uint32_t> m_index;  // open addressing: configuration numbers or kNone
    std::vector<Transition> m_steps;     // m_symbols per configuration
};

// One attempt that is still running: its start and the saved end of its pending repetition.
struct Member {
    std::uint32_t start;
    std::uint32_t savedEnd;
};

// The running attempts that share one configuration, by ascending start. When `uniform`, every
// member's saved end is `savedEnd` and the members' own values are not looked at.
struct Group {
    std::uint32_t config = 0;
    bool uniform = true;
    std::uint32_t savedEnd = 0;
    std::vector<Member> members;

    std::uint32_t savedEndOf(const Member& m) const { return uniform ? savedEnd : m.savedEnd; }
    void materialize() {
        if (!uniform) return;
        for (Member& m : members)
            m.savedEnd = savedEnd;
        uniform = false;
    }
};

// Moves the members of `from` into `into` (both by ascending start), keeping the order.
void mergeInto(Group& into, Group& from) {
    if (into.members.empty()) {
        std::swap(into.members, from.members);
        into.uniform = from.uniform;
        into.savedEnd = from.savedEnd;
        return;
    }
    if (from.members.empty()) return;
    if (!(into.uniform && from.uniform && into.savedEnd == from.savedEnd)) {
        into.materialize();
        from.materialize();
    }
    if (from.members.front().start > into.members.back().start) {
        for (const Member& m : from.members)
            into.members.push_back(m);
    } else if (from.members.back().start < into.members.front().start) {
        from.members.insert(from.members.end(), into.members.begin(), into.members.end());
        std::swap(into.members, from.members);
    } else {
        std::vector<Member> merged(into.members.size() + from.members.size());
        std::merge(into.members.begin(), into.members.end(), from.members.begin(),
                   from.members.end(), merged.begin(),
                   [](const Member& a, const Member& b) { return a.start < b.start; });
        std::swap(into.members, merged);
    }
    from.members.clear();
}

// Keeps the members that can still be among the first `wanted` matches. Members of one group
// share their future: they all match or all fail, except that an attempt ending at its saved end
// fails when it has none. So the first `wanted` members with a saved end and the first `wanted`
// without one are all that can count.
void prune(Group& g, std::size_t wanted) {
    if (g.members.size() <= wanted) return;
    if (g.uniform) {
        g.members.resize(wanted);
        return;
    }
    std::size_t with = 0;
    std::size_t without = 0;
    std::size_t kept = 0;
    for (const Member& m : g.members) {
        std::size_t& seen = m.savedEnd != 0 ? with : without;
        if (seen == wanted) continue;
        ++seen;
        g.members[kept++] = m;
    }
    g.members.resize(kept);
}

struct Found {
    std::uint32_t start;
    std::uint32_t end;
    bool operator<(const Found& other) const { return start < other.start; }
};

}  // namespace

bool search(const VSTRI_StateSet& states, const VSTRI_StartFilter& filter, const V_STRING& text,
            VSTRI_MatchingList* list, unsigned long start, bool firstOnly) {
    // Positions are 32-bit; a longer text is searched up to that length.
    const std::uint32_t n =
        text.length() > 0xFFFFFFF0ul ? 0xFFFFFFF0u : static_cast<std::uint32_t>(text.length());
    if (start < 1 || start > static_cast<unsigned long>(n) + 1) return false;
    // Only the first `wanted` matches can show: they are written, and any match makes it true.
    const unsigned long capacity = list != nullptr && !firstOnly ? list->capacity() : 1;
    const std::size_t wanted = static_cast<std::size_t>(
        std::max(1ul, std::min(capacity, static_cast<unsigned long>(n) + 2)));

    const ByteClasses classes(states);
    const std::uint32_t symbols = classes.count + 1;
    Stepper stepper(states, n);
    ConfigCache cache(symbols);
    ConfigKey key = stepper.initial();
    std::uint32_t initial = cache.intern(key.data(), key.size());

    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    std::priority_queue<Found> found;  // the first `wanted` matches so far; the last on top
    bool anchoredFirst = false;        // a match at position 1 that held a begin anchor
    const auto accept = [&](std::uint32_t p, std::uint32_t end, std::uint32_t flags) {
        if ((flags & kBeginSeen) != 0 && p != 1) return;
        if ((flags & kEndSeen) != 0 && end != n + 1) return;
        if ((flags & kBeginSeen) != 0) anchoredFirst = true;
        found.push({p, end});
        if (found.size() > wanted) found.pop();
    };
    const auto full = [&] { return found.size() == wanted || anchoredFirst; };

    // Groups live in `pool` and are named by their index there; `running` holds the groups of
    // the current position, `next` those of the next one.
    std::vector<Group> pool;
    std::vector<std::uint32_t> unused;  // indexes of emptied groups, to reuse
    std::vector<std::uint32_t> running;
    std::vector<std::uint32_t> next;
    std::vector<std::uint32_t> groupOf;  // per configuration: its group in `next`, or kNone
    const auto newGroup = [&](std::uint32_t config) -> std::uint32_t {
        std::uint32_t g = 0;
        if (unused.empty()) {
            g = static_cast<std::uint32_t>(pool.size());
            pool.emplace_back();
        } else {
            g = unused.back();
            unused.pop_back();
        }
        Group& group = pool[g];
        group.config = config;
        group.uniform = true;
        group.savedEnd = 0;
        group.members.clear();
        return g;
    };
    const auto drop = [&](std::uint32_t g) {
        pool[g].members.clear();
        unused.push_back(g);
    };

    groupOf.assign(cache.size(), kNone);
    std::uint32_t cachedConfigs = cache.size();
    // Where a match may begin: bit k of `candidates` for the 1-based position candidatesAt + k.
    std::uint32_t candidatesAt = 0;
    std::uint64_t candidates = 0;
    const auto mayBegin = [&](std::uint32_t p) {
        if (p - candidatesAt >= 64 || candidatesAt == 0) {
            candidatesAt = p;
            candidates = filter.mask(text.data(), p - 1, n);
        }
        return ((candidates >> (p - candidatesAt)) & 1) != 0;
    };
    for (std::uint32_t i = static_cast<std::uint32_t>(start);;) {
        const std::uint32_t symbol = i <= n ? classes.of[bytes[i - 1]] : classes.count;
        // The step from `config` over this position's byte, taken once and then looked up.
        const auto transition = [&](std::uint32_t config) {
            Transition t = cache.step(config, symbol);
            if (t.target != kNone || t.kind != StepResult::Next) return t;
            const StepResult r = stepper.step(cache.key(config), cache.keySize(config),
                                              classes.representative[symbol], key);
            t.kind = r.kind;
            t.flags = static_cast<std::uint8_t>(r.kind == StepResult::Next ? key[1] : r.flags);
            if (r.kind == StepResult::Next) {
                t.target = cache.intern(key.data(), key.size());
                t.detail = r.savedEnd;
                groupOf.resize(cache.size(), kNone);
            } else {
                t.target = 0;
                t.detail = r.offset;
            }
            cache.step(config, symbol) = t;
            return t;
        };
        next.clear();
        for (const std::uint32_t gi : running) {
            Group& g = pool[gi];
            const Transition t = transition(g.config);
            if (t.kind == StepResult::End) {
                for (const Member& m : g.members)
                    accept(m.start, i + t.detail, t.flags);
            } else if (t.kind == StepResult::Saved) {
                for (const Member& m : g.members) {
                    const std::uint32_t end = g.savedEndOf(m);
                    if (end != 0) accept(m.start, end, t.flags);
                }
            }
            if (t.kind != StepResult::Next) {
                drop(gi);
                continue;
            }
            if (t.detail == StepResult::Here || t.detail == StepResult::Zero) {
                g.uniform = true;
                g.savedEnd = t.detail == StepResult::Here ? i : 0;
            }
            // Past a begin anchor only the attempt at position 1 can still match.
            if ((t.flags & kBeginSeen) != 0) {
                if (g.members.front().start != 1) {
                    drop(gi);
                    continue;
                }
                g.members.resize(1);
            }
            if (groupOf[t.target] == kNone) {
                groupOf[t.target] = gi;
                g.config = t.target;
                next.push_back(gi);
            } else {
                mergeInto(pool[groupOf[t.target]], g);
                drop(gi);
            }
        }
        running.clear();
        // A new attempt starts here when a match may begin here. It comes last, so that the
        // groups stay ordered by start.
        if (!full() && (i <= n || i == start) && (i > n || mayBegin(i))) {
            const Transition t = transition(initial);
            if (t.kind == StepResult::End) {
                accept(i, i + t.detail, t.flags);
            } else if (t.kind == StepResult::Next && ((t.flags & kBeginSeen) == 0 || i == 1)) {
                const std::uint32_t savedEnd = t.detail == StepResult::Here ? i : 0;
                if (groupOf[t.target] == kNone) {
                    const std::uint32_t g = newGroup(t.target);
                    pool[g].savedEnd = savedEnd;
                    groupOf[t.target] = g;
                    next.push_back(g);
                }
                Group& into = pool[groupOf[t.target]];
                const bool alike = into.uniform && into.savedEnd == savedEnd;
                // With `wanted` earlier members alike, pruning would take this one out again.
                if (!alike || into.members.size() < wanted) {
                    if (!alike) into.materialize();
                    into.members.push_back({i, savedEnd});
                }
            }
        }
        if (anchoredFirst) break;
        // Attempts that start after the last of `wanted` matches cannot count any more.
        const std::uint32_t last = found.size() == wanted ? found.top().start : kNone;
        for (const std::uint32_t gi : next) {
            Group& g = pool[gi];
            groupOf[g.config] = kNone;
            prune(g, wanted);
            if (last != kNone) {
                const auto cut =
                    std::upper_bound(g.members.begin(), g.members.end(), last,
                                     [](std::uint32_t p, const Member& m) { return p < m.start; });
                g.members.erase(cut, g.members.end());
            }
            if (g.members.empty()) {
                drop(gi);
            } else {
                running.push_back(gi);
            }
        }
        if (i > n) break;
        if (running.empty()) {
            if (full()) break;
            i = filter.next(text.data(), i, n) + 1;
            if (i > n) break;
        } else {
            ++i;
        }
        // A full cache starts again from the configurations in use.
        if (cache.size() != cachedConfigs && cache.bytes() > kCacheBytes) {
            std::vector<ConfigKey> keys;
            for (const std::uint32_t gi : running) {
                const std::uint32_t config = pool[gi].config;
                keys.emplace_back(cache.key(config), cache.key(config) + cache.keySize(config));
            }
            cache.clear();
            for (std::size_t k = 0; k < running.size(); ++k)
                pool[running[k]].config = cache.intern(keys[k].data(), keys[k].size());
            key = stepper.initial();
            initial = cache.intern(key.data(), key.size());
            groupOf.assign(cache.size(), kNone);
        }
        cachedConfigs = cache.size();
    }

    if (found.empty()) return false;
    std::vector<Found> matches;
    while (!found.empty()) {
        matches.push_back(found.top());
        found.pop();
    }
    std::reverse(matches.begin(), matches.end());
    if (anchoredFirst) matches.resize(1);
    if (list != nullptr) {
        const std::size_t written = std::min<std::size_t>(matches.size(), list->capacity());
        for (std::size_t k = 0; k < written; ++k)
            (*list)[k] = VSTRI_Match(matches[k].start, matches[k].end - matches[k].start);
    }
    return true;
}

}  // namespace orvane::grep
