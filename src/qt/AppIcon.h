#pragma once
// The program's icon: a dancing couple on a ballroom floor, drawn in code so that it is sharp at
// every size the window system asks for.
#include <QIcon>
#include <QPixmap>

// The icon drawn into a square of `size` pixels.
QPixmap TavorinIconPixmap(int size);
// The icon at the sizes window systems use (16 to 256 pixels).
QIcon TavorinIcon();
