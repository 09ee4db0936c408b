// Path texts shared by both programs: joining, file and folder parts.
#include "app/payload/PathText.h"

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '\\') return folder + name;
    return folder + "\\" + name;
}

std::string BareFileName(const std::string& path) {
    const size_t cut = path.find_last_of("\\:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ParentFolder(const std::string& path) {
    const size_t cut = path.find_last_of("\\:");
    if (cut == std::string::npos) return "";
    std::string folder = path.substr(0, cut + 1);
    const size_t n = folder.size();
    if (folder[n - 1] == '\\' && n >= 2 && folder[n - 2] != ':' && folder[n - 2] != '\\') folder.pop_back();
    return folder;
}

std::string DropLast(const std::string& text, size_t count) {
    return text.size() > count ? text.substr(0, text.size() - count) : std::string();
}
