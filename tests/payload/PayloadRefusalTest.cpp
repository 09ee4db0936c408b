// What readers and writers refuse: wrong passwords, bad length fields, unusable entries, oversize
// headers, changed sources, full volumes, stops and scrubbed ciphers.
#include <gtest/gtest.h>

#include "app/payload/DecimalText.h"
#include "app/payload/PayloadReader.h"
#include "tests/payload/PayloadTestSupport.h"

namespace {

const char kPassword[] = "secret";

struct TOpenedReader {
    explicit TOpenedReader(std::vector<uint8_t> bytes) : container(std::move(bytes)), reader(cipher, container, 0) {}
    // Checks the password, which must pass, and reads the header.
    TPayloadResult ReadHeader() {
        EXPECT_EQ(reader.CheckPassword(kPassword, nullptr), TPayloadResult::prOk);
        return reader.ReadHeader();
    }
    TMemoryStream container;
    TQC_blowfish cipher{nullptr};
    TPayloadReader reader;
};

TEST(PayloadReader, WrongPasswordOrTooShortContainerFailsTheCheckAndScrubs) {
    TMemoryStream good;
    ASSERT_EQ(WritePayload(kPassword, {{"a", RandomBytes(10, 1)}}, good), TPayloadResult::prOk);
    std::vector<uint8_t> cut(good.Bytes().begin(), good.Bytes().begin() + 31);
    const struct { std::vector<uint8_t> bytes; const char* password; } cases[] = {
        {good.Bytes(), "Secret"}, {good.Bytes(), "secret "}, {cut, kPassword}, {{}, kPassword}};
    for (const auto& c : cases) {
        TOpenedReader opened(c.bytes);
        EXPECT_EQ(opened.reader.CheckPassword(c.password, nullptr), TPayloadResult::prWrongPassword);
        EXPECT_FALSE(opened.cipher.IsReady());
    }
}

TEST(PayloadReader, LengthFieldsThatAreNotAnAllowedLengthCountAsWrongPassword) {
    const struct { const char* field; std::string header; } cases[] = {
        {"00000abcde", ""}, {"-000000001", ""}, {" 000000001", "x"}, {"0000020481", std::string(20481, 'x')},
        {"9999999999", "x"}, {"0000000050", "too short?12?"}};
    for (const auto& c : cases) {
        TOpenedReader opened(CraftPayload(kPassword, c.field, c.header));
        EXPECT_EQ(opened.ReadHeader(), TPayloadResult::prWrongPassword) << c.field;
        EXPECT_FALSE(opened.cipher.IsReady()) << c.field;
    }
    TOpenedReader largest(CraftPayload(kPassword, "0000020480", std::string(20477, 'n') + "?0?"));
    EXPECT_EQ(largest.ReadHeader(), TPayloadResult::prOk);
}

TEST(PayloadReader, UnusableEntriesAreRefusedBeforeTheDestinationIsTouched) {
    // An unreadable or overflowing size leaves every later offset unknown.
    const struct { std::string header; std::vector<bool> usable; } cases[] = {
        {"..?1?ok?2?a\\b?1?c:d?1?neg?-5?txt?abc?fine?1?", {false, true, false, false, false, false, false}},
        {"big?9223372036854775807?after?1?", {true, false}}};
    for (const auto& c : cases) {
        TOpenedReader opened(CraftHeaderPayload(kPassword, c.header, RandomBytes(100, 9)));
        ASSERT_EQ(opened.ReadHeader(), TPayloadResult::prOk);
        const std::vector<TPayloadEntry>& entries = opened.reader.Entries();
        ASSERT_EQ(entries.size(), c.usable.size());
        for (size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(opened.reader.CanExtract(i), c.usable[i]) << entries[i].name;
            TMemoryStream destination(std::vector<uint8_t>{'k', 'e', 'e', 'p'});
            if (!c.usable[i]) {
                EXPECT_EQ(opened.reader.Extract(i, destination, {}), TPayloadResult::prBadEntry) << entries[i].name;
                EXPECT_EQ(destination.Size(), 4) << entries[i].name;
            }
        }
    }
}

TEST(PayloadReader, ScrubbedCipherRefusesBeforeWritingAndShortContainerIsTruncated) {
    TMemoryStream good;
    ASSERT_EQ(WritePayload(kPassword, {{"a", RandomBytes(9000, 1)}}, good), TPayloadResult::prOk);
    std::vector<uint8_t> cut(good.Bytes().begin(), good.Bytes().end() - 100);
    TOpenedReader opened(cut);
    ASSERT_EQ(opened.ReadHeader(), TPayloadResult::prOk);
    TMemoryStream partial;
    EXPECT_EQ(opened.reader.Extract(0, partial, {}), TPayloadResult::prTruncated);
    EXPECT_EQ(partial.Size(), 8900);

    opened.cipher.Scrub();
    EXPECT_FALSE(opened.reader.CanExtract(0));
    TMemoryStream untouched;
    EXPECT_EQ(opened.reader.Extract(0, untouched, {}), TPayloadResult::prNotKeyed);
    EXPECT_EQ(untouched.Size(), 0);
}

TEST(PayloadReaderAndWriter, PortNamesWindowsReservesAreRefusedWithOrWithoutExtension) {
    for (const char* name : {"COM0", "LPT0.txt", "COM\xB9", "COM\xB2.txt", "COM\xB3", "LPT\xB9.doc", "lpt\xB2",
                                     "Lpt\xB3.tar.gz"}) {
        EXPECT_EQ(CheckHeadEntries({{name, "1"}}), TPayloadResult::prBadEntry) << name;
        const std::string header = std::string(name) + "?1?";
        TOpenedReader opened(CraftHeaderPayload(kPassword, header, {7}));
        ASSERT_EQ(opened.ReadHeader(), TPayloadResult::prOk);
        EXPECT_FALSE(opened.reader.CanExtract(0)) << name;
    }
}

TEST(PayloadWriter, OversizeHeaderAndUnstorableEntriesWriteNothing) {
    const std::vector<std::vector<THeaderEntry>> refused = {
        {{std::string(20478, 'n'), "10"}}, {{"a?b", "1"}}, {{"..", "1"}}, {{"a", "12a"}}, {{"a", "-1"}}, {{"a", ""}}};
    const TPayloadResult expected[] = {TPayloadResult::prHeaderTooLong, TPayloadResult::prBadEntry,
                                       TPayloadResult::prBadEntry, TPayloadResult::prBadEntry,
                                       TPayloadResult::prBadEntry, TPayloadResult::prBadEntry};
    for (size_t i = 0; i < refused.size(); ++i) {
        TMemoryStream out;
        TQC_blowfish cipher(nullptr);
        TPayloadWriter writer(cipher, out);
        EXPECT_EQ(CheckHeadEntries(refused[i]), expected[i]) << i;
        EXPECT_EQ(writer.WriteHead(kPassword, nullptr, refused[i]), expected[i]) << i;
        EXPECT_EQ(out.Size(), 0) << i;
    }
    EXPECT_EQ(CheckHeadEntries({{std::string(20476, 'n'), "10"}}), TPayloadResult::prOk);
}

TEST(PayloadWriter, SourceOfAnotherSizeFullVolumeAndStopAreReported) {
    TQC_blowfish cipher(nullptr);
    TMemoryStream out;
    TPayloadWriter writer(cipher, out);
    ASSERT_EQ(writer.WriteHead(kPassword, nullptr, {{"a", "10"}, {"b", "20000"}}), TPayloadResult::prOk);
    const int64_t headEnd = out.Size();
    TMemoryStream grown(RandomBytes(11, 1));
    EXPECT_EQ(writer.WriteContents(grown, {}), TPayloadResult::prSizeChanged);
    EXPECT_EQ(out.Size(), headEnd);

    TMemoryStream exact(RandomBytes(10, 1));  // the refused source left entry "a" still to write
    EXPECT_EQ(writer.WriteContents(exact, {}), TPayloadResult::prOk);

    int pieces = 0;
    TMemoryStream second(RandomBytes(20000, 2));
    EXPECT_EQ(writer.WriteContents(second, {[&] { return ++pieces == 2; }, nullptr}), TPayloadResult::prStopped);
    EXPECT_EQ(out.Size(), headEnd + 10 + kPieceSize);

    TMemoryStream cramped;
    TFullVolume full(cramped, 40);
    TQC_blowfish other(nullptr);
    TPayloadWriter squeezed(other, full);
    EXPECT_EQ(squeezed.WriteHead(kPassword, nullptr, {{"a", "1"}}), TPayloadResult::prWriteFailed);
}

TEST(PayloadWriter, CipherIsScrubbedWhenTheWriterGoes) {
    TQC_blowfish cipher(nullptr);
    TMemoryStream out;
    {
        TPayloadWriter writer(cipher, out);
        ASSERT_EQ(writer.WriteHead(kPassword, nullptr, {}), TPayloadResult::prOk);
        EXPECT_TRUE(cipher.IsReady());
    }
    EXPECT_FALSE(cipher.IsReady());
}

}  // namespace
