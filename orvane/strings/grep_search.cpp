#include "orvane/strings/grep_search.h"

#include <algorithm>
#include <cstdint>
#include <functional>
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
        m_index.assign(64, kNone);
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

// The first `wanted` matches by start. Matches mostly arrive by ascending start (the members of
// a group, groups ending in turn); those are appended, and a later one is dropped at once when
// the list is full. The first match out of that order turns the list into a heap with the
// latest start on top.
class Results {
public:
    explicit Results(std::size_t wanted) : m_wanted(wanted) {}

    void add(Found f) {
        if (!m_heap) {
            if (m_items.empty() || f.start > m_items.back().start) {
                if (m_items.size() < m_wanted) m_items.push_back(f);
                return;
            }
            std::make_heap(m_items.begin(), m_items.end());
            m_heap = true;
        }
        if (m_items.size() == m_wanted) {
            if (!(f < m_items.front())) return;
            std::pop_heap(m_items.begin(), m_items.end());
            m_items.pop_back();
        }
        m_items.push_back(f);
        std::push_heap(m_items.begin(), m_items.end());
    }
    bool full() const { return m_items.size() == m_wanted; }
    bool empty() const { return m_items.empty(); }
    // The latest start among them.
    std::uint32_t last() const { return m_heap ? m_items.front().start : m_items.back().start; }
    // The matches by ascending start.
    std::vector<Found>& sorted() {
        if (m_heap) std::sort_heap(m_items.begin(), m_items.end());
        m_heap = false;
        return m_items;
    }

private:
    std::size_t m_wanted;
    bool m_heap = false;
    std::vector<Found> m_items;
};

// One search: the groups of running attempts, walked over the text position by position.
class Search {
public:
    Search(const VSTRI_StateSet& states, const VSTRI_StartFilter& filter, const V_STRING& text,
           std::uint32_t n, std::size_t wanted)
        : m_filter(filter),
          m_text(text.data()),
          m_bytes(reinterpret_cast<const unsigned char*>(text.data())),
          m_n(n),
          m_wanted(wanted),
          m_states(states),
          m_stepper(states, n),
          m_cache(states.classCount() + 1),
          m_found(wanted) {
        m_key = m_stepper.initial();
        m_initial = m_cache.intern(m_key.data(), m_key.size());
        m_groupOf.assign(m_cache.size(), kNone);
    }

    // Runs the search from the 1-based position `start`; the matches by ascending start.
    std::vector<Found>& run(std::uint32_t start) {
        if (m_filter.wholeLiteral()) return occurrences(start);
        std::uint32_t cachedConfigs = m_cache.size();
        for (std::uint32_t i = start;;) {
            m_symbol = i <= m_n ? m_states.classOf(m_bytes[i - 1]) : m_states.classCount();
            m_next.clear();
            for (const std::uint32_t g : m_running)
                stepGroup(g, i);
            m_running.clear();
            // A new attempt starts here when a match may begin here. It comes last, so that
            // the groups stay ordered by start.
            if (!full() && (i <= m_n || i == start) && (i > m_n || mayBegin(i))) spawn(i);
            if (m_anchoredFirst) break;
            settle();
            if (i > m_n) break;
            if (m_running.empty()) {
                if (full()) break;
                i = nextCandidate(i + 1);
                if (i > m_n) break;
            } else {
                ++i;
                if (m_running.size() == 1) i = stepAlone(i);
            }
            // A full cache starts again from the configurations in use.
            if (m_cache.size() != cachedConfigs && m_cache.bytes() > kCacheBytes) flushCache();
            cachedConfigs = m_cache.size();
        }
        std::vector<Found>& matches = m_found.sorted();
        if (m_anchoredFirst) matches.resize(1);
        return matches;
    }

private:
    bool full() const { return m_found.full() || m_anchoredFirst; }

    void accept(std::uint32_t p, std::uint32_t end, std::uint32_t flags) {
        if ((flags & kBeginSeen) != 0 && p != 1) return;
        if ((flags & kEndSeen) != 0 && end != m_n + 1) return;
        if ((flags & kBeginSeen) != 0) m_anchoredFirst = true;
        m_found.add({p, end});
    }

    // The step from `config` over this position's byte: looked up, or taken once and kept.
    Transition transition(std::uint32_t config) {
        const Transition t = m_cache.step(config, m_symbol);
        if (t.target != kNone || t.kind != StepResult::Next) return t;
        return firstStep(config);
    }
    Transition firstStep(std::uint32_t config) {
        // Class classCount() stands for the end of the text.
        const int c = m_symbol < m_states.classCount() ? m_states.representative(m_symbol) : -1;
        const StepResult r = m_stepper.step(m_cache.key(config), m_cache.keySize(config), c, m_key);
        Transition t;
        t.kind = r.kind;
        t.flags = static_cast<std::uint8_t>(r.kind == StepResult::Next ? m_key[1] : r.flags);
        if (r.kind == StepResult::Next) {
            t.target = m_cache.intern(m_key.data(), m_key.size());
            t.detail = r.savedEnd;
            m_groupOf.resize(m_cache.size(), kNone);
        } else {
            t.target = 0;
            t.detail = r.offset;
        }
        m_cache.step(config, m_symbol) = t;
        return t;
    }

