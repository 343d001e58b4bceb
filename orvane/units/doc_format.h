// The paper formats offered for new documents: DIN A0 to DIN A5 and one custom size that persists
// in the registry. All sizes are in millimetres.
//
//   VLOCN_DocFormat formats;                     // reads the custom size from the registry
//   formats.getDescOfDocument(297, 210);         // "DIN A4": either orientation
//   VLOCN_DocSize size;
//   formats.getSizeOfDocument("DIN A3", size);   // true, (297, 420)
//   formats.getDescOfDocument(100, 150);         // "Custom size", now (100, 150)
//   // ~VLOCN_DocFormat writes the custom size back to the registry
//
// The table:
//   0 DIN_A0 "DIN A0" 841 x 1189       4 DIN_A4 "DIN A4" 210 x 297
//   1 DIN_A1 "DIN A1" 594 x 841        5 DIN_A5 "DIN A5" 148 x 210
//   2 DIN_A2 "DIN A2" 420 x 594        6 CUSTOM_SIZE "Custom size", from the registry
//   3 DIN_A3 "DIN A3" 297 x 420
//
// The custom size is kept in the registry (standard key 8, subkey "PaperSize") as the double
// values "FileNewCustomSizeX" and "FileNewCustomSizeY". Every table reads them when it is built
// and writes its custom size back when it is destroyed, copies included: the last one destroyed
// decides what is stored.
//
// Sizes match exactly, without tolerance: 210.0001 x 297 is no DIN A4. getDescOfDocument makes an
// unknown size the custom size, smaller side first.
//
// Choices:
// - While the registry holds no custom size, the custom size is (0, 0), what the registry gives
//   for a missing value.
// - getSizeOfDocument, getCustomSizeDesc and getDocFormatInfo do not change the table and are
//   const.
// - The destructor never throws: a failure to write the registry is ignored, as is any other.
// - Tables can be copied but not moved, so that every table holds its seven entries until it is
//   destroyed.
#ifndef ORVANE_UNITS_DOC_FORMAT_H
#define ORVANE_UNITS_DOC_FORMAT_H

#include "orvane/base/export.h"
#include "orvane/base/v_string.h"
#include "orvane/collections/typed/array.h"

// A paper size: the first side x, the second side y, in millimetres.
class ORVANE_API VLOCN_DocSize {
public:
    VLOCN_DocSize() = default;
    // The size x by y, as given (not reordered).
    VLOCN_DocSize(double xIn, double yIn) : x(xIn), y(yIn) {}

    // True when both sides are exactly equal.
    bool operator==(const VLOCN_DocSize& other) const { return x == other.x && y == other.y; }
    bool operator!=(const VLOCN_DocSize& other) const { return !(*this == other); }

    double x = 0.0;  // the first side, in millimetres
    double y = 0.0;  // the second side, in millimetres
};

// A table of the paper formats, with the custom size read from and written back to the registry.
class ORVANE_API VLOCN_DocFormat {
public:
    // The entries of the table, in table order.
    enum VLOCN_DocFormatType : int {
        DIN_A0 = 0,
        DIN_A1 = 1,
        DIN_A2 = 2,
        DIN_A3 = 3,
        DIN_A4 = 4,
        DIN_A5 = 5,
        CUSTOM_SIZE = 6,
    };

    // One entry of the table.
    struct DocFormatInfo {
        // An entry with this description and size.
        DocFormatInfo(const V_STRING& descriptionIn, const VLOCN_DocSize& sizeIn)
            : description(descriptionIn), size(sizeIn) {}

        V_STRING description;  // for example "DIN A4"
        VLOCN_DocSize size;    // in millimetres, as listed above
    };

    // Builds the table, reading the custom size from the registry.
    VLOCN_DocFormat();
    // Copies the seven entries; a failed assignment leaves this table as it was.
    VLOCN_DocFormat(const VLOCN_DocFormat& other);
    VLOCN_DocFormat& operator=(const VLOCN_DocFormat& other);
    // Writes the custom size to the registry.
    ~VLOCN_DocFormat();

    // The seven descriptions in table order.
    V_Array<V_STRING> getDocFormatsDescriptions() const;
    // The size of the first entry described exactly (case-sensitively) by `description`; false
    // and `size` unchanged when there is none.
    bool getSizeOfDocument(const V_STRING& description, VLOCN_DocSize& size) const;
    // The description of the first entry of this size in either orientation; an unknown size
    // becomes the custom size (smaller side first) and gives the custom entry's description.
    V_STRING getDescOfDocument(double x, double y);
    // The description of the custom entry.
    V_STRING getCustomSizeDesc() const;
    // Replaces the description of an entry (for translated texts). Throws XCOLL_OutOfRange for a
    // type outside 0 to 6.
    void setDocumentDescription(VLOCN_DocFormatType type, const V_STRING& description);
    // Stores `size` into the custom entry as given (no registry write).
    void setCustomSize(const VLOCN_DocSize& size);
    // The entry of `type`. Throws XCOLL_OutOfRange for a type outside 0 to 6.
    const DocFormatInfo& getDocFormatInfo(VLOCN_DocFormatType type) const;

private:
    V_Array<DocFormatInfo> m_formats;
};

#endif
