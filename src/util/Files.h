#pragma once
// File-system queries, listing, and small file helpers. Paths
// use the platform's separator; name patterns take "*" and "?" in their last part.
#include <cstdint>
#include <filesystem>
#include <string>

#include "util/Text.h"

// Whether `pattern` contains "*" or "?".
bool IsWildcardPattern(const std::string& pattern);
// Whether `name` matches the wildcard `pattern`, ignoring case as the organizers' systems do
// ("*.stu" finds "Fall.STU"); "*.*" matches every name.
bool MatchesPattern(const std::string& name, const std::string& pattern);

// A regular file (or a link to one), not a directory or a device; `path` in UTF-8.
bool IsPlainFile(const std::string& path);
// 1 when at least one plain file matches the path or pattern, else 0.
int FileExists(const std::string& pathOrPattern);
// The size in bytes of the first match, 0 when none.
std::uintmax_t FileSizeOf(const std::string& pathOrPattern);
// Appends the bare name and the last-write time ("Wed, Mar 27, 2002 02:05 PM", local time) of
// every match, in name order ignoring case. The size of the name list afterwards; 0 when
// nothing matched.
int ListFiles(const std::string& pattern, CStringList& names, CStringList& dates);

// The part before the last separator (double quotes removed first), or an empty text.
std::string DirectoryOf(const std::string& path);
// The part after the last separator, or the whole path.
std::string FileNameOf(const std::string& path);
// The full path of the running executable.
std::string ProgramPath();

// The first line of the file, at most 16383 bytes, with the line feed that ends it; empty for an
// empty or unreadable file.
std::string ReadFirstLine(const std::string& path);
// Creates or truncates the file and writes every line followed by `lineEnd` (a line feed unless
// a file for another system asks for CR LF). 1 when written, 0 when the file cannot be created
// or written.
int WriteLines(const std::string& path, const CStringList& lines, const char* lineEnd = "\n");
