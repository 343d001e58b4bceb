#include "orvane/strings/html_encode.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "orvane/base/exception.h"

namespace {

struct Entity {
    std::uint16_t code;
    const char* text;
};

// Sorted by code: the lookup bisects.
constexpr Entity kEntities[] = {
    {32, "&nbsp;"},    {34, "&quot;"},    {38, "&amp;"},     {60, "&lt"},       {62, "&gt"},
    {192, "&Agrave;"}, {193, "&Aacute;"}, {194, "&Acirc;"},  {195, "&Atilde;"}, {196, "&Auml;"},
    {197, "&Aring;"},  {198, "&AElig;"},  {199, "&Ccedil;"}, {200, "&Egrave;"}, {201, "&Eacute;"},
    {202, "&Ecirc;"},  {203, "&Euml;"},   {204, "&Igrave;"}, {205, "&Iacute;"}, {206, "&Icirc;"},
    {207, "&Iuml;"},   {209, "&Ntilde;"}, {210, "&Ograve;"}, {211, "&Oacute;"}, {212, "&Ocirc;"},
    {213, "&Otilde;"}, {214, "&Ouml;"},   {216, "&Oslash;"}, {217, "&Ugrave;"}, {218, "&Uacute;"},
    {219, "&Ucirc;"},  {220, "&Uuml;"},   {221, "&Yacute;"}, {222, "&THORN;"},  {223, "&szlig;"},
    {224, "&agrave;"}, {225, "&aacute;"}, {226, "&acirc;"},  {227, "&atilde;"}, {228, "&auml;"},
    {229, "&aring;"},  {230, "&aelig;"},  {231, "&ccedil;"}, {232, "&egrave;"}, {233, "&eacute;"},
    {234, "&ecirc;"},  {235, "&euml;"},   {236, "&igrave;"}, {237, "&iacute;"}, {238, "&icirc;"},
    {239, "&iuml;"},   {241, "&ntilde;"}, {242, "&ograve;"}, {243, "&oacute;"}, {244, "&ocirc;"},
    {245, "&otilde;"}, {246, "&ouml;"},   {248, "&oslash;"}, {249, "&ugrave;"}, {250, "&uacute;"},
    {251, "&ucirc;"},  {252, "&uuml;"},   {253, "&yacute;"}, {254, "&thorn;"},  {255, "&yuml;"},
};
static_assert(sizeof kEntities / sizeof kEntities[0] == 65, "the table has 65 entries");

// The entity of the byte `code`, or null when it has none.
const char* entityOf(unsigned char code) {
    int low = 0;
    int high = static_cast<int>(sizeof kEntities / sizeof kEntities[0]) - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        if (kEntities[middle].code == code) return kEntities[middle].text;
        if (code < kEntities[middle].code) {
            high = middle - 1;
        } else {
            low = middle + 1;
        }
    }
    return nullptr;
}

void appendEncoded(std::string& out, char c) {
    const char* entity = entityOf(static_cast<unsigned char>(c));
    if (entity != nullptr) {
        out += entity;
    } else {
        out += c;
    }
}

}  // namespace

V_STRING VHTML_EncodeChar(char c) {
    if (c == '\0') return V_STRING();
    std::string out;
    orvane::allocating([&] { appendEncoded(out, c); });
    return V_STRING(out.c_str());
}

V_STRING VHTML_EncodeString(const char* text) {
    if (text == nullptr) return V_STRING();
    const std::size_t n = std::strlen(text);
    std::string out;
    orvane::allocating([&] {
        out.reserve(8 * n + 1);
        for (std::size_t i = 0; i < n; ++i)
            appendEncoded(out, text[i]);
    });
    return V_STRING(out.c_str());
}
