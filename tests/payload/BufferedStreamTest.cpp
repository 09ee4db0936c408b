// The buffered stream wrapper: same bytes and positions as the stream below, failures never hidden,
// pieces gathered into large transfers.
#include <gtest/gtest.h>

#include <random>

#include "app/payload/BufferedStream.h"
#include "app/payload/PayloadReader.h"
#include "tests/payload/PayloadTestSupport.h"

namespace {

// Counts the calls that reach it and their largest size.
class TCountingStream : public TMemoryStream {
public:
    int32_t Read(void* buffer, int32_t count) override {
        ++reads;
        largest = std::max(largest, count);
        return TMemoryStream::Read(buffer, count);
    }
    int32_t Write(const void* buffer, int32_t count) override {
        ++writes;
        largest = std::max(largest, count);
        return TMemoryStream::Write(buffer, count);
    }
    int reads = 0;
    int writes = 0;
    int32_t largest = 0;
};

}  // namespace

// Random reads, writes, seeks and size changes through the wrapper and straight on a memory stream
// must answer alike at every step and leave the same bytes; small buffers put every boundary in play.
TEST(BufferedStream, MixedOperationsMatchTheUnbufferedStreamStepByStep) {
    for (int32_t capacity : {1, 7, 64, 4096}) {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            std::mt19937 random(seed);
            const std::vector<uint8_t> start = RandomBytes(300, seed);
            TMemoryStream plain(start);
            TMemoryStream below(start);
            {
                TBufferedStream buffered(below, capacity);
                std::vector<uint8_t> a(200);
                std::vector<uint8_t> b(200);
                for (int step = 0; step < 200; ++step) {
                    const int32_t n = static_cast<int32_t>(random() % 150);
                    const std::string where = "capacity " + std::to_string(capacity) + " seed " +
                                              std::to_string(seed) + " step " + std::to_string(step);
                    switch (random() % 6) {
                    case 0:
                    case 1:
                        ASSERT_EQ(buffered.Read(a.data(), n), plain.Read(b.data(), n)) << where;
                        ASSERT_EQ(a, b) << where;
                        break;
                    case 2:
                    case 3: {
                        const std::vector<uint8_t> bytes = RandomBytes(static_cast<size_t>(n), random());
                        ASSERT_EQ(buffered.Write(bytes.data(), n), plain.Write(bytes.data(), n)) << where;
                        break;
                    }
                    case 4: {
                        const int64_t offset = static_cast<int64_t>(random() % 400);
                        ASSERT_EQ(buffered.Seek(offset), plain.Seek(offset)) << where;
                        break;
                    }
                    default: {
                        const int64_t size = static_cast<int64_t>(random() % 400);
                        ASSERT_EQ(buffered.SetSize(size), plain.SetSize(size)) << where;
                        break;
                    }
                    }
                    ASSERT_EQ(buffered.Position(), plain.Position()) << where;
                    ASSERT_EQ(buffered.Size(), plain.Size()) << where;
                }
                ASSERT_TRUE(buffered.Flush());
            }
            EXPECT_EQ(below.Bytes(), plain.Bytes()) << "capacity " << capacity << " seed " << seed;
        }
    }
}

// A payload written and read back through wrappers is byte for byte the one written without them.
TEST(BufferedStream, PayloadThroughWrappersIsByteForByteTheSame) {
    const std::vector<TPackedFile> files = {
        {"a.bin", RandomBytes(3 * kPieceSize, 1)}, {"b.bin", {}}, {"c.bin", RandomBytes(100001, 2)}};
    TMemoryStream direct;
    ASSERT_EQ(WritePayload("pw", files, direct), TPayloadResult::prOk);
    TMemoryStream below;
    {
        TBufferedStream buffered(below, 50000);
        ASSERT_EQ(WritePayload("pw", files, buffered), TPayloadResult::prOk);
        ASSERT_TRUE(buffered.Flush());
    }
    EXPECT_EQ(below.Bytes(), direct.Bytes());

    TBufferedStream container(below, 50000);
    TQC_blowfish cipher(nullptr);
    TPayloadReader reader(cipher, container, 0);
    ASSERT_EQ(reader.CheckPassword("pw", nullptr), TPayloadResult::prOk);
    ASSERT_EQ(reader.ReadHeader(), TPayloadResult::prOk);
    for (size_t i : {2u, 0u, 1u}) {  // out of order: seeks inside and outside the read-ahead
        TMemoryStream out;
        ASSERT_EQ(reader.Extract(i, out, {}), TPayloadResult::prOk);
        EXPECT_EQ(out.Bytes(), files[i].contents) << i;
    }
}

// A full volume below shows as a short write or a false Flush, never as success; later writes store
// nothing, and what reached the volume is the start of what was written.
TEST(BufferedStream, FullVolumeBelowIsReportedAndNothingFollowsIt) {
    for (int64_t room : {0, 1000, 8192, 20000}) {
        TMemoryStream disk;
        TFullVolume volume(disk, room);
        const std::vector<uint8_t> bytes = RandomBytes(40000, 3);
        bool reported = false;
        {
            TBufferedStream buffered(volume, 8192);
            for (size_t done = 0; done < bytes.size(); done += 1000)
                reported |= buffered.Write(bytes.data() + done, 1000) != 1000;
            reported |= !buffered.Flush();
            EXPECT_EQ(buffered.Write(bytes.data(), 1), 0) << room;
            EXPECT_FALSE(buffered.Flush()) << room;
        }
        EXPECT_TRUE(reported) << room;
        ASSERT_LE(disk.Bytes().size(), static_cast<size_t>(room));
        EXPECT_TRUE(std::equal(disk.Bytes().begin(), disk.Bytes().end(), bytes.begin())) << room;
    }
}

// The point of the wrapper: 8192-byte pieces reach the file as reads and writes of the whole buffer.
TEST(BufferedStream, PiecesReachTheStreamBelowInLargeTransfers) {
    TCountingStream source;
    source.Write(RandomBytes(64 * kPieceSize, 4).data(), 64 * kPieceSize);
    source.Seek(0);
    source.reads = source.writes = 0;
    TCountingStream target;
    {
        TBufferedStream from(source, 16 * kPieceSize);
        TBufferedStream to(target, 16 * kPieceSize);
        ASSERT_EQ(CopyBytes(from, to, -1, kPieceSize, {}), TPayloadResult::prOk);
        ASSERT_TRUE(to.Flush());
    }
    EXPECT_EQ(target.Bytes(), source.Bytes());
    EXPECT_LE(source.reads, 5);  // four full buffers and the end
    EXPECT_EQ(target.writes, 4);
    EXPECT_EQ(target.largest, 16 * kPieceSize);
}
