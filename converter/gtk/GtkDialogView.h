#pragma once
// The converter dialog as a GTK 3 window: the controls of DialogControls()
// placed by their dialog units, their signals passed to ConverterDialog.

#include <gtk/gtk.h>

#include <map>
#include <memory>
#include <string>

#include "converter/dialog/ConverterDialog.h"

namespace vn {

class GtkDialogView : public DialogView {
public:
    GtkDialogView();
    ~GtkDialogView() override;

    // Connects the controls to dialog and runs its OnInitDialog.
    void Attach(ConverterDialog& dialog);
    GtkWidget* Window() const { return window_; }

    void SetText(int id, const std::string& text) override;
    void SetSelection(int id, int index) override;
    void SetCheck(int id, bool on) override;
    bool IsChecked(int id) override;
    void Enable(int id, bool on) override;
    void Redraw() override;
    void StartTimer(int id, int periodMs) override;
    std::optional<std::string> BrowseFolder(const std::string& title) override;
    void Warn(const std::string& text, const std::string& caption) override;

    // What the controls show, for tests.
    std::string Text(int id) const;
    int Selection(int id) const;
    bool Sensitive(int id) const;
    GtkWidget* Widget(int id) const { return Control(id); }

private:
    static gboolean OnTimerTick(gpointer self);
    GtkWidget* Control(int id) const;
    void Build();
    void Connect();

    GtkWidget* window_ = nullptr;
    std::map<int, GtkWidget*> controls_;
    ConverterDialog* dialog_ = nullptr;
    guint timer_ = 0;
    bool updating_ = false;  // set while the logic changes a control, so no handler runs
};

// The dialog until its window is closed. snapshotPng (a test aid): draw the
// window once, save it as PNG there and close.
int RunGtkDialog(DialogServices services, const char* snapshotPng);

}  // namespace vn
