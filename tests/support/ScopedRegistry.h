#pragma once

#include "ScopedEnv.h"
#include "TempDir.h"

#include "corvane/corvane.h"

#include <stdexcept>
#include <string>

// A private registry for the length of a scope: CORVANE_REGISTRY points at a fresh file in which one
// library is registered, as its register step would do on a host machine.
class ScopedRegistry
{
public:
    explicit ScopedRegistry(const char *library)
    {
        if (corv_register_library(library, nullptr) != 0)
            throw std::runtime_error(std::string("cannot register ") + library + ": " + corv_last_error_message());
    }

private:
    TempDir m_dir;
    ScopedEnv m_env{"CORVANE_REGISTRY", (m_dir.Path() / "registry").c_str()};
};
