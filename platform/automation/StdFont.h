#pragma once

#include "AutomationObject.h"

#include <string>

namespace corvane
{

class Record;

// The standard font object (class "StdFont"): what a font property holds and a host reads or hands
// over by reference. It saves Name, Size, Bold, Italic, Underline, Strikethrough, Weight and Charset,
// so in a property bag a font is the record StdFont{Name="宋体", Size=r4:9, ...}.
//
// Bold and Weight are one setting seen two ways: Bold is a weight of 600 or more, setting it gives 700
// or 400.
class StdFont final : public AutomationObject
{
public:
    struct Description {
        std::string name = "宋体";
        float size = 9.0f; // points
        std::int16_t weight = 400;
        bool italic = false;
        bool underline = false;
        bool strikethrough = false;
        std::int16_t charset = 134; // GB2312
        friend bool operator==(const Description &, const Description &) = default;
    };

    StdFont();
    explicit StdFont(Description description);
    static const ClassInfo &Info();

    const Description &Get() const noexcept { return m_font; }
    bool Bold() const noexcept { return m_font.weight >= 600; }

    // A name must not be empty and a size must be a positive number of points up to 2160 (error 380
    // otherwise); the font keeps its value.
    void SetName(std::string name);
    void SetSize(float points);
    void SetBold(bool bold) noexcept { m_font.weight = bold ? 700 : 400; }
    void SetWeight(std::int16_t weight);
    void SetItalic(bool value) noexcept { m_font.italic = value; }
    void SetUnderline(bool value) noexcept { m_font.underline = value; }
    void SetStrikethrough(bool value) noexcept { m_font.strikethrough = value; }
    void SetCharset(std::int16_t value) noexcept { m_font.charset = value; }

    void Load(const PropertyBag &bag) override;
    void Save(PropertyBag &bag) const override;

private:
    Description m_font;
};

// The font a saved record describes (fields by name, in any order; a missing field keeps the value of
// `base`). A record of another type, or a field of the wrong type, is error 13; a bad name or size 380.
StdFont::Description FontFromRecord(const Record &record, const StdFont::Description &base = {});

} // namespace corvane
