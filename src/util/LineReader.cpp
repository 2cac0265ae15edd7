#include "util/LineReader.h"

#include <sys/stat.h>

#include <cerrno>

CLineReader::CLineReader(const std::string& path) {
    // A directory opens as a stream on some systems; it is not a file to read.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        error_ = EISDIR;
        return;
    }
    file_ = std::fopen(path.c_str(), "rb");
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
            const int next = std::getc(file_);
            if (next == '\n') {
                c = '\n';
            } else if (next != EOF) {
                std::ungetc(next, file_);
            }
        }
        if (c == '\0') {
            cut = true;
        }
        if (!cut) {
            piece += static_cast<char>(c);
        }
        if (c == '\n') {
            break;
        }
    }
    return taken > 0;
}
