// The main window's web links: the help page, the home page and the support mail.
#include "app/ProductLinks.h"
#include "app/Unit1.h"
#include "toolkit/system/SystemServices.h"

namespace {

// A page of the product's site, under "/ru" for the languages that have Russian pages, with the version as "vid".
std::string ProductPage(const std::string& pathAndKey) {
    return std::string("http://") + ProductWebHost + (UseRussianPages() ? "/ru" : "") + pathAndKey + ProgramVersion;
}

void OpenLink(HWND owner, const std::string& target) {
    SystemServices().ShellExecuteFile(owner, "open", target, "", "", SW_SHOWNORMAL);  // nothing to tell when it fails
}

}  // namespace

// Called by "Help Topics", F1 and the tool bar's Help.
void TForm1::Help2Click(TComponent*) { OpenLink(Handle(), ProductPage("/ostrelda/help.php?vid=")); }

// Called by "Home Page" and the About window's web-site label.
void TForm1::HomePage1Click(TComponent*) { OpenLink(Handle(), ProductPage("/ostrelda/?vid=")); }

// Called by "Technical Support" and the About window's mail label.
void TForm1::TechnicalSupport1Click(TComponent*) {
    OpenLink(Handle(), std::string("mailto:") + SupportMailAddress + "?subject=QVL_" + ProgramVersion);
}
