#pragma once
// Dialog units, in which dialog layouts are given, converted to pixels from the dialog's font:
// a horizontal unit is a quarter of the average character width, a vertical unit an eighth of
// the character height.
#include <QFont>
#include <QRect>

class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);

    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int width, int height) const;

    int BaseX() const { return baseX_; }
    int BaseY() const { return baseY_; }

private:
    int baseX_;
    int baseY_;
};
