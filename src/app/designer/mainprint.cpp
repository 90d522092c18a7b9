// The main window's printing commands: label stock and page setup, the print dialog and the
// preview, and the thermal printers' ports.
#include "mainwindow.h"

#include "app/print/setprint.h"
#include "app/designer/workarea.h"
#include "document/design.h"
#include "document/designdocument.h"
#include "document/rulerpanel.h"
#include "platform/round.h"
#include "print/kwzpreview.h"

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
    auto showPageSetup = [this] { m_setPrint->exec(); };
    connect(Action("Main_Menu_SetLabel"), &QAction::triggered, this, showPageSetup);
    connect(Action("N61"), &QAction::triggered, this, showPageSetup);
}

} // namespace tessarine
