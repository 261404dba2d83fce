#include "support/test_files.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

TempDir::TempDir()
{
    static std::atomic<unsigned> serial{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    root_ = fs::temp_directory_path() / ("qv-test-" + std::to_string(stamp) + "-" + std::to_string(serial++));
    fs::create_directories(root_);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root_, ignored);
}

std::string TempDir::path(const std::string& name) const
{
    return (root_ / name).make_preferred().string();
}

std::string patternBytes(std::size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    unsigned state = 2463534242u + seed;
    for (char& c : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        c = static_cast<char>(state & 0xFF);
    }
    return bytes;
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool fileExists(const std::string& path)
{
    return fs::exists(fs::path(path));
}
