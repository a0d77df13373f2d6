// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one way the program writes a file (the settings, a picture, a list,
// the command line's --out, a worked solution): whole or not at all. The
// bytes go to a temporary file in the chosen name's folder (a file without
// a name where the file system allows, so a kill leaves nothing behind;
// else ".numora-XXXXXXXX.tmp"), which is renamed over the name only once
// everything was written and the file closed without an error; replacing a
// file, the new content is flushed to the disk first, so a crash leaves
// the old file or the new one, never neither. Any failure removes the
// temporary file, leaves what stood under the name as it was, and says
// why, from the system's own error.
//
// Links: a name that is a symbolic link gets a regular file in the link's
// place; the file the link points to is never written. (A link is not what
// the user chose in the file dialog, and a link planted in a shared folder
// must not redirect a save into another file.)
// A name that is a device, a pipe or a socket (or a link to one, such as
// /dev/stdout) is written directly: there is no old content to keep.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace numora {

// Why a write failed, as the user is told.
enum class WriteFailure {
    None,
    DiskFull,      // ENOSPC, EDQUOT: "磁盘空间不足"
    NoPermission,  // EACCES, EPERM, EROFS: "没有写入权限"
    NoFolder,      // ENOENT, ENOTDIR: "文件夹不存在"
    Other,         // anything else: the system's own text
};

struct WriteResult {
    WriteFailure failure = WriteFailure::None;
    int error = 0;  // the system's error number (errno)
    bool ok() const { return failure == WriteFailure::None; }
};

WriteFailure WriteFailureOf(int error);
WriteResult FailedWrite(int error);

// Why, in the user's words: "磁盘空间不足", "没有写入权限", "文件夹不存在",
// for other errors "无法写入（<the system's text>）"; empty for success.
std::string WriteFailureReason(const WriteResult& result);

// A file written in pieces. Nothing appears under `path` before Commit().
class FileWriter {
public:
    explicit FileWriter(std::string path);
    ~FileWriter();  // without a successful Commit(), the temporary file goes
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    // False once anything failed (the failure is kept for Commit()).
    bool Write(std::string_view bytes);
    // Puts the file in place, or says why not.
    WriteResult Commit();
    bool failed() const { return !result_.ok(); }

private:
    void Fail(int error);
    void Discard();

    std::string path_;
    std::string temporary_;   // the temporary file's name, once it has one
    bool anonymous_ = false;  // a file without a name (O_TMPFILE) until Commit()
    int fd_ = -1;
    bool replacing_ = false;  // an old file stands under the name
    bool committed_ = false;
    std::size_t written_ = 0;
    WriteResult result_;
};

// The whole file at once.
WriteResult WriteWholeFile(const std::string& path, std::string_view bytes);

// Tests: pretends the system fails with `error` at one step of every write
// from now on (Write: once `afterBytes` bytes were written), or, with
// nullopt, stops pretending. Full disks and read-only folders can be
// pretended where the test machine cannot make them (no mount, or root,
// whom no folder's permissions stop).
struct WriteFault {
    enum class Step { Create, Write, Sync, Close, Rename };
    Step step = Step::Write;
    int error = 0;
    std::size_t afterBytes = 0;
};
void SetWriteFaultForTesting(std::optional<WriteFault> fault);

}  // namespace numora
