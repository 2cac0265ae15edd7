#pragma once
// Many short texts kept one after the other in one string, found by their number. A vector of
// strings makes one allocation per text, spread over the heap; for the texts of a large studio
// that bookkeeping and scattering grew faster than the studio itself.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CTextTable {
public:
    void Reserve(std::size_t texts, std::size_t characters) {
        ends_.reserve(texts);
        characters_.reserve(characters);
    }

    // The text's number: the count of texts before it.
    std::size_t Add(std::string_view text) {
        characters_ += text;
        ends_.push_back(characters_.size());
        return ends_.size() - 1;
    }

    // Valid until the next Add.
    std::string_view operator[](std::size_t number) const {
        const std::size_t start = number == 0 ? 0 : ends_[number - 1];
        return std::string_view(characters_).substr(start, ends_[number] - start);
    }

    std::size_t size() const { return ends_.size(); }

private:
    std::string characters_;
    std::vector<std::size_t> ends_;  // where each text ends in characters_
};
