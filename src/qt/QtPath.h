#pragma once
// The file-path boundary: the core's paths are the system's own bytes (UTF-8 on Linux and, by the
// core's choice, on Windows), Qt's are Unicode.
#include <QString>
#include <string>

// A path from a file dialog, the command line or the settings, for the core.
std::string PathFromQt(const QString& path);
// A path of the core for a file dialog, the settings or a URL.
QString PathToQt(const std::string& path);
