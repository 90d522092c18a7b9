#pragma once

#include "document/objectinfo.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QSpinBox;
class QTabWidget;

namespace tessarine {

class TContentPage;
class TDesignDocument;
class TKWZDataModule;

// One item of the symbology list: its text and the encoder's symbology ordinal.
struct TSymbologyItem
{
    const char* Text;
    uint8_t Ordinal;
};

// Content and settings of a linear barcode. For an existing barcode OK applies the result
// through the document's SetObjectInfo; for one being placed it fills the document's
// BarCodeTemplate and sets IsOpenImage, and Cancel clears IsOpenImage so the new object goes.
class TSetBar : public QDialog
{
    Q_OBJECT
public:
    TSetBar(TDesignDocument& document, TKWZDataModule& records, QWidget* parent = nullptr);

    // What empty or unusable data becomes.
    static const QString kDefaultData;
    // The list in item order. 2 of 5 industrial and matrix and the extended Code 39 and 93
    // are not offered.
    // clang-format off
    static constexpr std::array<TSymbologyItem, 19> kSymbologies{{
        {"Code 39", 3}, {"Code 128B", 6}, {"Code 93", 8}, {"CodeCodabar", 12}, {"CodeEAN 8", 13},
        {"CodeEAN 13", 14}, {"CodeUPC", 15}, {"CodeEAN 128A", 20}, {"2/5 interleaved", 0},
        {"Code128A", 5}, {"Code128C", 7}, {"CodeMSI", 10}, {"CodeUPC_E0", 16}, {"CodeUPC_E1", 17},
        {"UPC/EAN EXT 2", 18}, {"UPC/EAN EXT 5", 19}, {"CodeEAN128B", 21}, {"CodeEAN128C", 22},
        {"CodePostNet", 11},
    }};
    // clang-format on
    static constexpr int kEan13Item = 5;
    // The width level the first width item stands for; items 1..6 stand for their index.
    static constexpr int32_t kNarrowestLevel = 95;

    // The item of a symbology ordinal; -1 for the ordinals the list does not offer.
    static int SymbologyItemOf(uint8_t ordinal);
    // The width item of a level; -1 for levels the list cannot show.
    static int WidthItemOf(int32_t level);
    static int32_t WidthLevelOf(int item);

    // Fills the controls from the record of an existing barcode.
    void Load(const TObjectInfo& object);
    // Prepares the dialog for a barcode being placed: empty contents, narrowest width,
    // EAN-13, bar height 65, no rotation, the constant panel, and a record of Kind 0.
    void LoadNewBarcode();
    const TObjectInfo& EditInfo() const { return m_editInfo; }
    TContentPage* Content() const { return m_content; }

    // Cancel, Help and the close box: a barcode being placed is dropped again.
    void reject() override;

private:
    QWidget* MakeBarPage();
    void OK_BMClick();
    void TypeBoxChange(int item);
    bool HasCheckDigit() const;
    bool Renders(const TObjectInfo& info) const;

    TDesignDocument& m_document;
    TObjectInfo m_editInfo;
    // The gap as loaded, so an untouched gap field keeps the pixels instead of a rounded value.
    int m_loadedGapMillimetres = 0;
    int32_t m_loadedTextGap = 0;

    QComboBox* m_symbology = nullptr;
    QTabWidget* m_pages = nullptr;
    TContentPage* m_content = nullptr;
    QComboBox* m_width = nullptr;
    QSpinBox* m_height = nullptr;
    QComboBox* m_angle = nullptr;
    QSpinBox* m_gap = nullptr;
    QCheckBox* m_showText = nullptr;
};

} // namespace tessarine
