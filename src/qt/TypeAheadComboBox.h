#pragma once
// The type-ahead person box on screen: a combo box whose text the user types into. Letters,
// digits, blank, comma, Backspace and the accented letters of the keyboard change the typed text,
// open the drop-down and scroll it to the first name beginning with that text (accents aside);
// the chosen line stays as it was. Enter takes a marked line only; with none marked, Enter and
// Tab close the drop-down on the typed text.
#include <QComboBox>

class CTypeAheadBox;
class QKeyEvent;

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
    bool LeaveWithTypedText(const QKeyEvent& key);

    CTypeAheadBox& box_;
};
