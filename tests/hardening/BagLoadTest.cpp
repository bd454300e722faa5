// Controls loading property bags a host got wrong: truncated files, wrong types and out-of-range or
// huge values under known keys, unknown and repeated keys. Loading either succeeds with a state that
// saves and loads back as itself, or fails with an error and leaves the control exactly as it was.
#include "RegisteredLibraryTest.h"
#include "TempDir.h"
#include "corvane/corvane.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace
{

struct ControlKeys {
    const char *progid;
    const char *valueKey; // the key of the default member's date
    bool hasBackColor;
    bool isPicker;
};

constexpr ControlKeys kControls[] = {
    {"Corvane.QxMonth", "CurrDate", false, false},
    {"Corvane.QxMonthVw", "CurrDate", true, true},
    {"Corvane.DateUpDown", "CurrDate", true, false},
    {"Corvane.TimeUpDown", "CurrTime", true, false},
};

class BagLoad : public RegisteredLibraryTest
{
protected:
    void WriteFile(const std::string &text) const
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << text;
    }
    std::string ReadFile() const
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // The control's saved properties as bag text: two states are the same when their texts are.
    std::string SavedText(const corv::Object &control) const
    {
        corv::Bag bag;
        control.Save(bag);
        bag.SaveFile(path);
        return ReadFile();
    }

    // Loads the text into the control through a bag file: 0 or the error number of either step.
    std::int32_t LoadText(const corv::Object &control, const std::string &text) const
    {
        WriteFile(text);
        corv_bag *bag = nullptr;
        if (corv_bag_create(&bag) != 0)
            return -1;
        std::int32_t rc = corv_bag_load_file(bag, path.c_str());
        if (rc == 0)
            rc = corv_load(control.get(), bag);
        lastMessage = corv_last_error_message();
        corv_bag_destroy(bag);
        return rc;
    }

    // Loading `text` either works, leaving a state that reloads as itself, or fails with an error
    // and leaves the state before it untouched.
    void ExpectWholeOrNothing(const corv::Object &control, const std::string &text) const
    {
        const std::string before = SavedText(control);
        const std::int32_t rc = LoadText(control, text);
        const std::string after = SavedText(control);
        if (rc != 0) {
            EXPECT_NE(lastMessage, "");
            EXPECT_EQ(after, before) << "a failed load changed the control (error " << rc << ")";
            return;
        }
        const corv::Object fresh = corv::Object::Create(progid);
        EXPECT_EQ(LoadText(fresh, after), 0) << "its own save does not load: " << corv_last_error_message();
        EXPECT_EQ(SavedText(fresh), after);
    }

    // A new control of the class, fresh from InitNew; ExpectWholeOrNothing makes more of the same class.
    corv::Object NewControl(const char *classId)
    {
        progid = classId;
        corv::Object control = corv::Object::Create(classId);
        control.InitNew();
        return control;
    }

    TempDir dir;
    std::string path = (dir / "control.bag").string();
    std::string progid;
    mutable std::string lastMessage; // of the last LoadText
};

} // namespace

TEST_F(BagLoad, AWrongTypeOrValueUnderAKnownKeyLoadsNothing)
{
    for (const ControlKeys &c : kControls) {
        SCOPED_TRACE(c.progid);
        const corv::Object control = NewControl(c.progid);
        // A distinctive state, so that anything half-loaded shows.
        const std::string valueKey = c.valueKey;
        const std::string base = valueKey + " = 2002-07-19T10:30\nAppearance = i2:1\nForeColor = i4:255\n";
        ASSERT_EQ(LoadText(control, base), 0) << lastMessage;
        const std::string before = SavedText(control);

        std::vector<std::string> bad = {
            "Appearance = \"3D\"",
            "Appearance = i2:7",
            "Appearance = r8:1e300",
            "ForeColor = \"red\"",
            "ForeColor = i4:0x7F000000",
            "Enabled = \"maybe\"",
            valueKey + " = \"yesterday\"",
            valueKey + " = r8:1e308",
            valueKey + " = r8:nan",
            valueKey + " = QxAgrDateNum{2002, 6, 10, 0, 0}",
        };
        if (c.hasBackColor)
            bad.push_back("BackColor = QxAgrDateNum{1}");
        if (c.isPicker) {
            bad.insert(bad.end(),
                       {"Font = \"Arial\"", "Font = i4:5", "BorderStyle = i2:2", "Caption = QxAgrDateNum{2002}"});
        }
        for (const std::string &line : bad) {
            SCOPED_TRACE(line);
            ASSERT_EQ(LoadText(control, base), 0);
            // Good changes before and after the bad key: none of them may stick.
            const std::int32_t rc = LoadText(control, "Enabled = false\n" + line + "\nForeColor = i4:65280\n");
            EXPECT_NE(rc, 0);
            EXPECT_NE(lastMessage, "");
            EXPECT_EQ(SavedText(control), before);
        }
        // A font name that is a number is still a name: that loads, and as a whole.
        if (c.isPicker) {
            ASSERT_EQ(LoadText(control, base), 0);
            ExpectWholeOrNothing(control, "Enabled = false\nFont = StdFont{Name=i4:5}\n");
        }
    }
}

