#pragma once

#include <filesystem>
#include <string>

namespace brevolt::testing {

// A fresh directory for one test, removed with everything in it when the test ends.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The path of a file in the directory, in the platform's form (UTF-8).
    std::string File(const std::string& name) const;
    // Puts a directory where the file would go, so that writing the file fails.
    void BlockFile(const std::string& name) const;
    void RemoveFile(const std::string& name) const;
    // The directory's path with a trailing separator.
    std::string Path() const;

  private:
    std::filesystem::path path_;
};

// The whole content of a file, or "<missing>".
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace brevolt::testing
