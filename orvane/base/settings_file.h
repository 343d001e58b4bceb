// The settings file on disk: reading it whole, locking it, and replacing it all at once. Internal
// to the settings file: not part of the library's interface, and not in the umbrella header.
//
//   const std::string target = writeTarget(path);      // a symbolic link's file
//   const FileDescriptor lock = lockFor(target);        // held until `lock` is destroyed
//   readFile(target, bytes, reason);
//   WriteFailure failure;
//   if (!replaceFile(target, edited, failure)) ... failure.action, failure.reason ...
//
// Reading never creates anything. Writers serialise on an advisory lock of "<file>.lock", which
// stays beside the file: removing it would let two writers lock different files. A writer writes
// the new contents to the one temporary file "<file>.tmp" and renames it over the file; it makes
// that file afresh only while it holds the lock, so a writer killed midway leaves at most that one
// file, which the next writer replaces.
#ifndef ORVANE_BASE_SETTINGS_FILE_H
#define ORVANE_BASE_SETTINGS_FILE_H

#include <string>
#include <string_view>

namespace orvane::settings {

// Why a write failed: what was being done ("creating the temporary file registry.ini.tmp"; empty
// when the file itself may not be written) and the system's reason ("Permission denied").
struct WriteFailure {
    std::string action;
    std::string reason;
};

// Owns a file descriptor and closes it.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : m_fd(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&&) = delete;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();

    bool valid() const { return m_fd >= 0; }
    int get() const { return m_fd; }
    int release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

enum class FileState { Read, Missing, Unreadable };

// What tells one version of a file from another without reading it: its identity, size, and the
// times of its last change of contents (mtime) and of anything (ctime), to the nanosecond.
struct FileStamp {
    unsigned long device = 0;
    unsigned long inode = 0;
    long long size = -1;
    long long modifiedNs = 0;
    long long changedNs = 0;
    bool operator==(const FileStamp& other) const;
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

// The stamp of the file at `path` (a symbolic link is followed); false when it cannot be had.
bool stampOf(const std::string& path, FileStamp& stamp);

// Reads the whole file at `path` into `bytes`. A file that does not exist is Missing; one that
// exists but cannot be read (no permission, not a regular file, a read error) is Unreadable, with
// the system's reason in `reason`. A FIFO does not make the read wait. When `stamp` is not null
// it gets the file's stamp as it was when the reading ended (size -1 when unknown).
FileState readFile(const std::string& path, std::string& bytes, std::string& reason,
                   FileStamp* stamp = nullptr);

// The file that a set replaces: the target of a symbolic link, so that the link stays a link.
std::string writeTarget(const std::string& path);

// Creates the folders above `path` that are missing; false, saying why, when that fails.
bool makeFolders(const std::string& path, WriteFailure& failure);

// Whether this process may replace the file at `path` (true when there is none): it must be
// writable for the effective user, and it must have a write bit, which also holds for root.
// False, saying why, when not.
bool mayReplace(const std::string& path, WriteFailure& failure);

// An exclusive advisory lock on "<path>.lock", held while the returned descriptor lives; invalid,
// saying why, when the lock file cannot be opened or locked.
FileDescriptor lockFor(const std::string& path, WriteFailure& failure);

// The one temporary file of the file at `path`: "<path>.tmp".
std::string temporaryPathFor(const std::string& path);

// Replaces the file at `path` by `bytes` all at once; call it with the lock held. The temporary
// file is removed and made anew (a stale one may belong to anybody and have any mode), gets the
// bytes and the old file's mode (0644 for a new file) and, when we may give it, its owner; it is
// flushed to disk and renamed over the old file. Temporary files "<path>.new-XXXXXX" that
// writers of earlier versions may have left are removed first. On failure, saying why, the
// temporary file is removed and the old file is untouched.
bool replaceFile(const std::string& path, std::string_view bytes, WriteFailure& failure);

}  // namespace orvane::settings

#endif
