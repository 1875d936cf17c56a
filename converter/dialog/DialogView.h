#pragma once
// What the dialog logic asks of a window: the GTK dialog, the command line,
// or a test's fake. Texts and paths are UTF-8.

#include <optional>
#include <string>

namespace vn {

class DialogView {
public:
    virtual ~DialogView() = default;
    virtual void SetText(int id, const std::string& text) = 0;
    virtual void SetSelection(int id, int index) = 0;
    virtual void SetCheck(int id, bool on) = 0;
    virtual bool IsChecked(int id) = 0;
    virtual void Enable(int id, bool on) = 0;
    virtual void Redraw() = 0;
    virtual void StartTimer(int id, int periodMs) = 0;
    // A folder chosen by the user (host path), or nullopt when cancelled.
    virtual std::optional<std::string> BrowseFolder(const std::string& title) = 0;
    virtual void Warn(const std::string& text, const std::string& caption) = 0;
};

}  // namespace vn
