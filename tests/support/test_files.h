#pragma once
// Files for tests: the fixtures under tests/data and a scratch folder removed at the end.

#include <filesystem>
#include <string>
#include <string_view>

namespace batchvcf::testing {

// tests/data/<name>, found through BATCHVCF_TEST_DATA.
std::filesystem::path fixture_path(std::string_view name);
std::string read_bytes(const std::filesystem::path& path);
void write_bytes(const std::filesystem::path& path, std::string_view bytes);

// The path as the window hands it to the core: code page 936 bytes.
std::string gbk_path(const std::filesystem::path& path);

class scratch_folder {
  public:
    scratch_folder();
    ~scratch_folder();
    scratch_folder(const scratch_folder&) = delete;
    scratch_folder& operator=(const scratch_folder&) = delete;

    const std::filesystem::path& path() const noexcept { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

}  // namespace batchvcf::testing
