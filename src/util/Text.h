#pragma once
// Field splitting and small text transformations shared by both file formats.
#include <string>
#include <string_view>
#include <vector>

using CStringList = std::vector<std::string>;

// Splits `text` at any byte of `separators`. In keep-empty mode the whole separator set is skipped
// as one unit and empty fields are kept; otherwise leading empty fields are skipped. A trailing
// separator never yields an empty last field. maxCount 0 means no limit.
int SplitFields(const std::string& text, const std::string& separators, CStringList& fields,
                int maxCount, bool keepEmpty);

// "|" when the line holds one, else ";" when it holds one, else a tab.
std::string DetectSeparator(const std::string& line);

char FirstChar(const std::string& text);

// Replaces every occurrence of `search`; caseSensitive 1 compares exactly, anything else ignores
// case (ASCII).
void ReplaceAll(std::string& text, const std::string& search, const std::string& replacement,
                int caseSensitive);

// Reduces a studio or person name to characters that are safe in a file name.
std::string MakeFileNamePart(const std::string& name);

// Appends the line followed by CR LF, the line end the organizer's Windows programs read.
void AppendLine(std::string& out, std::string_view line);
// Appends every line followed by CR LF.
void JoinLines(const CStringList& lines, std::string& out);

// Fills the "%s", "%i", "%u" and "%c" places of a message in order with ready-made texts; the
// values are never read as formats themselves.
std::string FormatText(const std::string& format, const CStringList& values);

// For file names, which compare their ASCII letters only.
std::string ToUpperAscii(std::string text);
// The capitals of every letter of the code page that has one (é -> É, ö -> Ö, ñ -> Ñ), as names
// and list lines are compared and searched.
std::string ToUpperCodePage(std::string text);
// Whether two names or list lines are equal ignoring the case of the code page's letters.
bool EqualsIgnoringCase(const std::string& a, const std::string& b);
std::string TrimRight(const std::string& text);

// Leading-digit decimal readers: a text that is not a number reads as 0. Only plain decimal
// notation counts ("inf", "nan" and hexadecimal read as 0), whatever the C locale says.
long ParseLeadingInt(const std::string& text);
double ParseLeadingDouble(const std::string& text);
// The same in single precision; a value beyond its range becomes the largest float of that sign.
float ParseLeadingFloat(const std::string& text);
