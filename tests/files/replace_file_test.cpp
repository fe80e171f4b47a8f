#include "files/replace_file.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tests/form/temp_folder.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;
using testing::ReadAll;
using testing::WriteAll;

constexpr std::string_view kNew = "new reading\r\n";
constexpr std::string_view kOld = "old reading, longer than the new one\r\n";

// What each name under a folder stands for, links not followed: kind and permissions, file,
// link count, and a link's text or a regular file's bytes (a pipe's would block).
std::map<std::string, std::string> Snapshot(const fs::path& where) {
  std::map<std::string, std::string> states;
  for (const auto& entry : fs::recursive_directory_iterator(where)) {
    struct stat status {};
    EXPECT_EQ(::lstat(entry.path().c_str(), &status), 0) << entry.path();
    std::string& state = states[entry.path().lexically_relative(where).string()];
    state = std::to_string(status.st_mode) + " " + std::to_string(status.st_ino) + " " +
            std::to_string(status.st_nlink) + " ";
    if (S_ISLNK(status.st_mode)) state += fs::read_symlink(entry.path()).string();
    if (S_ISREG(status.st_mode)) state += ReadAll(entry.path());
  }
  return states;
}

struct stat StatusOf(const fs::path& path) {
  struct stat status {};
  EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
  return status;
}

void MakeSocket(const fs::path& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.string().size(), sizeof address.sun_path);
  std::strcpy(address.sun_path, path.c_str());
  ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
}

void WriteReadOnly(const fs::path& path) {
  WriteAll(path, kOld);
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
}

// Writes until the file system has no room left.
void FillUp(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  const std::string block(4096, 'x');
  while (::write(fd, block.data(), block.size()) > 0) {
  }
  while (::write(fd, "x", 1) > 0) {
  }
  ::close(fd);
}

// Mounts made after this are seen by this test process alone and vanish with it.
bool InPrivateMountNamespace() {
  static const bool entered = ::unshare(CLONE_NEWNS) == 0 &&
                              ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
  return entered;
}

class ReplaceFileTest : public testing::TempFolderTest {
 protected:
  void TearDown() override {
    for (auto mount = mounts.rbegin(); mount != mounts.rend(); ++mount) {
      ::umount2(mount->c_str(), MNT_DETACH);
    }
    TempFolderTest::TearDown();
  }

  bool Mount(const fs::path& where, const char* type, unsigned long flags, const char* data) {
    if (!InPrivateMountNamespace()) return false;
    const char* source = type == nullptr ? where.c_str() : type;
    if (::mount(source, where.c_str(), type, flags, data) != 0) return false;
    mounts.push_back(where);
    return true;
  }

  // A new reading, a reading and a hard-linked reading in `shelf`: saving each fails for
  // `reason` and changes nothing.
  void ExpectEverySaveFails(const fs::path& shelf, const std::string& reason) {
    const auto before = Snapshot(shelf);
    for (const char* name : {"new.tvl", "old.tvl", "linked.tvl"}) {
      EXPECT_EQ(ReplaceFileContents(shelf / name, kNew), reason) << name;
      EXPECT_EQ(Snapshot(shelf), before) << name;
    }
  }

  fs::path Shelf() {
    const fs::path shelf = folder / "shelf";
    fs::create_directory(shelf);
    WriteAll(shelf / "old.tvl", kOld);
    WriteAll(shelf / "linked.tvl", kOld);
    fs::create_hard_link(shelf / "linked.tvl", shelf / "other.tvl");
    return shelf;
  }

  std::vector<fs::path> mounts;
};

struct RefusedTarget {
  const char* what;
  void (*make)(const fs::path& target, const fs::path& folder);
  std::string_view reason;
};

