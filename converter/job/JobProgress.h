#pragma once
// The counters a running job shares with the front end. The worker writes,
// the front end reads every 100 ms; nothing is locked, so every field is an
// atomic. The entry name is read character by character and may briefly show
// a mix of two names, never anything unsafe.

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

namespace vn {

class JobProgress {
public:
    void Reset();
    void AddTotal(uint32_t count) { total_.fetch_add(count, std::memory_order_relaxed); }
    void AddDone() { done_.fetch_add(1, std::memory_order_relaxed); }
    void SetEntryName(const char* name);  // Shift-JIS
    void AddSkipped() { skipped_.fetch_add(1, std::memory_order_relaxed); }
    void AddWriteFailure() { writeFailures_.fetch_add(1, std::memory_order_relaxed); }
    void SetFinished() { finished_.store(true, std::memory_order_release); }

    uint32_t Done() const { return done_.load(std::memory_order_relaxed); }
    uint32_t Total() const { return total_.load(std::memory_order_relaxed); }
    std::string EntryName() const;
    uint32_t Skipped() const { return skipped_.load(std::memory_order_relaxed); }  // entries not decoded
    uint32_t WriteFailures() const { return writeFailures_.load(std::memory_order_relaxed); }
    // Once true, every write of the worker is visible to the reader.
    bool Finished() const { return finished_.load(std::memory_order_acquire); }

private:
    static constexpr size_t kNameSize = 64;
    std::atomic<uint32_t> done_{0};
    std::atomic<uint32_t> total_{0};
    std::atomic<uint32_t> skipped_{0};
    std::atomic<uint32_t> writeFailures_{0};
    std::array<std::atomic<char>, kNameSize + 1> name_{};
    std::atomic<bool> finished_{false};
};

}  // namespace vn
