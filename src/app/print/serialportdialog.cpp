#include "serialportdialog.h"

#include "print/thermal/portcommands.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessarine {

namespace {

template <typename T>
struct TChoice
{
    const char* Text;
    T Value;
};

const TChoice<QSerialPort::DataBits> kDataBits[] = {
    {"5", QSerialPort::Data5}, {"6", QSerialPort::Data6}, {"7", QSerialPort::Data7}, {"8", QSerialPort::Data8}};
const TChoice<QSerialPort::Parity> kParities[] = {{"无", QSerialPort::NoParity},
                                                  {"偶", QSerialPort::EvenParity},
                                                  {"奇", QSerialPort::OddParity},
                                                  {"标记", QSerialPort::MarkParity},
                                                  {"空格", QSerialPort::SpaceParity}};
const TChoice<QSerialPort::StopBits> kStopBits[] = {
    {"1", QSerialPort::OneStop}, {"1.5", QSerialPort::OneAndHalfStop}, {"2", QSerialPort::TwoStop}};
const TChoice<QSerialPort::FlowControl> kFlowControls[] = {{"无", QSerialPort::NoFlowControl},
                                                           {"硬件", QSerialPort::HardwareControl},
                                                           {"Xon / Xoff", QSerialPort::SoftwareControl}};
const int kBaudRates[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

template <typename T, size_t N>
void Fill(QComboBox* box, const TChoice<T> (&choices)[N])
{
    for (const TChoice<T>& choice : choices)
        box->addItem(QString::fromUtf8(choice.Text), int(choice.Value));
}

template <typename T>
T Chosen(const QComboBox* box, T fallback)
{
    return box->currentIndex() < 0 ? fallback : T(box->currentData().toInt());
}

void Choose(QComboBox* box, int value)
{
    box->setCurrentIndex(box->findData(value));
}

} // namespace

TSerialPortDialog::TSerialPortDialog(const QString& port, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SerialPortFrm"));
    setWindowTitle(port + QStringLiteral(" 属性"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    m_baudRate = AddField(QStringLiteral("BaudRateBox"), QStringLiteral("每秒位数:"));
    m_baudRate->setEditable(true);
    for (const int rate : kBaudRates)
        m_baudRate->addItem(QString::number(rate), rate);
    m_dataBits = AddField(QStringLiteral("DataBitsBox"), QStringLiteral("数据位:"));
    Fill(m_dataBits, kDataBits);
    m_parity = AddField(QStringLiteral("ParityBox"), QStringLiteral("奇偶校验:"));
    Fill(m_parity, kParities);
    m_stopBits = AddField(QStringLiteral("StopBitsBox"), QStringLiteral("停止位:"));
    Fill(m_stopBits, kStopBits);
    m_flowControl = AddField(QStringLiteral("FlowControlBox"), QStringLiteral("流量控制:"));
    Fill(m_flowControl, kFlowControls);
    for (QComboBox* box : {m_baudRate, m_dataBits, m_parity, m_stopBits, m_flowControl})
        form->addRow(box->property("caption").toString(), box);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK_BM"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel_BM"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    SetSettings(m_settings);
}

QComboBox* TSerialPortDialog::AddField(const QString& objectName, const QString& caption)
{
    auto* box = new QComboBox(this);
    box->setObjectName(objectName);
    box->setProperty("caption", caption);
    return box;
}

void TSerialPortDialog::SetSettings(const TSerialSettings& settings)
{
    m_settings = settings;
    m_baudRate->setCurrentText(QString::number(settings.BaudRate));
    Choose(m_dataBits, settings.DataBits);
    Choose(m_parity, settings.Parity);
    Choose(m_stopBits, settings.StopBits);
    Choose(m_flowControl, settings.FlowControl);
}

TSerialSettings TSerialPortDialog::Settings() const
{
    TSerialSettings settings = m_settings;
    bool ok = false;
    const int rate = m_baudRate->currentText().trimmed().toInt(&ok);
    if (ok && rate > 0)
        settings.BaudRate = rate;
    settings.DataBits = Chosen(m_dataBits, settings.DataBits);
    settings.Parity = Chosen(m_parity, settings.Parity);
    settings.StopBits = Chosen(m_stopBits, settings.StopBits);
    settings.FlowControl = Chosen(m_flowControl, settings.FlowControl);
    return settings;
}

TSerialSetupOutcome ConfigureSerialPort(QWidget* parent, const QString& port, TPortTable& ports)
{
    QSerialPort serial;
    serial.setPortName(ports.DevicePath(port));
    if (!IsSerialPortName(port) || !serial.open(QIODevice::ReadWrite)) {
        QMessageBox::warning(parent, QString(), PortOccupiedWarning(port), QMessageBox::Ok);
        return TSerialSetupOutcome::PortUnavailable;
    }
    // Reading the modem lines fails on some devices (pseudo-terminals among them); that error
    // must not stick to the port.
    serial.pinoutSignals();
    serial.clearError();
    TSerialPortDialog dialog(port, parent);
    dialog.SetSettings(TSerialSettings::Of(serial));
    if (dialog.exec() != QDialog::Accepted)
        return TSerialSetupOutcome::Cancelled;
    const TSerialSettings chosen = dialog.Settings();
    chosen.ApplyTo(serial);
    ports.SetSerial(port, chosen);
    return TSerialSetupOutcome::Stored;
}

} // namespace tessarine
