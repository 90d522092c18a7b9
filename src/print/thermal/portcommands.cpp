#include "portcommands.h"

namespace tessarine {

QString DeviceCannotStartWarning(const QString& port)
{
    return QStringLiteral("警告! 端口:") + port + QStringLiteral("设备无法启动,更多问题请阅帮助.");
}

QString PortOccupiedWarning(const QString& port)
{
    return QStringLiteral("警告! 端口:") + port + QStringLiteral("被其它设备所占用,更多问题请阅帮助.");
}

QString SendLabelPositioning(const QString& port, const TPortTable& ports)
{
    if (!WriteToPort(port, kLabelPositioningCommand, ports).isEmpty())
        return DeviceCannotStartWarning(port);
    return {};
}

QString PrinterInformationText(const TPrinterSettings& settings)
{
    const QChar cr(u'\r');
    return QStringLiteral("驱动名称 : ") + settings.P_Current_Name + cr + QStringLiteral("打印头温度 : ") +
           QString::number(settings.P_Current_Hot) + cr + QStringLiteral("DPI : ") + QString::number(settings.P_DPI) +
           cr + QStringLiteral("端口 : ") + settings.P_Current_Port + cr + QStringLiteral("出纸速度 : ") +
           QString::number(settings.P_Rate);
}

} // namespace tessarine
