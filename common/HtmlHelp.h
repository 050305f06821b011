// Help requests of the program: every Help button and F1 opens one topic of the help file
// "NUV2Help.chm" in the application directory, with no owner window. Nothing is said when
// no help can be shown.
#pragma once

#include <cstdint>
#include <string>

class CHelpBinding;

int HtmlHelp(void* owner, const std::string& path, unsigned command, std::uintptr_t data);

// "%s\NUV2Help.chm::/topic" with the application directory, the help file in the parent's
// language where there is one.
std::string HelpTopicPath(const char* topic);
void OpenHelpTopic(const char* topic);

constexpr const char* HELP_INDEX = "index.html";
constexpr const char* HELP_FAQ = "Faq.html";

// The process-wide binding, for tests that look at its state.
CHelpBinding& TheHelpBinding();
