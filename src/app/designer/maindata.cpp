// The main window's database commands: the source, the record moves, go to record, keyword
// search, the record roll, the data grid and the floating navigator.
#include "mainwindow.h"

#include "app/database/connectiondialog.h"
#include "app/database/database.h"
#include "app/database/databaseoperation.h"
#include "app/database/querytable.h"
#include "app/database/recordgrid.h"
#include "app/dialogs/contentpage.h"
#include "app/dialogs/setbar.h"
#include "app/dialogs/settext.h"
#include "data/module/datamodule.h"
#include "data/recordfilling.h"
#include "document/design.h"
#include "document/designdocument.h"

#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QSqlField>
#include <QSqlRecord>
#include <QTableView>
#include <QTimer>

namespace tessarine {

void TMain::ConnectData()
{
    Inform = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };
    AskText = [this](const QString& caption, const QString& prompt, const QString& proposal) -> std::optional<QString> {
        bool ok = false;
        const QString answer = QInputDialog::getText(this, caption, prompt, QLineEdit::Normal, proposal, &ok);
        return ok ? std::optional<QString>(answer) : std::nullopt;
    };

    m_database = new TDataBase(*m_dataModule, this);
    m_database->AskConnection = [this]() -> QString {
        TConnectionDialog dialog(this);
        return dialog.exec() == QDialog::Accepted ? dialog.Connection() : QString();
    };
    m_database->Warn = [this](const QString& text) { Warn(text); };
    m_database->AskPassword = [this](const QString& connection) -> std::optional<QString> {
        bool ok = false;
        const QString password = QInputDialog::getText(this, QStringLiteral("数据库密码"), connection,
                                                       QLineEdit::Password, QString(), &ok);
        return ok ? std::optional<QString>(password) : std::nullopt;
    };
    connect(m_database, &TDataBase::SourceAccepted, this,
            [this](const TSourceDataBase& source) { m_settings.WriteDataSource(source); });
    connect(m_database, &TDataBase::NavigatorWanted, this, [this] {
        PlaceNavigatorWindow();
        m_navigatorWindow->show();
    });
    connect(m_database, &TDataBase::LookupRequested, this, &TMain::ShowQueryTable);
    // "打开数据库" of the content page runs the database window; the page then lists the fields.
    for (TContentPage* page : {SetTextDialog()->Content(), SetBarDialog()->Content()})
        connect(page, &TContentPage::OpenDatabaseRequested, this, [this] { m_database->exec(); });

    m_navigatorWindow = new TDataBaseOperation(*m_dataModule, this);
    // A record move changes what grouped objects show; the selection would point at stale
    // outlines, so it goes.
    connect(m_navigatorWindow, &TDataBaseOperation::Moved, this, [this] {
        TDesignDocument& doc = Document();
        doc.Ungroup(doc.SingleSelected());
    });

    m_rollTimer = new QTimer(this);
    connect(m_rollTimer, &QTimer::timeout, this, &TMain::RollTick);

    connect(m_dataModule, &TKWZDataModule::RecordChanged, this, [this] {
        ShowRecordPosition();
        FillFromRecord(Document(), m_dataModule->CurrentRecord());
    });
    BindRecordGrid(m_dataGrid, *m_dataModule);

    const std::pair<const char*, bool (TKWZDataModule::*)()> moves[] = {
        {"Main_Menu_DBFirst", &TKWZDataModule::First},
        {"Main_Menu_DBNext", &TKWZDataModule::Next},
        {"Main_Menu_DBPrior", &TKWZDataModule::Prior},
        {"Main_Menu_DBLast", &TKWZDataModule::Last},
    };
    for (const auto& [name, move] : moves)
        connect(Action(QString::fromLatin1(name)), &QAction::triggered, this, [this, move = move] { MoveRecord(move); });
    connect(Action("Main_Menu_Database"), &QAction::triggered, this, [this] { m_database->exec(); });
    connect(Action("Main_Menu_QueryData"), &QAction::triggered, this, &TMain::ShowQueryTable);
    connect(Action("Main_Menu_FindLoacd"), &QAction::triggered, this, &TMain::GoToRecord);
    connect(Action("Main_Menu_FindKey"), &QAction::triggered, this, &TMain::FindKeyword);
    Action("Main_Menu_DBRoll")->setCheckable(true);
    connect(Action("Main_Menu_DBRoll"), &QAction::triggered, this, &TMain::ToggleRecordRoll);
    connect(Action("Main_Menu_ShowDGrid"), &QAction::triggered, this, &TMain::ToggleDataGrid);

