// The payload header: "name?size?" per file, and the checks a reader applies to its entries.
#include "app/payload/Header.h"

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
    if (name.empty() || name.back() == '.' || name.back() == ' ') return false;
    for (const char c : name) {
        if (c == '\\' || c == '/' || c == ':' || static_cast<unsigned char>(c) < 0x20) return false;
    }
    return true;
}
