#pragma once
// tavorin-cli's persons: importing them from another file, and listing them (as a CSV roster).
#include "cli/CliLoading.h"

// import SETUP.stu DATA.tvr FROM: the persons of FROM (a studio data file or a CSV roster) are
// added to DATA.tvr, which is then saved as the program saves it. The summary goes to standard
// output. Refused while a Tavorin has DATA.tvr open.
int RunImport(const COperands& operands, CUi& ui);
// persons SETUP.stu DATA.tvr [--csv]: "Last, First [number]" per person, or with --csv the
// roster as "Export..." writes it.
int RunPersons(const COperands& operands, CUi& ui);
