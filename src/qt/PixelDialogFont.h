#pragma once
// The font of the dialogs whose layout is given in pixels (the list dialog, "Enter text"). Their
// pixel sizes were made for an 8-point dialog font with a character cell of 6 by 13 pixels; this
// is the platform's sans at 8 points, narrowed until its letters are no wider than that, so that
// texts such as "OK/Select" fit their buttons.
#include <QFont>

QFont PixelDialogFont();
