#pragma once
// Saving a file so that a crash or a full disk never leaves it half written.
#include <cstddef>
#include <cstdio>
#include <string>

// Replaces the file at `path` by `bytes`: they go to a temporary file beside it, are flushed to
// the disk and then renamed over the old file, so the file is always either the old one or the
// new one, whole. The new file keeps the old one's access rights, and a symbolic link is written
// through. On failure the old file is unchanged, the temporary file is removed, and `error` says
// why.
bool ReplaceFileContents(const std::string& path, const std::string& bytes, std::string& error);

// The temporary file that ReplaceFileContents writes first.
std::string ReplacementPathFor(const std::string& path);
// Removes the temporary file that a save cut short by a crash left beside `path`; the file at
// `path` itself is whole, old or new.
void RemoveLeftoverReplacement(const std::string& path);

// The file-system calls a save makes, so that tests can make each of them fail as a real disk
// does (a folder without write access, a disk that fills up half way, a refused rename). Each
// call returns 0 or an errno value.
class CSaveFileSystem {
public:
    virtual ~CSaveFileSystem() = default;
    virtual int Create(const std::string& path, std::FILE*& file);
    // Writes all of `size` bytes, or fails.
    virtual int Write(std::FILE* file, const char* data, std::size_t size);
    // Flushes the written bytes to the disk.
    virtual int Flush(std::FILE* file);
    virtual int Close(std::FILE* file);
    virtual int Rename(const std::string& from, const std::string& to);
};

// The calls in use: the real ones, unless a test has put others in place.
CSaveFileSystem& SaveFileSystem();

// Puts `fileSystem` in place for its lifetime.
class CSaveFileSystemOverride {
public:
    explicit CSaveFileSystemOverride(CSaveFileSystem& fileSystem);
    ~CSaveFileSystemOverride();
    CSaveFileSystemOverride(const CSaveFileSystemOverride&) = delete;
    CSaveFileSystemOverride& operator=(const CSaveFileSystemOverride&) = delete;

private:
    CSaveFileSystem* previous_;
};
