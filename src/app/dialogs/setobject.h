#pragma once

#include "document/objectinfo.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QFrame;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tessarine {

class TColorStrip;

// Outline and fill of rectangles, ellipses and lines. The host loads the object's record,
// shows the dialog modally and applies what ObjectInfoAccepted hands back through the
// document's SetObjectInfo.
class TSetObject : public QDialog
{
    Q_OBJECT
public:
    explicit TSetObject(QWidget* parent = nullptr);

    // The pen styles the seven line-style choices stand for, in order.
    static constexpr std::array<uint8_t, 7> kLineStyleChoices{0, 1, 2, 3, 4, 1, 6};

    // Fills the controls from the object's record.
    void Load(const TObjectInfo& object);
    // The record as the dialog last handed it back (or as loaded).
    const TObjectInfo& EditInfo() const { return m_editInfo; }

    // Reads the width or corner field: a finite decimal number from 0 up to kMaximumLength.
    // Wider pens and rounder corners than any label can hold would only stall painting.
    enum class TLength
    {
        Valid,
        NotANumber,
        OutOfRange
    };
    static TLength ReadLength(const QString& text, double* value);
    static constexpr double kMaximumLength = 10000.0;
    // The width field's rule on leaving it: a whole number above 0 gets ".0".
    static QString CompleteWidthText(const QString& text);

    TColor PenColorSample() const { return m_penColor; }
    TColor BrushColorSample() const { return m_brushColor; }

signals:
    void ObjectInfoAccepted(int index, const tessarine::TObjectInfo& info);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OK_BMClick();
    void PenColor_BMClick();
    void BrushColor_BMClick();
    void SetPenColorSample(TColor color);
    void SetBrushColorSample(TColor color);
    bool ChooseColor(TColor* color);
    QWidget* MakeBorderPage();
    QWidget* MakeFillPage();

    TObjectInfo m_editInfo;
    TColor m_penColor = clBlack;
    TColor m_brushColor = clWhite;

    QTabWidget* m_pages = nullptr;
    QLineEdit* m_arcSize = nullptr;
    QLineEdit* m_penWidth = nullptr;
    QButtonGroup* m_lineStyles = nullptr;
    QButtonGroup* m_fillStyles = nullptr;
    QButtonGroup* m_brushArea = nullptr;
    QRadioButton* m_clearArea = nullptr;
    QRadioButton* m_opaqueArea = nullptr;
    QFrame* m_penColorTest = nullptr;
    QFrame* m_brushColorTest = nullptr;
    TColorStrip* m_colorStrip = nullptr;
};

} // namespace tessarine
