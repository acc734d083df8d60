#pragma once

#include <QtGlobal>

#include <thread>

// One standing request to the kernel to say when a descriptor has input, answered through a
// completion ring shared with the kernel, so that asking whether it has answered is a load from
// memory instead of a system call.
//
// The answer is as prompt as a system call would be for the thread that made the request: the
// kernel posts it as that thread next leaves the kernel after the input arrived. Input the thread
// caused itself is told before the call that caused it returns; input from elsewhere interrupts
// the thread at once, and is told at the latest when the thread hears of it through the kernel.
// Other threads must not rely on it.
class PollRing {
public:
    PollRing() = default;
    ~PollRing();
    PollRing(const PollRing &) = delete;
    PollRing &operator=(const PollRing &) = delete;

    // Sets up the ring and asks about fd from this thread; false when the kernel offers no ring
    // (too old, or refused here), and nothing is kept.
    bool start(int fd);
    // Nothing has answered since the request was made, and the caller is the thread that made it:
    // fd has had no input since then.
    bool quiet() const { return m_armed && !answered() && std::this_thread::get_id() == m_thread; }
    // The request was answered (input came, or the request failed).
    bool answered() const;
    // Takes the answer and asks again from this thread; when that fails, the ring is given up and
    // quiet() stays false from then on.
    void renew();

private:
    bool ask();
    void stop();

    int m_ring = -1;
    int m_fd = -1;
    bool m_armed = false;
    std::thread::id m_thread;
    void *m_rings = nullptr;
    std::size_t m_ringsSize = 0;
    void *m_completions = nullptr; // a separate mapping only on kernels that want one
    std::size_t m_completionsSize = 0;
    void *m_entries = nullptr;
    std::size_t m_entriesSize = 0;
    unsigned *m_sqTail = nullptr;
    unsigned *m_sqMask = nullptr;
    unsigned *m_sqArray = nullptr;
    unsigned *m_cqHead = nullptr;
    unsigned *m_cqTail = nullptr;
};
