#include "converter/gtk/GtkDialogView.h"

#include "converter/dialog/DialogLayout.h"

namespace vn {
namespace {

// Dialog units to pixels for a 9-point face.
constexpr double kUnitX = 2.0;
constexpr double kUnitY = 2.1;

int Px(int units, double scale) { return static_cast<int>(units * scale + 0.5); }

// "開始(&S)" as GTK spells a mnemonic: "開始(_S)".
std::string Mnemonic(const char* text) {
    std::string s = text;
    for (char& c : s) {
        if (c == '&') c = '_';
    }
    return s;
}

GtkWidget* MakeControl(const ControlSpec& spec) {
    switch (spec.kind) {
        case ControlKind::Edit: {
            GtkWidget* entry = gtk_entry_new();
            gtk_editable_set_editable(GTK_EDITABLE(entry), FALSE);
            return entry;
        }
        case ControlKind::Button: return gtk_button_new_with_mnemonic(Mnemonic(spec.text).c_str());
        case ControlKind::DropDown: {
            GtkWidget* combo = gtk_combo_box_text_new();
            for (const char* item : spec.items) gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(combo), item);
            return combo;
        }
        case ControlKind::CheckBox: return gtk_check_button_new_with_label(spec.text);
        case ControlKind::Label: {
            GtkWidget* label = gtk_label_new(spec.text);
            gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
            return label;
        }
        case ControlKind::GroupBox: return gtk_frame_new(spec.text);
    }
    return nullptr;
}

void ApplyFont(GtkWidget* window) {
    GtkCssProvider* css = gtk_css_provider_new();
    const std::string rule = std::string("* { font-family: \"") + std::string(DialogTexts::kFont) +
                             "\", \"IPAPGothic\", \"IPAGothic\", sans-serif; font-size: " +
                             std::to_string(DialogTexts::kFontPoints) + "pt; }";
    gtk_css_provider_load_from_data(css, rule.c_str(), -1, nullptr);
    gtk_style_context_add_provider_for_screen(gtk_widget_get_screen(window), GTK_STYLE_PROVIDER(css),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(css);
}

}  // namespace

GtkDialogView::GtkDialogView() { Build(); }

GtkDialogView::~GtkDialogView() {
    if (timer_) g_source_remove(timer_);
    gtk_widget_destroy(window_);
    g_object_unref(window_);
}

void GtkDialogView::Build() {
    window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    g_object_ref_sink(window_);  // the view owns the window until its destructor
    gtk_window_set_title(GTK_WINDOW(window_), std::string(DialogTexts::kCaption).c_str());
    gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
    gtk_window_set_icon_name(GTK_WINDOW(window_), "media-optical");
    ApplyFont(window_);
    GtkWidget* fixed = gtk_fixed_new();
    gtk_widget_set_size_request(fixed, Px(kDialogWidth, kUnitX), Px(kDialogHeight, kUnitY));
    gtk_container_add(GTK_CONTAINER(window_), fixed);
    // Group boxes go first so that the controls they frame lie above them.
    for (bool groups : {true, false}) {
        for (const ControlSpec& spec : DialogControls()) {
            if ((spec.kind == ControlKind::GroupBox) != groups) continue;
            GtkWidget* widget = MakeControl(spec);
            gtk_widget_set_size_request(widget, Px(spec.width, kUnitX), Px(spec.height, kUnitY));
            gtk_fixed_put(GTK_FIXED(fixed), widget, Px(spec.x, kUnitX), Px(spec.y, kUnitY));
            if (spec.id != kIdNone) controls_[spec.id] = widget;
        }
    }
}

void GtkDialogView::Attach(ConverterDialog& dialog) {
    dialog_ = &dialog;
    Connect();
    updating_ = true;
    dialog.OnInitDialog();
    updating_ = false;
}

void GtkDialogView::Connect() {
    auto clicked = +[](GtkButton* button, gpointer data) {
        auto* self = static_cast<GtkDialogView*>(data);
        if (GTK_WIDGET(button) == self->Control(kIdStart)) self->dialog_->OnStart();
        if (GTK_WIDGET(button) == self->Control(kIdBrowse)) self->dialog_->OnBrowse();
    };
    g_signal_connect(Control(kIdStart), "clicked", G_CALLBACK(clicked), this);
    g_signal_connect(Control(kIdBrowse), "clicked", G_CALLBACK(clicked), this);
    auto changed = +[](GtkComboBox* combo, gpointer data) {
        auto* self = static_cast<GtkDialogView*>(data);
        if (self->updating_) return;
        for (const auto& [id, widget] : self->controls_) {
            if (widget == GTK_WIDGET(combo)) self->dialog_->OnSelectionChange(id, gtk_combo_box_get_active(combo));
        }
    };
    for (const ControlSpec& spec : DialogControls()) {
        if (spec.kind == ControlKind::DropDown) g_signal_connect(Control(spec.id), "changed", G_CALLBACK(changed), this);
    }
    auto toggled = +[](GtkToggleButton*, gpointer data) {
        auto* self = static_cast<GtkDialogView*>(data);
        if (!self->updating_) self->dialog_->OnStereoToggled();
    };
    g_signal_connect(Control(kIdStereo), "toggled", G_CALLBACK(toggled), this);
}

GtkWidget* GtkDialogView::Control(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

void GtkDialogView::SetText(int id, const std::string& text) {
    GtkWidget* w = Control(id);
    if (GTK_IS_ENTRY(w)) gtk_entry_set_text(GTK_ENTRY(w), text.c_str());
    else if (GTK_IS_LABEL(w)) gtk_label_set_text(GTK_LABEL(w), text.c_str());
    else if (GTK_IS_BUTTON(w)) gtk_button_set_label(GTK_BUTTON(w), text.c_str());
}

void GtkDialogView::SetSelection(int id, int index) {
    const bool was = updating_;
    updating_ = true;
    if (GtkWidget* w = Control(id); GTK_IS_COMBO_BOX(w)) gtk_combo_box_set_active(GTK_COMBO_BOX(w), index);
    updating_ = was;
}

void GtkDialogView::SetCheck(int id, bool on) {
    const bool was = updating_;
    updating_ = true;
    if (GtkWidget* w = Control(id); GTK_IS_TOGGLE_BUTTON(w)) gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(w), on);
    updating_ = was;
}

bool GtkDialogView::IsChecked(int id) {
    GtkWidget* w = Control(id);
    return GTK_IS_TOGGLE_BUTTON(w) && gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(w));
}

