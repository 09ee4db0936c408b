// Path texts of the Encrypt and Decrypt dialogs: joining, proposed destinations, save-dialog extensions.
#include "app/DialogPaths.h"

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '\\') return folder + name;
    return folder + "\\" + name;
}

std::string ProposedContainer(const std::string& folder, const std::string& extension) {
    if (extension.empty()) return std::string();
    std::string base = folder;
    if (!base.empty() && base.back() == '\\') base.pop_back();
    if (!base.empty() && base.back() == ':') base += std::string("\\") + base.front();
    return base + extension;
}

std::string WithExtension(const std::string& chosen, const std::string& extension) {
    const std::string name = BareFileName(chosen);
    const size_t dot = name.rfind('.');
    const std::string own = dot == std::string::npos ? std::string() : name.substr(dot);
    return own == extension ? chosen : chosen + extension;
}

std::string DropLast(const std::string& text, size_t count) {
    return text.size() > count ? text.substr(0, text.size() - count) : std::string();
}

std::string BareFileName(const std::string& path) {
    const size_t slash = path.find_last_of("\\:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
