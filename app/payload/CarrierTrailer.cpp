// The carrier trailer: the carrier's length before hiding, as 10 plain decimal digits at its end.
#include "app/payload/CarrierTrailer.h"

#include <string>

#include "app/payload/DecimalText.h"

bool CarrierLengthFits(int64_t carrierLength) {
    return carrierLength >= 0 && carrierLength <= 9999999999LL;
}

bool WriteCarrierTrailer(TByteStream& carrier, int64_t carrierLength) {
    if (!CarrierLengthFits(carrierLength)) return false;
    const std::string trailer = PadDecimal10(carrierLength);
    return carrier.Write(trailer.data(), kTrailerSize) == kTrailerSize;
}

bool ReadCarrierTrailer(TByteStream& carrier, int64_t& carrierLength) {
    const int64_t size = carrier.Size();
    if (size < kTrailerSize || !carrier.Seek(size - kTrailerSize)) return false;
    std::string trailer(kTrailerSize, '\0');
    int64_t value = 0;
    if (carrier.Read(&trailer[0], kTrailerSize) != kTrailerSize || !TryParseDigits(trailer, value)) return false;
    if (value > size - kTrailerSize) return false;
    carrierLength = value;
    return true;
}

namespace {

// The end of a Windows program's "PE" signature ("MZ", and "PE\0\0" where the header's field at 0x3C says),
// counted from start; 0 when the bytes at start are no such program.
int64_t ProgramSignatureEnd(TByteStream& carrier, int64_t start) {
    uint8_t head[kProgramHeaderField + 4] = {};
    if (!carrier.Seek(start) || carrier.Read(head, sizeof head) != static_cast<int32_t>(sizeof head)) return 0;
    if (head[0] != 'M' || head[1] != 'Z') return 0;
    const int64_t at = head[kProgramHeaderField] | head[kProgramHeaderField + 1] << 8 |
                       head[kProgramHeaderField + 2] << 16 | static_cast<int64_t>(head[kProgramHeaderField + 3]) << 24;
    if (at < static_cast<int64_t>(sizeof head)) return 0;
    char signature[4] = {};
    const bool program = carrier.Seek(start + at) && carrier.Read(signature, 4) == 4 && signature[0] == 'P' &&
                         signature[1] == 'E' && signature[2] == 0 && signature[3] == 0;
    return program ? at + 4 : 0;
}

}  // namespace

bool FindCarrierPackage(TByteStream& carrier, int64_t stubSize, int64_t& packageStart) {
    int64_t start = 0;
    if (!ReadCarrierTrailer(carrier, start)) return false;
    const int64_t room = carrier.Size() - kTrailerSize - start;
    if (room < stubSize + kHeaderStart) return false;
    const int64_t signatureEnd = ProgramSignatureEnd(carrier, start);
    if (signatureEnd == 0 || signatureEnd > (stubSize > 0 ? stubSize : room - kHeaderStart)) return false;
    packageStart = start;
    return true;
}
