// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Real full and read-only disks for the tests of the file writers, where
// the system allows it without root: a child process enters user and mount
// namespaces of its own and mounts a tmpfs of a few kilobytes, which only
// it sees. Where the system allows no such namespace (a container's
// seccomp profile, a kernel switch), OnTinyDisk says so and the tests keep
// to the pretended failures (SetWriteFaultForTesting).
#pragma once

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

namespace numora::testing {

inline bool WriteProcFile(const char* path, const std::string& text) {
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    return ok;
}

// Makes the tiny disk at `folder` read-only (inside OnTinyDisk's body).
inline bool RemountReadOnly(const std::string& folder) {
    return ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

// Runs `body` in a child process with an empty tmpfs of `bytes` bytes
// mounted at a folder of its own, and gives its exit status (the child
// ends with it at once); nullopt when no such disk can be made here. The
// calling process must not have started threads.
inline std::optional<int> OnTinyDisk(std::size_t bytes, const std::function<int(const std::string& folder)>& body) {
    constexpr int kUnavailable = 77;
    char pattern[] = "/tmp/numora-tiny-XXXXXX";
    if (!::mkdtemp(pattern)) return std::nullopt;
    const std::string folder = pattern;
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) ::_exit(kUnavailable);
        // The same user inside, so that files keep their owner.
        WriteProcFile("/proc/self/setgroups", "deny");
        if (!WriteProcFile("/proc/self/uid_map", std::to_string(uid) + " " + std::to_string(uid) + " 1") ||
            !WriteProcFile("/proc/self/gid_map", std::to_string(gid) + " " + std::to_string(gid) + " 1"))
            ::_exit(kUnavailable);
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) ::_exit(kUnavailable);
        const std::string size = "size=" + std::to_string(bytes);
        if (::mount("numora-tiny", folder.c_str(), "tmpfs", 0, size.c_str()) != 0) ::_exit(kUnavailable);
        const int status = body(folder);
        std::fflush(nullptr);
        ::_exit(status);
    }
    int status = 0;
    const bool waited = child > 0 && ::waitpid(child, &status, 0) == child;
    ::rmdir(folder.c_str());
    if (!waited) return 128;
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    if (WEXITSTATUS(status) == kUnavailable) return std::nullopt;
    return WEXITSTATUS(status);
}

}  // namespace numora::testing
