#pragma once
// A fresh directory (under /tmp unless told) for one test, removed with everything in it.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <thread>

using Files = std::map<std::string, std::string>;  // name -> content

// The ordinary files of a directory, each with its content. A FUSE mount
// keeps a file removed while a killed process still held it under a hidden
// name until it handles the release, which it does in its own time: wait
// for that (a file still there after five seconds is listed).
inline Files FilesIn(const std::string& dir) {
    for (int wait = 0;; ++wait) {
        Files files;
        bool releasePending = false;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            if (!entry.is_regular_file()) continue;
            const std::string name = entry.path().filename().string();
            releasePending |= name.starts_with(".fuse_hidden");
            std::ifstream in(entry.path());
            files[name] = {std::istreambuf_iterator<char>(in), {}};
        }
        if (!releasePending || wait == 100) return files;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
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
