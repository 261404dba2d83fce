#pragma once
#include <filesystem>
#include <string>

// A fresh, empty directory for one test, removed with everything in it afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The full path of `name` inside the directory, with the platform's separators.
    std::string path(const std::string& name) const;
    const std::filesystem::path& root() const { return root_; }

private:
    std::filesystem::path root_;
};

// `size` bytes in which every position holds a different value from its neighbours, so a
// byte out of place shows.
std::string patternBytes(std::size_t size, unsigned seed = 0);

void writeFile(const std::string& path, const std::string& bytes);
// The whole content of a file; empty when it cannot be read.
std::string readFile(const std::string& path);
bool fileExists(const std::string& path);
