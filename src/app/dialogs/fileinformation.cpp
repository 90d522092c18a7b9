#include "fileinformation.h"

#include "dialogbuttons.h"

#include "document/designdocument.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessarine {

namespace {

QLabel* MakeLabel(const QString& caption, const char* name, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(buddy);
    return label;
}

} // namespace

TFileInformation::TFileInformation(TDesignDocument& document, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowContextHelpButtonHint),
      m_document(document)
{
    setObjectName(QStringLiteral("FileInformation"));
    setWindowTitle(QStringLiteral("文档信息"));

    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("Title"));
    m_author = new QLineEdit(this);
    m_author->setObjectName(QStringLiteral("Author"));
    // The file keeps its own date; the field is shown empty and nothing typed here could be
    // kept, so it takes no input.
    m_date = new QLineEdit(this);
    m_date->setObjectName(QStringLiteral("Date"));
    m_date->setReadOnly(true);
    m_information = new QPlainTextEdit(this);
    m_information->setObjectName(QStringLiteral("Information"));
    m_information->setTabChangesFocus(true);
    m_information->setFixedHeight(96);

    auto* fields = new QGridLayout;
    fields->addWidget(MakeLabel(QStringLiteral("标题(&T):"), "TitleLabel", m_title, this), 0, 0);
    fields->addWidget(m_title, 0, 1);
    fields->addWidget(MakeLabel(QStringLiteral("作者(&A):"), "AuthorLabel", m_author, this), 1, 0);
    fields->addWidget(m_author, 1, 1);
    fields->addWidget(MakeLabel(QStringLiteral("修改时间:"), "DateLabel", m_date, this), 2, 0);
    fields->addWidget(m_date, 2, 1);
    fields->addWidget(MakeLabel(QStringLiteral("备注(&C):"), "InformationLabel", m_information, this), 3, 0,
                      Qt::AlignTop);
    fields->addWidget(m_information, 3, 1);
    fields->setColumnMinimumWidth(1, 300);

    const TDialogButtons buttons = MakeOkCancelHelp(this);
    connect(buttons.Ok, &QPushButton::clicked, this, &TFileInformation::OK_BMClick);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons.Row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFileInformation::showEvent(QShowEvent* event)
{
    const TFileInformat& info = m_document.FileInfo;
    m_title->setText(info.Title);
    m_author->setText(info.Author);
    m_information->setPlainText(info.Information);
    m_title->setFocus();
    QDialog::showEvent(event);
}

void TFileInformation::OK_BMClick()
{
    TFileInformat& info = m_document.FileInfo;
    info.Title = m_title->text();
    info.Author = m_author->text();
    info.Information = m_information->toPlainText();
    accept();
}

} // namespace tessarine
