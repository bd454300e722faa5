#pragma once

#include "corvane/corvane.hpp"

#include <string>
#include <vector>

// The fields of a record a method answered, as numbers or as texts, to compare with one expression.
inline std::vector<int> Fields(const corv::Variant &record)
{
    std::vector<int> out;
    for (std::size_t i = 0; i < record.FieldCount(); ++i)
        out.push_back(record.Field(i).I2());
    return out;
}

inline std::vector<std::string> Texts(const corv::Variant &record)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < record.FieldCount(); ++i)
        out.emplace_back(record.Field(i).String());
    return out;
}
