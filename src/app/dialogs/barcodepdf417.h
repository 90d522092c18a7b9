#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;

namespace tessarine {

class TDesignDocument;

// Collects the text of a new PDF417 symbol into the data file the symbol maker reads: typed
// into the memo or imported from a file, at most 1K either way. OK sets the document's
// IsOpenImage when a data file is ready; closing clears it, so the surface drops the new
// object. The size and symbol options are shown but the symbol maker takes none of them,
// so they are disabled rather than silently ignored.
class TBarCodePDF417 : public QDialog
{
    Q_OBJECT
public:
    // Writes the data file the document's symbol making reads (TKWZFunction::DataFilePath).
    explicit TBarCodePDF417(TDesignDocument& document, QWidget* parent = nullptr);
    TBarCodePDF417(TDesignDocument& document, const QString& dataFilePath, QWidget* parent = nullptr);

    static constexpr qint64 kMaximumBytes = 1024;

    // Readies the dialog for a new symbol: the memo enabled and empty, nothing imported, and no
    // data file left over from an attempt that did not finish. Showing the dialog does this.
    void Reset();
    // Copies a file of at most 1K into the data file and shows its text in the disabled memo.
    // Failures are reported to the user; false then.
    bool ImportFile(const QString& path);

    const QString& DataFilePath() const { return m_dataFilePath; }
    bool Imported() const { return m_imported; }
    QPlainTextEdit* Memo() const { return m_memo; }

    // The bytes written for a memo text: GBK with CRLF line breaks. *ok is false when the
    // bytes do not read back as the text (a character without a GBK code).
    static QByteArray DataFileBytes(const QString& text, bool* ok);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Import_BMClick();
    void OK_BMClick();
    void Warn(const QString& text);

    TDesignDocument& m_document;
    QString m_dataFilePath;
    QPlainTextEdit* m_memo = nullptr;
    bool m_imported = false;
};

} // namespace tessarine