TEST_F(BagLoad, ADateThatCouldNotBeSavedIsRefusedBeforeAnythingIsStored)
{
    const double bad[] = {std::nan(""), HUGE_VAL, -HUGE_VAL, 1e7, -1e7};
    for (const ControlKeys &c : kControls) {
        SCOPED_TRACE(c.progid);
        const corv::Object control = NewControl(c.progid);
        control.Put(c.valueKey, corv::Variant::Date(37456.4375));
        const std::string before = SavedText(control);
        for (const double days : bad) {
            try {
                control.Put(c.valueKey, corv::Variant::Date(days));
                ADD_FAILURE() << days << " was stored";
            } catch (const corv::Error &e) {
                EXPECT_EQ(e.Number(), 6) << days;
            }
            EXPECT_EQ(control.Get(c.valueKey).Date(), 37456.4375) << days;
            EXPECT_EQ(SavedText(control), before) << days;
        }
        // What it saves still loads, in a new control too.
        ExpectWholeOrNothing(control, before);
    }
}

TEST_F(BagLoad, KeysIgnoreCaseSoNoKnownPropertyIsDroppedSilently)
{
    for (const ControlKeys &c : kControls) {
        SCOPED_TRACE(c.progid);
        const corv::Object control = NewControl(c.progid);
        std::string key = c.valueKey;
        for (char &ch : key)
            ch = char(std::tolower(static_cast<unsigned char>(ch)));
        ASSERT_EQ(LoadText(control, key + " = 2002-07-19T10:30\nAPPEARANCE = i2:1\n"), 0) << lastMessage;
        EXPECT_EQ(control.Get(c.valueKey).Date(), 37456.4375);
        const std::string saved = SavedText(control);
        EXPECT_NE(saved.find(std::string(c.valueKey) + " = 2002-07-19T10:30:00\n"), std::string::npos) << saved;
        EXPECT_NE(saved.find("Appearance = i2:1\n"), std::string::npos) << saved;
        // Two spellings of one key are one key given twice.
        EXPECT_EQ(LoadText(control, key + " = 2002-07-19\n" + c.valueKey + " = 2003-01-01\n"), 321);
        EXPECT_EQ(control.Get(c.valueKey).Date(), 37456.4375);
    }
}

TEST_F(BagLoad, UnknownKeysAreIgnoredAndNotSavedAgain)
{
    for (const ControlKeys &c : kControls) {
        SCOPED_TRACE(c.progid);
        const corv::Object control = NewControl(c.progid);
        ASSERT_EQ(LoadText(control, "Bogus = 1\nAppearance = i2:1\nLooksLikeAColour = i4:255\n"), 0)
            << corv_last_error_message();
        const std::string saved = SavedText(control);
        EXPECT_EQ(saved.find("Bogus"), std::string::npos);
        EXPECT_EQ(saved.find("LooksLikeAColour"), std::string::npos);
        EXPECT_NE(saved.find("Appearance"), std::string::npos);
    }
}

TEST_F(BagLoad, ARepeatedKeyMakesTheFileUnreadableAndTheBagKeepsItsContent)
{
    corv::Bag bag;
    WriteFile("Appearance = i2:1\n");
    bag.LoadFile(path);
    WriteFile("Appearance = i2:0\nForeColor = i4:255\nAppearance = i2:1\n");
    EXPECT_EQ(corv_bag_load_file(bag.get(), path.c_str()), 321);
    EXPECT_NE(std::string(corv_last_error_message()).find("line 3"), std::string::npos);
    ASSERT_EQ(bag.Count(), 1u);
    EXPECT_EQ(bag.Read("Appearance").I2(), 1);
}

TEST_F(BagLoad, EveryCutOfASavedFileLoadsWholeOrNotAtAll)
{
    std::size_t cuts = 0;
    for (const ControlKeys &c : kControls) {
        SCOPED_TRACE(c.progid);
        const corv::Object source = NewControl(c.progid);
        const std::string valueKey = c.valueKey;
        ASSERT_EQ(LoadText(source,
                           valueKey + " = 2002-07-19T10:30\nAppearance = i2:1\nEnabled = false\nForeColor = i4:255\n"),
                  0);
        const std::string full = SavedText(source);
        ASSERT_GT(full.size(), 40u);

        const corv::Object control = NewControl(c.progid);
        for (std::size_t cut = 0; cut <= full.size(); ++cut)
            ExpectWholeOrNothing(control, full.substr(0, cut));
        cuts += full.size() + 1;
    }
    std::cout << "bag cuts: " << cuts << " truncated files loaded\n";
}

TEST_F(BagLoad, HugeValuesAreRefusedOrHeldToTheirRange)
{
    const std::string huge(1 << 20, 'x');
    for (const ControlKeys &c : kControls) {
        SCOPED_TRACE(c.progid);
        const corv::Object control = NewControl(c.progid);
        const std::string valueKey = c.valueKey;
        std::vector<std::string> lines = {
            valueKey + " = date:2958465.99999",
            valueKey + " = date:-657434",
            valueKey + " = r8:1e15",
            "ForeColor = i4:-2147483648",
            "Appearance = i4:2147483647",
            "Bogus = \"" + huge + "\"",
        };
        if (c.isPicker)
            lines.insert(lines.end(),
                         {"Caption = \"" + huge + "\"",
                          "AgrDateFormat = i4:2147483647",
                          "Font = StdFont{Name=\"" + huge + "\", Size=r4:1e30, Bold=true, Italic=false}"});
        for (const std::string &line : lines) {
            SCOPED_TRACE(line.substr(0, 60));
            ExpectWholeOrNothing(control, line + "\n");
        }
    }
}
