// A directory of its own for one test, removed with everything in it when the test ends.
#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>

namespace zelmarino::platform::testing_support {

class ScratchDir {
public:
    explicit ScratchDir(const std::string& label) {
        std::random_device seed;
        m_path = std::filesystem::temp_directory_path() /
                 ("zelmarino " + label + " " + std::to_string(seed()));
        std::filesystem::create_directories(m_path);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    ScratchDir(ScratchDir&&) = delete;
    ScratchDir& operator=(ScratchDir&&) = delete;
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }

    // Writes `text` to the file `name` below the directory and returns its full path.
    [[nodiscard]] std::filesystem::path write(const std::filesystem::path& name,
                                              const std::string& text,
                                              bool executable = false) const {
        auto file = m_path / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
        if (executable) {
            std::filesystem::permissions(file, std::filesystem::perms::owner_exec,
                                         std::filesystem::perm_options::add);
        }
        return file;
    }

private:
    std::filesystem::path m_path;
};

// Waits up to `limit` for a file that a started program writes.
inline bool appears(const std::filesystem::path& file,
                    std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!std::filesystem::exists(file)) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

} // namespace zelmarino::platform::testing_support
