#include "support/TempDir.h"

#include <fstream>
#include <random>
#include <sstream>

namespace brevolt::testing {
namespace fs = std::filesystem;

namespace {

std::string ToUtf8(const fs::path& path) {
    const auto text = path.u8string();
    return {text.begin(), text.end()};
}

fs::path FromUtf8(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

}  // namespace

TempDir::TempDir() {
    std::random_device random;
    path_ = fs::temp_directory_path() / ("brevolt-test-" + std::to_string(random()));
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string TempDir::File(const std::string& name) const {
    return ToUtf8(path_ / FromUtf8(name));
}

void TempDir::BlockFile(const std::string& name) const {
    fs::remove_all(path_ / FromUtf8(name));
    fs::create_directory(path_ / FromUtf8(name));
}

void TempDir::RemoveFile(const std::string& name) const {
    fs::remove_all(path_ / FromUtf8(name));
}

std::string TempDir::Path() const {
    return ToUtf8(path_ / "");
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(FromUtf8(path), std::ios::binary);
    if (!in) {
        return "<missing>";
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(FromUtf8(path), std::ios::binary) << bytes;
}

}  // namespace brevolt::testing
