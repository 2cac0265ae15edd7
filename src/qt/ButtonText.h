#pragma once
// Buttons laid out in the description's measures, with the text of a font that may be wider than
// those measures assumed (Windows' Tahoma): how much room a text needs, and narrowing it to fit.
class QPushButton;
class QWidget;

// The width the button's text needs, with the style's margins and frame: its longest line, a
// mnemonic's "&" not counted. (The size hint is no measure: it has the style's least button
// width, wider than many of these buttons are meant to be.)
int ButtonTextWidth(const QPushButton* button);

// Each button of `window` whose text would be cut off takes a narrower face of its font, as far
// as condensed, until it fits.
void FitButtonTexts(QWidget* window);
