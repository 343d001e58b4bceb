#include "orvane/base/settings_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

#include "orvane/base/char_class.h"

namespace orvane::settings {
namespace {

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool fail(WriteFailure& failure, std::string action, int error) {
    failure.action = std::move(action);
    failure.reason = std::generic_category().message(error);
    return false;
}

// Whether `name` is "<base>.new-" and six letters or digits: mkstemp's temporary names.
bool isOldTemporaryName(std::string_view name, std::string_view base) {
    const std::string_view infix = ".new-";
    if (name.size() != base.size() + infix.size() + 6) return false;
    if (name.substr(0, base.size()) != base || name.substr(base.size(), infix.size()) != infix) {
        return false;
    }
    for (const char c : name.substr(base.size() + infix.size())) {
        if (!orvane::chars::isLetterOrDigit(c)) return false;
    }
    return true;
}

// Removes the temporary files of earlier versions beside `path`. Writers of those versions lock
// the same lock file, so none of them is writing while we hold it. What cannot be listed or
// removed is left.
void removeOldTemporaries(const std::string& path) {
    const std::string base = baseNameOf(path);
    std::error_code error;
    std::filesystem::directory_iterator entry(folderOf(path), error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (isOldTemporaryName(name, base)) ::unlink(entry->path().c_str());
    }
}

long long nanoseconds(const struct timespec& time) {
    return static_cast<long long>(time.tv_sec) * 1000000000LL + time.tv_nsec;
}

FileStamp stampFrom(const struct stat& status) {
    FileStamp stamp;
    stamp.device = static_cast<unsigned long>(status.st_dev);
    stamp.inode = static_cast<unsigned long>(status.st_ino);
    stamp.size = static_cast<long long>(status.st_size);
    stamp.modifiedNs = nanoseconds(status.st_mtim);
    stamp.changedNs = nanoseconds(status.st_ctim);
    return stamp;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

bool FileStamp::operator==(const FileStamp& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modifiedNs == other.modifiedNs && changedNs == other.changedNs;
}

bool stampOf(const std::string& path, FileStamp& stamp) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return false;
    stamp = stampFrom(status);
    return true;
}

FileDescriptor::~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
}

FileState readFile(const std::string& path, std::string& bytes, std::string& reason,
                   FileStamp* stamp) {
    bytes.clear();
    if (stamp != nullptr) *stamp = FileStamp();
    // O_NONBLOCK: a FIFO at the path must not make a read wait for a writer.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.valid()) {
        if (errno == ENOENT || errno == ENOTDIR) return FileState::Missing;
        reason = std::generic_category().message(errno);
        return FileState::Unreadable;
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) {
        reason = std::generic_category().message(errno);
        return FileState::Unreadable;
    }
    if (!S_ISREG(status.st_mode)) {
        reason = S_ISDIR(status.st_mode) ? "it is a folder" : "not a regular file";
        return FileState::Unreadable;
    }
    std::size_t size = 0;
    bytes.resize(static_cast<std::size_t>(status.st_size) + 4096);
    for (;;) {
        if (size == bytes.size()) bytes.resize(bytes.size() * 2);
        const ssize_t n = ::read(fd.get(), bytes.data() + size, bytes.size() - size);
        if (n > 0) {
            size += static_cast<std::size_t>(n);
        } else if (n == 0) {
            bytes.resize(size);
            struct stat after {};
            if (stamp != nullptr && ::fstat(fd.get(), &after) == 0) *stamp = stampFrom(after);
            return FileState::Read;
        } else if (errno != EINTR) {
            reason = std::generic_category().message(errno);
            bytes.clear();
            return FileState::Unreadable;
        }
    }
}

std::string writeTarget(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                               &std::free);
        if (real) return real.get();
    }
    return path;
}

bool makeFolders(const std::string& path, WriteFailure& failure) {
    std::error_code error;
    std::filesystem::create_directories(folderOf(path), error);
    if (!error) return true;
    failure.action = "creating its folder";
    failure.reason = error.message();
    return false;
}

bool mayReplace(const std::string& path, WriteFailure& failure) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return errno == ENOENT || fail(failure, "examining it", errno);
    }
    // The effective ids decide, as they do for open(2); root passes this test for any file.
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return fail(failure, "", errno);
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        failure.action.clear();
        failure.reason = "the file is read-only";
        return false;
    }
    return true;
}

FileDescriptor lockFor(const std::string& path, WriteFailure& failure) {
    const std::string lockPath = path + ".lock";
    const int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | flags, 0644);
    // A lock file made by another user may be read-only for us; flock works on any descriptor.
    if (fd < 0) fd = ::open(lockPath.c_str(), O_RDONLY | flags);
    FileDescriptor lock(fd);
    if (!lock.valid()) {
        fail(failure, "opening the lock file " + baseNameOf(lockPath), errno);
        return lock;
    }
    while (::flock(lock.get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            fail(failure, "locking the lock file " + baseNameOf(lockPath), errno);
            return FileDescriptor();
        }
    }
    return lock;
}

std::string temporaryPathFor(const std::string& path) {
    return path + ".tmp";
}

bool replaceFile(const std::string& path, std::string_view bytes, WriteFailure& failure) {
    mode_t mode = 0644;
    struct stat status {};
    const bool existed = ::stat(path.c_str(), &status) == 0;
    if (existed) mode = status.st_mode & 07777;

    removeOldTemporaries(path);
    const std::string temporary = temporaryPathFor(path);
    const std::string shown = "the temporary file " + baseNameOf(temporary);
    if (::unlink(temporary.c_str()) != 0 && errno != ENOENT) {
        return fail(failure, "removing " + shown, errno);
    }
    // O_EXCL: a file of our own, never one that another process put there in the meantime.
    FileDescriptor fd(
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600));
    if (!fd.valid()) return fail(failure, "creating " + shown, errno);
    if (existed && (status.st_uid != ::geteuid() || status.st_gid != ::getegid())) {
        // Only root may give a file away; for anybody else the new file simply stays theirs.
        [[maybe_unused]] const int given = ::fchown(fd.get(), status.st_uid, status.st_gid);
    }
    std::string action;
    if (!writeAll(fd.get(), bytes)) {
        action = "writing " + shown;
    } else if (::fchmod(fd.get(), mode) != 0) {
        action = "setting the mode of " + shown;
    } else if (::fsync(fd.get()) != 0 || ::close(fd.release()) != 0) {
        action = "flushing " + shown + " to disk";
    } else if (::rename(temporary.c_str(), path.c_str()) != 0) {
        action = "renaming " + shown + " over it";
    }
    if (!action.empty()) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return fail(failure, action, error);
    }
    // Make the rename itself durable; some file systems cannot sync a folder, which is harmless.
    const FileDescriptor folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid()) ::fsync(folder.get());
    return true;
}

}  // namespace orvane::settings
