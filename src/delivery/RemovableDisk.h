#pragma once
// The diskette step's file work: emptying the disk and copying onto it, asking the user what to
// do about each failure.
#include <functional>
#include <string>
#include <system_error>
#include <vector>

class CUi;

// Deletes every plain file directly in the directory the drive letter names (subdirectories and
// everything elsewhere are left alone). 1 when every file went, 0 after any failure or when the
// letter names no directory. The names of the files that went are added to `deleted`.
int DeleteAllFilesOnDrive(CUi& ui, char drive, std::vector<std::string>* deleted = nullptr);

// Copies `source` to `target`, asking before overwriting when `askOverwrite` is 1 and asking the
// user what to do about each failure. 0 copied, 1 not copied because the user declined to
// overwrite, 2 the user gave up after a full disk, denied access or a device that is not ready,
// 3 any other failure.
int CopyFileWithPrompts(CUi& ui, const std::string& source, const std::string& target,
                        int askOverwrite);

// The same around another way of copying (one attempt per call, its error as the result), so that
// every failure and its prompt can be exercised.
using CCopyAttempt = std::function<std::error_code()>;
// One copy of `source` over `target`, and what it failed with. A plain file at `target` (what a
// failed attempt left behind) is removed first: Windows' copy does not always replace one.
std::error_code CopyOverPlainFile(const std::string& source, const std::string& target);
int CopyFileWithPrompts(CUi& ui, const std::string& source, const std::string& target,
                        int askOverwrite, const CCopyAttempt& attempt);