const RefusedTarget kRefusedTargets[] = {
    {"a folder", [](const fs::path& target, const fs::path&) { fs::create_directory(target); },
     "Is a directory"},
    {"a named pipe",
     [](const fs::path& target, const fs::path&) { ::mkfifo(target.c_str(), 0644); },
     "It is a named pipe, not a file"},
    {"a socket", [](const fs::path& target, const fs::path&) { MakeSocket(target); },
     "It is a socket, not a file"},
    {"a link to /dev/null",
     [](const fs::path& target, const fs::path&) { fs::create_symlink("/dev/null", target); },
     "It is a device, not a file"},
    {"a read-only file", [](const fs::path& target, const fs::path&) { WriteReadOnly(target); },
     "The file is read-only"},
    {"a link to a read-only file",
     [](const fs::path& target, const fs::path& folder) {
       WriteReadOnly(folder / "real.tvl");
       fs::create_symlink("real.tvl", target);
     },
     "The file is read-only"},
    {"a loop of links",
     [](const fs::path& target, const fs::path& folder) {
       fs::create_symlink("loop.tvl", target);
       fs::create_symlink(target.filename(), folder / "loop.tvl");
     },
     "Too many levels of symbolic links"},
};

TEST_F(ReplaceFileTest, WhatIsNoWritableRegularFileIsRefusedAndLeftAlone) {
  const struct stat devNull = StatusOf("/dev/null");
  for (std::size_t index = 0; index < std::size(kRefusedTargets); ++index) {
    const RefusedTarget& refused = kRefusedTargets[index];
    const fs::path where = folder / std::to_string(index);
    fs::create_directory(where);
    refused.make(where / "target.tvl", where);
    const auto before = Snapshot(where);
    EXPECT_EQ(ReplaceFileContents(where / "target.tvl", kNew), std::string(refused.reason))
        << refused.what;
    EXPECT_EQ(Snapshot(where), before) << refused.what;
  }
  EXPECT_TRUE(S_ISCHR(StatusOf("/dev/null").st_mode));
  EXPECT_EQ(StatusOf("/dev/null").st_ino, devNull.st_ino);
}

TEST_F(ReplaceFileTest, ADeviceNodeIsRefusedAndLeftAlone) {
  const fs::path node = folder / "null.tvl";
  if (::mknod(node.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) {
    GTEST_SKIP() << "making a device node takes root; the link to /dev/null is tested anyway";
  }
  const auto before = Snapshot(folder);
  EXPECT_EQ(ReplaceFileContents(node, kNew), "It is a device, not a file");
  EXPECT_EQ(Snapshot(folder), before);
}

struct LinkCase {
  const char* what;
  std::vector<std::pair<std::string, std::string>> links;  ///< name and text; "/..." is absolute
  std::string saveTo;
  std::string file;  ///< where the bytes must land
  bool fileExists;
};

const LinkCase kLinkCases[] = {
    {"a link", {{"link.tvl", "real.tvl"}}, "link.tvl", "real.tvl", true},
    {"a chain, absolute in the middle",
     {{"a.tvl", "/b.tvl"}, {"b.tvl", "real.tvl"}},
     "a.tvl",
     "real.tvl",
     true},
    {"a link into another folder",
     {{"links/a.tvl", "../data/real.tvl"}},
     "links/a.tvl",
     "data/real.tvl",
     true},
    {"a dangling link", {{"link.tvl", "data/new.tvl"}}, "link.tvl", "data/new.tvl", false},
};

TEST_F(ReplaceFileTest, SavingThroughLinksWritesTheirTargetAndKeepsTheLinks) {
  for (std::size_t index = 0; index < std::size(kLinkCases); ++index) {
    const LinkCase& link = kLinkCases[index];
    const fs::path where = folder / std::to_string(index);
    fs::create_directories(where / "links");
    fs::create_directories(where / "data");
    if (link.fileExists) WriteAll(where / link.file, kOld);
    for (const auto& [name, text] : link.links) {
      fs::create_symlink(text.starts_with('/') ? where.string() + text : text, where / name);
    }
    auto expected = Snapshot(where);
    ASSERT_EQ(ReplaceFileContents(where / link.saveTo, kNew), std::nullopt) << link.what;
    auto after = Snapshot(where);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(where / link.file))) << link.what;
    EXPECT_EQ(ReadAll(where / link.file), kNew) << link.what;
    // Everything else, the links first of all, is as it was.
    expected.erase(link.file);
    after.erase(link.file);
    EXPECT_EQ(after, expected) << link.what;
  }
}

