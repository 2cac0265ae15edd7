#include "data/LookupScope.h"

#include "data/Database.h"

CLookupScope::CLookupScope(CDatabase& store) : store_(store), outer_(store.numberIndex_) {
    store_.numberIndex_ = &index_;
}

CLookupScope::~CLookupScope() {
    store_.numberIndex_ = outer_;
}
