#pragma once
// The duplicate test of a new entry: the same gentleman or lady twice in one event.
class CDanceCategory;
class CDatabase;
class CEntryRecord;

// Whether two entries of `category` compete against each other: the same dance, level and age,
// and the same entry type, or lady and gentleman pro/am of a category that runs them together.
// Proficiency levels, ages marked "*" and categories of style 'N' number 1 never make an event
// in which a person could be entered twice.
bool InSameEvent(const CDanceCategory& category, const CEntryRecord& a, const CEntryRecord& b);

// Asks about each stored entry that shares the new entry's gentleman or lady in the same event.
// false as soon as the user answers No: the new entry is then not to be stored.
bool AllowDuplicates(CDatabase& store, const CEntryRecord& newEntry);
