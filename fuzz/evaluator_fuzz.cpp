// Fuzzes every overload of the expression evaluator with random texts and start values.
// Input layout: 1 byte overload selector, 24 bytes of start values, then the text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include <orvane/tools.h>

#include "fuzz_support.h"

namespace {

double startValue(const std::uint8_t* bytes) {
    double d;
    std::memcpy(&d, bytes, sizeof d);
    return d;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    discardDiagnostics();

    if (size < 25) return 0;
    const std::uint8_t selector = data[0];
    double x = startValue(data + 1), y = startValue(data + 9), z = startValue(data + 17);
    const std::string text(reinterpret_cast<const char*>(data + 25), size - 25);
    const V_STRING input(text.c_str());

    evalInfo info;
    bool ok = false;
    switch (selector % 5) {
        case 0: {
            long v = static_cast<long>(static_cast<std::int32_t>(data[1] | data[2] << 8));
            ok = VSTRI_Toolbox::evaluate(input, v, info);
            if (v < INT32_MIN || v > INT32_MAX) std::abort();  // results are 32-bit
            break;
        }
        case 1: {
            unsigned long v = data[1];
            ok = VSTRI_Toolbox::evaluate(input, v, info);
            if (v > 0xFFFFFFFFul) std::abort();
            break;
        }
        case 2:
            ok = VSTRI_Toolbox::evaluate(input, x, info);
            break;
        case 3:
            ok = VSTRI_Toolbox::evaluate(input, x, y, info);
            break;
        default:
            ok = VSTRI_Toolbox::evaluate(input, x, y, z, info);
            break;
    }
    // A success reports position 0; a failure a position within what could have been read.
    if (ok && info.position != 0) std::abort();
    if (!ok &&
        (info.position < 1 || static_cast<std::size_t>(info.position) > input.length() + 2)) {
        std::abort();
    }
    V_STRING printed;
    VSTRI_Toolbox::format(x, printed);
    if (printed.length() == 0) std::abort();
    return 0;
}
