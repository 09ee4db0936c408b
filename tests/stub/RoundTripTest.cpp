// Random file sets encrypted by the Encrypt dialog as a package and as a carrier, saved back by the stub.
#include <random>

#include "app/payload/CarrierTrailer.h"
#include "tests/stub/StubTestSupport.h"

namespace {

using StubRoundTrip = StubTest;

// The package that a carrier holds, cut out as "Unhide files" does: from the trailer's offset to the end.
std::string UnhiddenPackage(const std::string& carrier, const std::string& destination) {
    int64_t start = 0;
    {
        TWin32FileStream source(carrier, TFileMode::fmOpenRead);
        EXPECT_TRUE(ReadCarrierTrailer(source, start));
    }
    const std::vector<uint8_t> bytes = FileBytes(carrier);
    PutFile(destination, std::vector<uint8_t>(bytes.begin() + start, bytes.end()));
    return destination;
}

TEST_F(StubRoundTrip, RandomFileSetsComeBackByteForByteFromPackagesAndCarriers) {
    std::mt19937 random(4711);
    const std::string out = scratch / "out";
    CreateDirectoryA(out.c_str(), nullptr);
    for (int round = 0; round < 4; ++round) {
        std::vector<TPackedFile> files;
        const int count = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < count; ++i) {
            const size_t size = random() % 3 == 0 ? 8192 * (random() % 3) : random() % 30000;
            files.push_back({"f" + std::to_string(round) + "_" + std::to_string(i) + ".bin",
                             RandomBytes(size, static_cast<uint32_t>(random()))});
        }
        const std::string password = "pass " + std::to_string(random());
        std::string package;
        if (round % 2 == 0) {
            package = Package(files, "round" + std::to_string(round) + ".exe", password);
        } else {
            const std::string carrier = scratch / ("carrier" + std::to_string(round) + ".jpg");
            PutFile(carrier, RandomBytes(1 + random() % 5000, static_cast<uint32_t>(random())));
            Encrypt(emCarrier, carrier, files, password);
            package = UnhiddenPackage(carrier, scratch / ("unhidden" + std::to_string(round) + ".exe"));
        }
        OpenStub(package, password);
        if (files.size() == 1) {
            scope.services.AnswerSaveDialog(out + "\\" + files[0].name);
        } else {
            scope.services.AnswerFolder(out);
        }
        Window().SelectAll1->Click();
        harness::ClickControl(*Window().SpeedButton2);
        for (const TPackedFile& file : files) {
            const std::string saved = out + "\\" + file.name;
            EXPECT_EQ(FileBytes(saved), file.contents) << "round " << round << " " << file.name;
            DeleteFileA(saved.c_str());
        }
        CloseStub();
    }
}

}  // namespace
