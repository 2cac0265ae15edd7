#pragma once
// Store operations on entries and entry forms, over the store's entry list.
#include <vector>

class CDatabase;
class CEntryRecord;

// Rewrites the studio data file after a change. false when it could not be written (the user
// has been told why).
bool WriteStudioDataFile(CDatabase& store);

// Takes the entry with that number out of the store without writing the file, so that one save
// can remove several entries and write once. false when no entry has the number.
bool RemoveEntry(CDatabase& store, int entryNumber);
// Removes the entry and writes the data file; an unknown number changes nothing.
void DeleteEntry(CDatabase& store, int entryNumber);

// Whether two entries can belong to one form: the same couple (or group), coach, category,
// type, level and age. Only the dance differs within a form.
bool SameFormIdentity(const CEntryRecord& a, const CEntryRecord& b);

// Gives entries that share a form code without belonging together (a hand-edited data file, or
// an allowed duplicate read back beside its first) a form code of their own per couple and per
// repeated dance, so that opening, saving or deleting one form never rewrites or removes
// another form's entries.
void SeparateMixedForms(CDatabase& store);

// Deletes every entry of the form and writes the data file. The number of entries deleted.
int DeleteEntryForm(CDatabase& store, int formCode);
