#include "converter/job/JobThread.h"

#include <system_error>

namespace vn {

JobThread::~JobThread() { Wait(); }

bool JobThread::Create() {
    if (thread_.joinable()) return false;
    try {
        thread_ = std::thread(&JobThread::Body, this);
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void JobThread::Resume() {
    std::lock_guard lock(mutex_);
    go_ = true;
    resumed_.notify_one();
}

void JobThread::Wait() {
    if (!thread_.joinable()) return;
    Resume();  // a thread never resumed would otherwise wait for ever
    thread_.join();
}

void JobThread::Body() {
    {
        std::unique_lock lock(mutex_);
        resumed_.wait(lock, [this] { return go_; });
    }
    result_ = Run();
    ended_.store(true, std::memory_order_release);
}

}  // namespace vn
