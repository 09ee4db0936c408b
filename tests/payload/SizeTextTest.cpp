// Size texts of the status bar and the totals line.
#include <gtest/gtest.h>

#include "app/payload/FileSizeText.h"
#include "toolkit/core/Exception.h"

namespace {

TEST(FormatFileSize, UnitChangesAtThresholdsAndRoundsHalvesAwayFromZero) {
    const struct { int64_t size; const char* text; } cases[] = {
        {0, "0 byte(s)"},
        {1023, "1023 byte(s)"},
        {1024, "1.00 KB"},
        {1152, "1.13 KB"},             // 1.125: half rounds up
        {1536, "1.50 KB"},
        {1048575, "1024.00 KB"},       // rounding carries into a fourth integer digit
        {1048576, "1.00 MB"},
        {5248123, "5.01 MB"},
        {1073741823, "1024.00 MB"},
        {1073741824, "1.00 GB"},
        {INT64_MAX, "8589934592.00 GB"},
        {-5, "-5 byte(s)"}};
    for (const auto& c : cases) EXPECT_EQ(FormatFileSize(c.size, '.'), c.text) << c.size;
}

TEST(FormatFileSize, QuotientIsRoundedToEighteenDigitsBeforeTwoDecimals) {
    // 1234567890.004999999888... GB: the 18-digit step gives ...0.0050000000, which then rounds up.
    EXPECT_EQ(FormatFileSize(1325607178065800069LL, '.'), "1234567890.01 GB");
}

TEST(FormatFileSize, CommaLocaleGivesCommaDecimals) {
    EXPECT_EQ(FormatFileSize(1536, ','), "1,50 KB");
    EXPECT_EQ(FormatFileSize(1023, ','), "1023 byte(s)");
}

TEST(UpdateTotalsText, EmptyListAndTrimmedRowsAreCounted) {
    EXPECT_EQ(UpdateTotalsText({}, TTotalsVariant::tvMainProgram, '.'), "Total files: 0     Total size: 0 byte(s)");
    EXPECT_EQ(UpdateTotalsText({" 1024\t", "512", "\r512 "}, TTotalsVariant::tvMainProgram, '.'),
              "Total files: 3     Total size: 2.00 KB");
}

TEST(UpdateTotalsText, StubCountsUnreadableOrOverflowingSizesAsFilesWithoutSize) {
    const std::vector<std::string> rows = {"abc", "", "9223372036854775807", "1"};
    EXPECT_EQ(UpdateTotalsText(rows, TTotalsVariant::tvStub, '.'), "Total files: 4     Total size: 8589934592.00 GB");
    EXPECT_THROW(UpdateTotalsText({"12", "abc"}, TTotalsVariant::tvMainProgram, '.'), Exception);
}

}  // namespace