    std::uint32_t newGroup(std::uint32_t config) {
        std::uint32_t g = 0;
        if (m_unused.empty()) {
            g = static_cast<std::uint32_t>(m_pool.size());
            m_pool.emplace_back();
        } else {
            g = m_unused.back();
            m_unused.pop_back();
        }
        Group& group = m_pool[g];
        group.config = config;
        group.uniform = true;
        group.savedEnd = 0;
        group.members.clear();
        return g;
    }
    void drop(std::uint32_t g) {
        m_pool[g].members.clear();
        m_unused.push_back(g);
    }

    // Takes group `g` one step over position `i`: its attempts end, or it moves on into the
    // group of its next configuration.
    void stepGroup(std::uint32_t gi, std::uint32_t i) {
        Group& g = m_pool[gi];
        const Transition t = transition(g.config);
        if (t.kind != StepResult::Next) {
            if (t.kind == StepResult::End) {
                for (const Member& m : g.members)
                    accept(m.start, i + t.detail, t.flags);
            } else if (t.kind == StepResult::Saved) {
                for (const Member& m : g.members) {
                    const std::uint32_t end = g.savedEndOf(m);
                    if (end != 0) accept(m.start, end, t.flags);
                }
            }
            drop(gi);
            return;
        }
        if (t.detail == StepResult::Here || t.detail == StepResult::Zero) {
            g.uniform = true;
            g.savedEnd = t.detail == StepResult::Here ? i : 0;
        }
        // Past a begin anchor only the attempt at position 1 can still match.
        if ((t.flags & kBeginSeen) != 0) {
            if (g.members.front().start != 1) {
                drop(gi);
                return;
            }
            g.members.resize(1);
        }
        std::uint32_t& into = m_groupOf[t.target];
        if (into == kNone) {
            into = gi;
            g.config = t.target;
            m_next.push_back(gi);
        } else {
            mergeInto(m_pool[into], g);
            drop(gi);
        }
    }

    // A pattern that is one literal matches where the literal occurs, as long as the literal:
    // every attempt from such a position reaches the end of the pattern after the literal, and
    // nothing is queued beyond it.
    std::vector<Found>& occurrences(std::uint32_t start) {
        const auto size = static_cast<std::uint32_t>(m_filter.literal().size());
        for (std::uint32_t at = start - 1; !m_found.full();) {
            at = m_filter.next(m_text, at, m_n);
            if (at >= m_n) break;
            m_found.add({at + 1, at + 1 + size});
            ++at;
        }
        return m_found.sorted();
    }

    // Takes the one running group over positions from `i` on, as long as nothing but its
    // configuration and saved end changes there: its step is known and goes on without a begin
    // anchor, and no attempt starts, or the one that starts joins the group and is dropped there
    // as the general step would drop it. The first position it does not take.
    std::uint32_t stepAlone(std::uint32_t i) {
        Group& g = m_pool[m_running.front()];
        for (; i <= m_n; ++i) {
            const std::uint32_t symbol = m_states.classOf(m_bytes[i - 1]);
            const Transition t = m_cache.step(g.config, symbol);
            if (t.target == kNone || t.kind != StepResult::Next || (t.flags & kBeginSeen) != 0)
                break;
            const bool uniform = g.uniform || t.detail != StepResult::Keep;
            const std::uint32_t savedEnd = t.detail == StepResult::Here   ? i
                                           : t.detail == StepResult::Zero ? 0
                                                                          : g.savedEnd;
            if (!full() && mayBegin(i)) {
                const Transition s = m_cache.step(m_initial, symbol);
                if (s.target == kNone && s.kind == StepResult::Next) break;
                const bool none =
                    s.kind == StepResult::Fail ||
                    (s.kind == StepResult::Next && (s.flags & kBeginSeen) != 0 && i != 1);
                const std::uint32_t spawned = s.detail == StepResult::Here ? i : 0;
                const bool dropped = s.kind == StepResult::Next && s.target == t.target &&
                                     (s.flags & kBeginSeen) == 0 && uniform &&
                                     spawned == savedEnd && g.members.size() >= m_wanted;
                if (!none && !dropped) break;
            }
            g.uniform = uniform;
            g.savedEnd = savedEnd;
            g.config = t.target;
        }
        return i;
    }

