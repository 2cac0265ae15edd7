#include "qt/QtPath.h"

#include <QDir>
#include <QFile>

// Windows names files in Unicode and the core takes them as UTF-8 there; the ANSI code page of
// QFile's encoding would turn the letters outside it into "?". Qt's "/" becomes Windows' backslash,
// as the user sees paths there.
std::string PathFromQt(const QString& path) {
#ifdef _WIN32
    return QDir::toNativeSeparators(path).toUtf8().toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

QString PathToQt(const std::string& path) {
#ifdef _WIN32
    return QString::fromUtf8(path.c_str(), static_cast<qsizetype>(path.size()));
#else
    return QFile::decodeName(path.c_str());
#endif
}
