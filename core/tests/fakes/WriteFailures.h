// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The failures every file writer's test goes through (pictures, lists,
// numora-cli's --out): each writes over an old file, or into a folder that
// does not exist, and must leave the old file as it was and name the
// reason. Full and read-only disks are pretended (SetWriteFaultForTesting):
// the tests run as root in CI, whom no folder's permissions stop, and
// without the right to mount a small disk (FileWriterTest makes real ones
// where the system allows).
#pragma once

#include <cerrno>
#include <optional>

#include "FileWriter.h"

namespace numora::testing {

struct WriteFailureCase {
    const char* what;
    bool missingFolder;               // else over an old file
    std::optional<WriteFault> fault;  // what the system pretends
    const char* reason;               // nullptr: written
};

inline const WriteFailureCase kWriteFailureCases[] = {
    {"a full disk", false, WriteFault{WriteFault::Step::Write, ENOSPC, 100}, "磁盘空间不足"},
    {"a quota reached at the close", false, WriteFault{WriteFault::Step::Close, EDQUOT, 0}, "磁盘空间不足"},
    {"a read-only folder", false, WriteFault{WriteFault::Step::Create, EACCES, 0}, "没有写入权限"},
    {"a read-only disk", false, WriteFault{WriteFault::Step::Rename, EROFS, 0}, "没有写入权限"},
    {"a missing folder", true, std::nullopt, "文件夹不存在"},
    {"an old file replaced", false, std::nullopt, nullptr},
};

// Pretends one case's failure for as long as it lives.
struct PretendWriteFault {
    explicit PretendWriteFault(std::optional<WriteFault> fault) { SetWriteFaultForTesting(fault); }
    ~PretendWriteFault() { SetWriteFaultForTesting(std::nullopt); }
    PretendWriteFault(const PretendWriteFault&) = delete;
    PretendWriteFault& operator=(const PretendWriteFault&) = delete;
};

}  // namespace numora::testing
