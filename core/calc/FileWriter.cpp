// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <mutex>
#include <random>

namespace numora {
namespace {

std::mutex faultMutex;
std::optional<WriteFault> pretended;

std::optional<WriteFault> CurrentFault() {
    std::lock_guard lock(faultMutex);
    return pretended;
}

// The folder part of `path`, with its separator ("" for a bare name).
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string RandomName() {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    char name[32];
    std::snprintf(name, sizeof name, ".numora-%08llx.tmp", static_cast<unsigned long long>(random() & 0xffffffffULL));
    return name;
}

}  // namespace

WriteFailure WriteFailureOf(int error) {
    switch (error) {
        case 0: return WriteFailure::None;
        case ENOSPC:
        case EDQUOT: return WriteFailure::DiskFull;
        case EACCES:
        case EPERM:
        case EROFS: return WriteFailure::NoPermission;
        case ENOENT:
        case ENOTDIR: return WriteFailure::NoFolder;
        default: return WriteFailure::Other;
    }
}

WriteResult FailedWrite(int error) { return {WriteFailureOf(error == 0 ? EIO : error), error == 0 ? EIO : error}; }

std::string WriteFailureReason(const WriteResult& result) {
    switch (result.failure) {
        case WriteFailure::None: return {};
        case WriteFailure::DiskFull: return "磁盘空间不足";
        case WriteFailure::NoPermission: return "没有写入权限";
        case WriteFailure::NoFolder: return "文件夹不存在";
        case WriteFailure::Other: break;
    }
    return std::string("无法写入（") + std::strerror(result.error) + "）";
}

void SetWriteFaultForTesting(std::optional<WriteFault> fault) {
    std::lock_guard lock(faultMutex);
    pretended = fault;
}

FileWriter::FileWriter(std::string path) : path_(std::move(path)) {
    const std::optional<WriteFault> fault = CurrentFault();
    if (fault && fault->step == WriteFault::Step::Create) {
        Fail(fault->error);
        return;
    }
    if (path_.empty()) {
        Fail(ENOENT);
        return;
    }
    struct stat old {};
    const bool exists = ::lstat(path_.c_str(), &old) == 0;
    struct stat target = old;
    if (exists && S_ISLNK(old.st_mode) && ::stat(path_.c_str(), &target) != 0) target.st_mode = S_IFREG;  // dangling
    if (exists && S_ISDIR(target.st_mode)) {
        Fail(EISDIR);
        return;
    }
    if (exists && !S_ISREG(target.st_mode)) {
        // A device, a pipe or a socket: nothing there to keep whole.
        fd_ = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (fd_ < 0) Fail(errno);
        return;
    }
    replacing_ = exists;
    const std::string folder = FolderOf(path_);
    // A file without a name until it is complete (a kill leaves nothing
    // behind), where the file system and /proc allow; else a hidden name.
    static const bool proc = ::access("/proc/self/fd", X_OK) == 0;
    if (proc) {
        fd_ = ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            anonymous_ = true;
        } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            Fail(errno);
            return;
        }
    }
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temporary_ = folder + RandomName();
        // The mode a new file gets (0666 less the umask); never through a link.
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) {
        const int error = errno;
        temporary_.clear();
        Fail(error);
        return;
    }
    if (exists && S_ISREG(old.st_mode)) {
        // The replaced file's permissions (and owner, where allowed) carry over.
        ::fchmod(fd_, old.st_mode & 07777);
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) (void)!::fchown(fd_, old.st_uid, old.st_gid);
    }
}

FileWriter::~FileWriter() {
    if (!committed_) Discard();
}

void FileWriter::Fail(int error) {
    if (result_.ok()) result_ = FailedWrite(error);
}

void FileWriter::Discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

bool FileWriter::Write(std::string_view bytes) {
    if (failed() || committed_) return false;
    const std::optional<WriteFault> fault = CurrentFault();
    while (!bytes.empty()) {
        std::size_t piece = bytes.size();
        if (fault && fault->step == WriteFault::Step::Write) {
            if (written_ >= fault->afterBytes) {
                Fail(fault->error);
                return false;
            }
            piece = std::min(piece, fault->afterBytes - written_);
        }
        const ssize_t n = ::write(fd_, bytes.data(), piece);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(errno);
            return false;
        }
        if (n == 0) {
            Fail(EIO);
            return false;
        }
        written_ += static_cast<std::size_t>(n);
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

WriteResult FileWriter::Commit() {
    if (committed_) return result_;
    const std::optional<WriteFault> fault = CurrentFault();
    const auto pretend = [&fault](WriteFault::Step step) { return fault && fault->step == step ? fault->error : 0; };
    if (!failed() && replacing_) {
        // Before the old content goes, the new one is on the disk.
        if (const int error = pretend(WriteFault::Step::Sync)) Fail(error);
        else if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) Fail(errno);
    }
    if (!failed() && anonymous_) {
        // Named now, beside the file it replaces.
        char self[64];
        std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd_);
        const std::string folder = FolderOf(path_);
        for (int attempt = 0; attempt < 100; ++attempt) {
            temporary_ = folder + RandomName();
            if (::linkat(AT_FDCWD, self, AT_FDCWD, temporary_.c_str(), AT_SYMLINK_FOLLOW) == 0) break;
            const int error = errno;
            temporary_.clear();
            if (error != EEXIST) {
                Fail(error);
                break;
            }
        }
    }
    if (!failed()) {
        // A network file system may report a full disk only here.
        const int closed = ::close(fd_);
        const int closeError = errno;
        fd_ = -1;
        if (const int error = pretend(WriteFault::Step::Close)) Fail(error);
        else if (closed != 0 && closeError != EINTR) Fail(closeError);
    }
    if (!failed() && !temporary_.empty()) {
        if (const int error = pretend(WriteFault::Step::Rename)) Fail(error);
        else if (::rename(temporary_.c_str(), path_.c_str()) != 0) Fail(errno);
        else temporary_.clear();
    }
    if (failed()) {
        Discard();
    } else {
        committed_ = true;
    }
    return result_;
}

WriteResult WriteWholeFile(const std::string& path, std::string_view bytes) {
    FileWriter writer(path);
    writer.Write(bytes);
    return writer.Commit();
}

}  // namespace numora
