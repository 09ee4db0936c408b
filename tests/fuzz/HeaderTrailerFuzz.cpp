// Fuzzes what a reader applies to plain bytes, without deriving a key: the header parser, entry-name and
// size checks, and the carrier trailer.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/payload/CarrierTrailer.h"
#include "app/payload/DecimalText.h"
#include "app/payload/Header.h"
#include "app/payload/MemoryStream.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// Parsing keeps every entry it returns in place: building them again gives the input's start.
void FuzzHeader(const std::string& header) {
    const std::vector<THeaderEntry> entries = ParseHeader(header);
    const std::string rebuilt = BuildHeader(entries);
    Require(header.compare(0, rebuilt.size(), rebuilt) == 0);
    for (const THeaderEntry& entry : entries) {
        if (IsSafeEntryName(entry.name)) {
            Require(entry.name.find_first_of("\\/:") == std::string::npos);
            Require(entry.name.back() != '.' && entry.name.back() != ' ');
        }
        int64_t size = -1;
        if (TryParseDigits(entry.sizeText, size)) {
            const size_t first = entry.sizeText.find_first_not_of('0');
            const std::string digits = first == std::string::npos ? "0" : entry.sizeText.substr(first);
            Require(size >= 0 && std::to_string(size) == digits);
        }
    }
}

// A trailer read back is the carrier's last 10 bytes and lies inside the carrier.
void FuzzTrailer(const uint8_t* data, size_t size) {
    TMemoryStream carrier(std::vector<uint8_t>(data, data + size));
    int64_t length = -1;
    if (!ReadCarrierTrailer(carrier, length)) return;
    Require(length >= 0 && length <= static_cast<int64_t>(size) - kTrailerSize);
    Require(std::string(data + size - kTrailerSize, data + size) == PadDecimal10(length));
    int64_t start = -1;
    if (!FindCarrierPackage(carrier, 0, start)) return;
    const auto at = static_cast<size_t>(start);
    Require(start == length && at + kProgramHeaderField + 8 + kHeaderStart + kTrailerSize <= size &&
            data[at] == 'M' && data[at + 1] == 'Z');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 64 * 1024) return 0;
    FuzzHeader(std::string(data, data + size));
    FuzzTrailer(data, size);
    return 0;
}
