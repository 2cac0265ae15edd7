#include "support/EntryCompetition.h"

#include "data/Database.h"
#include "support/StudioFixtures.h"

void AddEntryCategories(CDatabase& db) {
    CDanceCategory& latin =
        AddCategory(db, kLatin, "Latin",
                    {{kChaCha, "Cha Cha"}, {kRumba, "Rumba"}, {kSamba, "Samba"}, {kJive, "Jive"}},
                    {{kBronze, "Bronze"}, {kSilver, "Silver"}, {kProficiency, "Gold proficiency"}},
                    {{kAdult, "Adult"}, {kOpenAge, "Open *"}});
    latin.allowAdultAmateur = true;
    latin.allowProfessional = true;
    latin.entryMark = 'L';
    CDanceCategory& solo =
        AddCategory(db, kSolo, "Solo", {{0, ""}}, {{kBronze, "Bronze"}}, {{kAdult, "Adult"}});
    solo.style = 'Q';
}
