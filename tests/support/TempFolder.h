// A fresh folder for one test: made under the system's temporary folder with a name that no other
// process can have, and removed with everything in it at the end of its scope. Tests run in
// parallel, each in its own process, so every file a test writes goes into a folder of its own.
#pragma once

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>

namespace testing_support {

class TempFolder {
public:
    // A random name, made only when no folder has it (create_directory is atomic), as mkdtemp
    // does on the systems that have it.
    TempFolder()
    {
        std::random_device random;
        std::error_code error;
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::filesystem::path candidate = base / ("kipto2-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate, error)) {
                path = candidate.string();
                return;
            }
        }
        throw std::runtime_error("no temporary folder could be made");
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string file(const std::string& name) const { return path + "/" + name; }

    std::string path;
};

} // namespace testing_support
