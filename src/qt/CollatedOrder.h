#pragma once
// The order of sorted lists on screen, as users know it from the platform's list boxes: by the
// locale's collation, ignoring case.
#include "dialogs/ListModel.h"

CTextLess CollatedOrder();
