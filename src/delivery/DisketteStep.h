#pragma once
// Putting the data file and the summary report on a removable disk for the organizer.

class CDatabase;

// Saves, asks for the drive letter, empties the disk and copies both files onto it. A letter
// that names no directory is a device that is not ready; a drive that is the folder of the
// studio's own files is refused, since emptying it would delete them.
void MakeDisketteStep(CDatabase& store);
