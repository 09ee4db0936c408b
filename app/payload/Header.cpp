// The payload header: "name?size?" per file, and the checks a reader applies to its entries.
#include "app/payload/Header.h"

namespace {

// The digits Windows takes after COM and LPT: 0 to 9 and the superscripts one, two and three of the
// ANSI code page.
bool IsPortDigit(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= '0' && u <= '9') || u == 0xB9 || u == 0xB2 || u == 0xB3;
}

// Windows opens a device instead of a file for these names, with or without an extension.
bool IsDeviceName(const std::string& name) {
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (char& c : base)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" || base == "CONIN$" || base == "CONOUT$")
        return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           IsPortDigit(base[3]);
}

}  // namespace

std::string BuildHeader(const std::vector<THeaderEntry>& entries) {
    std::string header;
    for (const THeaderEntry& entry : entries) {
        header += entry.name;
        header += '?';
        header += entry.sizeText;
        header += '?';
    }
    return header;
}

std::vector<THeaderEntry> ParseHeader(const std::string& header) {
    std::vector<THeaderEntry> entries;
    size_t rest = 0;  // start of the unparsed remainder
    while (header.size() - rest > 1) {
        const size_t nameEnd = header.find('?', rest);
        if (nameEnd == std::string::npos) break;
        const size_t sizeEnd = header.find('?', nameEnd + 1);
        if (sizeEnd == std::string::npos) break;
        entries.push_back({header.substr(rest, nameEnd - rest), header.substr(nameEnd + 1, sizeEnd - nameEnd - 1)});
        rest = sizeEnd + 1;
    }
    return entries;
}

bool IsSafeEntryName(const std::string& name) {
    if (name.empty() || name.back() == '.' || name.back() == ' ' || IsDeviceName(name)) return false;
    for (const char c : name) {
        if (c == '\\' || c == '/' || c == ':' || static_cast<unsigned char>(c) < 0x20) return false;
    }
    return true;
}
