#include "app/dialogs/fileinformation.h"

#include "document/designdocument.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

struct InformationFixture
{
    InformationFixture() : dialog(doc)
    {
        doc.FileInfo.Title = QStringLiteral("旧标题");
        doc.FileInfo.Author = QStringLiteral("张三");
        doc.FileInfo.Date = 37572.5;
        doc.FileInfo.Spare = QStringLiteral("spare");
        doc.FileInfo.Information = QStringLiteral("第一行\n第二行");
        title = dialog.findChild<QLineEdit*>(QStringLiteral("Title"));
        author = dialog.findChild<QLineEdit*>(QStringLiteral("Author"));
        date = dialog.findChild<QLineEdit*>(QStringLiteral("Date"));
        information = dialog.findChild<QPlainTextEdit*>(QStringLiteral("Information"));
    }

    void Click(const char* name)
    {
        QTest::mouseClick(dialog.findChild<QAbstractButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }

    TDesignDocument doc;
    TFileInformation dialog;
    QLineEdit* title = nullptr;
    QLineEdit* author = nullptr;
    QLineEdit* date = nullptr;
    QPlainTextEdit* information = nullptr;
};

} // namespace

TEST(FileInformation, ShowingFillsTheFieldsFromTheDocument)
{
    InformationFixture f;
    EXPECT_EQ(f.dialog.windowTitle(), QStringLiteral("文档信息"));
    EXPECT_TRUE(f.dialog.windowFlags() & Qt::WindowContextHelpButtonHint);
    EXPECT_FALSE(f.dialog.windowFlags() & Qt::WindowCloseButtonHint);
    f.dialog.show();
    EXPECT_EQ(f.title->text(), QStringLiteral("旧标题"));
    EXPECT_EQ(f.author->text(), QStringLiteral("张三"));
    EXPECT_EQ(f.information->toPlainText(), QStringLiteral("第一行\n第二行"));
    EXPECT_TRUE(f.date->text().isEmpty());
    const struct
    {
        const char* label;
        const char* caption;
        QWidget* buddy;
    } labels[] = {
        {"TitleLabel", "标题(&T):", f.title},
        {"AuthorLabel", "作者(&A):", f.author},
        {"DateLabel", "修改时间:", f.date},
        {"InformationLabel", "备注(&C):", f.information},
    };
    for (const auto& l : labels) {
        auto* label = f.dialog.findChild<QLabel*>(QString::fromLatin1(l.label));
        ASSERT_NE(label, nullptr) << l.label;
        EXPECT_EQ(label->text(), QString::fromUtf8(l.caption));
        EXPECT_EQ(label->buddy(), l.buddy) << l.label;
    }
}

TEST(FileInformation, OkWritesTheThreeTextsBack)
{
    InformationFixture f;
    f.dialog.show();
    f.title->setText(QStringLiteral("新标题"));
    f.author->setText(QStringLiteral("李四"));
    f.information->setPlainText(QStringLiteral("备注\n两行"));
    f.Click("OK_BM");
    EXPECT_FALSE(f.dialog.isVisible());
    EXPECT_EQ(f.doc.FileInfo.Title, QStringLiteral("新标题"));
    EXPECT_EQ(f.doc.FileInfo.Author, QStringLiteral("李四"));
    EXPECT_EQ(f.doc.FileInfo.Information, QStringLiteral("备注\n两行"));
    EXPECT_EQ(f.doc.FileInfo.Date, 37572.5);
    EXPECT_EQ(f.doc.FileInfo.Spare, QStringLiteral("spare"));
}

TEST(FileInformation, CancelChangesNothingAndTheNextShowingStartsFromTheDocument)
{
    InformationFixture f;
    f.dialog.show();
    f.title->setText(QStringLiteral("丢弃"));
    f.information->setPlainText(QStringLiteral("丢弃"));
    f.Click("Cancel_BM");
    EXPECT_EQ(f.doc.FileInfo.Title, QStringLiteral("旧标题"));
    EXPECT_EQ(f.doc.FileInfo.Information, QStringLiteral("第一行\n第二行"));
    EXPECT_EQ(f.doc.FileInfo.Date, 37572.5);

    f.dialog.show();
    EXPECT_EQ(f.title->text(), QStringLiteral("旧标题"));
    EXPECT_EQ(f.information->toPlainText(), QStringLiteral("第一行\n第二行"));
}

TEST(FileInformation, DateFieldTakesNoInputAndHelpDoesNothing)
{
    InformationFixture f;
    f.dialog.show();
    EXPECT_TRUE(f.date->isReadOnly());
    QTest::keyClicks(f.date, QStringLiteral("2024"));
    EXPECT_TRUE(f.date->text().isEmpty());
    f.Click("Help_BM");
    EXPECT_TRUE(f.dialog.isVisible());
    f.Click("OK_BM");
    EXPECT_EQ(f.doc.FileInfo.Date, 37572.5);
}
