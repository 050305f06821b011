// The parent's language: which of the program's catalogs the texts come from, and the help
// file that goes with it. English is the texts' own language and needs no catalog.
#pragma once

#include <string>
#include <vector>

// The catalogs' name: "plinkapad.mo" in each language's folder.
extern const char* const CATALOG_NAME;

// The language to show, from the catalogs `available` ("fr", "pt_BR"...) and the parent's
// `preferred` languages, best first, as the system names them ("de_DE.UTF-8", "fr", "pt-BR",
// "C"). The first preference that a catalog serves wins: its own name, or its language
// without the region ("de_AT" takes "de"), or for a bare language the one catalog of that
// language ("pt" takes "pt_BR"). English, or nothing served, is empty.
std::string ChooseLanguage(const std::vector<std::string>& available,
                           const std::vector<std::string>& preferred);

// Makes the program speak the parent's language: finds the catalogs beside the executable
// (or in an installation's locale folder) and chooses among them. Before any window.
void UseParentsLanguage();

// The language chosen by UseParentsLanguage(), empty for English.
const std::string& CurrentLanguage();

// The help file for `language` in `appDir`: "NUV2Help.<language>.chm", or the one of its
// language without the region, where there is one; otherwise the English "NUV2Help.chm".
std::string HelpFilePath(const std::string& appDir, const std::string& language);
