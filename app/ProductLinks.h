// The product's web host and support mail address (settings of the build) and the choice of localised pages.
#pragma once

// Host of the product's web pages, without scheme ("www.example.com").
extern const char* const ProductWebHost;
// Address that support mail goes to.
extern const char* const SupportMailAddress;

// True when the system's default language is one whose users get the Russian-language pages.
bool UseRussianPages();
