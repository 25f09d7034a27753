#pragma once
// Owning holders of a file descriptor and of a directory stream: closed
// exactly once, on every path, and never copied.
#include <dirent.h>
#include <unistd.h>

#include <utility>

namespace morvane {

class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.Release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { Reset(); }

    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    explicit operator bool() const { return Valid(); }
    // Gives the descriptor up without closing it.
    int Release() { return std::exchange(fd_, -1); }
    void Reset(int fd = -1) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_ = -1;
};

class UniqueDir {
public:
    UniqueDir() = default;
    explicit UniqueDir(DIR* dir) : dir_(dir) {}
    UniqueDir(UniqueDir&& other) noexcept : dir_(std::exchange(other.dir_, nullptr)) {}
    UniqueDir& operator=(UniqueDir&& other) noexcept {
        if (this != &other) {
            Reset();
            dir_ = std::exchange(other.dir_, nullptr);
        }
        return *this;
    }
    UniqueDir(const UniqueDir&) = delete;
    UniqueDir& operator=(const UniqueDir&) = delete;
    ~UniqueDir() { Reset(); }

    DIR* Get() const { return dir_; }
    explicit operator bool() const { return dir_ != nullptr; }
    // The descriptor the stream reads from; it stays the stream's.
    int Fd() const { return dir_ ? ::dirfd(dir_) : -1; }
    void Reset() {
        if (dir_) ::closedir(dir_);
        dir_ = nullptr;
    }

private:
    DIR* dir_ = nullptr;
};

}  // namespace morvane
