#include <gtest/gtest.h>
#include <orvane/base/registry_key.h>
#include <orvane/collections/collection_exceptions.h>
#include <orvane/units/doc_format.h>

#include <string>

#include "support/dump_capture.h"
#include "support/temp_registry.h"

namespace {

VLOCN_DocSize storedCustomSize(bool& foundBoth) {
    VSYST_RegistryKey key(VSYST_RegistryStandardKey::ApplicationSettings, true, "PaperSize");
    bool foundX = false, foundY = false;
    VLOCN_DocSize size(key.getFloatValue("FileNewCustomSizeX", foundX),
                       key.getFloatValue("FileNewCustomSizeY", foundY));
    foundBoth = foundX && foundY;
    return size;
}

void storeCustomSize(double x, double y) {
    VSYST_RegistryKey key(VSYST_RegistryStandardKey::ApplicationSettings, true, "PaperSize");
    key.setFloatValue("FileNewCustomSizeX", x);
    key.setFloatValue("FileNewCustomSizeY", y);
}

}  // namespace

TEST(VLOCN_DocFormat, HoldsTheSevenFormatsInOrder) {
    TempRegistry reg;
    storeCustomSize(500, 700);
    const VLOCN_DocFormat formats;
    const V_Array<V_STRING> names = formats.getDocFormatsDescriptions();
    const char* expected[] = {"DIN A0", "DIN A1", "DIN A2",     "DIN A3",
                              "DIN A4", "DIN A5", "Custom size"};
    ASSERT_EQ(names.cardinality(), 7ul);
    for (unsigned long i = 0; i < 7; ++i)
        EXPECT_EQ(names[i].str(), expected[i]);
    const double sizes[7][2] = {{841, 1189}, {594, 841}, {420, 594}, {297, 420},
                                {210, 297},  {148, 210}, {500, 700}};
    for (int i = 0; i < 7; ++i) {
        const auto& info =
            formats.getDocFormatInfo(static_cast<VLOCN_DocFormat::VLOCN_DocFormatType>(i));
        EXPECT_EQ(info.description.str(), expected[i]);
        EXPECT_EQ(info.size, VLOCN_DocSize(sizes[i][0], sizes[i][1])) << i;
    }
    EXPECT_EQ(formats.getCustomSizeDesc().str(), "Custom size");
}

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

TEST(VLOCN_DocFormat, KeepsTheCustomSizeInTheRegistry) {
    TempRegistry reg;
    bool found = false;
    {
        VLOCN_DocFormat formats;  // nothing stored: the registry's missing value, 0
        EXPECT_EQ(formats.getDocFormatInfo(VLOCN_DocFormat::CUSTOM_SIZE).size, VLOCN_DocSize());
    }
    EXPECT_EQ(storedCustomSize(found), VLOCN_DocSize(0, 0));  // written back on destruction
    EXPECT_TRUE(found);

    storeCustomSize(123.25, 456.5);
    {
        VLOCN_DocFormat formats;
        EXPECT_EQ(formats.getDocFormatInfo(VLOCN_DocFormat::CUSTOM_SIZE).size,
                  VLOCN_DocSize(123.25, 456.5));
        formats.getDescOfDocument(222, 111);
        EXPECT_EQ(storedCustomSize(found), VLOCN_DocSize(123.25, 456.5));  // not yet
    }
    EXPECT_EQ(storedCustomSize(found), VLOCN_DocSize(111, 222));

    // Every table writes when it goes, copies too: the last one destroyed decides.
    {
        VLOCN_DocFormat first;
        first.setCustomSize(VLOCN_DocSize(1, 2));
        {
            VLOCN_DocFormat copy(first);
            EXPECT_EQ(copy.getDocFormatInfo(VLOCN_DocFormat::CUSTOM_SIZE).size,
                      VLOCN_DocSize(1, 2));
            copy.setCustomSize(VLOCN_DocSize(3, 4));
        }
        EXPECT_EQ(storedCustomSize(found), VLOCN_DocSize(3, 4));
        VLOCN_DocFormat assigned;
        assigned.setDocumentDescription(VLOCN_DocFormat::DIN_A0, "changed");
        assigned = first;
        EXPECT_EQ(assigned.getDocFormatInfo(VLOCN_DocFormat::DIN_A0).description.str(), "DIN A0");
    }
    EXPECT_EQ(storedCustomSize(found), VLOCN_DocSize(1, 2));
}
