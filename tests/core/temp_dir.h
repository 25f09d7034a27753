#pragma once
// A fresh directory (under /tmp unless told) for one test, removed with everything in it.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

using Files = std::map<std::string, std::string>;  // name -> content

// The ordinary files of a directory, each with its content.
inline Files FilesIn(const std::string& dir) {
    Files files;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path());
        files[entry.path().filename().string()] = {std::istreambuf_iterator<char>(in), {}};
    }
    return files;
}

struct TempDir {
    std::string path;
    explicit TempDir(const std::string& under = "/tmp") : path(mkdtemp((under + "/morvane-test-XXXXXX").data())) {}
    // Cleanup must not abort the test run: a FUSE file system under load can
    // refuse a removal (EPERM on the FAT driver), and its mount goes anyway.
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string At(const std::string& name) const { return path + "/" + name; }
    void Write(const std::string& name, const std::string& content) const { std::ofstream(At(name)) << content; }
    Files List() const { return FilesIn(path); }
};
