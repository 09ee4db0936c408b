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

bool FindCarrierPackage(TByteStream& carrier, int64_t& packageStart) {
    int64_t start = 0;
    if (!ReadCarrierTrailer(carrier, start)) return false;
    if (carrier.Size() - kTrailerSize - start < kLeastPackageSize || !carrier.Seek(start)) return false;
    char magic[2] = {};
    if (carrier.Read(magic, 2) != 2 || magic[0] != 'M' || magic[1] != 'Z') return false;
    packageStart = start;
    return true;
}
