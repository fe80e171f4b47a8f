#include "files/save_temp_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "files/replace_file.h"
#include "tests/form/temp_folder.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBytes = "new reading\r\n";

class SaveTempFileTest : public testing::TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    folderFd = UniqueFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    ASSERT_TRUE(folderFd.Valid());
  }

  // A save that is killed once it has written its bytes, before the rename.
  void KilledSave(TempFileKind kind) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      auto created = SaveTempFile::Create(folderFd.Get(), kind);
      if (auto* temp = std::get_if<SaveTempFile>(&created)) {
        if (::write(temp->Fd(), kBytes.data(), kBytes.size()) > 0) ::raise(SIGKILL);
      }
      ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  }

  UniqueFd folderFd;
};

void AgeBy(const fs::path& path, std::time_t seconds) {
  const timespec then{std::time(nullptr) - seconds, 0};
  const timespec times[2] = {then, then};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

TEST_F(SaveTempFileTest, EitherKindReplacesTheTargetAndLeavesNothingElse) {
  for (TempFileKind kind : {TempFileKind::Unnamed, TempFileKind::Named}) {
    auto created = SaveTempFile::Create(folderFd.Get(), kind);
    ASSERT_TRUE(std::holds_alternative<SaveTempFile>(created));
    SaveTempFile& temp = std::get<SaveTempFile>(created);
    EXPECT_EQ(temp.Kind(), kind) << "this file system lacks unnamed files";
    ASSERT_EQ(::write(temp.Fd(), kBytes.data(), kBytes.size()), ssize_t(kBytes.size()));
    ASSERT_EQ(temp.ReplaceTarget("asha.tvl"), 0);
    EXPECT_EQ(Entries(), std::set<std::string>{"asha.tvl"});
    EXPECT_EQ(testing::ReadAll(folder / "asha.tvl"), kBytes);
  }
}

TEST_F(SaveTempFileTest, AKilledSaveWithAnUnnamedFileLeavesNothing) {
  KilledSave(TempFileKind::Unnamed);
  EXPECT_TRUE(Entries().empty());
}

TEST_F(SaveTempFileTest, WhatAKilledSaveLeftGoesAtTheNextSaveOnceItIsStale) {
  KilledSave(TempFileKind::Named);
  const auto leftovers = Entries();
  ASSERT_EQ(leftovers.size(), 1u);
  const std::string leftover = *leftovers.begin();
  EXPECT_TRUE(leftover.starts_with(kTempNamePrefix)) << leftover;
  EXPECT_LT(leftover.size(), 32u);

  // A fresh one may be a save running in another program.
  ASSERT_EQ(ReplaceFileContents(folder / "asha.tvl", kBytes), std::nullopt);
  EXPECT_EQ(Entries(), (std::set<std::string>{"asha.tvl", leftover}));

  AgeBy(folder / leftover, kStaleTempSeconds);
  ASSERT_EQ(ReplaceFileContents(folder / "other.tvl", kBytes), std::nullopt);
  EXPECT_EQ(Entries(), (std::set<std::string>{"asha.tvl", "other.tvl"}));
}

}  // namespace
}  // namespace tarvel
