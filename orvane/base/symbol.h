// Interned names.
//
// A VSYST_SymbolA stands for a name. Equal names share one stored copy for the life of the
// process, so a symbol is one pointer: cheap to copy and to compare for equality.
//
//   VSYST_SymbolA a("LengthUnitChanged");
//   VSYST_SymbolA b("LengthUnitChanged");
//   a == b;                                // true, and (const char*)a == (const char*)b
//   VSYST_SymbolA("Alpha") < VSYST_SymbolA("beta");   // true: byte order, as strcmp
//
// Choices: a null name makes the empty symbol "", which is also what the default constructor
// gives. Interned names are never freed (a program uses a bounded set of names).
#ifndef ORVANE_BASE_SYMBOL_H
#define ORVANE_BASE_SYMBOL_H

#include "orvane/base/export.h"

// An interned name: equal names give equal symbols, compared by one pointer.
class ORVANE_API VSYST_SymbolA {
public:
    VSYST_SymbolA();
    // Interns `name` (null: ""). Implicit, since names are written as literals.
    VSYST_SymbolA(const char* name);  // NOLINT: implicit, names are written as literals

    // The interned name; valid for the rest of the process.
    operator const char*() const { return m_name; }
    const char* name() const { return m_name; }

    // Byte-by-byte order of the names, as strcmp gives it.
    bool operator<(const VSYST_SymbolA& other) const;
    // Equal symbols have equal names; one pointer comparison.
    bool operator==(const VSYST_SymbolA& other) const { return m_name == other.m_name; }
    bool operator!=(const VSYST_SymbolA& other) const { return m_name != other.m_name; }

private:
    const char* m_name;  // the interned copy, never null
};

#endif
