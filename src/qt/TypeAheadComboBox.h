#pragma once
// The type-ahead person box on screen: a combo box whose text the user types into. Letters,
// digits, blank, comma and Backspace change the typed text, open the drop-down and scroll it to
// the first name beginning with that text; the chosen line stays as it was.
#include <QComboBox>

class CTypeAheadBox;

class CTypeAheadComboBox : public QComboBox {
    Q_OBJECT
public:
    CTypeAheadComboBox(CTypeAheadBox& box, QWidget* parent);

    // Shows the box's lines, its chosen line and its text.
    void Render();
    // Takes the text shown into the box.
    void ReadText();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CTypeAheadBox& box_;
};
