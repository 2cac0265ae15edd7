#pragma once
// Where a listing's lines go: a list of lines (a window, a file written line by line), one text
// (what is printed or mailed), or pages. Written straight into one text, a large listing needs
// no string per line first.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "util/Text.h"

class CLineSink {
public:
    virtual ~CLineSink() = default;
    virtual void Line(std::string_view line) = 0;
    // Where a new page begins; in a text or a list of lines, an empty line between the two.
    virtual void PageBreak() = 0;
    // About how many lines are coming, so that nothing moves as they arrive.
    virtual void ExpectLines(std::size_t count) = 0;
};

class CLinesSink : public CLineSink {
public:
    explicit CLinesSink(CStringList& lines) : lines_(lines) {}
    void Line(std::string_view line) override { lines_.emplace_back(line); }
    void PageBreak() override;
    void ExpectLines(std::size_t count) override { lines_.reserve(lines_.size() + count); }

private:
    CStringList& lines_;
};

// Each line followed by `lineEnd`.
class CTextSink : public CLineSink {
public:
    CTextSink(std::string& text, std::string_view lineEnd) : text_(text), lineEnd_(lineEnd) {}
    void Line(std::string_view line) override;
    void PageBreak() override;
    void ExpectLines(std::size_t count) override;

private:
    std::string& text_;
    std::string_view lineEnd_;
};

class CPagesSink : public CLineSink {
public:
    explicit CPagesSink(std::vector<CStringList>& pages) : pages_(pages) {}
    void Line(std::string_view line) override;
    void PageBreak() override { pages_.emplace_back(); }
    void ExpectLines(std::size_t) override {}

private:
    std::vector<CStringList>& pages_;
};
