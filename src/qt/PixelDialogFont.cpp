#include "qt/PixelDialogFont.h"

#include <QApplication>

#include "qt/DialogUnits.h"

QFont PixelDialogFont() {
    constexpr int kClassicCharWidth = 6;
    QFont font = QApplication::font();
    font.setPointSize(8);
    for (const int stretch : {QFont::Unstretched, QFont::SemiCondensed, QFont::Condensed}) {
        font.setStretch(stretch);
        if (CDialogUnits(font).BaseX() <= kClassicCharWidth) {
            break;
        }
    }
    return font;
}
