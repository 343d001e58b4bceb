#include <gtest/gtest.h>
#include <orvane/base/registry_key.h>
#include <orvane/collections/collection_exceptions.h>
#include <orvane/units/doc_format.h>

#include <string>

#include "support/dump_capture.h"
#include "support/temp_registry.h"

TEST(VLOCN_DocFormat, NamesSizesInEitherOrientationExactly) {
    TempRegistry reg;
    VLOCN_DocFormat formats;
    EXPECT_EQ(formats.getDescOfDocument(210, 297).str() +
                  formats.getDescOfDocument(297, 210).str() +
                  formats.getDescOfDocument(1189, 841).str(),
              "DIN A4DIN A4DIN A0");

    EXPECT_EQ(formats.getDescOfDocument(210.0001, 297).str(), "Custom size");
    VLOCN_DocSize size;
    EXPECT_TRUE(formats.getSizeOfDocument("Custom size", size));
    EXPECT_EQ(size, VLOCN_DocSize(210.0001, 297));
    EXPECT_EQ(formats.getDescOfDocument(400, 100).str(), "Custom size");  // smaller side first
    EXPECT_EQ(formats.getDocFormatInfo(VLOCN_DocFormat::CUSTOM_SIZE).size, VLOCN_DocSize(100, 400));
    EXPECT_EQ(formats.getDescOfDocument(400, 100).str(), "Custom size");  // now it matches

    // The custom size is compared like every other: as stored, smaller side first.
    formats.setCustomSize(VLOCN_DocSize(500, 300));
    EXPECT_EQ(formats.getDocFormatInfo(VLOCN_DocFormat::CUSTOM_SIZE).size, VLOCN_DocSize(500, 300));
    EXPECT_EQ(formats.getDescOfDocument(500, 300).str(), "Custom size");
    EXPECT_EQ(formats.getDocFormatInfo(VLOCN_DocFormat::CUSTOM_SIZE).size, VLOCN_DocSize(300, 500));
}

TEST(VLOCN_DocFormat, FindsSizesByExactDescription) {
    TempRegistry reg;
    VLOCN_DocFormat formats;
    VLOCN_DocSize size(1, 2);
    EXPECT_FALSE(formats.getSizeOfDocument("DIN A6", size) ||
                 formats.getSizeOfDocument("din a4", size) || formats.getSizeOfDocument("", size));
    EXPECT_EQ(size, VLOCN_DocSize(1, 2));
    EXPECT_TRUE(formats.getSizeOfDocument("DIN A3", size));
    EXPECT_EQ(size, VLOCN_DocSize(297, 420));

    formats.setDocumentDescription(VLOCN_DocFormat::DIN_A4, "A4 (Hochformat)");
    EXPECT_TRUE(!formats.getSizeOfDocument("DIN A4", size) &&
                formats.getSizeOfDocument("A4 (Hochformat)", size));
    EXPECT_EQ(size, VLOCN_DocSize(210, 297));
    EXPECT_EQ(formats.getDescOfDocument(297, 210).str(), "A4 (Hochformat)");
    formats.setDocumentDescription(VLOCN_DocFormat::CUSTOM_SIZE, "Benutzerdefiniert");
    EXPECT_EQ(formats.getCustomSizeDesc().str(), "Benutzerdefiniert");
    EXPECT_EQ(formats.getDocFormatsDescriptions()[6].str(), "Benutzerdefiniert");
}

TEST(VLOCN_DocFormat, RejectsIndicesOutsideTheTable) {
    TempRegistry reg;
    VLOCN_DocFormat formats;
    DumpCapture dump;
    EXPECT_THROW(formats.getDocFormatInfo(static_cast<VLOCN_DocFormat::VLOCN_DocFormatType>(7)),
                 XCOLL_OutOfRange);
    EXPECT_THROW(
        formats.setDocumentDescription(static_cast<VLOCN_DocFormat::VLOCN_DocFormatType>(9), "x"),
        XCOLL_OutOfRange);
    EXPECT_NE(dump.take().find("cardinality 7 was accessed using the out-of-range index 7."),
              std::string::npos);
    EXPECT_EQ(formats.getDocFormatsDescriptions().cardinality(), 7ul);
}
