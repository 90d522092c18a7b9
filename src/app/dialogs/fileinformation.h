#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace tessarine {

class TDesignDocument;

// Title, author and remarks of the document. Showing the dialog fills it from the document's
// FileInfo; OK writes the three texts back, to be saved with the next save of the file.
class TFileInformation : public QDialog
{
    Q_OBJECT
public:
    explicit TFileInformation(TDesignDocument& document, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OK_BMClick();

    TDesignDocument& m_document;
    QLineEdit* m_title = nullptr;
    QLineEdit* m_author = nullptr;
    QLineEdit* m_date = nullptr;
    QPlainTextEdit* m_information = nullptr;
};

} // namespace tessarine
