#pragma once
// Reads a text file line by line the way both file formats are read: at most 16383 bytes at a
// time (a longer line arrives in pieces), a line end that ends a piece kept as LF. CR LF, LF and
// a CR alone all end a line: files saved on an old Mac or by a careless tool still read whole.
#include <cstdio>
#include <string>

class CLineReader {
public:
    static constexpr size_t kMaxPiece = 16383;
    // The longest line, without its line end, that a reader takes as one piece.
    static constexpr size_t kMaxWholeLine = kMaxPiece - 1;

    explicit CLineReader(const std::string& path);
    ~CLineReader();
    CLineReader(const CLineReader&) = delete;
    CLineReader& operator=(const CLineReader&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    // The next piece, or false at the end of the file. A piece is cut at its first NUL byte:
    // texts never carry one.
    bool ReadPiece(std::string& piece);
    // Whether the piece last read ended with a line end; false for the last piece of a file that
    // stops in the middle of a line (and for the first pieces of an over-long line).
    bool PieceEndedLine() const { return endedLine_; }
    // Whether the piece last read is the end of a file whose last line has no line end.
    bool FileEndsInThisPiece() const { return endedUnfinished_; }
    // The errno of a failed open or read (a disk error, say), or 0: the end of a file that
    // could not be read to its end is no end of its data.
    int Error() const { return error_; }

private:
    std::FILE* file_ = nullptr;
    int error_ = 0;
    bool endedLine_ = false;
    bool endedUnfinished_ = false;
};
