#pragma once

// What a hostile user leaves where the game reads and writes: FIFOs, links, names
// too long for the file system. And a guard that turns a hang into a failure.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

namespace zelkor {

inline void MakeFifo(const std::filesystem::path& at) {
    std::filesystem::create_directories(at.parent_path());
    if (::mkfifo(at.c_str(), 0600) != 0) throw std::runtime_error("mkfifo " + at.string());
}

// A name of one component longer than any file system allows.
inline std::string OverlongName(std::string_view extension = "") {
    return std::string(300, 'x') + std::string(extension);
}

// Runs `body` in a child process (a plain fork: what it leaves on disk stays for the
// test to look at) that is killed after `seconds`, so a hang fails the test instead
// of stopping the suite. Passes when `body` returns true in time.
inline void ExpectTrueWithin(unsigned seconds, const std::function<bool()>& body) {
    EXPECT_EXIT(
        {
            ::alarm(seconds);
            ::_exit(body() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "")
        << "hung (killed after " << seconds << " s) or came out wrong (exit code 1)";
}

// Runs `body` in a child process on a disk that is full after `bytes`: no file may grow
// past them, and a write that would fails with "File too large" instead of ending the
// process. Passes when `body` returns true and standard error matches the pattern.
inline void ExpectTrueOnAFullDisk(rlim_t bytes, const std::function<bool()>& body,
                                  const char* saysOnStandardError = "") {
    EXPECT_EXIT(
        {
            ::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{};
            limit.rlim_cur = limit.rlim_max = bytes;
            ::setrlimit(RLIMIT_FSIZE, &limit);
            ::_exit(body() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), saysOnStandardError);
}

}  // namespace zelkor
