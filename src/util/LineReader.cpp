#include "util/LineReader.h"

#include <cerrno>
#include <filesystem>

#include "util/SystemPath.h"

CLineReader::CLineReader(const std::string& path) {
    // A directory opens as a stream on some systems; it is not a file to read.
    std::error_code ignored;
    if (std::filesystem::is_directory(SystemPath(path), ignored)) {
        error_ = EISDIR;
        return;
    }
    file_ = OpenFile(path, "rb");
    if (file_ == nullptr) {
        error_ = errno;
    }
}

CLineReader::~CLineReader() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

bool CLineReader::ReadPiece(std::string& piece) {
    piece.clear();
    endedLine_ = false;
    if (file_ == nullptr) {
        return false;
    }
    size_t taken = 0;
    bool cut = false;
    while (taken < kMaxPiece) {
        int c = std::getc(file_);
        if (c == EOF) {
            if (std::ferror(file_)) {
                error_ = errno != 0 ? errno : EIO;
            }
            break;
        }
        ++taken;
        if (c == '\r') {
            // CR LF, or a CR alone: either ends the line.
            const int next = std::getc(file_);
            if (next != '\n' && next != EOF) {
                std::ungetc(next, file_);
            }
            c = '\n';
        }
        if (c == '\0') {
            cut = true;
        }
        if (!cut) {
            piece += static_cast<char>(c);
        }
        if (c == '\n') {
            endedLine_ = true;
            break;
        }
    }
    if (!endedLine_ && taken > 0) {
        const int next = std::getc(file_);
        if (next == EOF) {
            endedUnfinished_ = !std::ferror(file_);
        } else {
            std::ungetc(next, file_);
        }
    }
    return taken > 0;
}
