#pragma once
// Text measured with a Qt font on a screen or a printer, for the report's wrapping and pages.
#include <QFontMetrics>

#include "platform/TextMeasure.h"

class QPaintDevice;

class CQtTextMeasure : public CTextMeasure {
public:
    // Measures on `device` (a printer has its own resolution), or on the screen for nullptr.
    CQtTextMeasure(const QFont& font, QPaintDevice* device);

    int TextWidth(const std::string& text) const override;
    // One line of the font, whatever the text: an empty line is as high as any other.
    int TextHeight(const std::string& text) const override;

    const QFontMetrics& Metrics() const { return metrics_; }

private:
    QFontMetrics metrics_;
};
