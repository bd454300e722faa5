#pragma once

#include "ScopedRegistry.h"

#include <gtest/gtest.h>

#include <memory>

// A suite that reaches libcorvane.so (the target's CORVANE_LIBRARY) by ProgID through a private
// registry, set up once for the whole suite.
class RegisteredLibraryTest : public testing::Test
{
protected:
    static void SetUpTestSuite() { s_registry = std::make_unique<ScopedRegistry>(CORVANE_LIBRARY); }
    static void TearDownTestSuite() { s_registry.reset(); }

private:
    static inline std::unique_ptr<ScopedRegistry> s_registry;
};
