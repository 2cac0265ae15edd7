#pragma once
// Writes a laid-out document as a PDF file's bytes. The text is real text in the PDF's built-in
// Helvetica faces with WinAnsiEncoding, which is Windows-1252: every letter of the code page
// shows, and a reader can search and copy it. Nothing is embedded, so the files stay small.
#include <string>

#include "util/PageDocument.h"

std::string PdfBytes(const CPageDocument& document);
