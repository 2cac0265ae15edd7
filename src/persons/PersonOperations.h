#pragma once
// Adding, editing and deleting persons; each change is saved to the data file at once.

class CDatabase;

// Run the person data dialog on a new or a stored person; 1 when it ended with OK, 0 when the
// user cancelled. The data file is written after OK, and after Cancel when the dialog changed
// the store (comments, roommates).
int AddPerson(CDatabase& store);
int EditPerson(CDatabase& store, int personNumber);
// Removes the person with his or her entries (as gentleman or lady) and purchases, then writes
// the data file whether or not the person existed. 1 when a person was removed.
int DeletePerson(CDatabase& store, int personNumber);
