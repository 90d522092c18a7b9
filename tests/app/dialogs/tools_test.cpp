#include "app/dialogs/tools.h"

#include "document/designdocument.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

// Two grouped boxes, one of them selected (which selects the group through its head).
struct GroupedDocument
{
    GroupedDocument()
    {
        for (int i = 0; i < 2; ++i) {
            TShapePtr box = doc.CreateShapeForTool(SpRectangle);
            box->AddPoint({10 + 50 * i, 10});
            box->AddPoint({40 + 50 * i, 40});
            doc.AddNewShape(box);
        }
        first = doc.Shapes[0];
        second = doc.Shapes[1];
        first->GroupNext = second->ShapeID;
        second->GroupPrev = first->ShapeID;
        doc.AddToSelection(second);
    }

    TDesignDocument doc;
    TShapePtr first;
    TShapePtr second;
};

} // namespace

TEST(Tools, ButtonsSetTheToolAndUngroupAsTheyShould)
{
    const struct
    {
        const char* button;
        TDrawTool tool;
        const char* hint;
        bool ungroups;
    } cases[] = {
        {"SelectButton", SpSelecting, "", true},
        {"TextButton", SpText, "按住鼠标左键即可生成文字框", true},
        {"LinesTextButton", SpLinesText, "按住鼠标左键即可生成文字框", false},
        {"LineButton", SpRuleLine, "按住鼠标左键并且移动可生成一条线条", true},
        {"RectangleButton", SpRectangle, "按住鼠标左键并且移动可生成一个矩形", true},
        {"EllipseButton", SpEllipse, "按住鼠标左键并且移动可生成一个椭圆", true},
        {"BarCodeButton", SpBarCode, "按住鼠标左键即可生成条形码", true},
        {"ImageButton", SpImage, "按住鼠标左键即可插入图片", true},
    };
    for (const auto& c : cases) {
        GroupedDocument d;
        d.doc.ShapeTool = SpEllipse == c.tool ? SpText : SpEllipse;
        TTools tools(d.doc);
        QSignalSpy chosen(&tools, &TTools::ToolChosen);
        tools.show();
        auto* button = tools.findChild<QAbstractButton*>(QString::fromLatin1(c.button));
        ASSERT_NE(button, nullptr) << c.button;
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(c.hint)) << c.button;
        EXPECT_EQ(tools.ToolButton(c.tool), button);
        QTest::mouseClick(button, Qt::LeftButton);

        EXPECT_EQ(d.doc.ShapeTool, c.tool) << c.button;
        ASSERT_EQ(chosen.count(), 1) << c.button;
        EXPECT_EQ(chosen.first().first().value<TDrawTool>(), c.tool) << c.button;
        EXPECT_TRUE(button->isChecked()) << c.button;
        EXPECT_EQ(d.doc.SelectionCount(), c.ungroups ? 0 : 1) << c.button;
        EXPECT_EQ(d.first->IsGrouped(), !c.ungroups) << c.button;
        EXPECT_EQ(d.second->IsGrouped(), !c.ungroups) << c.button;
    }
}

TEST(Tools, UngroupTouchesOnlyASingleSelection)
{
    GroupedDocument d;
    TShapePtr loose = d.doc.CreateShapeForTool(SpEllipse);
    loose->AddPoint({200, 10});
    loose->AddPoint({240, 40});
    d.doc.AddNewShape(loose);
    d.doc.AddToSelection(loose); // two selected: the group and the loose ellipse
    ASSERT_EQ(d.doc.SelectionCount(), 2);
    TTools tools(d.doc);
    tools.show();
    QTest::mouseClick(tools.findChild<QAbstractButton*>(QStringLiteral("RectangleButton")), Qt::LeftButton);
    EXPECT_EQ(d.doc.SelectionCount(), 0) << "the selection clears either way";
    EXPECT_TRUE(d.first->IsGrouped()) << "with several selected nothing is ungrouped";
}

