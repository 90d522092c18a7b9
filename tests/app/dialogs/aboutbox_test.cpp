#include "app/dialogs/aboutbox.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace tessarine;

TEST(AboutBox, ShowsTheProductAndTheVersionLine)
{
    TAboutBox about(QStringLiteral("Ver3.1"), QStringLiteral("Build 3002"));
    about.show();
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("ProductName"))->text(), QStringLiteral("Tessarine"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("Version"))->text(),
              QStringLiteral("Ver3.1  Build 3002"));
    const QList<QAbstractButton*> buttons = about.findChildren<QAbstractButton*>();
    ASSERT_EQ(buttons.size(), 1) << "its only button closes it";
    QTest::mouseClick(buttons.first(), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}
