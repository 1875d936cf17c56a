// The SDL build in a real window, under Xvfb.
#include <gtest/gtest.h>

#include "engine/frame/PlayerRun.h"
#include "engine/platform/host/Png.h"

namespace vn::test {
namespace {

constexpr const char* kSigmarion3 = VN_PLAYER_SIGMARION3;
constexpr const char* kPocketPc = VN_PLAYER_POCKETPC;

std::string TitleOf(const std::string& dump) {
    const std::string needle = "\"title\": \"";
    const size_t at = dump.rfind(needle);
    if (at == std::string::npos) return {};
    const size_t start = at + needle.size();
    return dump.substr(start, dump.find('"', start) - start);
}

class PlayerWindow : public ::testing::Test {
protected:
    void SetUp() override {
        if (RunCommand("command -v xvfb-run >/dev/null 2>&1") != 0) GTEST_SKIP() << "xvfb-run is not installed";
    }
    // A shell script run under its own X server.
    int UnderXvfb(const std::string& script) {
        std::ofstream(t / "run.sh") << "unset SDL_VIDEODRIVER WAYLAND_DISPLAY\n" << script << "\n";
        return RunCommand("xvfb-run -a -s '-screen 0 1280x1024x24' sh " + (t / "run.sh") + " 2>" + (t / "err.txt"));
    }
    TempFolder t;
};

TEST_F(PlayerWindow, TitlesAndSizesOfBothBuilds) {
    const struct {
        const char* player;
        const char* args;
        const char* title;
        int width, height;
    } cases[] = {
        {kSigmarion3, "--scale 2", "Varnek for sigmarion3", 640, 480},
        {kSigmarion3, "--scale 1", "Varnek for sigmarion3", 320, 240},
        {kPocketPc, "--scale 1", "Varnek", 640, 480},
        {kPocketPc, "--scale 1 --portrait", "Varnek", 480, 640},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(UnderXvfb(std::string(c.player) + " " + c.args + " --root " + t.path.string() +
                            " --frames 10 --dump-state " + (t / "s.json")),
                  0)
            << ReadText(t / "err.txt");
        const std::string dump = ReadText(t / "s.json");
        EXPECT_EQ(TitleOf(dump), c.title);
        EXPECT_EQ(DumpInt(dump, "windowWidth"), c.width) << c.args;
        EXPECT_EQ(DumpInt(dump, "windowHeight"), c.height) << c.args;
        EXPECT_EQ(DumpInt(dump, "framesStarted"), 10);
    }
}

TEST_F(PlayerWindow, TheWindowShowsTheFrameAsTheHeadlessShot) {
    for (const char* player : {kSigmarion3, kPocketPc}) {
        ASSERT_EQ(RunCommand(std::string(player) + " --headless --test-pattern --root " + t.path.string() +
                             " --frames 3 --shot 2:" + (t / "headless.png")),
                  0);
        ASSERT_EQ(UnderXvfb(std::string(player) + " --test-pattern --scale 1 --root " + t.path.string() +
                            " --frames 6 --window-shot 3:" + (t / "window.png")),
                  0)
            << ReadText(t / "err.txt");
        const auto headless = ReadPngFile(t / "headless.png");
        const auto window = ReadPngFile(t / "window.png");
        ASSERT_TRUE(headless && window);
        EXPECT_EQ(window->width, headless->width);
        EXPECT_EQ(window->height, headless->height);
        EXPECT_TRUE(window->rgba == headless->rgba) << player;
    }
}

TEST_F(PlayerWindow, SecondStartRaisesTheFirstAndExitsZero) {
    // The first runs about five seconds of frames; the second starts meanwhile.
    const std::string first = std::string(kSigmarion3) + " --root " + t.path.string() + " --frames 300 --dump-state " +
                              (t / "first.json");
    const std::string second = std::string(kSigmarion3) + " --root " + t.path.string() + " --frames 300 --dump-state " +
                               (t / "second.json");
    ASSERT_EQ(UnderXvfb(first + " &\nsleep 1.5\n" + second + "\necho $? > " + (t / "rc.txt") + "\nwait\n"), 0)
        << ReadText(t / "err.txt");
    EXPECT_EQ(ReadText(t / "rc.txt"), "0\n");
    EXPECT_FALSE(std::filesystem::exists(t.path / "second.json"));  // it left before creating anything
    EXPECT_EQ(DumpInt(ReadText(t / "first.json"), "raiseRequests"), 1);
}

}  // namespace
}  // namespace vn::test
