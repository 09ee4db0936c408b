// The product's web host and support mail address (settings of the build) and the choice of localised pages.
#include "app/ProductLinks.h"

#include <string>

#include "toolkit/system/SystemServices.h"

const char* const ProductWebHost = QVL_WEB_HOST;
const char* const SupportMailAddress = QVL_SUPPORT_MAIL;

namespace {

// Russian, Ukrainian, Belarusian, Tajik, Armenian, Georgian, Kazakh, Kyrgyz, Turkmen, Uzbek (Latin), Tatar,
// Russian (Moldova), Uzbek (Cyrillic): language identifiers as decimal text.
const char* const kRussianPageLanguages[] = {"1049", "1058", "1059", "1064", "1067", "1079", "1087",
                                             "1088", "1090", "1091", "1092", "2073", "2115"};

}  // namespace

bool UseRussianPages() {
    const std::string language = std::to_string(SystemServices().SystemDefaultLanguage());
    for (const char* entry : kRussianPageLanguages)
        if (language == entry) return true;
    return false;
}
