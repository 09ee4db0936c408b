// How a file path becomes the name and folder of a file list row.
#include "app/RowPath.h"

std::string RowFileName(const std::string& path) {
    size_t cut = path.find_last_of("\\:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string RowFolder(const std::string& path) {
    size_t cut = path.find_last_of("\\:");
    if (cut == std::string::npos) return "";
    std::string folder = path.substr(0, cut + 1);
    size_t n = folder.size();
    if (folder[n - 1] == '\\' && n >= 2 && folder[n - 2] != ':' && folder[n - 2] != '\\') folder.pop_back();
    return folder;
}
