#pragma once

#include "designdocument.h"

#include <QWidget>

namespace tessarine {

// The design surface: the label document and its editing view in one control. The document
// lives in a TDesignDocument the surface owns, so files, printing and the command line can
// work on a document without a window; the surface keeps its size equal to the document's
// control size and repaints when the document asks.
class TDesign : public QWidget
{
    Q_OBJECT
public:
    explicit TDesign(QWidget* parent = nullptr);
    ~TDesign() override;

    TDesignDocument& Document() { return *m_document; }
    const TDesignDocument& Document() const { return *m_document; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    TDesignDocument* m_document; // owned through Qt parenting
};

} // namespace tessarine
