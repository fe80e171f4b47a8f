#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

namespace tarvel::testing {

/// The whole content of a file, or "" when it cannot be read.
inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

inline void WriteAll(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

/// Each test works in a folder of its own under the system's temporary folder, removed
/// afterwards.
class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::temp_directory_path() /
             ("tvl_" + std::string(test->name()) + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(folder, ignored);
  }

  /// The names in `where` (the test's folder by default), hidden ones included.
  std::set<std::string> Entries(const std::filesystem::path& where = {}) const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(where.empty() ? folder : where)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  std::filesystem::path folder;
};

}  // namespace tarvel::testing
