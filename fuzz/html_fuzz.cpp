// Fuzzes the HTML encoder: the result must decode back to the text, and encoding a text must be
// encoding its characters one by one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include <orvane/tools.h>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// Every entity the encoder gives, with the byte it stands for.
std::map<std::string, char> entities() {
    std::map<std::string, char> table;
    for (int code = 1; code < 256; ++code) {
        const std::string text = VHTML_EncodeChar(static_cast<char>(code)).str();
        if (text.size() > 1) table[text] = static_cast<char>(code);
    }
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::map<std::string, char> table = entities();
    const std::string raw(reinterpret_cast<const char*>(data), size);
    const std::string text = raw.c_str();  // up to the first NUL
    const std::string html = VHTML_EncodeString(text.c_str()).str();
    check(html.size() <= 8 * text.size());

    std::string oneByOne;
    for (const char c : text)
        oneByOne += VHTML_EncodeChar(c).str();
    check(oneByOne == html);

    // Every "&" starts exactly one entity, so the result decodes unambiguously.
    std::string decoded;
    for (std::size_t i = 0; i < html.size();) {
        if (html[i] != '&') {
            check(html[i] != ' ' && html[i] != '"' && html[i] != '<' && html[i] != '>');
            decoded += html[i++];
            continue;
        }
        int hits = 0;
        std::size_t length = 0;
        char byte = 0;
        for (const auto& entry : table) {
            if (html.compare(i, entry.first.size(), entry.first) == 0) {
                ++hits;
                length = entry.first.size();
                byte = entry.second;
            }
        }
        check(hits == 1);
        decoded += byte;
        i += length;
    }
    check(decoded == text);
    return 0;
}
