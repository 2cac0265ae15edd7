#pragma once
// Start-up: finds the competition's setup file, runs the main window on it, and writes the
// studio's data file one last time when the window has closed.
#include <string>

class CUi;

// The competition name in the header of `setupPath`, or an empty text when the header is
// invalid (after the loader's message) or the file cannot be read.
std::string CompetitionNameOf(CUi& ui, const std::string& setupPath);

// The setup file to open. `argument` is what the command line gave: a setup file (used as it
// is), a folder to look in, or an empty text for the program's own folder. With several setup
// files the user picks one by its competition name. Empty when there is none (after a message)
// or the user cancelled.
std::string ChooseSetupFile(CUi& ui, const std::string& argument,
                            const std::string& programDirectory);

// The whole run of the program: the choice of the setup file, the main window, the closing
// save. When the user opens another competition from the window, the studio is saved and left
// and the other one starts as at start-up; when it does not open, the one before comes back.
// Returns the program's exit code.
int RunTavorin(CUi& ui, const std::string& argument, const std::string& programDirectory);
