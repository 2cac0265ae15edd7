#include "qt/CollatedOrder.h"

#include <QCollator>
#include <memory>

#include "qt/QtText.h"

CTextLess CollatedOrder() {
    auto collator = std::make_shared<QCollator>();
    collator->setCaseSensitivity(Qt::CaseInsensitive);
    return [collator](const std::string& a, const std::string& b) {
        return collator->compare(ToQt(a), ToQt(b)) < 0;
    };
}
