#pragma once
// The single-instance rule: a local socket named after the window class and
// title. The first player listens on it; a second start connects, asks the
// first to raise its window, and leaves.

#include <string>

namespace vn {

class InstanceChannel {
public:
    InstanceChannel(const std::string& className, const std::string& title);
    ~InstanceChannel();
    InstanceChannel(const InstanceChannel&) = delete;
    InstanceChannel& operator=(const InstanceChannel&) = delete;

    // True when another player answers (it has been asked to raise its
    // window); otherwise this process starts listening and returns false.
    bool AskRunningInstance();
    // Raise requests that arrived since the last call (never blocks).
    int TakeRaiseRequests();

private:
    std::string name_;  // abstract socket name, without the leading zero byte
    int listenFd_ = -1;
};

}  // namespace vn
