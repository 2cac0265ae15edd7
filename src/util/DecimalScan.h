#pragma once
// The opening every decimal text the files hold shares: blanks, then an optional sign.

// Where the digits of [blanks][sign]digits... start; `negative` tells the sign.
const char* SkipBlanksAndSign(const char* p, bool& negative);
