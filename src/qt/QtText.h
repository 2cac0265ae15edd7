#pragma once
// The code-page boundary: the core's texts are Windows-1252 bytes, Qt's are Unicode.
#include <QString>
#include <string>

// A stored text (Windows-1252) for a widget.
QString ToQt(const std::string& text);
// A widget's text for the store; a character outside the code page becomes "?".
std::string FromQt(const QString& text);
// A message for a box: it may quote a file path, which is UTF-8 on this system.
QString MessageToQt(const std::string& text);
