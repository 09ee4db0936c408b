// Path texts of the Encrypt dialog: proposed destinations and save-dialog extensions.
#include "app/DialogPaths.h"

#include "app/payload/PathText.h"

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
