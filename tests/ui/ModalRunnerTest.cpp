#include "platform/ui/ModalRunner.h"
#include "ui/support/RecordingModalRunner.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace corvane::ui;

namespace
{

struct BoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    std::string buttons; // their texts, "|" between
};

} // namespace

TEST(ModalRunner, AScopedRunnerTakesOverAndGivesBack)
{
    ModalRunner *before = &CurrentModalRunner();
    {
        RecordingModalRunner recorder;
        EXPECT_EQ(&CurrentModalRunner(), &recorder);
        QWidget owner;
        EXPECT_EQ(ShowMessageBox({"标题", "一\r\n二", MessageIcon::Question}, &owner), kMessageOk);
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].text, "一\r\n二");
        EXPECT_EQ(recorder.owners[0], &owner);
    }
    EXPECT_EQ(&CurrentModalRunner(), before);
}

TEST(ModalRunner, TheDefaultRunnerShowsTheBoxAndReturnsTheButtonChosen)
{
    auto seen = std::make_shared<BoxSeen>();
    const auto pressLater = [seen](Qt::Key key) {
        QTimer::singleShot(0, [seen, key] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            QStringList buttons;
            for (const QAbstractButton *button : box->buttons())
                buttons << button->text();
            *seen = {box->windowTitle(), box->text(), box->icon(), buttons.join(QLatin1Char('|')).toStdString()};
            QTest::keyClick(box, key);
        });
    };
    pressLater(Qt::Key_Escape);
    EXPECT_EQ(ShowMessageBox({"日历帮助", "一\r\n二", MessageIcon::Question}), kMessageOk); // OK is the only way out
    EXPECT_EQ(seen->title, QStringLiteral("日历帮助"));
    EXPECT_EQ(seen->text, QStringLiteral("一\n二"));
    EXPECT_EQ(seen->icon, QMessageBox::Question);
    // The buttons read in Chinese whether or not the host loaded Qt's translations.
    EXPECT_EQ(seen->buttons, "确定");

    pressLater(Qt::Key_Escape);
    EXPECT_EQ(ShowMessageBox({"t", "x", MessageIcon::None, MessageButtons::OkCancel}), kMessageCancel);
    EXPECT_EQ(seen->buttons, "确定|取消");
}
