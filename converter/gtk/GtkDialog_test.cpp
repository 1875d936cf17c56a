#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "converter/dialog/DialogLayout.h"
#include "converter/gtk/GtkDialogView.h"
#include "formats/io/MemoryFileSystem.h"

namespace vn {
namespace {

class NoLog : public JobLog {
public:
    void Note(const std::string&) override {}
};

bool HaveProgram(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

TEST(GtkDialog, OpensWithItsDefaultSettingsAndCloses) {
    if (std::getenv("DISPLAY") == nullptr) {
        // Without a display the case runs itself again inside a virtual one.
        if (!HaveProgram("xvfb-run")) GTEST_SKIP() << "no display and no xvfb-run";
        char self[PATH_MAX] = {};
        ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
        const std::string command = std::string("xvfb-run -a -s '-screen 0 1024x768x24' '") + self +
                                    "' --gtest_filter=GtkDialog.OpensWithItsDefaultSettingsAndCloses";
        ASSERT_EQ(std::system(command.c_str()), 0);
        return;
    }
    ASSERT_TRUE(gtk_init_check(nullptr, nullptr));
    MemoryFileSystem fs;
    NoLog log;
    {
        GtkDialogView view;
        DialogServices services{fs, log, [] { return std::string("/games/LG/"); },
                                [] { return std::string("3.100"); }, "/tmp"};
        ConverterDialog dialog(view, services);
        view.Attach(dialog);
        gtk_widget_show_all(view.Window());
        while (gtk_events_pending()) gtk_main_iteration();

        EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(view.Window())),
                     "Varnek（LucentGrove）コンバータ[ver.1.10]");
        EXPECT_TRUE(gtk_widget_get_mapped(view.Window()));
        EXPECT_EQ(view.Text(kIdFolder), "/games/LG");
        EXPECT_EQ(view.Text(kIdEncoder), "LAME : 3.100");
        EXPECT_EQ(view.Text(kIdProgress), "");
        EXPECT_EQ(view.Text(kIdStart), "開始(_S)");
        EXPECT_EQ(view.Text(kIdBrowse), "参照(_F)");
        const struct {
            int id;
            int index;
        } lists[] = {{kIdMusicBitrate, 3}, {kIdMusicRate, 0}, {kIdVoiceBitrate, 3},
                     {kIdVoiceRate, 0},    {kIdScreenSize, 0}, {kIdQuality, 0}};
        for (const auto& l : lists) EXPECT_EQ(view.Selection(l.id), l.index) << l.id;
        for (int id : {kIdStereo, kIdPictures, kIdMusic, kIdVoices}) EXPECT_TRUE(view.IsChecked(id)) << id;
        EXPECT_TRUE(view.Sensitive(kIdStart));

        // A user's change reaches the logic through the control's signal.
        gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(view.Widget(kIdStereo)), FALSE);
        gtk_combo_box_set_active(GTK_COMBO_BOX(view.Widget(kIdScreenSize)), 1);
        EXPECT_FALSE(dialog.State().stereo);
        EXPECT_EQ(dialog.State().screenSize, 1);
    }
    while (gtk_events_pending()) gtk_main_iteration();
}

}  // namespace
}  // namespace vn
