#pragma once

#include <cstddef>
#include <cstdint>
#include <unistd.h>
#include <vector>

// What one process of the network benchmark's bots measured, sent to the benchmark's parent over a
// pipe: fixed counts first, then every latency sample.
namespace netbench {

struct ShareCounts {
    long long sent = 0;
    long long received = 0;
    long long turns = 0;
    long long refusals = 0;
    long long closings = 0;
    double cpuSeconds = 0;
    long memoryKiB = 0;  // resident memory after the run less before the first connection
    std::uint64_t samples = 0;
};

struct ShareResult {
    ShareCounts counts;
    std::vector<float> latencyMs;
};

inline bool writeAll(int fd, const void* data, std::size_t size)
{
    const char* at = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd, at, size);
        if (written <= 0)
            return false;
        at += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

inline bool readAll(int fd, void* data, std::size_t size)
{
    char* at = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t got = ::read(fd, at, size);
        if (got <= 0)
            return false;
        at += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

inline bool writeShare(int fd, ShareCounts counts, const std::vector<float>& latencyMs)
{
    counts.samples = latencyMs.size();
    return writeAll(fd, &counts, sizeof counts) &&
           writeAll(fd, latencyMs.data(), latencyMs.size() * sizeof(float));
}

// Adds one process's share to the whole; false if the pipe ended early.
inline bool readShare(int fd, ShareResult& whole)
{
    ShareCounts counts;
    if (!readAll(fd, &counts, sizeof counts))
        return false;
    const std::size_t before = whole.latencyMs.size();
    whole.latencyMs.resize(before + counts.samples);
    if (!readAll(fd, whole.latencyMs.data() + before, counts.samples * sizeof(float)))
        return false;
    whole.counts.sent += counts.sent;
    whole.counts.received += counts.received;
    whole.counts.turns += counts.turns;
    whole.counts.refusals += counts.refusals;
    whole.counts.closings += counts.closings;
    whole.counts.cpuSeconds += counts.cpuSeconds;
    whole.counts.memoryKiB += counts.memoryKiB;
    whole.counts.samples += counts.samples;
    return true;
}

}  // namespace netbench
