#include "qt/QtText.h"

#include "util/CodePage.h"

QString ToQt(const std::string& text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

std::string FromQt(const QString& text) {
    return Utf8ToCp1252(text.toStdString());
}

QString MessageToQt(const std::string& text) {
    return QString::fromStdString(DisplayTextToUtf8(text));
}
