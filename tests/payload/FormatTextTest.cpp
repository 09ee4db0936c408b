// Decimal fields, header building and parsing, entry-name checks, the carrier trailer, and the size texts of the
// status bar and the totals line.
#include <gtest/gtest.h>

#include "app/payload/CarrierTrailer.h"
#include "app/payload/DecimalText.h"
#include "app/payload/FileSizeText.h"
#include "app/payload/Header.h"
#include "app/payload/MemoryStream.h"
#include "toolkit/core/Exception.h"

namespace {

TEST(DecimalText, PadDecimal10FillsToTenDigitsAndKeepsLongerNumbers) {
    const struct { int64_t value; const char* text; } cases[] = {
        {0, "0000000000"}, {23, "0000000023"}, {1234, "0000001234"},
        {9999999999LL, "9999999999"}, {12345678901LL, "12345678901"}};
    for (const auto& c : cases) EXPECT_EQ(PadDecimal10(c.value), c.text) << c.value;
}

TEST(DecimalText, StrictDigitsRefuseSignsBlanksLettersAndOverflow) {
    const char* refused[] = {"", "-1", "+1", " 1", "1 ", "12a", "$10", "9223372036854775808", "0x10"};
    for (const char* text : refused) {
        int64_t value = 77;
        EXPECT_FALSE(TryParseDigits(text, value)) << text;
    }
    int64_t value = 0;
    ASSERT_TRUE(TryParseDigits("9223372036854775807", value));
    EXPECT_EQ(value, INT64_MAX);
    ASSERT_TRUE(TryParseDigits("0000000023", value));
    EXPECT_EQ(value, 23);
}

TEST(Header, TwoFilesGiveTheTwentyOneCharacterHeaderAndParseBack) {
    const std::vector<THeaderEntry> entries = {{"a.txt", "12"}, {"b.doc", "70000"}};
    const std::string header = BuildHeader(entries);
    EXPECT_EQ(header, "a.txt?12?b.doc?70000?");
    const std::vector<THeaderEntry> parsed = ParseHeader(header);
    ASSERT_EQ(parsed.size(), 2u);
    EXPECT_EQ(parsed[1].name, "b.doc");
    EXPECT_EQ(parsed[1].sizeText, "70000");
}

TEST(Header, ParsingStopsAtShortOrUnfinishedRemaindersWithoutMisaligningEntries) {
    const struct { const char* header; size_t entries; } cases[] = {
        {"", 0}, {"?", 0}, {"ab", 0}, {"a?1?x", 1}, {"a?12", 0}, {"a?1?b?", 1}, {"??", 1}, {"a?1?b?2?", 2}};
    for (const auto& c : cases) EXPECT_EQ(ParseHeader(c.header).size(), c.entries) << c.header;
}

TEST(Header, NamesThatLeaveTheFolderOrCannotBeFilesAreUnsafe) {
    const char* unsafe[] = {"", ".", "..", "...", ".. ", "a\\b", "..\\x", "/etc", "c:x", "a.txt:s", "x.", "x ", "a\nb",
                            "NUL", "con", "Aux.txt", "prn.tar.gz", "nul .log", "COM1", "lpt9.doc", "CONOUT$",
                            "COM0", "lpt0", "COM\xB9", "com\xB2.txt", "LPT\xB3", "lpt\xB9.doc.zip"};
    for (const char* name : unsafe) EXPECT_FALSE(IsSafeEntryName(name)) << name;
    const char* safe[] = {"a.txt", ".profile", "x..y", "name with blanks.doc", "\xe4\xf6.txt",
                          "console.txt", "nullify", "COM10", "x.nul", "con-fig", "COM\xB4", "LPT\xB9\xB9"};
    for (const char* name : safe) EXPECT_TRUE(IsSafeEntryName(name)) << name;
}

TEST(CarrierTrailer, CarrierOf1234BytesEndsInItsPaddedLengthAndReadsBack) {
    TMemoryStream carrier(std::vector<uint8_t>(1234, 'x'));
    carrier.Seek(carrier.Size());
    ASSERT_TRUE(WriteCarrierTrailer(carrier, 1234));
    const std::vector<uint8_t>& bytes = carrier.Bytes();
    EXPECT_EQ(std::string(bytes.end() - 10, bytes.end()), "0000001234");
    int64_t length = 0;
    ASSERT_TRUE(ReadCarrierTrailer(carrier, length));
    EXPECT_EQ(length, 1234);
}

TEST(CarrierTrailer, ShortNonDigitOrOutOfRangeTrailersMakeAnInvalidCarrier) {
    const char* files[] = {"12345", "abcdefghijk", "xx-000000001", "0000000003", "   0000001", "x0000000002"};
    for (const char* file : files) {
        TMemoryStream carrier(std::vector<uint8_t>(file, file + std::string(file).size()));
        int64_t length = -7;
        EXPECT_FALSE(ReadCarrierTrailer(carrier, length)) << file;
        EXPECT_EQ(length, -7);
    }
    TMemoryStream exact(std::vector<uint8_t>{'a', 'b', '0', '0', '0', '0', '0', '0', '0', '0', '0', '2'});
    int64_t length = 0;
    EXPECT_TRUE(ReadCarrierTrailer(exact, length));
    EXPECT_EQ(length, 2);
    TMemoryStream out;
    EXPECT_FALSE(WriteCarrierTrailer(out, 10000000000LL));
    EXPECT_EQ(out.Size(), 0);
}

TEST(FormatFileSize, UnitChangesAtThresholdsRoundsHalvesAwayFromZeroAndTakesTheLocalesDecimal) {
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
    // 1234567890.004999999888... GB: the quotient is rounded to 18 digits (...0.0050000000) before two decimals.
    EXPECT_EQ(FormatFileSize(1325607178065800069LL, '.'), "1234567890.01 GB");
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
