#include "platform/qt/QtTextMeasure.h"

#include "platform/qt/QtText.h"

CQtTextMeasure::CQtTextMeasure(const QFont& font, QPaintDevice* device) : metrics_(font, device) {}

int CQtTextMeasure::TextWidth(const std::string& text) const {
    return metrics_.horizontalAdvance(ToQt(text));
}

int CQtTextMeasure::TextHeight(const std::string&) const {
    return metrics_.height();
}
