// Payloads written by the writer read back by the reader, and the chaining every reader relies on.
#include <gtest/gtest.h>

#include "app/payload/DecimalText.h"
#include "app/payload/PayloadReader.h"
#include "tests/payload/PayloadTestSupport.h"

namespace {

const char kPassword[] = "  correct horse  ";

std::vector<TPackedFile> RandomList(uint32_t seed) {
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> count(0, 5);
    std::uniform_int_distribution<int> size(0, 3 * kPieceSize + 7);
    std::vector<TPackedFile> files;
    for (int i = count(generator); i > 0; --i) {
        files.push_back({"file" + std::to_string(i) + ".bin", RandomBytes(static_cast<size_t>(size(generator)), generator())});
    }
    return files;
}

TEST(PayloadRoundTrip, RandomListsComeBackByIndexInAnyOrder) {
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        const std::vector<TPackedFile> files = RandomList(seed);
        TMemoryStream container(std::vector<uint8_t>(77, 'S'));  // a stub in front
        container.Seek(77);
        ASSERT_EQ(WritePayload(kPassword, files, container), TPayloadResult::prOk);

        TQC_blowfish cipher(nullptr);
        TPayloadReader reader(cipher, container, 77);
        ASSERT_EQ(reader.CheckPassword(kPassword, nullptr), TPayloadResult::prOk);
        ASSERT_EQ(reader.ReadHeader(), TPayloadResult::prOk);
        ASSERT_EQ(reader.Entries().size(), files.size());
        for (size_t k = files.size(); k-- > 0;) {  // last first: every entry is found by its own offset
            TMemoryStream out;
            ASSERT_TRUE(reader.CanExtract(k));
            ASSERT_EQ(reader.Extract(k, out, {}), TPayloadResult::prOk) << seed << "/" << k;
            EXPECT_EQ(out.Bytes(), files[k].contents) << seed << "/" << k;
            EXPECT_EQ(reader.Entries()[k].name, files[k].name);
        }
    }
}

TEST(PayloadRoundTrip, ContentsDecryptAlikeInAnyPieceSizeThatIsAMultipleOfEight) {
    const std::vector<TPackedFile> files = {{"odd.bin", RandomBytes(3 * kPieceSize + 7, 11)}};
    TMemoryStream container;
    ASSERT_EQ(WritePayload(kPassword, files, container), TPayloadResult::prOk);
    const int64_t contentsAt = container.Size() - static_cast<int64_t>(files[0].contents.size());
    for (int32_t piece : {8, 64, 1000, 8192 + 8, 30000}) {
        TQC_blowfish cipher(nullptr);
        KeyPayloadCipher(cipher, DeriveKeyBlock(kPassword, nullptr));
        std::vector<uint8_t> bytes(container.Bytes().begin() + contentsAt, container.Bytes().end());
        for (size_t at = 0; at < bytes.size(); at += static_cast<size_t>(piece)) {
            const size_t n = std::min(bytes.size() - at, static_cast<size_t>(piece));
            cipher.DecryptChained(bytes.data() + at, bytes.data() + at, static_cast<int32_t>(n));
        }
        EXPECT_EQ(bytes, files[0].contents) << piece;
    }
}

TEST(PayloadRoundTrip, OneCallOverLengthFieldAndHeaderGarblesTheHeader) {
    TMemoryStream container;
    ASSERT_EQ(WritePayload(kPassword, {{"a.txt", RandomBytes(12, 1)}, {"b.doc", RandomBytes(70, 2)}}, container),
              TPayloadResult::prOk);
    const std::string plain = "0000000018a.txt?12?b.doc?70?";
    auto decrypt = [&](std::vector<int32_t> calls) {
        TQC_blowfish cipher(nullptr);
        KeyPayloadCipher(cipher, DeriveKeyBlock(kPassword, nullptr));
        std::vector<uint8_t> bytes(container.Bytes().begin() + 32, container.Bytes().begin() + 32 + 28);
        int32_t at = 0;
        for (int32_t n : calls) {
            cipher.DecryptChained(bytes.data() + at, bytes.data() + at, n);
            at += n;
        }
        return std::string(bytes.begin(), bytes.end());
    };
    EXPECT_EQ(decrypt({10, 18}), plain);
    EXPECT_NE(decrypt({28}).substr(10), plain.substr(10));
}

TEST(PayloadRoundTrip, StoredCopiesStayValidUnderTheSamePassword) {
    const std::vector<TPackedFile> files = {{"a", RandomBytes(9000, 1)}, {"b", RandomBytes(5, 2)}, {"c", RandomBytes(17, 3)}};
    TMemoryStream old;
    ASSERT_EQ(WritePayload(kPassword, files, old), TPayloadResult::prOk);
    TQC_blowfish oldCipher(nullptr);
    TPayloadReader oldReader(oldCipher, old, 0);
    ASSERT_EQ(oldReader.CheckPassword(kPassword, nullptr), TPayloadResult::prOk);
    ASSERT_EQ(oldReader.ReadHeader(), TPayloadResult::prOk);

    // Keep the first and third: the rewrite copies their cipher text unchanged.
    TMemoryStream rewritten;
    {
        TQC_blowfish cipher(nullptr);
        TPayloadWriter writer(cipher, rewritten);
        ASSERT_EQ(writer.WriteHead(kPassword, nullptr, {{"a", "9000"}, {"c", " 17 "}}), TPayloadResult::prOk);
        for (size_t kept : {0u, 2u}) {
            TMemoryStream stored;
            ASSERT_EQ(oldReader.CopyStored(kept, stored, {}), TPayloadResult::prOk);
            stored.Seek(0);
            ASSERT_EQ(writer.CopyStored(stored, {}), TPayloadResult::prOk);
        }
    }
    TQC_blowfish cipher(nullptr);
    TPayloadReader reader(cipher, rewritten, 0);
    ASSERT_EQ(reader.CheckPassword(kPassword, nullptr), TPayloadResult::prOk);
    ASSERT_EQ(reader.ReadHeader(), TPayloadResult::prOk);
    TMemoryStream third;
    ASSERT_EQ(reader.Extract(1, third, {}), TPayloadResult::prOk);
    EXPECT_EQ(third.Bytes(), files[2].contents);
}

}  // namespace
