#include "orvane/strings/match.h"

#include "orvane/base/exception.h"

namespace {

std::vector<VSTRI_Match> makeRecords(unsigned long capacity) {
    std::vector<VSTRI_Match> records;
    if (capacity > records.max_size()) throw VSYST_OutOfMemory();
    orvane::allocating([&] { records.resize(capacity); });
    return records;
}

}  // namespace

VSTRI_Match::~VSTRI_Match() = default;

VSTRI_MatchingList::VSTRI_MatchingList() : m_records(makeRecords(kDefaultCapacity)) {}

VSTRI_MatchingList::VSTRI_MatchingList(unsigned long capacity) : m_records(makeRecords(capacity)) {}

VSTRI_MatchingList::VSTRI_MatchingList(const VSTRI_MatchingList& other)
    : m_records(orvane::allocating([&] { return other.m_records; })) {}

VSTRI_MatchingList& VSTRI_MatchingList::operator=(const VSTRI_MatchingList& other) {
    if (this == &other) return *this;
    // Copy first, so that a failed allocation leaves this list as it was.
    std::vector<VSTRI_Match> copy = orvane::allocating([&] { return other.m_records; });
    m_records.swap(copy);
    return *this;
}

VSTRI_MatchingList::~VSTRI_MatchingList() = default;

const VSTRI_Match& VSTRI_MatchingList::operator[](unsigned long index) const {
    static const VSTRI_Match kNoMatch;
    return index < m_records.size() ? m_records[index] : kNoMatch;
}

VSTRI_Match& VSTRI_MatchingList::operator[](unsigned long index) {
    if (index >= m_records.size())
        throw VSYST_Exception("VSTRI_MatchingList: index beyond the capacity.");
    return m_records[index];
}

void VSTRI_MatchingList::reinitialize() {
    for (VSTRI_Match& record : m_records)
        record = VSTRI_Match(0, 0);
}
