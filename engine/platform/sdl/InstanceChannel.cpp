#include "engine/platform/sdl/InstanceChannel.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace vn {
namespace {

constexpr char kRaise[] = "raise";

socklen_t Address(const std::string& name, sockaddr_un& addr) {
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    // Abstract namespace: sun_path[0] stays 0; no file to clean up after a crash.
    const size_t n = std::min(name.size(), sizeof addr.sun_path - 1);
    std::memcpy(addr.sun_path + 1, name.data(), n);
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + n);
}

}  // namespace

// One player per user and desktop: the display is part of the name, so
// players on other X servers (parallel test runs) do not meet.
InstanceChannel::InstanceChannel(const std::string& className, const std::string& title)
    : name_("vn-player." + std::to_string(::getuid()) + "." +
            (std::getenv("DISPLAY") != nullptr ? std::getenv("DISPLAY") : "") + "." + className + "." + title) {}

InstanceChannel::~InstanceChannel() {
    if (listenFd_ >= 0) ::close(listenFd_);
}

bool InstanceChannel::AskRunningInstance() {
    sockaddr_un addr;
    const socklen_t len = Address(name_, addr);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), len) == 0) {
        const bool sent = ::send(fd, kRaise, sizeof kRaise - 1, MSG_NOSIGNAL) > 0;
        ::close(fd);
        if (sent) return true;
    } else {
        ::close(fd);
    }
    listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listenFd_ >= 0 && (::bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), len) != 0 ||
                           ::listen(listenFd_, 4) != 0)) {
        ::close(listenFd_);
        listenFd_ = -1;  // another player won the race: run without the rule
    }
    return false;
}

int InstanceChannel::TakeRaiseRequests() {
    int count = 0;
    if (listenFd_ < 0) return 0;
    for (;;) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) break;
        char buf[16] = {};
        // The peer sends right after connecting; a short wait is enough.
        timeval tv{0, 200000};
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
        const ssize_t n = ::recv(fd, buf, sizeof buf - 1, 0);
        if (n > 0 && std::strncmp(buf, kRaise, sizeof kRaise - 1) == 0) ++count;
        ::close(fd);
    }
    return count;
}

}  // namespace vn
