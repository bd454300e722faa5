#include "controls/about/frmAbout.h"
#include "controls/about/AboutBox.h"
#include "controls/common/ControlBase.h"
#include "ui/support/RecordingModalRunner.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace corvane;

namespace
{

// A control whose only member is About.
class Host final : public ui::ControlBase
{
public:
    Host()
        : ControlBase(Info(), "Host", {})
    {
    }
    static const ClassInfo &Info()
    {
        static const MemberInfo members[] = {AboutMember()};
        static const ClassInfo info("Host", {members});
        return info;
    }
};

struct Seen {
    QString caption;
    QString title;
    QString version;
    QString description;
    QSize size;
    bool modal = false;
    QWidget *parent = nullptr;
};

Seen Look(QDialog &dialog)
{
    const auto text = [&dialog](const char *name) {
        return dialog.findChild<QLabel *>(QString::fromUtf8(name))->text();
    };
    return {dialog.windowTitle(),
            text("lblTitle"),
            text("lblVersion"),
            text("lblDescription"),
            dialog.size(),
            dialog.isModal(),
            dialog.parentWidget()};
}

void About(Host &host)
{
    Variant result;
    host.Invoke(kDispIdAbout, InvokeKind::Method, {}, result);
}

} // namespace

TEST(FrmAbout, AboutShowsTheOneBoxOfTheThreadWithItsCaptions)
{
    RecordingModalRunner modal;
    std::vector<Seen> seen;
    modal.onDialog = [&seen](QDialog &dialog) { seen.push_back(Look(dialog)); };
    const auto host = MakeObject<Host>();
    About(*host);
    ASSERT_EQ(modal.dialogs.size(), 1u);
    frmAbout *box = AboutForm();
    EXPECT_EQ(modal.dialogs[0], box);
    EXPECT_EQ(seen[0].caption, QStringLiteral("关于 Corvane"));
    EXPECT_EQ(seen[0].title, QStringLiteral("Corvane"));
    EXPECT_EQ(seen[0].version, QStringLiteral("版本： 1.0.0"));
    EXPECT_EQ(seen[0].description.count(QLatin1Char('\n')), 2);
    EXPECT_FALSE(seen[0].description.contains(QLatin1Char('\r')));
    EXPECT_EQ(seen[0].size, QSize(337, 209)); // 5055 x 3135 twips
    EXPECT_EQ(seen[0].parent, host->Surface());
    EXPECT_FALSE(box->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    // Closing unloads the box; the next About loads it again.
    box->setWindowTitle(QStringLiteral("changed"));
    About(*host);
    ASSERT_EQ(modal.dialogs.size(), 2u);
    EXPECT_EQ(modal.dialogs[1], box);
    EXPECT_EQ(seen[1].caption, QStringLiteral("关于 Corvane"));
}

TEST(FrmAbout, ThePictureIs32By32InSixteenColoursOrFewer)
{
    RecordingModalRunner modal;
    ShowAbout(nullptr);
    const QLabel *icon = AboutForm()->findChild<QLabel *>(QStringLiteral("picIcon"));
    const QImage image = icon->pixmap().toImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    QSet<QRgb> colours;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            colours.insert(image.pixel(x, y));
    EXPECT_LE(colours.size(), 16);
    EXPECT_GT(colours.size(), 4);
    EXPECT_EQ(icon->geometry(), QRect(16, 16, 36, 36));
}

TEST(FrmAbout, OkIsTheDefaultAndTheCancelButton)
{
    RecordingModalRunner recorder; // only to create the box
    ShowAbout(nullptr);
    frmAbout *box = AboutForm();
    auto *ok = box->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    EXPECT_EQ(ok->text(), QStringLiteral("确认"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->geometry(), QRect(245, 175, 84, 23));

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        QTimer::singleShot(0, [box, key] { QTest::keyClick(box, key); });
        box->exec(); // returns only once the key closed it
        EXPECT_FALSE(box->isVisible()) << key;
        EXPECT_EQ(box->result(), key == Qt::Key_Return ? QDialog::Accepted : QDialog::Rejected);
    }
}

TEST(FrmAbout, AnEtchedLineSeparatesTheButton)
{
    RecordingModalRunner recorder;
    ShowAbout(nullptr);
    const QImage image = AboutForm()->grab().toImage();
    EXPECT_EQ(image.pixelColor(100, 163), QColor(0x80, 0x80, 0x80)); // 2445 twips
    EXPECT_EQ(image.pixelColor(100, 164), QColor(Qt::white)); // 2460 twips, two pixels
    EXPECT_EQ(image.pixelColor(100, 165), QColor(Qt::white));
    EXPECT_NE(image.pixelColor(100, 166), QColor(Qt::white));
    EXPECT_NE(image.pixelColor(3, 163), QColor(0x80, 0x80, 0x80)); // starts at 90 twips
}
