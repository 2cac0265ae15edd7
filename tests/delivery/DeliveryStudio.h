#pragma once
// A studio ready to be delivered: its competition's folder, its data file's name, one person.
#include <string>

#include "data/Database.h"
#include "support/ScriptedUi.h"
#include "support/StudioFixtures.h"

struct CDeliveryStudio {
    CDeliveryStudio();

    CTempDir dir;
    CScriptedUi ui;
    CDatabase db{ui};
    std::string dataFile = dir.File("Spring_Star_Dance.tvr");
    std::string reportFile = dir.File("SummaryReport_Star_Dance.txt");
};
