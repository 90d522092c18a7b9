#pragma once

#include <QString>
#include <QStringList>

class QPrinter;

namespace tessarine {

// The name under which the PDF printer is listed beside the system's queues.
inline const QString kPdfPrinterName = QStringLiteral("PDF");

// The messages for a system without any printer.
inline const QString kInstallPrinterMessage = QStringLiteral("请安装打印机");
inline const QString kInstallPrinterFirstMessage = QStringLiteral("请首先安装打印机");

// The printers a job can go to: the system's queues (CUPS) and the PDF printer, which writes
// a file, so a user without a printer can still print. The PDF printer counts only while it
// has somewhere to write.
struct TSystemPrinters
{
    QStringList Queues;
    QString PdfPath;

    bool HasPrinter() const { return !Queues.isEmpty() || !PdfPath.isEmpty(); }
    // The printer a job uses for the stored current printer: the stored one while it is still
    // there, else the system's default queue, any queue, the PDF printer; empty for none.
    QString Resolve(const QString& stored, const QString& systemDefault) const;
};

// The system's queues, and a PDF file named after the title in the user's documents folder
// (or home folder) when one of those exists.
TSystemPrinters InstalledPrinters(const QString& documentTitle);

// Points printer at the named queue, or at the PDF file for the PDF printer. False when the
// name is neither.
bool SelectPrinter(QPrinter& printer, const QString& name, const TSystemPrinters& printers);

} // namespace tessarine
