#include "project/PollRing.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <poll.h>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <unistd.h>

#if __has_include(<linux/io_uring.h>) && defined(__NR_io_uring_setup) && defined(__NR_io_uring_enter)
#include <linux/io_uring.h>
#define VARNEL_HAS_RING 1
#endif

namespace {

unsigned loadAcquire(unsigned *at)
{
    return std::atomic_ref<unsigned>(*at).load(std::memory_order_acquire);
}

void storeRelease(unsigned *at, unsigned value)
{
    std::atomic_ref<unsigned>(*at).store(value, std::memory_order_release);
}

} // namespace

PollRing::~PollRing()
{
    stop();
}

bool PollRing::answered() const
{
    return m_armed && loadAcquire(m_cqTail) != *m_cqHead;
}

#ifdef VARNEL_HAS_RING

namespace {

void *mapRing(int ring, std::size_t size, off_t part)
{
    void *at = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_POPULATE, ring, part);
    return at == MAP_FAILED ? nullptr : at;
}

template<typename T>
T *at(void *base, unsigned offset)
{
    return reinterpret_cast<T *>(static_cast<char *>(base) + offset);
}

} // namespace

bool PollRing::start(int fd)
{
    stop();
    io_uring_params params;
    std::memset(&params, 0, sizeof params);
    m_ring = int(::syscall(__NR_io_uring_setup, 1, &params));
    if (m_ring < 0)
        return false;
    m_fd = fd;
    const std::size_t submissionSize = params.sq_off.array + params.sq_entries * sizeof(unsigned);
    const std::size_t completionSize = params.cq_off.cqes + params.cq_entries * sizeof(io_uring_cqe);
    const bool single = params.features & IORING_FEAT_SINGLE_MMAP;
    m_ringsSize = single ? std::max(submissionSize, completionSize) : submissionSize;
    m_entriesSize = params.sq_entries * sizeof(io_uring_sqe);
    m_rings = mapRing(m_ring, m_ringsSize, IORING_OFF_SQ_RING);
    void *completions = m_rings;
    if (m_rings && !single) {
        m_completionsSize = completionSize;
        m_completions = mapRing(m_ring, m_completionsSize, IORING_OFF_CQ_RING);
        completions = m_completions;
    }
    m_entries = mapRing(m_ring, m_entriesSize, IORING_OFF_SQES);
    if (!m_rings || !completions || !m_entries) {
        stop();
        return false;
    }
    m_sqTail = at<unsigned>(m_rings, params.sq_off.tail);
    m_sqMask = at<unsigned>(m_rings, params.sq_off.ring_mask);
    m_sqArray = at<unsigned>(m_rings, params.sq_off.array);
    m_cqHead = at<unsigned>(completions, params.cq_off.head);
    m_cqTail = at<unsigned>(completions, params.cq_off.tail);
    if (!ask()) {
        stop();
        return false;
    }
    return true;
}

// One poll for input, which the kernel answers once.
bool PollRing::ask()
{
    const unsigned tail = *m_sqTail;
    const unsigned index = tail & *m_sqMask;
    io_uring_sqe *entry = static_cast<io_uring_sqe *>(m_entries) + index;
    std::memset(entry, 0, sizeof *entry);
    entry->opcode = IORING_OP_POLL_ADD;
    entry->fd = m_fd;
    entry->poll32_events = POLLIN;
    m_sqArray[index] = index;
    storeRelease(m_sqTail, tail + 1);
    if (::syscall(__NR_io_uring_enter, m_ring, 1, 0, 0, nullptr, 0) != 1)
        return false;
    m_armed = true;
    m_thread = std::this_thread::get_id();
    return true;
}

#else

bool PollRing::start(int)
{
    return false;
}

bool PollRing::ask()
{
    return false;
}

#endif

void PollRing::renew()
{
    if (!m_armed)
        return;
    storeRelease(m_cqHead, loadAcquire(m_cqTail));
    m_armed = false;
    if (!ask())
        stop();
}

void PollRing::stop()
{
    m_armed = false;
    if (m_entries)
        ::munmap(m_entries, m_entriesSize);
    if (m_completions)
        ::munmap(m_completions, m_completionsSize);
    if (m_rings)
        ::munmap(m_rings, m_ringsSize);
    m_entries = m_completions = m_rings = nullptr;
    if (m_ring >= 0)
        ::close(m_ring);
    m_ring = -1;
}
