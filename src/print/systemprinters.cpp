#include "systemprinters.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace tessarine {

QString TSystemPrinters::Resolve(const QString& stored, const QString& systemDefault) const
{
    if (Queues.contains(stored) || (stored == kPdfPrinterName && !PdfPath.isEmpty()))
        return stored;
    if (Queues.contains(systemDefault))
        return systemDefault;
    if (!Queues.isEmpty())
        return Queues.first();
    return PdfPath.isEmpty() ? QString() : kPdfPrinterName;
}

TSystemPrinters InstalledPrinters(const QString& documentTitle)
{
    TSystemPrinters printers;
    printers.Queues = QPrinterInfo::availablePrinterNames();
    for (const auto location : {QStandardPaths::DocumentsLocation, QStandardPaths::HomeLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (folder.isEmpty() || !QDir(folder).exists())
            continue;
        // A title may hold a slash, which a file name cannot.
        QString name = documentTitle.trimmed();
        name.replace(QLatin1Char('/'), QLatin1Char('_'));
        if (name.isEmpty())
            name = QStringLiteral("labels");
        printers.PdfPath = QDir(folder).filePath(name + QStringLiteral(".pdf"));
        break;
    }
    return printers;
}

bool SelectPrinter(QPrinter& printer, const QString& name, const TSystemPrinters& printers)
{
    if (name == kPdfPrinterName && !printers.PdfPath.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printers.PdfPath);
        return true;
    }
    if (!printers.Queues.contains(name))
        return false;
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(name);
    return true;
}

} // namespace tessarine
