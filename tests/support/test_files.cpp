#include "test_files.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "text/code_page.h"

namespace batchvcf::testing {

std::filesystem::path fixture_path(std::string_view name) {
    const char* folder = std::getenv("BATCHVCF_TEST_DATA");
    if (folder == nullptr) throw std::runtime_error("BATCHVCF_TEST_DATA is not set");
    return std::filesystem::path(folder) / name;
}

std::string read_bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_bytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string gbk_path(const std::filesystem::path& path) {
#ifdef _WIN32
    return std::string(gbk_from_utf16(path.u16string()));
#else
    return std::string(gbk_from_utf8(path.string()));
#endif
}

scratch_folder::scratch_folder() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    // Test programs run in parallel: a random part keeps two of them from meeting in one
    // folder, and create_directory (false when it exists) makes sure of it.
    std::random_device random;
    do {
        path_ = std::filesystem::temp_directory_path() /
                ("batchvcf-test-" + std::to_string(stamp) + "-" + std::to_string(random()) + "-" +
                 std::to_string(counter++));
    } while (!std::filesystem::create_directory(path_));
}

scratch_folder::~scratch_folder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace batchvcf::testing
