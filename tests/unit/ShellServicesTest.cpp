// The Open dialog's filters: Windows' filter text made into the toolkit's, which must find a
// phone's upper-case names as Windows does.
#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include "platform/ShellServices.h"

TEST(OpenDialogFilter, PairsAreTrimmedAndPatternsIgnoreCase) {
    EXPECT_EQ(ToolkitFilter("Bitmap file (*.bmp) | *.bmp||"), "Bitmap file (*.bmp)|*.[bB][mM][pP]");
    EXPECT_EQ(ToolkitFilter("All (*.jpg;*.m4a) | *.jpg;*.m4a |Waves (*.wav) | *.wav||"),
              "All (*.jpg;*.m4a)|*.[jJ][pP][gG];*.[mM]4[aA]|Waves (*.wav)|*.[wW][aA][vV]");

    // The toolkit's chooser matches a file name to such a pattern.
    GtkFileFilter* filter = gtk_file_filter_new();
    g_object_ref_sink(filter);
    gtk_file_filter_add_pattern(filter, "*.[jJ][pP][gG]");
    for (const auto& [name, bMatches] : {std::pair<const char*, bool>{"IMG_0001.JPG", true},
                                         {"photo.jpg", true},
                                         {"Photo.Jpg", true},
                                         {"photo.jpeg", false},
                                         {"photo.png", false}}) {
        GtkFileFilterInfo info{};
        info.contains = GTK_FILE_FILTER_DISPLAY_NAME;
        info.display_name = name;
        EXPECT_EQ(gtk_file_filter_filter(filter, &info) != FALSE, bMatches) << name;
    }
    g_object_unref(filter);
}