TEST_F(ReplaceFileTest, AFileWithHardLinksGetsTheNewBytesUnderEveryName) {
  const fs::path real = folder / "real.tvl";
  WriteAll(real, kOld);
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_hard_link(real, folder / "other.tvl");
  const ino_t inode = StatusOf(real).st_ino;
  ASSERT_EQ(ReplaceFileContents(real, kNew), std::nullopt);
  EXPECT_EQ(ReadAll(real), kNew);
  EXPECT_EQ(ReadAll(folder / "other.tvl"), kNew);
  EXPECT_EQ(StatusOf(folder / "other.tvl").st_ino, inode);
  EXPECT_EQ(StatusOf(real).st_mode & 0777, 0640u);
  EXPECT_EQ(Entries(), (std::set<std::string>{"other.tvl", "real.tvl"}));
}

TEST_F(ReplaceFileTest, TheOwnerAndPermissionsAreKept) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
  const fs::path path = folder / "asha.tvl";
  WriteAll(path, kOld);
  ASSERT_EQ(::chown(path.c_str(), 4321, 4322), 0);
  ASSERT_EQ(::chmod(path.c_str(), 0664), 0);
  ASSERT_EQ(ReplaceFileContents(path, kNew), std::nullopt);
  EXPECT_EQ(ReadAll(path), kNew);
  EXPECT_EQ(StatusOf(path).st_uid, 4321u);
  EXPECT_EQ(StatusOf(path).st_gid, 4322u);
  EXPECT_EQ(StatusOf(path).st_mode & 07777, 0664u);
}

TEST_F(ReplaceFileTest, TheLongestLegalNameCanBeSavedAndReplaced) {
  const std::string name = std::string(251, 'a') + ".tvl";  // 255 bytes
  ASSERT_EQ(ReplaceFileContents(folder / name, kOld), std::nullopt);
  ASSERT_EQ(ReplaceFileContents(folder / name, kNew), std::nullopt);
  EXPECT_EQ(ReadAll(folder / name), kNew);
  EXPECT_EQ(Entries(), std::set<std::string>{name});
}

TEST_F(ReplaceFileTest, LeftoversOfKilledSavesOfEarlierVersionsGoAtTheNextSave) {
  // What earlier versions left when a save of "asha.tvl" was killed before its rename.
  const std::pair<const char*, bool> leftovers[] = {
      {"asha.tvl.tmp1234567890", true},
      {"other.tvl.tmp1234", false},        // another file's, removed by its own save
      {"asha.tvl.tmp12x", false},          // no name a save chose
      {"asha.tvl.tmp12345678901", false},  // more digits than a save wrote
  };
  const timespec anHourAgo[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
  std::set<std::string> expected{"asha.tvl", "asha.tvl.tmp42"};
  WriteAll(folder / "asha.tvl.tmp42", "half");  // fresh: it may be a save running now
  for (const auto& [name, removed] : leftovers) {
    WriteAll(folder / name, "half a reading");
    ASSERT_EQ(::utimensat(AT_FDCWD, (folder / name).c_str(), anHourAgo, 0), 0);
    if (!removed) expected.insert(name);
  }
  ASSERT_EQ(ReplaceFileContents(folder / "asha.tvl", kNew), std::nullopt);
  EXPECT_EQ(Entries(), expected);
}

TEST_F(ReplaceFileTest, AFullFileSystemFailsTheSaveAndChangesNothing) {
  const fs::path shelf = folder / "shelf";
  fs::create_directory(shelf);
  if (!Mount(shelf, "tmpfs", 0, "size=64k")) {
    GTEST_SKIP() << "filling a file system takes a small tmpfs, which only root can mount";
  }
  Shelf();
  FillUp(shelf / "filler");
  ExpectEverySaveFails(shelf, "No space left on device");
}

TEST_F(ReplaceFileTest, AReadOnlyFolderFailsTheSaveAndChangesNothing) {
  const fs::path shelf = Shelf();
  if (::geteuid() != 0) {
    fs::permissions(shelf, fs::perms::owner_read | fs::perms::owner_exec);
    ExpectEverySaveFails(shelf, "Permission denied");
    return;
  }
  // Root writes into any folder whatever its permissions; a read-only mount stops it.
  if (!Mount(shelf, nullptr, MS_BIND, nullptr) ||
      !Mount(shelf, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr)) {
    GTEST_SKIP() << "root needs a read-only mount here";
  }
  ExpectEverySaveFails(shelf, "Read-only file system");
}

}  // namespace
}  // namespace tarvel
