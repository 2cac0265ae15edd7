#pragma once
// Amounts of money as whole cents, from the text a price is read from to the last total shown:
// no amount is kept or added up in binary floating point, so any number of 19.99 charges adds up
// to the cent.
#include <cstdint>
#include <string>

// The largest amount a text can give, about ten thousand million: room enough for every charge
// of a studio to be added up without the sum leaving what an int64_t holds.
constexpr int64_t kMaxCents = 1'000'000'000'000;

// The leading decimal number of `text`, as ParseLeadingDouble reads it, in cents: "19.99" is
// 1999 exactly; more decimals round to the nearest cent, halves away from zero; a text that is
// not a number is 0; beyond kMaxCents it stays at kMaxCents of its sign.
int64_t ParseCents(const std::string& text);

// "1234.50", "-1.00": two decimals and a point, whatever the locale.
std::string FormatCents(int64_t cents);
void AppendCents(std::string& text, int64_t cents);
// "%9.2f": right-aligned in nine characters, as the report and the statements align amounts.
void AppendCents9(std::string& text, int64_t cents);

// `cents` times `count`, held within kMaxCentsProduct of its sign: a price times a quantity
// read from a file cannot overflow, and a few such products still add up.
constexpr int64_t kMaxCentsProduct = 100'000'000'000'000'000;

int64_t CentsTimes(int64_t cents, int64_t count);
