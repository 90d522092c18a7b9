#include "support/testsupport.h"

#include "app/print/serialportdialog.h"
#include "print/thermal/pseudoterminal.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace tessarine {
namespace {

// Runs act on the next modal window that opens; what it saw is kept.
class ModalAnswer
{
public:
    explicit ModalAnswer(std::function<void(QWidget*)> act) : m_act(std::move(act))
    {
        QTimer::singleShot(0, [this] { Poll(); });
    }
private:
    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            QTimer::singleShot(10, [this] { Poll(); });
            return;
        }
        m_act(modal);
    }
    std::function<void(QWidget*)> m_act;
};

TEST(SerialPortDialogTest, ShowsAndReturnsTheSettings)
{
    TSerialPortDialog dialog(QStringLiteral("COM2"));
    TSerialSettings settings;
    settings.BaudRate = 57600;
    settings.DataBits = QSerialPort::Data7;
    settings.Parity = QSerialPort::OddParity;
    settings.StopBits = QSerialPort::TwoStop;
    settings.FlowControl = QSerialPort::SoftwareControl;
    dialog.SetSettings(settings);
    EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("BaudRateBox"))->currentText(), QStringLiteral("57600"));
    EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("ParityBox"))->currentText(), QStringLiteral("奇"));
    EXPECT_TRUE(dialog.Settings() == settings);

    dialog.findChild<QComboBox*>(QStringLiteral("BaudRateBox"))->setCurrentText(QStringLiteral("4800"));
    dialog.findChild<QComboBox*>(QStringLiteral("FlowControlBox"))->setCurrentIndex(1);
    EXPECT_EQ(dialog.Settings().BaudRate, 4800);
    EXPECT_EQ(dialog.Settings().FlowControl, QSerialPort::HardwareControl);
    // A baud rate that is not a number keeps the last good one.
    dialog.findChild<QComboBox*>(QStringLiteral("BaudRateBox"))->setCurrentText(QStringLiteral("fast"));
    EXPECT_EQ(dialog.Settings().BaudRate, 57600);
}

TEST(SerialPortDialogTest, StoresTheChosenSettingsForTheComPort)
{
    test::PseudoTerminal pty;
    ASSERT_FALSE(pty.SlavePath().isEmpty());
    TPortTable ports;
    ports.SetDevicePath(QStringLiteral("COM3"), pty.SlavePath());
    QString title;
    ModalAnswer answer([&title](QWidget* modal) {
        title = modal->windowTitle();
        modal->findChild<QComboBox*>(QStringLiteral("BaudRateBox"))->setCurrentText(QStringLiteral("19200"));
        modal->findChild<QComboBox*>(QStringLiteral("DataBitsBox"))->setCurrentText(QStringLiteral("7"));
        modal->findChild<QPushButton*>(QStringLiteral("OK_BM"))->click();
    });
    EXPECT_EQ(ConfigureSerialPort(nullptr, QStringLiteral("COM3"), ports), TSerialSetupOutcome::Stored);
    EXPECT_EQ(title, QStringLiteral("COM3 属性"));
    EXPECT_EQ(ports.Serial(QStringLiteral("COM3")).BaudRate, 19200);
    EXPECT_EQ(ports.Serial(QStringLiteral("COM3")).DataBits, QSerialPort::Data7);
}

TEST(SerialPortDialogTest, CancelLeavesTheTableAlone)
{
    test::PseudoTerminal pty;
    ASSERT_FALSE(pty.SlavePath().isEmpty());
    TPortTable ports;
    ports.SetDevicePath(QStringLiteral("COM1"), pty.SlavePath());
    ModalAnswer answer([](QWidget* modal) {
        modal->findChild<QComboBox*>(QStringLiteral("BaudRateBox"))->setCurrentText(QStringLiteral("1200"));
        modal->findChild<QPushButton*>(QStringLiteral("Cancel_BM"))->click();
    });
    EXPECT_EQ(ConfigureSerialPort(nullptr, QStringLiteral("COM1"), ports), TSerialSetupOutcome::Cancelled);
    EXPECT_TRUE(ports.Serial(QStringLiteral("COM1")) == TSerialSettings());
}

TEST(SerialPortDialogTest, AbsentPortShowsTheOccupiedWarning)
{
    TPortTable ports;
    ports.SetDevicePath(QStringLiteral("COM4"), test::TempDir() + QStringLiteral("/no-tty"));
    QString text;
    ModalAnswer answer([&text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box) {
            text = box->text();
            box->accept();
        }
    });
    EXPECT_EQ(ConfigureSerialPort(nullptr, QStringLiteral("COM4"), ports), TSerialSetupOutcome::PortUnavailable);
    EXPECT_EQ(text, QStringLiteral("警告! 端口:COM4被其它设备所占用,更多问题请阅帮助."));
}

} // namespace
} // namespace tessarine
