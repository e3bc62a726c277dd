// A fresh temporary folder for tests that need files but no installed services.
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace orv::test {

struct TempFolder {
    std::filesystem::path root;

    TempFolder()
    {
        std::random_device random;
        auto base = std::filesystem::temp_directory_path();
        do
            root = base / ("orvanto-platform-" + std::to_string(random()));
        while (!std::filesystem::create_directory(root));
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
};

}  // namespace orv::test
