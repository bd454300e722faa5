// Corvdemo loads Qt's Simplified Chinese translations, so the standard texts of the dialogs and menus
// Qt draws for it read in Chinese too.
#include "demo/QtTranslations.h"
#include "demo/DemoMessage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

TEST(QtTranslations, TheDemosMessageBoxAndQtsStandardTextsReadInChinese)
{
    QTranslator *translator = corvdemo::InstallQtTranslations();
    ASSERT_NE(translator, nullptr) << "Qt's translations (qt6-translations-l10n) are not installed";
    QStringList buttons;
    QTimer::singleShot(0, [&buttons] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (const QAbstractButton *button : box->buttons())
            buttons << button->text();
        box->accept();
    });
    corvdemo::ShowMessage(nullptr, QStringLiteral("1901年02月19日"));
    // The context menus of the demo's text boxes take their entries from the same translations.
    const QString selectAll = QCoreApplication::translate("QWidgetTextControl", "Select All");
    QCoreApplication::removeTranslator(translator);
    delete translator;
    EXPECT_EQ(buttons.join(QLatin1Char('|')).toStdString(), "确定");
    EXPECT_NE(selectAll, QStringLiteral("Select All"));
}
