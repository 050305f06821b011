#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/HelpBinding.h"
#include "platform/SystemPlaces.h"

namespace {

int s_nViewerCalls = 0;
std::string s_lastPath;

int FakeViewer(void*, const char* path, unsigned command, std::uintptr_t) {
    ++s_nViewerCalls;
    s_lastPath = path;
    return command == HH_DISPLAY_TOPIC ? 77 : 0;
}

// Counts every look-up the binding makes.
class CountingLoader : public HelpLoader {
public:
    bool RegisteredLocation(std::string& path) override {
        ++lookups;
        path = registered;
        return !registered.empty();
    }
    void* Load(const std::string& pathOrName) override {
        ++loads;
        loaded += pathOrName + ";";
        return pathOrName == available ? this : nullptr;
    }
    void* Find(void* module, const char* name) override {
        ++finds;
        return module == this && bHasEntry && std::strcmp(name, HELP_VIEWER_ENTRY) == 0
                   ? reinterpret_cast<void*>(&FakeViewer)
                   : nullptr;
    }

    std::string registered, available, loaded;
    bool bHasEntry = true;
    int lookups = 0, loads = 0, finds = 0;
};

}  // namespace

TEST(HelpBinding, FirstRequestLoadsFromTheRegisteredLocationLaterOnesReuse) {
    CountingLoader loader;
    loader.registered = "/opt/viewer/libhelpviewer.so";
    loader.available = loader.registered;
    CHelpBinding binding(loader);
    s_nViewerCalls = 0;

    EXPECT_EQ(binding.HtmlHelp(nullptr, "/app/NUV2Help.chm::/index.html", HH_DISPLAY_TOPIC, 0), 77);
    EXPECT_EQ(loader.loaded, "/opt/viewer/libhelpviewer.so;");
    EXPECT_EQ(s_lastPath, "/app/NUV2Help.chm::/index.html");

    loader.registered = "/elsewhere.so";  // never looked at again
    EXPECT_EQ(binding.HtmlHelp(nullptr, "/app/NUV2Help.chm::/Faq.html", HH_DISPLAY_TOPIC, 0), 77);
    EXPECT_EQ(loader.lookups, 1);
    EXPECT_EQ(loader.loads, 1);
    EXPECT_EQ(loader.finds, 1);
    EXPECT_EQ(s_nViewerCalls, 2);
    EXPECT_EQ(s_lastPath, "/app/NUV2Help.chm::/Faq.html");
}

TEST(HelpBinding, FallsBackToTheModuleByName) {
    CountingLoader loader;
    loader.registered = "/stale/path.so";
    loader.available = HELP_VIEWER_MODULE;
    CHelpBinding binding(loader);
    EXPECT_EQ(binding.HtmlHelp(nullptr, "x", HH_DISPLAY_TOPIC, 0), 77);
    EXPECT_EQ(loader.loaded, std::string("/stale/path.so;") + HELP_VIEWER_MODULE + ";");

    CountingLoader unregistered;
    unregistered.available = HELP_VIEWER_MODULE;
    CHelpBinding byName(unregistered);
    EXPECT_EQ(byName.HtmlHelp(nullptr, "x", HH_DISPLAY_TOPIC, 0), 77);
    EXPECT_EQ(unregistered.loaded, std::string(HELP_VIEWER_MODULE) + ";");

    // Where the system's viewer is missing, the program's own is bound (Windows).
    if (!BuiltInHelpViewer().empty()) {
        CountingLoader withoutSystemViewer;
        withoutSystemViewer.available = BuiltInHelpViewer();
        CHelpBinding own(withoutSystemViewer);
        EXPECT_EQ(own.HtmlHelp(nullptr, "x", HH_DISPLAY_TOPIC, 0), 77);
        EXPECT_EQ(withoutSystemViewer.loaded,
                  std::string(HELP_VIEWER_MODULE) + ";" + BuiltInHelpViewer() + ";");
    }
}

TEST(HelpBinding, AFailedBindingNeverTriesAgain) {
    CountingLoader loader;
    CHelpBinding binding(loader);
    EXPECT_EQ(binding.HtmlHelp(nullptr, "x", HH_DISPLAY_TOPIC, 0), 0);
    EXPECT_TRUE(binding.m_bFailed);
    loader.available = HELP_VIEWER_MODULE;  // installed meanwhile
    EXPECT_EQ(binding.HtmlHelp(nullptr, "x", HH_DISPLAY_TOPIC, 0), 0);
    EXPECT_EQ(loader.lookups, 1);
    // Nothing registered: only the name (and where there is one, the program's own viewer)
    // was tried, once.
    EXPECT_EQ(loader.loads, BuiltInHelpViewer().empty() ? 1 : 2);

    CountingLoader noEntry;
    noEntry.available = HELP_VIEWER_MODULE;
    noEntry.bHasEntry = false;
    CHelpBinding module(noEntry);
    EXPECT_EQ(module.HtmlHelp(nullptr, "x", HH_DISPLAY_TOPIC, 0), 0);
    EXPECT_TRUE(module.m_bFailed);
    noEntry.bHasEntry = true;
    EXPECT_EQ(module.HtmlHelp(nullptr, "x", HH_DISPLAY_TOPIC, 0), 77);  // the module stays
    EXPECT_EQ(noEntry.loads, 1);
}
