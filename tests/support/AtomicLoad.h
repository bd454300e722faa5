#pragma once

#include "ErrorOf.h"

#include "platform/automation/PropertyBag.h"

#include <gtest/gtest.h>

#include <span>

// A value that a saved set must not hold under `key`, and the error loading it raises.
struct BadSavedValue {
    const char *key;
    corvane::Variant value;
    int error;
};

// Loads `good` - a set whose every key differs from what the control holds - with one key at a time
// replaced by a bad value: each load fails with its error and the control saves what it saved
// before, so no key read ahead of the bad one was applied.
template<class Control>
void ExpectBadKeysChangeNothing(Control &control, const corvane::PropertyBag &good, std::span<const BadSavedValue> bad)
{
    corvane::PropertyBag before;
    control.Save(before);
    for (const BadSavedValue &b : bad) {
        corvane::PropertyBag bag = good;
        bag.Write(b.key, b.value);
        EXPECT_EQ(ErrorOf([&] { control.Load(bag); }), b.error) << b.key;
        corvane::PropertyBag after;
        control.Save(after);
        EXPECT_EQ(after, before) << b.key;
    }
    control.Load(good);
    corvane::PropertyBag loaded;
    control.Save(loaded);
    EXPECT_NE(loaded, before) << "the good set must change the control, or the check proves nothing";
}
