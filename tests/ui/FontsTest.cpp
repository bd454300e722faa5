#include "platform/ui/Fonts.h"
#include "platform/ui/Text.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>

#include <gtest/gtest.h>

using namespace corvane::ui;

TEST(Fonts, TheDesignFontIsASongFaceWithTwelvePixelLines)
{
    ASSERT_TRUE(InstallFontAliases());
    EXPECT_TRUE(InstallFontAliases()); // once is enough; later calls change nothing
    for (bool bold : {false, true}) {
        const QFont font = DesignFont(bold);
        EXPECT_EQ(font.family(), QStringLiteral("宋体"));
        EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("AR PL UMing CN")) << bold;
        EXPECT_EQ(QFontInfo(font).pixelSize(), 12);
        EXPECT_EQ(QFontMetrics(font).height(), 12);
    }
    QFont simSun(QStringLiteral("SimSun"), 9);
    EXPECT_EQ(QFontInfo(simSun).family(), QStringLiteral("AR PL UMing CN"));
    // A face that has the glyphs the controls show, not a Latin fallback.
    const QRawFont raw = QRawFont::fromFont(DesignFont());
    for (const QChar c : QStringLiteral("星期日六农历闰腊鼠龙今天：廿"))
        EXPECT_TRUE(raw.supportsCharacter(c)) << int(c.unicode());
}

TEST(Text, CarriageReturnLineFeedPairsBecomeLineBreaks)
{
    EXPECT_EQ(DisplayText("一\r\n二\r三\n四"), QStringLiteral("一\n二\n三\n四"));
    EXPECT_EQ(ToQString("版本： 1.0.0"), QStringLiteral("版本： 1.0.0"));
}