    // The printing loop asks for the first record, then the next one after every label.
    connect(&Document(), &TDesignDocument::OnMoveDR, this, [this](bool first, bool) {
        if (first)
            m_dataModule->First();
        else
            m_dataModule->Next();
    });
}

void TMain::ReconnectDataSource()
{
    const bool hasRecords = m_database->StartUp(m_settings.ReadDataSource());
    if (!m_dataModule->IsOpen()) {
        m_panels[3]->setText(QStringLiteral("未使用数据库"));
        return;
    }
    ShowRecordPosition();
    // At start-up the window is not shown yet and neither is its navigator.
    if (hasRecords && isVisible()) {
        PlaceNavigatorWindow();
        m_navigatorWindow->show();
    }
}

void TMain::ShowRecordPosition()
{
    m_panels[3]->setText(QStringLiteral("记录号: ") + QString::number(m_dataModule->RecordNo()) + QStringLiteral("  /") +
                         QString::number(m_dataModule->RecordCount()));
}

void TMain::MoveRecord(bool (TKWZDataModule::*move)())
{
    if (!m_dataModule->IsOpen() || !(m_dataModule->*move)()) {
        if (!m_dataModule->IsOpen())
            m_panels[3]->setText(QStringLiteral("未使用数据库,无法移动操作"));
    }
}

void TMain::GoToRecord()
{
    const std::optional<QString> answer =
        AskText(QStringLiteral("记录查找"), QStringLiteral("记录号:"), QString::number(m_dataModule->RecordNo()));
    // Cancelling keeps the record where it is, set once more.
    const QString text = answer.value_or(QString::number(m_dataModule->RecordNo()));
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok || !m_dataModule->IsOpen() || !m_dataModule->SetRecordNo(number))
        m_panels[3]->setText(QStringLiteral("无法定位操作"));
}

void TMain::FindKeyword()
{
    const QString keyword = AskText(QStringLiteral("关键字查找"), QStringLiteral("关键字 :"), QString()).value_or(QString());
    if (keyword.isEmpty() || !m_dataModule->IsOpen())
        return;
    const QSqlRecord fields = m_dataModule->CurrentRecord();
    for (int i = 0; i < fields.count(); ++i) {
        if (m_dataModule->Locate(fields.fieldName(i), keyword)) {
            Inform(QStringLiteral("定位成功! 记录号: ") + QString::number(m_dataModule->RecordNo()));
            return;
        }
    }
    Inform(QStringLiteral("对不起! 找不到: ") + keyword);
}

void TMain::ToggleRecordRoll()
{
    m_rollTimer->setInterval(std::max(1, m_data.CallRecordTime));
    if (m_rollTimer->isActive())
        m_rollTimer->stop();
    else
        m_rollTimer->start();
    Action("Main_Menu_DBRoll")->setChecked(m_rollTimer->isActive());
}

void TMain::RollTick()
{
    auto stop = [this](const QString& message) {
        m_rollTimer->stop();
        Action("Main_Menu_DBRoll")->setChecked(false);
        m_panels[3]->setText(message);
    };
    if (!m_dataModule->IsOpen() || m_dataModule->RecordCount() == 0) {
        stop(QStringLiteral("☆数据库无记录☆"));
        return;
    }
    // Next fails on the last record: the roll has reached the end.
    if (!m_dataModule->Next())
        stop(QStringLiteral("☆滚动结束┃记录号:") + QString::number(m_dataModule->RecordNo()));
}

void TMain::ToggleDataGrid()
{
    if (m_dataGrid->isVisible()) {
        m_navigatorWindow->hide();
        m_dataGrid->hide();
        return;
    }
    PlaceNavigatorWindow();
    m_navigatorWindow->show();
    m_dataGrid->show();
}

void TMain::PlaceNavigatorWindow()
{
    const QSize client = centralWidget() ? centralWidget()->size() : size();
    m_navigatorWindow->move(mapToGlobal(TDataBaseOperation::PlaceIn(client, m_navigatorWindow->size())));
}

void TMain::ShowQueryTable()
{
    TQueryTable lookup(*m_dataModule, this);
    lookup.exec();
}

} // namespace tessarine
