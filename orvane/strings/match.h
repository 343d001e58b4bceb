// Match records: where a pattern occurs in a text.
//
// A VSTRI_Match is one occurrence, given by its 1-based start position and its length; position 0
// means that the record holds no match. A VSTRI_MatchingList is a fixed-capacity array of records
// that VSTRI_Grep::match fills from index 0 upwards (see orvane/strings/grep.h).
//
//   VSTRI_MatchingList list(10);
//   list.reinitialize();                        // every record (0, 0)
//   grep.match("xabyab", list, 1, VSTRI_Grep::AllMatches);
//   for (unsigned long i = 0; i < list.capacity() && list[i]; ++i)
//       use(list[i].position(), list[i].length());    // (2, 2), then (5, 2)
//   list[0].next();                             // 4: the position just after the first match
//
// The list keeps no count of the matches: records after the last one written keep whatever they
// held, so a caller that wants to tell new records from old ones clears the list first.
//
// Choices:
// - A default-constructed record is (0, 0): it holds no match.
// - The conversion to `void*` is public, so that `if (list[i])` tells whether a record holds a
//   match: it is non-null exactly when the position is above 0.
// - `capacity()` tells how many records a list holds.
// - Indexing past the capacity never reaches outside the records: the const `operator[]` gives a
//   (0, 0) record that belongs to no list, the mutable one throws VSYST_Exception (as V_STRING does
//   for an index beyond its text).
// - Assigning a list to itself keeps it as it is. Allocation failure throws VSYST_OutOfMemory and
//   leaves the target of an assignment unchanged.
#ifndef ORVANE_STRINGS_MATCH_H
#define ORVANE_STRINGS_MATCH_H

#include <vector>

#include "orvane/base/export.h"

// One match: its 1-based position and its length; position 0 means "no match".
class ORVANE_API VSTRI_Match {
public:
    VSTRI_Match() = default;
    // A match of `length` characters at the 1-based `position`.
    VSTRI_Match(unsigned long position, unsigned long length)
        : m_position(position), m_length(length) {}
    // Plain copies.
    VSTRI_Match(const VSTRI_Match& other) = default;
    VSTRI_Match& operator=(const VSTRI_Match& other) = default;
    virtual ~VSTRI_Match();

    // The 1-based position (0: no match) and the length.
    unsigned long position() const { return m_position; }
    unsigned long length() const { return m_length; }
    // The position just after the match.
    unsigned long next() const { return m_position + m_length; }

    // Non-null exactly when the record holds a match (position above 0).
    operator void*() const {  // NOLINT: implicit by design
        return m_position > 0 ? const_cast<VSTRI_Match*>(this) : nullptr;
    }

    // Equal when position and length are.
    bool operator==(const VSTRI_Match& other) const {
        return m_position == other.m_position && m_length == other.m_length;
    }
    bool operator!=(const VSTRI_Match& other) const { return !(*this == other); }

private:
    unsigned long m_position = 0;
    unsigned long m_length = 0;
};

// A fixed number of match records that VSTRI_Grep::match fills from index 0 upwards.
class ORVANE_API VSTRI_MatchingList {
public:
    static constexpr unsigned long kDefaultCapacity = 255;  // records of a default-made list

    // A list of `capacity` records, each (0, 0).
    VSTRI_MatchingList();
    explicit VSTRI_MatchingList(unsigned long capacity);
    // Copies every record; a failed copy leaves the target as it was.
    VSTRI_MatchingList(const VSTRI_MatchingList& other);
    VSTRI_MatchingList& operator=(const VSTRI_MatchingList& other);
    virtual ~VSTRI_MatchingList();

    // The number of records.
    unsigned long capacity() const { return static_cast<unsigned long>(m_records.size()); }

    // The record at the 0-based `index` (see Choices for an index past the capacity).
    const VSTRI_Match& operator[](unsigned long index) const;
    VSTRI_Match& operator[](unsigned long index);

    // Sets every record to (0, 0).
    void reinitialize();

private:
    std::vector<VSTRI_Match> m_records;
};

#endif
