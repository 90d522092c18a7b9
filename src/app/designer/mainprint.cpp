// The main window's printing commands: label stock and page setup, the print dialog and the
// preview, and the thermal printers' ports.
#include "mainwindow.h"

#include "app/print/printprogress.h"
#include "app/print/prints.h"
#include "app/print/printwindows.h"
#include "app/print/serialportdialog.h"
#include "app/print/setprint.h"
#include "app/designer/workarea.h"
#include "document/design.h"
#include "document/designdocument.h"
#include "document/rulerpanel.h"
#include "platform/round.h"
#include "print/kwzpreview.h"
#include "print/thermal/portcommands.h"
#include "print/thermal/thermaljob.h"

#include <QAction>
#include <QLabel>
#include <QScreen>

#include <limits>

namespace tessarine {

TLabelLayout TMain::LabelLayout() const
{
    return m_setPrint->PreView()->Layout();
}

void TMain::SetLabelLayout(const TLabelLayout& layout)
{
    m_setPrint->PreView()->SetLayout(layout);
}

void TMain::ConnectPrinting()
{
    m_setPrint = new TSetPrint(m_data.Printer, m_settings, TModuleStore(), std::make_shared<TPrinterDirectory>(), this);
    TPageSetupHost host;
    host.ShowStatus = [this](int panel, const QString& text) {
        if (QLabel* label = m_panels.value(panel))
            label->setText(text);
    };
    host.SetPageSize = [this](int widthMm, int heightMm) {
        TDesignDocument& doc = Document();
        doc.SetPageWidth(uint32_t(widthMm + 3));
        doc.SetPageHeight(uint32_t(heightMm + 3));
        m_workArea->HorizontalRuler()->SetRulerLength(widthMm);
        m_workArea->VerticalRuler()->SetRulerLength(heightMm);
        Design()->resize(doc.ControlSize());
    };
    host.SetLabelOutline = [this](int widthMm, int heightMm, int ellipse) {
        TDesignDocument& doc = Document();
        const int right = doc.EditALeft + widthMm;
        const int bottom = doc.EditATop + heightMm;
        constexpr int lowest = std::numeric_limits<int16_t>::min();
        constexpr int highest = std::numeric_limits<int16_t>::max();
        if (right < lowest || right > highest || bottom < lowest || bottom > highest || ellipse > highest)
            return false;
        doc.EditARight = int16_t(right);
        doc.EditABottom = int16_t(bottom);
        doc.EditEllipse = int16_t(ellipse);
        Design()->update();
        return true;
    };
    m_setPrint->SetHost(host);

    m_ports.Load(m_settings.FilePath());
    connect(m_setPrint, &TSetPrint::PortSettingsRequested, this, [this](const QString& port) {
        if (ConfigureSerialPort(this, port, m_ports) == TSerialSetupOutcome::Stored)
            m_ports.Save(m_settings.FilePath());
    });
    connect(m_setPrint, &TSetPrint::LabelPositioningRequested, this, [this](const QString& port) {
        if (const QString warning = SendLabelPositioning(port, m_ports); !warning.isEmpty())
            Warn(warning);
    });
    auto showPageSetup = [this] { m_setPrint->exec(); };
    connect(Action("Main_Menu_SetLabel"), &QAction::triggered, this, showPageSetup);
    connect(Action("N61"), &QAction::triggered, this, showPageSetup);

    m_printWindows = new TPrintWindows(Document(), m_data.Printer, this);
    m_printWindows->SetMessageHandler([this](const QString& text) { Inform(text); });
    TPrints* prints = m_printWindows->PrintDialog();
    prints->SetViewToFreeze(m_workArea);
    auto showPrintDialog = [this] { m_printWindows->ShowPrintDialog(LabelLayout()); };
    connect(Action("Main_Menu_Print"), &QAction::triggered, this, showPrintDialog);
    connect(Action("N62"), &QAction::triggered, this, showPrintDialog);
    connect(Action("Main_Menu_Preview"), &QAction::triggered, this,
            [this] { m_printWindows->ShowPreview(LabelLayout()); });
    connect(prints, &TPrints::ThermalPrintRequested, this, &TMain::PrintThermal);
    connect(prints, &TPrints::ThermalPropertiesRequested, this,
            [this] { Inform(PrinterInformationText(m_data.Printer)); });
}

TPrints* TMain::PrintDialog() const
{
    return m_printWindows->PrintDialog();
}

void TMain::PrintThermal()
{
    TPrints* prints = m_printWindows->PrintDialog();
    TPrintProgress progress(this);
    int sheetCount = 0;
    TThermalProgress watch;
    watch.Started = [&](int sheets) {
        sheetCount = sheets;
        progress.Start();
    };
    watch.SheetStarted = [&](int sheet) { progress.Update(sheet, sheetCount); };
    watch.KeepGoing = [&] { return !progress.Cancelled(); };
    const TThermalJobResult result =
        RunThermalJob(Document(), prints->JobLayout(), m_data.Printer, prints->Run(), m_dataModule, watch);
    progress.Finish();
    Design()->update();
    switch (result.Status) {
    case TThermalJobResult::Ready: {
        // The writer sends the stream on its own thread and frees itself when done.
        auto* writer = new TPortWriter(result.Stream, m_data.Printer.P_Current_Port, m_ports);
        connect(writer, &TPortWriter::PrintFinished, this, [this] { Inform(kPrintFinishedMessage); });
        connect(writer, &TPortWriter::PrintFailed, this, [this](const QString& message) { Inform(message); });
        m_portWriter = writer;
        if (!writer->Start()) {
            Inform(kPrinterBusyMessage);
            return;
        }
        prints->accept();
        break;
    }
    case TThermalJobResult::Cancelled: break;
    default: Inform(result.Message); break;
    }
}

void TMain::StopPortWriter()
{
    if (m_portWriter) {
        m_portWriter->requestInterruption();
        m_portWriter->wait();
    }
}

} // namespace tessarine
