// Writes the program's icon as PNG files for the desktop's icon theme: DIR/<N>x<N>/apps/tavorin.png.
// Run at build time, offscreen; the icon is drawn by the same code the program uses.
#include <QApplication>
#include <QDir>

#include "qt/AppIcon.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = root + QStringLiteral("/%1x%1/apps").arg(size);
        if (!QDir().mkpath(folder) ||
            !TavorinIconPixmap(size).save(folder + QStringLiteral("/tavorin.png"))) {
            return 1;
        }
    }
    return 0;
}
