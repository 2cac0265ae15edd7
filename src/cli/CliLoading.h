#pragma once
// What every command of tavorin-cli does first: load the competition and the studio as the
// program does at start-up, and the exit statuses they share.
#include <memory>
#include <string>
#include <vector>

class CDatabase;
class CDataFileLock;
class CUi;

constexpr int kExitDone = 0;
constexpr int kExitNotLoaded = 1;
constexpr int kExitUsage = 2;
// An import that refused lines, or found nobody in its file: the summary says which.
constexpr int kExitNotAllImported = 3;

using COperands = std::vector<std::string>;

// Loads the setup file as the program does at start-up; false after the user has been told why.
bool LoadSetup(CDatabase& store, const std::string& path);
// Reads the studio data file into the store as start-up does; false after the user has been told.
bool LoadDataFile(CDatabase& store, const std::string& path);
// The lock of a studio data file that a command is about to write, held until the command has
// written it, so that a Tavorin cannot have the studio open meanwhile (its next save would undo
// ours, or ours would undo its work). nullptr after the user has been told who holds it.
std::unique_ptr<CDataFileLock> LockForWriting(CUi& ui, const std::string& dataFile);
// The operands "SETUP.stu DATA.tvr [--csv]" of a listing command, loaded into the store:
// kExitDone with `csv` telling whether CSV was asked for, else the status to end with.
int LoadStudioForListing(CDatabase& store, const COperands& operands, bool& csv);
