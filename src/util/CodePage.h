#pragma once
// Windows-1252, the code page of the files the organizer's software reads, to and from UTF-8,
// for the views and the command-line tool.
#include <string>

// Every byte becomes its character; the five bytes the code page leaves undefined become the
// control characters of the same value, so that they survive the way back.
std::string Cp1252ToUtf8(const std::string& text);

// A character the code page lacks, and every malformed UTF-8 sequence, becomes "?".
std::string Utf8ToCp1252(const std::string& text);

// For texts that may mix both worlds (a message quoting a file path): valid UTF-8 is kept as it
// is, anything else is read as Windows-1252.
std::string DisplayTextToUtf8(const std::string& text);

bool IsValidUtf8(const std::string& text);

// One character of UTF-8 `text` at `pos`: false for a malformed sequence, `length` then being the
// bytes that make up the bad sequence (one replacement for each).
bool DecodeUtf8At(const std::string& text, size_t pos, char32_t& c, size_t& length);
// The code page's byte for `c`, or false when the code page has no such character.
bool Cp1252ByteOf(char32_t c, char& byte);
// `c` in UTF-8.
std::string Utf8Of(char32_t c);
// Whether the code page holds the character (Unicode code point), so that a field can keep it.
bool Cp1252Holds(char32_t character);
