#include <cstdio>

#include "converter/gtk/GtkDialogView.h"

namespace vn {
namespace {

struct Snapshot {
    GtkWidget* window;
    const char* path;
    bool saved = false;
};

// Runs once the window has been drawn: copy it out, save, and close.
gboolean TakeSnapshot(gpointer data) {
    auto* shot = static_cast<Snapshot*>(data);
    GdkWindow* window = gtk_widget_get_window(shot->window);
    const int w = gdk_window_get_width(window), h = gdk_window_get_height(window);
    if (GdkPixbuf* pixels = gdk_pixbuf_get_from_window(window, 0, 0, w, h)) {
        shot->saved = gdk_pixbuf_save(pixels, shot->path, "png", nullptr, nullptr);
        g_object_unref(pixels);
    }
    gtk_main_quit();
    return G_SOURCE_REMOVE;
}

}  // namespace

int RunGtkDialog(DialogServices services, const char* snapshotPng) {
    if (!gtk_init_check(nullptr, nullptr)) {
        std::fprintf(stderr, "convVarnek: no display for the dialog (see --help for the command line)\n");
        return 1;
    }
    GtkDialogView view;
    ConverterDialog dialog(view, std::move(services));
    view.Attach(dialog);
    g_signal_connect(view.Window(), "delete-event", G_CALLBACK(+[](GtkWidget*, GdkEvent*, gpointer) {
                         gtk_main_quit();
                         return TRUE;  // the view destroys its window itself
                     }),
                     nullptr);
    gtk_widget_show_all(view.Window());
    Snapshot shot{view.Window(), snapshotPng};
    if (snapshotPng) g_timeout_add(700, TakeSnapshot, &shot);
    gtk_main();
    gtk_widget_hide(view.Window());
    // Leaving while a job runs: the dialog waits for it before it goes.
    if (snapshotPng && !shot.saved) {
        std::fprintf(stderr, "convVarnek: cannot save %s\n", snapshotPng);
        return 1;
    }
    return 0;
}

}  // namespace vn
