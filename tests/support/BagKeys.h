#pragma once

#include "platform/automation/PropertyBag.h"

#include <string>
#include <vector>

// The keys of a property bag in their stored order.
inline std::vector<std::string> BagKeys(const corvane::PropertyBag &bag)
{
    std::vector<std::string> keys;
    for (const corvane::PropertyBag::Entry &e : bag.Entries())
        keys.push_back(e.key);
    return keys;
}
