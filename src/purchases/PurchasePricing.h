#pragma once
// What a purchase costs its purchaser: the purchase dialog shows it while the user chooses, and
// the summary report charges it.
#include <cstdint>
#include <optional>

class CDatabase;
class CFinanceRecord;

// The price of the whole purchase for its purchaser (or for nobody, when the purchaser is not a
// person of the store) as of today, in cents: piece price times quantity. No value
// for a package or price-list item the setup no longer lists; 0 for a kind of purchase that no
// rule prices.
std::optional<int64_t> PurchasePrice(const CDatabase& store, const CFinanceRecord& purchase);
