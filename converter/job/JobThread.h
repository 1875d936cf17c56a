#pragma once
// A worker thread with a virtual Run: created suspended, then resumed; the
// thread calls Run once and ends with its result.

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace vn {

class JobThread {
public:
    JobThread() = default;
    JobThread(const JobThread&) = delete;
    JobThread& operator=(const JobThread&) = delete;
    // A derived class must call Wait() in its own destructor, so that Run
    // never outlives the object it runs on.
    virtual ~JobThread();

    bool Create();  // the thread exists and waits for Resume
    void Resume();
    bool Start() {
        if (!Create()) return false;
        Resume();
        return true;
    }
    void Wait();  // until the thread has ended; at once when it never started
    bool Ended() const { return ended_.load(std::memory_order_acquire); }
    int Result() const { return result_; }  // valid after Wait

protected:
    virtual int Run() = 0;

private:
    void Body();

    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable resumed_;
    bool go_ = false;
    std::atomic<bool> ended_{false};
    int result_ = 0;
};

}  // namespace vn
