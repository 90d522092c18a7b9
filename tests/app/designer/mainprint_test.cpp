#include "app/designer/mainwindow.h"
#include "app/print/prints.h"
#include "app/print/setprint.h"
#include "document/designdocument.h"

#include "support/testsupport.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

struct PrintWindow
{
    TMain main;
    QStringList messages;
    PrintWindow()
    {
        main.Warn = [this](const QString& text) { messages << text; };
        main.Inform = [this](const QString& text) { messages << text; };
    }
};

TEST(MainWindowPrinting, ConfirmingThePageSetupSetsTheLabelOutlineAndTheStatus)
{
    PrintWindow w;
    TSetPrint* setup = w.main.PageSetup();
    setup->LabelWidthEdit()->setValue(50.4);
    setup->LabelHeightEdit()->setValue(30);
    setup->OkButton()->click();
    const TDesignDocument& doc = w.main.Document();
    EXPECT_EQ(doc.EditARight, doc.EditALeft + 50);
    EXPECT_EQ(doc.EditABottom, doc.EditATop + 30);
    EXPECT_EQ(w.main.StatusPanel(1)->text(), QStringLiteral("标签尺寸:50.0 * 30.0 毫米"));
    // The layout the document saves is the page setup's.
    EXPECT_DOUBLE_EQ(w.main.LabelLayout().LabelWidth, 50.4);
    TLabelLayout layout = w.main.LabelLayout();
    layout.Row = 4;
    w.main.SetLabelLayout(layout);
    EXPECT_EQ(w.main.LabelLayout().Row, 4);
}

TEST(MainWindowPrinting, AThermalKindSendsItsStreamToThePrinterPort)
{
    QTcpServer printer;
    ASSERT_TRUE(printer.listen(QHostAddress::LocalHost));
    QByteArray received;
    QObject::connect(&printer, &QTcpServer::newConnection, [&] {
        QTcpSocket* socket = printer.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, [&received, socket] { received += socket->readAll(); });
    });

    PrintWindow w;
    TDesignDocument& doc = w.main.Document();
    ASSERT_EQ(doc.InsertShape(SpText, {QPoint(30, 30), QPoint(130, 60)}, QStringLiteral("ABC"), QImage()), 0);
    TPrinterSettings& printerSettings = w.main.Data().Printer;
    printerSettings.P_Current_Name = QStringLiteral("Zebra 203DPI 内置");
    printerSettings.P_Current_ID = 2;
    printerSettings.P_DPI = 203;
    printerSettings.P_Current_Hot = 10;
    printerSettings.P_Rate = 3;
    printerSettings.P_Current_Port = QStringLiteral("127.0.0.1:%1").arg(printer.serverPort());

    // As the print command does before showing the dialog.
    w.main.PrintDialog()->Prepare(w.main.LabelLayout());
    w.main.PrintDialog()->PrintClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.messages.contains(QStringLiteral("打印结束!")); }, 10000))
        << w.messages.join('|').toStdString();
    // The job's last line, then the CR LF the writer ends every stream with.
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.endsWith("^XZ\r\r\n"); }, 5000)) << received.size() << " " << received.right(40).toHex().toStdString();
    EXPECT_TRUE(received.startsWith("^XA")) << received.left(40).toStdString();
    EXPECT_TRUE(received.contains("~DG")); // the text went down as a stored graphic
    EXPECT_FALSE(PrintingToPort);
}

TEST(MainWindowPrinting, AnUnreachablePortSaysSoAndFreesThePrinter)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close(); // nobody listens there now

    PrintWindow w;
    TPrinterSettings& printerSettings = w.main.Data().Printer;
    printerSettings.P_Current_Name = QStringLiteral("Zebra 203DPI 内置");
    printerSettings.P_Current_ID = 2;
    printerSettings.P_DPI = 203;
    printerSettings.P_Current_Port = QStringLiteral("127.0.0.1:%1").arg(port);
    // As the print command does before showing the dialog.
    w.main.PrintDialog()->Prepare(w.main.LabelLayout());
    w.main.PrintDialog()->PrintClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.messages.isEmpty(); }, 10000));
    EXPECT_TRUE(w.messages.last().startsWith(QStringLiteral("Sorry! "))) << w.messages.last().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([] { return !PrintingToPort; }, 5000));
}

} // namespace