    // Starts an attempt at position `i`.
    void spawn(std::uint32_t i) {
        const Transition t = transition(m_initial);
        if (t.kind == StepResult::End) {
            accept(i, i + t.detail, t.flags);
            return;
        }
        if (t.kind != StepResult::Next || ((t.flags & kBeginSeen) != 0 && i != 1)) return;
        const std::uint32_t savedEnd = t.detail == StepResult::Here ? i : 0;
        if (m_groupOf[t.target] == kNone) {
            const std::uint32_t g = newGroup(t.target);
            m_pool[g].savedEnd = savedEnd;
            m_groupOf[t.target] = g;
            m_next.push_back(g);
        }
        Group& into = m_pool[m_groupOf[t.target]];
        const bool alike = into.uniform && into.savedEnd == savedEnd;
        // With `wanted` earlier members alike, pruning would take this one out again.
        if (alike && into.members.size() >= m_wanted) return;
        if (!alike) into.materialize();
        into.members.push_back({i, savedEnd});
    }

    // The groups of the next position become the running ones, without the attempts that can
    // no longer count.
    void settle() {
        // Attempts that start after the last of `wanted` matches cannot count any more.
        const std::uint32_t last = m_found.full() ? m_found.last() : kNone;
        for (const std::uint32_t gi : m_next) {
            Group& g = m_pool[gi];
            m_groupOf[g.config] = kNone;
            prune(g, m_wanted);
            if (last != kNone && g.members.back().start > last) {
                const auto cut =
                    std::upper_bound(g.members.begin(), g.members.end(), last,
                                     [](std::uint32_t p, const Member& m) { return p < m.start; });
                g.members.erase(cut, g.members.end());
            }
            if (g.members.empty()) {
                drop(gi);
            } else {
                m_running.push_back(gi);
            }
        }
    }

    // Where a match may begin: bit k of `m_candidates` for the 1-based position
    // m_candidatesAt + k.
    bool mayBegin(std::uint32_t p) {
        if (p - m_candidatesAt >= 64 || m_candidatesAt == 0) {
            m_candidatesAt = p;
            m_candidates = m_filter.mask(m_text, p - 1, m_n);
        }
        return ((m_candidates >> (p - m_candidatesAt)) & 1) != 0;
    }

    // The first position from `p` on where a match may begin: from the current window of
    // candidates where it reaches that far, else from the filter.
    std::uint32_t nextCandidate(std::uint32_t p) {
        if (m_candidatesAt != 0 && p - m_candidatesAt < 64) {
            const std::uint64_t ahead = m_candidates >> (p - m_candidatesAt);
            if (ahead != 0) return p + static_cast<std::uint32_t>(__builtin_ctzll(ahead));
            const std::uint64_t end = std::uint64_t{m_candidatesAt} + 64;
            if (end > m_n) return m_n + 1;
            p = static_cast<std::uint32_t>(end);
        }
        return m_filter.next(m_text, p - 1, m_n) + 1;
    }

    void flushCache() {
        std::vector<ConfigKey> keys;
        for (const std::uint32_t gi : m_running) {
            const std::uint32_t config = m_pool[gi].config;
            keys.emplace_back(m_cache.key(config), m_cache.key(config) + m_cache.keySize(config));
        }
        m_cache.clear();
        for (std::size_t k = 0; k < m_running.size(); ++k)
            m_pool[m_running[k]].config = m_cache.intern(keys[k].data(), keys[k].size());
        m_key = m_stepper.initial();
        m_initial = m_cache.intern(m_key.data(), m_key.size());
        m_groupOf.assign(m_cache.size(), kNone);
    }

    const VSTRI_StartFilter& m_filter;
    const char* m_text;
    const unsigned char* m_bytes;
    std::uint32_t m_n;
    std::size_t m_wanted;
    const VSTRI_StateSet& m_states;
    Stepper m_stepper;
    ConfigCache m_cache;
    ConfigKey m_key;
    std::uint32_t m_initial = 0;
    std::uint32_t m_symbol = 0;
    Results m_found;
    bool m_anchoredFirst = false;  // a match at position 1 that held a begin anchor
    // Groups live in `m_pool` and are named by their index there; `m_running` holds the groups
    // of the current position, `m_next` those of the next one.
    std::vector<Group> m_pool;
    std::vector<std::uint32_t> m_unused;  // indexes of emptied groups, to reuse
    std::vector<std::uint32_t> m_running;
    std::vector<std::uint32_t> m_next;
    std::vector<std::uint32_t> m_groupOf;  // per configuration: its group in `m_next`, or kNone
    std::uint32_t m_candidatesAt = 0;
    std::uint64_t m_candidates = 0;
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

    Search search(states, filter, text, n, wanted);
    const std::vector<Found>& matches = search.run(static_cast<std::uint32_t>(start));
    if (matches.empty()) return false;
    if (list != nullptr) {
        const std::size_t written = std::min<std::size_t>(matches.size(), list->capacity());
        for (std::size_t k = 0; k < written; ++k)
            (*list)[k] = VSTRI_Match(matches[k].start, matches[k].end - matches[k].start);
    }
    return true;
}

}  // namespace orvane::grep
