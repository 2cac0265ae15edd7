#include "qt/QtTextMeasure.h"

#include "qt/QtText.h"

CQtTextMeasure::CQtTextMeasure(const QFont& font, QPaintDevice* device) : metrics_(font, device) {}

int CQtTextMeasure::TextWidth(const std::string& text) const {
    return metrics_.horizontalAdvance(ToQt(text));
}

int CQtTextMeasure::TextHeight(const std::string&) const {
    return metrics_.height();
}
