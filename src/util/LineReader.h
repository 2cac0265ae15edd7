#pragma once
// Reads a text file line by line the way both file formats are read: at most 16383 bytes at a
// time (a longer line arrives in pieces), a line feed that ends a piece kept, CR LF read as LF.
#include <cstdio>
#include <string>

class CLineReader {
public:
    static constexpr size_t kMaxPiece = 16383;

    explicit CLineReader(const std::string& path);
    ~CLineReader();
    CLineReader(const CLineReader&) = delete;
    CLineReader& operator=(const CLineReader&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    // The next piece, or false at the end of the file. A piece is cut at its first NUL byte:
    // texts never carry one.
    bool ReadPiece(std::string& piece);
    // The errno of a failed open or read (a disk error, say), or 0: the end of a file that
    // could not be read to its end is no end of its data.
    int Error() const { return error_; }

private:
    std::FILE* file_ = nullptr;
    int error_ = 0;
};
