#pragma once
// The delivery steps' common start, and the step that leaves the two files for the studio to
// send itself.
#include <string>

#include "util/Text.h"

class CDatabase;

constexpr const char* kReviewQuestion =
    "Would you like to review your data and check to make sure it is correct?";
constexpr const char* kInstructionsCaption = "Instructions";

// Writes the data file once more and offers the summary report for a last look. 1 when the data
// file is on disk, else 0 (the user has been told why).
int SaveAndReview(CDatabase& store);

// The instruction page: nine lines naming both files and how to send them.
CStringList InstructionLines(const std::string& dataFile, const std::string& reportFile);

// Saves, writes the report file and shows the instructions in the report window.
void MakeDataFileStep(CDatabase& store);
