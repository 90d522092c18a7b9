#pragma once

#include <QDialog>

class QListWidget;

namespace tessarine {

class TDesignDocument;

// The picture library: the built-in clip art as large icons. OK or a double click puts the
// chosen picture on the label as a 64 x 64 picture object. The main window makes a new one
// each time and shows it modally.
class TImageLibrary : public QDialog
{
    Q_OBJECT
public:
    explicit TImageLibrary(TDesignDocument& document, QWidget* parent = nullptr);

    QListWidget* ListView() const { return m_list; }

private:
    void OK_BMClick();

    TDesignDocument& m_document;
    QListWidget* m_list = nullptr;
};

} // namespace tessarine
