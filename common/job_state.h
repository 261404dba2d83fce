#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>

// Capacity of every path buffer, terminating NUL included: paths hold at most 259 characters.
constexpr std::size_t pathCapacity = 260;

// The process-wide state shared by the window thread, the one running worker and the
// status reporter. There is no lock: the workers are the only writers of `idle` and
// `statusCode`, and they store the final code with release order before they store
// `idle` = true, so a thread that loads `idle` == true (acquire) reads the final code.
struct JobState {
    // True whenever no job runs.
    std::atomic<bool> idle{true};
    // Outcome of the running or last job (StatusCode); 0 until a job stores one.
    std::atomic<int32_t> statusCode{0};
    // The path chosen with File > Open; empty means none. Window thread only.
    char selectedPath[pathCapacity] = {};

    // Bumped by a worker right after it has marked its job busy, so that the code that
    // launches a job can wait until the busy mark is in place (see awaitJobStarted).
    std::atomic<uint32_t> jobsStarted{0};
    // Progress of the running job, for front ends that show it.
    std::atomic<uint64_t> bytesMoved{0};
    std::atomic<uint64_t> bytesTotal{0};
};

extern JobState jobState;

// Worker side of the start handshake: called right after the worker has lowered `idle`.
void signalJobStarted();

// Launcher side: the value to hand to awaitJobStarted, read before the worker is started.
uint32_t jobStartTicket();

// Blocks until a worker started after `ticket` was taken has called signalJobStarted.
void awaitJobStarted(uint32_t ticket);
