// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one file writer: whole or not at all, the old file intact on any
// failure, the reason from the system's error, links never followed.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <set>

#include "FileWriter.h"
#include "TinyDisk.h"
#include "WriteFailures.h"

using namespace numora;
using numora::testing::OnTinyDisk;
using numora::testing::PretendWriteFault;
using numora::testing::RemountReadOnly;

namespace {

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Put(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// Every name in `folder`, hidden ones included.
std::set<std::string> Names(const std::string& folder) {
    std::set<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir))
            if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..") names.insert(entry->d_name);
        ::closedir(dir);
    }
    return names;
}

struct Folder {
    std::string path;
    Folder() {
        char pattern[] = "/tmp/numora-writer-XXXXXX";
        path = ::mkdtemp(pattern);
    }
    ~Folder() {
        ::chmod(path.c_str(), 0700);
        std::system(("rm -rf '" + path + "'").c_str());
    }
    std::string operator/(const std::string& name) const { return path + "/" + name; }
};

const std::string kNew(20000, 'n');  // more than one pretended block

}  // namespace

TEST(FileWriter, WholeOrNotAtAllWithTheReason) {
    using Step = WriteFault::Step;
    enum class Setup { Nothing, OldFile, MissingFolder, FileAsFolder, FolderAsName, ReadOnlyFolder };
    const struct {
        const char* what;
        Setup setup;
        std::optional<WriteFault> fault;
        WriteFailure failure;
        const char* reason;
    } rows[] = {
        {"a new file", Setup::Nothing, {}, WriteFailure::None, ""},
        {"an old file replaced", Setup::OldFile, {}, WriteFailure::None, ""},
        {"a missing folder", Setup::MissingFolder, {}, WriteFailure::NoFolder, "文件夹不存在"},
        {"a file where the folder should be", Setup::FileAsFolder, {}, WriteFailure::NoFolder, "文件夹不存在"},
        {"a folder under the name", Setup::FolderAsName, {}, WriteFailure::Other, "无法写入（Is a directory）"},
        {"a read-only folder", Setup::ReadOnlyFolder, {}, WriteFailure::NoPermission, "没有写入权限"},
        {"a full disk", Setup::OldFile, WriteFault{Step::Write, ENOSPC, 4096}, WriteFailure::DiskFull, "磁盘空间不足"},
        {"a full disk at once", Setup::Nothing, WriteFault{Step::Write, ENOSPC, 0}, WriteFailure::DiskFull, "磁盘空间不足"},
        {"a quota found at the close", Setup::OldFile, WriteFault{Step::Close, EDQUOT}, WriteFailure::DiskFull,
         "磁盘空间不足"},
        {"no permission to create", Setup::OldFile, WriteFault{Step::Create, EACCES}, WriteFailure::NoPermission,
         "没有写入权限"},
        {"a read-only disk at the rename", Setup::OldFile, WriteFault{Step::Rename, EROFS}, WriteFailure::NoPermission,
         "没有写入权限"},
        {"a flush that fails", Setup::OldFile, WriteFault{Step::Sync, EIO}, WriteFailure::Other,
         "无法写入（Input/output error）"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        if (row.setup == Setup::ReadOnlyFolder && ::geteuid() == 0) continue;  // root writes anyway
        Folder dir;
        std::string path = dir / "图象.svg";
        std::string folder = dir.path;
        switch (row.setup) {
            case Setup::Nothing: break;
            case Setup::OldFile:
                Put(path, "old");
                ::chmod(path.c_str(), 0640);
                break;
            case Setup::MissingFolder: path = dir / "no/such/folder/图象.svg"; break;
            case Setup::FileAsFolder:
                Put(dir / "plain", "x");
                path = dir / "plain/图象.svg";
                break;
            case Setup::FolderAsName: ::mkdir(path.c_str(), 0700); break;
            case Setup::ReadOnlyFolder:
                folder = dir / "locked";
                ::mkdir(folder.c_str(), 0500);
                path = folder + "/图象.svg";
                break;
        }
        const std::set<std::string> before = Names(folder);
        WriteResult result;
        {
            PretendWriteFault pretend(row.fault);
            FileWriter writer(path);
            writer.Write(kNew.substr(0, 10000));
            writer.Write(kNew.substr(10000));
            result = writer.Commit();
        }
        EXPECT_EQ(result.failure, row.failure);
        EXPECT_EQ(WriteFailureReason(result), row.reason);
        if (row.failure == WriteFailure::None) {
            EXPECT_EQ(Read(path), kNew);
            struct stat st {};
            ::stat(path.c_str(), &st);
            if (row.setup == Setup::OldFile) {
                EXPECT_EQ(st.st_mode & 0777, 0640u) << "the old file's permissions";
            }
            std::set<std::string> after = before;
            after.insert("图象.svg");
            EXPECT_EQ(Names(folder), after) << "nothing but the file";
        } else {
            EXPECT_EQ(Names(folder), before) << "no temporary file left";
            if (row.setup == Setup::OldFile) {
                EXPECT_EQ(Read(path), "old");
            }
        }
    }
}

// A link is replaced by the file; its target is never written.
TEST(FileWriter, LinksAreReplacedNotFollowed) {
    Folder dir;
    Put(dir / "target.txt", "target");
    ASSERT_EQ(::symlink((dir / "target.txt").c_str(), (dir / "link.txt").c_str()), 0);
    ASSERT_EQ(::symlink((dir / "nowhere.txt").c_str(), (dir / "dangling.txt").c_str()), 0);
    for (const char* name : {"link.txt", "dangling.txt"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(WriteWholeFile(dir / name, "new").ok());
        struct stat st {};
        ASSERT_EQ(::lstat((dir / name).c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(Read(dir / name), "new");
    }
    EXPECT_EQ(Read(dir / "target.txt"), "target");
    EXPECT_EQ(Names(dir.path), (std::set<std::string>{"target.txt", "link.txt", "dangling.txt"}));
}

// A device is written directly: /dev/full is a full disk.
TEST(FileWriter, DevicesAreWrittenDirectly) {
    EXPECT_EQ(WriteWholeFile("/dev/full", kNew).failure, WriteFailure::DiskFull);
    EXPECT_TRUE(WriteWholeFile("/dev/null", kNew).ok());
}

// The same on a real disk that fills up, and one that is read-only.
TEST(FileWriter, RealFullAndReadOnlyDisks) {
    const std::optional<int> status = OnTinyDisk(64 * 1024, [](const std::string& folder) {
        const std::string path = folder + "/list.txt";
        Put(path, "old");
        const WriteResult full = WriteWholeFile(path, std::string(200 * 1024, 'x'));
        if (full.failure != WriteFailure::DiskFull) return 1;
        if (Read(path) != "old" || Names(folder) != std::set<std::string>{"list.txt"}) return 2;
        if (!WriteWholeFile(path, "fits").ok() || Read(path) != "fits") return 3;
        if (!RemountReadOnly(folder)) return 0;  // the rest needs a remount
        const WriteResult readOnly = WriteWholeFile(path, "new");
        if (readOnly.failure != WriteFailure::NoPermission || readOnly.error != EROFS) return 4;
        return Read(path) == "fits" ? 0 : 5;
    });
    if (!status) GTEST_SKIP() << "no user and mount namespaces here: the pretended failures cover this";
    EXPECT_EQ(*status, 0);
}
