#pragma once
// File names that every file system takes: Windows' and macOS's as well as Linux's, so that a
// folder of statements can be copied anywhere.
#include <string>
#include <string_view>

// `stem` (UTF-8) made safe, then `extension` (".pdf"): the characters Windows refuses and the
// control characters become "_", blanks and dots at the stem's end and blanks at its start go,
// a device name of Windows ("CON", "lpt1") gets a "_" before it, an empty stem becomes "_", and
// a stem longer than 200 bytes is cut there (never inside a letter).
std::string SafeFileName(std::string_view stem, std::string_view extension);
