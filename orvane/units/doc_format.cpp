#include "orvane/units/doc_format.h"

#include "orvane/base/registry_key.h"

namespace {

constexpr char kSubkey[] = "PaperSize";
constexpr char kCustomX[] = "FileNewCustomSizeX";
constexpr char kCustomY[] = "FileNewCustomSizeY";

}  // namespace

VLOCN_DocFormat::VLOCN_DocFormat() {
    m_formats.clear();
    m_formats.insert_last(DocFormatInfo("DIN A0", VLOCN_DocSize(841, 1189)));
    m_formats.insert_last(DocFormatInfo("DIN A1", VLOCN_DocSize(594, 841)));
    m_formats.insert_last(DocFormatInfo("DIN A2", VLOCN_DocSize(420, 594)));
    m_formats.insert_last(DocFormatInfo("DIN A3", VLOCN_DocSize(297, 420)));
    m_formats.insert_last(DocFormatInfo("DIN A4", VLOCN_DocSize(210, 297)));
    m_formats.insert_last(DocFormatInfo("DIN A5", VLOCN_DocSize(148, 210)));
    VSYST_RegistryKey key(VSYST_RegistryStandardKey::ApplicationSettings, true, kSubkey);
    bool found = false;
    const double y = key.getFloatValue(kCustomY, found);
    const double x = key.getFloatValue(kCustomX, found);
    m_formats.insert_last(DocFormatInfo("Custom size", VLOCN_DocSize(x, y)));
}

VLOCN_DocFormat::VLOCN_DocFormat(const VLOCN_DocFormat& other) : m_formats(other.m_formats) {}

VLOCN_DocFormat& VLOCN_DocFormat::operator=(const VLOCN_DocFormat& other) {
    if (this != &other) {
        V_Array<DocFormatInfo> copy(other.m_formats);  // a failed copy leaves this table alone
        m_formats = std::move(copy);
    }
    return *this;
}

VLOCN_DocFormat::~VLOCN_DocFormat() {
    try {
        const VLOCN_DocSize size = m_formats[CUSTOM_SIZE].size;
        VSYST_RegistryKey key(VSYST_RegistryStandardKey::ApplicationSettings, true, kSubkey);
        key.setFloatValue(kCustomX, size.x);
        key.setFloatValue(kCustomY, size.y);
    } catch (...) {
        // A destructor must not throw; the table goes whether or not the write succeeded.
    }
}

V_Array<V_STRING> VLOCN_DocFormat::getDocFormatsDescriptions() const {
    V_Array<V_STRING> descriptions;
    for (unsigned long i = 0; i < m_formats.cardinality(); ++i) {
        descriptions.insert_last(m_formats[i].description);
    }
    return descriptions;
}

bool VLOCN_DocFormat::getSizeOfDocument(const V_STRING& description, VLOCN_DocSize& size) const {
    for (unsigned long i = 0; i < m_formats.cardinality(); ++i) {
        if (m_formats[i].description == description) {
            size = m_formats[i].size;
            return true;
        }
    }
    return false;
}

V_STRING VLOCN_DocFormat::getDescOfDocument(double x, double y) {
    const double lo = y < x ? y : x;
    const double hi = y < x ? x : y;
    for (unsigned long i = 0; i < m_formats.cardinality(); ++i) {
        const VLOCN_DocSize& size = m_formats[i].size;
        if (size.x == lo && size.y == hi) return m_formats[i].description;
    }
    DocFormatInfo& custom = m_formats[CUSTOM_SIZE];
    custom.size = VLOCN_DocSize(lo, hi);
    return custom.description;
}

V_STRING VLOCN_DocFormat::getCustomSizeDesc() const {
    return m_formats[CUSTOM_SIZE].description;
}

void VLOCN_DocFormat::setDocumentDescription(VLOCN_DocFormatType type,
                                             const V_STRING& description) {
    m_formats[static_cast<unsigned long>(type)].description = description;
}

void VLOCN_DocFormat::setCustomSize(const VLOCN_DocSize& size) {
    m_formats[CUSTOM_SIZE].size = size;
}

const VLOCN_DocFormat::DocFormatInfo& VLOCN_DocFormat::getDocFormatInfo(
    VLOCN_DocFormatType type) const {
    return m_formats[static_cast<unsigned long>(type)];
}
