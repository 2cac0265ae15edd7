#include "qt/ButtonText.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace {

int TextWidth(const QFont& font, const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    shown.remove(QLatin1Char('&'));
    shown.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& line : shown.split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

int Margins(const QPushButton* button) {
    const QStyle* style = button->style();
    return style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
}

}  // namespace

int ButtonTextWidth(const QPushButton* button) {
    return TextWidth(button->font(), button->text()) + Margins(button);
}

void FitButtonTexts(QWidget* window) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        for (const int stretch : {QFont::SemiCondensed, QFont::Condensed}) {
            if (button->text().isEmpty() || ButtonTextWidth(button) <= button->width()) {
                break;
            }
            QFont narrower = button->font();
            narrower.setStretch(stretch);
            button->setFont(narrower);
        }
    }
}
