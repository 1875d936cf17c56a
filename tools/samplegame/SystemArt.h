#pragma once
// The interface pictures of System.pac: title, menus, message windows,
// cursor and mark glyphs, backlog, gallery, replay, sound room, eye catch,
// route pictures, mascot strips and the wipe filters.

#include "tools/samplegame/SampleArchive.h"
#include "tools/samplegame/TextPainter.h"

namespace vn {

class SystemArt {
public:
    explicit SystemArt(TextPainter& text) : text_(text) {}
    // Track titles for the sound room's strips, in BgmInfo order.
    SampleArchive Build(uint32_t method, const std::vector<std::string>& trackTitles);

private:
    void Title(SampleArchive& a);
    void Window(SampleArchive& a);
    void Gallery(SampleArchive& a);
    void SoundRoom(SampleArchive& a, const std::vector<std::string>& trackTitles);
    void EyeCatch(SampleArchive& a);
    void Mascots(SampleArchive& a);
    void Filters(SampleArchive& a);

    TextPainter& text_;
};

}  // namespace vn