void GtkDialogView::Enable(int id, bool on) {
    if (GtkWidget* w = Control(id)) gtk_widget_set_sensitive(w, on);
}

void GtkDialogView::Redraw() { gtk_widget_queue_draw(window_); }

gboolean GtkDialogView::OnTimerTick(gpointer data) {
    static_cast<GtkDialogView*>(data)->dialog_->OnTimer();
    return G_SOURCE_CONTINUE;
}

void GtkDialogView::StartTimer(int, int periodMs) {
    if (timer_) g_source_remove(timer_);
    timer_ = g_timeout_add(static_cast<guint>(periodMs), &GtkDialogView::OnTimerTick, this);
}

std::optional<std::string> GtkDialogView::BrowseFolder(const std::string& title) {
    GtkWidget* chooser = gtk_file_chooser_dialog_new(title.c_str(), GTK_WINDOW(window_),
                                                     GTK_FILE_CHOOSER_ACTION_SELECT_FOLDER, "_Cancel",
                                                     GTK_RESPONSE_CANCEL, "_OK", GTK_RESPONSE_ACCEPT, nullptr);
    gtk_file_chooser_set_local_only(GTK_FILE_CHOOSER(chooser), TRUE);  // file-system folders only
    std::optional<std::string> picked;
    if (gtk_dialog_run(GTK_DIALOG(chooser)) == GTK_RESPONSE_ACCEPT) {
        if (char* name = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(chooser))) {
            picked = name;
            g_free(name);
        }
    }
    gtk_widget_destroy(chooser);
    return picked;
}

void GtkDialogView::Warn(const std::string& text, const std::string& caption) {
    GtkWidget* box = gtk_message_dialog_new(GTK_WINDOW(window_), GTK_DIALOG_MODAL, GTK_MESSAGE_WARNING,
                                            GTK_BUTTONS_OK, "%s", text.c_str());
    gtk_window_set_title(GTK_WINDOW(box), caption.c_str());
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
}

std::string GtkDialogView::Text(int id) const {
    GtkWidget* w = Control(id);
    if (GTK_IS_ENTRY(w)) return gtk_entry_get_text(GTK_ENTRY(w));
    if (GTK_IS_LABEL(w)) return gtk_label_get_text(GTK_LABEL(w));
    if (GTK_IS_BUTTON(w)) return gtk_button_get_label(GTK_BUTTON(w));
    return {};
}

int GtkDialogView::Selection(int id) const {
    GtkWidget* w = Control(id);
    return GTK_IS_COMBO_BOX(w) ? gtk_combo_box_get_active(GTK_COMBO_BOX(w)) : -1;
}

bool GtkDialogView::Sensitive(int id) const {
    GtkWidget* w = Control(id);
    return w && gtk_widget_get_sensitive(w);
}

}  // namespace vn
