#pragma once
// Step (3), the studio's non-dance purchases: listing, adding from the price list, deleting.
// Each change is saved to the data file at once.

class CDatabase;

// Runs the "List of purchases" dialog.
void ShowPurchaseList(CDatabase& store);
// Runs the price-list dialog; 1 after OK (the data file is then written, even when nothing was
// collected), 0 after Cancel.
int AddPurchase(CDatabase& store);
// Removes the first purchase with that number and writes the data file; 1 when one was found,
// else 0 and nothing is written.
int DeletePurchase(CDatabase& store, int purchaseNumber);
