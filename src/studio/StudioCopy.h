#pragma once
// A new studio's data taken from another studio data file, so that a studio does not type its
// address again for each competition.
#include <string>

class CStudioDialog;
class CUi;

// Fills the dialog's fields (names, kind, address) from the studio record of the data file at
// `path`; the file is only read. false, after telling the user why, when it has no studio.
bool CopyStudioFromFile(CStudioDialog& dialog, CUi& ui, const std::string& path);
