#pragma once
// How wide and how high a text is on the device that shows it, in that device's units: what
// the report's line wrapping asks of a screen or a printer.
#include <string>

class CTextMeasure {
public:
    virtual ~CTextMeasure() = default;
    virtual int TextWidth(const std::string& text) const = 0;
    virtual int TextHeight(const std::string& text) const = 0;
};
