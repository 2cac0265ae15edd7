#include "util/LineSink.h"

void CLinesSink::PageBreak() {
    if (!lines_.empty()) {
        lines_.emplace_back();
    }
}

void CTextSink::Line(std::string_view line) {
    text_ += line;
    text_ += lineEnd_;
}

void CTextSink::PageBreak() {
    if (!text_.empty()) {
        text_ += lineEnd_;
    }
}

void CTextSink::ExpectLines(std::size_t count) {
    // Most lines of a report or a statement are shorter than this.
    text_.reserve(text_.size() + count * 80);
}

void CPagesSink::Line(std::string_view line) {
    if (pages_.empty()) {
        pages_.emplace_back();
    }
    pages_.back().emplace_back(line);
}
