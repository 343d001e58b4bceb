#include "orvane/strings/toolbox.h"

#include <locale.h>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "orvane/base/char_class.h"
#include "orvane/base/exception.h"
#include "orvane/strings/eval_value.h"

long VSTRI_Toolbox::s_pos = 0;

void VSTRI_Toolbox::increasePosition() {
    ++s_pos;
}
void VSTRI_Toolbox::decreasePosition() {
    --s_pos;
}

namespace {

// The evaluator's own failures; silent, they only unwind to `evaluate`.
class VSTRI_SyntaxException : public V_Exception {
public:
    VSTRI_SyntaxException() = default;
    VSTRI_SyntaxException(const VSTRI_SyntaxException&) = default;
    ~VSTRI_SyntaxException() override = default;
};

class VSTRI_OutOfBoundsException : public V_Exception {
public:
    VSTRI_OutOfBoundsException() = default;
    VSTRI_OutOfBoundsException(const VSTRI_OutOfBoundsException&) = default;
    ~VSTRI_OutOfBoundsException() override = default;
};

// Token codes; keywords carry theirs in the symbol table.
enum Token : std::int32_t {
    kComma = 1,
    kX = 2,
    kY = 3,
    kZ = 4,
    kPolarAbsolute = 5,
    kPolarRelative = 6,
    kUnsignedLiteral = 7,
    kFloatLiteral = 8,
    kSymbol = 9,
    kOpen = 10,
    kClose = 11,
    kPlus = 12,
    kMinus = 13,
    kTimes = 14,
    kDivide = 15,
    kEnd = 16,
};

constexpr std::size_t kBufferSize = 126;  // characters of one name or number
constexpr std::size_t kMaxSymbols = 128;
constexpr std::size_t kPoolSize = 1024;  // bytes for all names, terminators included
constexpr int kMaxNesting = 256;         // parentheses deep; more is rejected, not recursed

// Numbers are read in the C locale whatever the program's locale is, so '1.5' means one and a
// half everywhere.
locale_t cLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// The value of a floating literal as the scanner collected it (digits, an optional point and
// digits, an optional exponent) when it can be had exactly without the C library: with at most 15
// significant digits the digits are an exact double, and so is every power of ten up to 1e22, so
// one multiplication or division, rounded once, gives the nearest double, which is what reading
// the text gives. False, leaving `value` alone, for any other literal.
bool quickDecimal(const char* text, std::size_t length, double& value) {
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::uint64_t digits = 0;
    int significant = 0;
    int scale = 0;  // the power of ten of the last digit
    bool point = false;
    std::size_t i = 0;
    for (; i < length; ++i) {
        const char c = text[i];
        if (c == '.') {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        if (point) --scale;
        if (digits == 0 && c == '0') continue;  // leading zeros are not significant
        if (++significant > 15) return false;
        digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (i < length) {
        if (text[i] != 'e' && text[i] != 'E') return false;
        ++i;
        const bool negative = i < length && text[i] == '-';
        if (i < length && (text[i] == '+' || text[i] == '-')) ++i;
        if (i == length) return false;
        int exponent = 0;
        for (; i < length; ++i) {
            if (text[i] < '0' || text[i] > '9' || exponent > 1000) return false;
            exponent = exponent * 10 + (text[i] - '0');
        }
        scale += negative ? -exponent : exponent;
    }
    if (digits == 0) {
        value = 0.0;
    } else if (scale >= 0 && scale <= 22) {
        value = static_cast<double>(digits) * kPowers[scale];
    } else if (scale < 0 && scale >= -22) {
        value = static_cast<double>(digits) / kPowers[-scale];
    } else {
        return false;
    }
    return true;
}

// The names the scanner knows: the five keywords, then the symbols an entry introduces.
class EvalSymbolTable {
public:
    // Empties the table and loads the five keywords "x", "y", "z", "p", "d" (indices 0 to 4).
    void reset() {
        static constexpr char kKeywordNames[] = "x\0y\0z\0p\0d";
        std::memcpy(m_pool, kKeywordNames, sizeof kKeywordNames);
        for (std::size_t i = 0; i < 5; ++i)
            m_entries[i] = Entry{kX + static_cast<std::int32_t>(i), 2 * i};
        m_count = 5;
        m_used = sizeof kKeywordNames;
    }

    // The index of `name`, searching from the newest entry back; -1 when absent.
    int find(const char* name) const {
        for (int i = static_cast<int>(m_count) - 1; i >= 0; --i) {
            if (std::strcmp(m_pool + m_entries[i].offset, name) == 0) return i;
        }
        return -1;
    }

    int add(const char* name, std::int32_t token) {
        const std::size_t bytes = std::strlen(name) + 1;
        if (m_count == kMaxSymbols || m_used + bytes > kPoolSize)
            throw VSTRI_OutOfBoundsException();
        std::memcpy(m_pool + m_used, name, bytes);
        m_entries[m_count] = Entry{token, m_used};
        m_used += bytes;
        return static_cast<int>(m_count++);
    }

    std::int32_t token(int index) const { return m_entries[index].token; }

private:
    struct Entry {
        std::int32_t token;
        std::size_t offset;
    };
    // Only the first m_count entries and m_used bytes are ever read; the rest is left unset, as
    // filling 3 KiB would cost more than a typical evaluation.
    Entry m_entries[kMaxSymbols];
    char m_pool[kPoolSize];
    std::size_t m_count = 0;
    std::size_t m_used = 0;
};

}  // namespace

// The scanner and parser of one evaluation. A friend of VSTRI_Toolbox, as it counts the
// characters read in `s_pos`.
class EvalScanner {
public:
    explicit EvalScanner(const V_STRING& text) : m_text(text.data()), m_end(text.length()) {
        m_symbols.reset();
        next();
    }

    // Single values.
    EvalValue expression() {
        EvalValue value = term();
        while (m_token == kPlus || m_token == kMinus) {
            const bool plus = m_token == kPlus;
            next();
            const EvalValue rhs = term();
            if (plus) {
                value += rhs;
            } else {
                value -= rhs;
            }
        }
        return value;
    }

    void pointPair(EvalValue& x, EvalValue& y) {
        if (m_token == kPolarAbsolute) {
            next();
            x = partOrZero();
            expectComma();
            y = partOrZero();
            EvalValue::cvtPolarToCartesian(x, y);
        } else if (m_token == kPolarRelative) {
            next();
            EvalValue r = partOrZero();
            expectComma();
            EvalValue a = partOrZero();
            EvalValue::cvtPolarToCartesian(r, a);
            x += r;
            y += a;
        } else {
            component(x, kX);
            expectComma();
            component(y, kY);
        }
    }

    void pointTriple(EvalValue& x, EvalValue& y, EvalValue& z) {
        if (m_token == kPolarAbsolute) {
            next();
            x = partOrZero();
            expectComma();
            y = partOrZero();
            expectComma();
            z = partOrZero();
            EvalValue::cvtPolarToCartesian(x, y, z);
        } else if (m_token == kPolarRelative) {
            next();
            EvalValue r = partOrZero();
            expectComma();
            EvalValue a = partOrZero();
            expectComma();
            EvalValue b = partOrZero();
            EvalValue::cvtPolarToCartesian(r, a, b);
            x += r;
            y += a;
            z += b;
        } else {
            component(x, kX);
            expectComma();
            component(y, kY);
            expectComma();
            component(z, kZ);
        }
    }

    void expectEnd() const {
        if (m_token != kEnd) throw VSTRI_SyntaxException();
    }

private:
    // --- characters ---

    int read() {
        VSTRI_Toolbox::increasePosition();
        const int c = m_cursor <= m_end ? static_cast<unsigned char>(m_text[m_cursor]) : 0;
        ++m_cursor;
        return c;
    }

    void pushBack() {
        if (m_cursor == 0) throw VSTRI_OutOfBoundsException();
        --m_cursor;
        VSTRI_Toolbox::decreasePosition();
    }

    void collect(int c) {
        if (m_length == kBufferSize) throw VSTRI_OutOfBoundsException();
        m_buffer[m_length++] = static_cast<char>(c);
    }

    // --- tokens ---

    void next() {
        for (;;) {
            int c = read();
            while (c == ' ' || c == '\t' || c == '\n')
                c = read();
            m_length = 0;
            if (orvane::chars::isLetter(static_cast<unsigned char>(c))) {
                word(c);
                return;
            }
            if (orvane::chars::isDigit(static_cast<unsigned char>(c)) || c == '.') {
                number(c);
                return;
            }
            switch (c) {
                case '+':
                    m_token = kPlus;
                    return;
                case '-':
                    m_token = kMinus;
                    return;
                case '*':
                    m_token = kTimes;
                    return;
                case '/':
                    m_token = kDivide;
                    return;
                case '(':
                    m_token = kOpen;
                    return;
                case ')':
                    m_token = kClose;
                    return;
                case ',':
                    m_token = kComma;
                    return;
                case 0:
                    m_token = kEnd;
                    return;
                default:
                    break;  // outside the syntax: skipped
            }
        }
    }

    void word(int c) {
        const bool keyword = orvane::chars::isLower(static_cast<unsigned char>(c));
        const auto fits = [keyword](int ch) {
            const auto u = static_cast<unsigned char>(ch);
            return keyword ? orvane::chars::isLower(u) : orvane::chars::isLetterOrDigit(u);
        };
        while (fits(c)) {
            collect(c);
            c = read();
        }
        pushBack();
        m_buffer[m_length] = '\0';
        int index = m_symbols.find(m_buffer);
        if (keyword) {
            if (index < 0) throw VSTRI_SyntaxException();
        } else if (index < 0) {
            index = m_symbols.add(m_buffer, kSymbol);
        }
        m_token = m_symbols.token(index);
        m_value = EvalValue(static_cast<std::uint16_t>(index));
    }

    void number(int c) {
        enum { kDigits = 1, kPoint = 2, kFraction = 4, kExponent = 8 };
        int flags = 0;
        while (orvane::chars::isDigit(static_cast<unsigned char>(c))) {
            collect(c);
            flags |= kDigits;
            c = read();
        }
        if (c == '.') {
            collect(c);
            flags |= kPoint;
            c = read();
            while (orvane::chars::isDigit(static_cast<unsigned char>(c))) {
                collect(c);
                flags |= kFraction;
                c = read();
            }
        }
        if (c == 'E' || (c == 'e' && (flags & (kDigits | kFraction)) != 0)) {
            collect(c);
            flags |= kExponent;
            c = read();
            if (c == '+' || c == '-') {
                collect(c);
                c = read();
            }
            if (!orvane::chars::isDigit(static_cast<unsigned char>(c)))
                throw VSTRI_SyntaxException();
            while (orvane::chars::isDigit(static_cast<unsigned char>(c))) {
                collect(c);
                c = read();
            }
        }
        pushBack();
        m_buffer[m_length] = '\0';

        if (flags == kDigits) {
            std::uint64_t value = 0;
            for (std::size_t i = 0; i < m_length; ++i) {
                value = value * 10 + static_cast<std::uint64_t>(m_buffer[i] - '0');
                if (value > 0xFFFFFFFFu) throw VSTRI_SyntaxException();  // beyond 32 bits
            }
            m_token = kUnsignedLiteral;
            m_value = EvalValue(static_cast<unsigned long>(value));
            return;
        }
        switch (flags) {
            case 3:
            case 6:
            case 7:
            case 9:
            case 11:
            case 14:
            case 15: {
                double value = 0;
                if (!quickDecimal(m_buffer, m_length, value)) {
                    char* stop = nullptr;
                    value = strtod_l(m_buffer, &stop, cLocale());
                    if (stop != m_buffer + m_length) throw VSTRI_SyntaxException();
                }
                m_token = kFloatLiteral;
                m_value = EvalValue(value);
                return;
            }
            default:
                throw VSTRI_SyntaxException();
        }
    }

    // --- grammar ---

    EvalValue term() {
        EvalValue value = factor();
        while (m_token == kTimes || m_token == kDivide) {
            const bool times = m_token == kTimes;
            next();
            const EvalValue rhs = factor();
            if (times) {
                value *= rhs;
            } else {
                value /= rhs;
                if (EvalValue::lastDivisionFailed()) throw VSTRI_SyntaxException();
            }
        }
        return value;
    }

    EvalValue factor() {
        if (m_token == kPlus) {
            next();
            return primary();
        }
        if (m_token == kMinus) {
            next();
            return -primary();
        }
        return primary();
    }

    EvalValue primary() {
        switch (m_token) {
            case kOpen: {
                if (++m_depth > kMaxNesting) throw VSTRI_OutOfBoundsException();
                next();
                EvalValue value = expression();
                if (m_token != kClose) throw VSTRI_SyntaxException();
                --m_depth;
                next();
                return value;
            }
            case kUnsignedLiteral:
            case kFloatLiteral:
            case kSymbol: {
                const EvalValue value = m_value;
                next();
                return value;
            }
            default:
                throw VSTRI_SyntaxException();
        }
    }

    bool partIsEmpty() const { return m_token == kComma || m_token == kEnd; }

    EvalValue partOrZero() { return partIsEmpty() ? EvalValue(0ul) : expression(); }

    void expectComma() {
        if (m_token != kComma) throw VSTRI_SyntaxException();
        next();
    }

    // One coordinate of a point entry: absolute after its letter, otherwise relative.
    void component(EvalValue& coordinate, std::int32_t letter) {
        if (m_token == letter) {
            next();
            coordinate = partOrZero();
        } else {
            coordinate += partOrZero();
        }
    }

    const char* m_text;
    std::size_t m_end;         // index of the terminating zero
    std::size_t m_cursor = 0;  // index of the next character to read
    std::int32_t m_token = kEnd;
    EvalValue m_value{0ul};
    EvalSymbolTable m_symbols;
    char m_buffer[kBufferSize + 1];  // m_length characters and, once complete, a terminator
    std::size_t m_length = 0;
    int m_depth = 0;
};

namespace {

// Runs one evaluation: resets the position, parses with `parse` (which writes the outputs) and
// turns every exception into a false result with the position reached.
template <class Parse>
bool run(const V_STRING& text, evalInfo& info, Parse&& parse, long& position) {
    position = 0;
    info.position = 0;
    try {
        EvalScanner scanner(text);
        parse(scanner);
        scanner.expectEnd();
        return true;
    } catch (...) {
        info.position = static_cast<std::int32_t>(position);
        return false;
    }
}

}  // namespace

bool VSTRI_Toolbox::evaluate(const V_STRING& text, long& value, evalInfo& info) {
    return run(
        text, info,
        [&](EvalScanner& s) {
            EvalValue result = s.expression();
            if (result.cvtToInteger()) value = result.asSigned();
        },
        s_pos);
}

bool VSTRI_Toolbox::evaluate(const V_STRING& text, unsigned long& value, evalInfo& info) {
    return run(
        text, info,
        [&](EvalScanner& s) {
            EvalValue result = s.expression();
            if (result.cvtToUnsigned()) value = result.asUnsigned();
        },
        s_pos);
}

bool VSTRI_Toolbox::evaluate(const V_STRING& text, double& value, evalInfo& info) {
    return run(
        text, info,
        [&](EvalScanner& s) {
            EvalValue result = s.expression();
            if (result.cvtToFloat()) value = result.asDouble();
        },
        s_pos);
}

bool VSTRI_Toolbox::evaluate(const V_STRING& text, double& x, double& y, evalInfo& info) {
    return run(
        text, info,
        [&](EvalScanner& s) {
            EvalValue vx(x), vy(y);
            s.pointPair(vx, vy);
            if (vx.cvtToFloat()) x = vx.asDouble();
            if (vy.cvtToFloat()) y = vy.asDouble();
        },
        s_pos);
}

bool VSTRI_Toolbox::evaluate(const V_STRING& text, double& x, double& y, double& z,
                             evalInfo& info) {
    return run(
        text, info,
        [&](EvalScanner& s) {
            EvalValue vx(x), vy(y), vz(z);
            s.pointTriple(vx, vy, vz);
            if (vx.cvtToFloat()) x = vx.asDouble();
            if (vy.cvtToFloat()) y = vy.asDouble();
            if (vz.cvtToFloat()) z = vz.asDouble();
        },
        s_pos);
}

bool VSTRI_Toolbox::evaluate(const V_STRING& text, long& value) {
    evalInfo info;
    return evaluate(text, value, info);
}

bool VSTRI_Toolbox::evaluate(const V_STRING& text, unsigned long& value) {
    evalInfo info;
    return evaluate(text, value, info);
}

bool VSTRI_Toolbox::evaluate(const V_STRING& text, double& value) {
    evalInfo info;
    return evaluate(text, value, info);
}

bool VSTRI_Toolbox::evaluate(const V_STRING& text, double& x, double& y) {
    evalInfo info;
    return evaluate(text, x, y, info);
}

bool VSTRI_Toolbox::evaluate(const V_STRING& text, double& x, double& y, double& z) {
    evalInfo info;
    return evaluate(text, x, y, z, info);
}

bool VSTRI_Toolbox::format(double value, V_STRING& text) {
    // "%28.13f" in the C locale, into a buffer as large as the value needs.
    struct CLocaleScope {
        locale_t previous = uselocale(cLocale());
        ~CLocaleScope() { uselocale(previous); }
    };
    std::string printed;
    {
        const CLocaleScope scope;
        char small[64];
        const int needed = std::snprintf(small, sizeof small, "%28.13f", value);
        if (needed >= 0 && static_cast<std::size_t>(needed) < sizeof small) {
            printed.assign(small, static_cast<std::size_t>(needed));
        } else if (needed >= 0) {
            printed = orvane::allocating([&] {
                std::vector<char> big(static_cast<std::size_t>(needed) + 1);
                std::snprintf(big.data(), big.size(), "%28.13f", value);
                return std::string(big.data(), static_cast<std::size_t>(needed));
            });
        }
    }

    const std::size_t point = printed.find('.');
    if (point != std::string::npos) {
        std::size_t last = printed.find_last_not_of('0');
        if (last == point) ++last;  // keep one zero after the point
        printed.erase(last + 1);
    }
    printed.erase(0, printed.find_first_not_of(' '));
    text = printed.c_str();
    return true;
}