TEST(Tools, Pdf417ToolStaysDisabled)
{
    TDesignDocument doc;
    TTools tools(doc);
    tools.show();
    auto* pdf417 = tools.findChild<QAbstractButton*>(QStringLiteral("PDF417Button"));
    ASSERT_NE(pdf417, nullptr);
    EXPECT_FALSE(pdf417->isEnabled());
    EXPECT_EQ(pdf417->toolTip(), QStringLiteral("按住鼠标左键即可生成PDF417码"));
    QTest::mouseClick(pdf417, Qt::LeftButton);
    EXPECT_EQ(doc.ShapeTool, SpSelecting);
}

TEST(Tools, NarrowTranslucentWindowOnTop)
{
    TDesignDocument doc;
    TTools tools(doc);
    tools.show();
    EXPECT_EQ(tools.windowTitle(), QStringLiteral("Tools"));
    EXPECT_EQ(tools.width(), 20);
    EXPECT_TRUE(tools.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(tools.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_NEAR(tools.windowOpacity(), 200.0 / 255.0, 0.01);
    const QList<QAbstractButton*> buttons = tools.findChildren<QAbstractButton*>();
    ASSERT_EQ(buttons.size(), 10);
    for (QAbstractButton* button : buttons)
        EXPECT_EQ(button->cursor().shape(), Qt::ArrowCursor) << button->objectName().toStdString();
    // Top to bottom in the order of the tools.
    const char* order[] = {"SelectButton",  "TextButton",      "LinesTextButton",
                           "LineButton",    "RectangleButton", "EllipseButton",
                           "BarCodeButton", "ImageButton",     "PDF417Button"};
    int lastY = -1;
    for (const char* name : order) {
        const int y =
            tools.findChild<QAbstractButton*>(QString::fromLatin1(name))->mapTo(&tools, QPoint()).y();
        EXPECT_GT(y, lastY) << name;
        lastY = y;
    }
}

TEST(Tools, PalettePosition)
{
    const struct
    {
        QSize client;
        int scrollTop, scrollHeight;
        QPoint expected;
    } cases[] = {
        {{800, 600}, 50, 500, {758, 178}},
        {{1024, 700}, 80, 560, {982, 248}},
        {{640, 480}, 0, 480, {598, 28}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TTools::PalettePosition(c.client, c.scrollTop, c.scrollHeight), c.expected);
}

TEST(Tools, LeaveFullScreenButtonShowsOnlyInFullScreenMode)
{
    TDesignDocument doc;
    TTools tools(doc);
    tools.show();
    auto* leave = tools.findChild<QAbstractButton*>(QStringLiteral("CloseFullScreenButton"));
    ASSERT_NE(leave, nullptr);
    EXPECT_EQ(leave->toolTip(), QStringLiteral("关闭全屏方式显示"));
    EXPECT_FALSE(leave->isVisible());
    const int normalHeight = tools.height();

    tools.SetFullScreenMode(true);
    EXPECT_TRUE(leave->isVisible());
    EXPECT_GT(tools.height(), normalHeight);

    QSignalSpy leaving(&tools, &TTools::LeaveFullScreenRequested);
    QTest::mouseClick(leave, Qt::LeftButton);
    EXPECT_EQ(leaving.count(), 1);
    EXPECT_FALSE(leave->isVisible());
    EXPECT_FALSE(tools.FullScreenMode());
    EXPECT_EQ(tools.height(), normalHeight);
}

TEST(Tools, ShowToolMarksTheButton)
{
    TDesignDocument doc;
    TTools tools(doc);
    tools.ShowTool(SpBarCode);
    EXPECT_TRUE(tools.ToolButton(SpBarCode)->isChecked());
    tools.ShowTool(SpSelecting);
    EXPECT_TRUE(tools.ToolButton(SpSelecting)->isChecked());
    EXPECT_FALSE(tools.ToolButton(SpBarCode)->isChecked());
    EXPECT_EQ(tools.ToolButton(SpPolygon), nullptr);
}
