#include "common/HtmlHelp.h"

#include "common/HelpBinding.h"
#include "common/Settings.h"
#include "platform/DynamicLibrary.h"
#include "platform/FileSystem.h"
#include "platform/KeyStore.h"
#include "res/Language.h"

namespace {
class SystemHelpLoader : public HelpLoader {
public:
    bool RegisteredLocation(std::string& path) override {
        return KeyStoreGetValue(HELP_VIEWER_KEY, "", path) && !path.empty();
    }
    void* Load(const std::string& pathOrName) override { return LoadLibrary(pathOrName); }
    void* Find(void* module, const char* name) override { return GetProcAddress(module, name); }
};
}  // namespace

CHelpBinding& TheHelpBinding() {
    static SystemHelpLoader loader;
    static CHelpBinding binding(loader);
    return binding;
}

int HtmlHelp(void* owner, const std::string& path, unsigned command, std::uintptr_t data) {
    return TheHelpBinding().HtmlHelp(owner, path, command, data);
}

std::string HelpTopicPath(const char* topic) {
    return NarrowSystemPath(HelpFilePath(theSettings.m_strAppDir, CurrentLanguage())) + "::/" +
           topic;
}

void OpenHelpTopic(const char* topic) {
    HtmlHelp(nullptr, HelpTopicPath(topic), HH_DISPLAY_TOPIC, 0);
}
