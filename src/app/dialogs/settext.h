#pragma once

#include "document/objectinfo.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QTabWidget;

namespace tessarine {

class TContentPage;
class TDesignDocument;
class TKWZDataModule;

// One item of the character-set list: its text and the code a font description stores.
struct TCharSetItem
{
    const char* Text;
    uint8_t Code;
};

// Content, font and look of single-line and multi-line text. Load takes the record the main
// window made for the object (font sizes in points); OK applies the result through the
// document's SetObjectInfo.
class TSetText : public QDialog
{
    Q_OBJECT
public:
    TSetText(TDesignDocument& document, TKWZDataModule& records, QWidget* parent = nullptr);

    // What an empty content becomes.
    static const QString kDefaultText;
    // clang-format off
    static constexpr std::array<TCharSetItem, 19> kCharSets{{
        {"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"SYMBOL_CHARSET", 2}, {"SHIFTJIS_CHARSET", 128},
        {"HANGEUL_CHARSET", 129}, {"GB2312_CHARSET", 134}, {"CHINESEBIG5_CHARSET", 136},
        {"OEM_CHARSET", 255}, {"JOHAB_CHARSET", 130}, {"HEBREW_CHARSET", 177}, {"ARABIC_CHARSET", 178},
        {"GREEK_CHARSET", 161}, {"TURKISH_CHARSET ", 162}, {"VIETNAMESE_CHARSET", 163},
        {"THAI_CHARSET", 222}, {"EASTEUROPE_CHARSET", 238}, {"RUSSIAN_CHARSET", 204},
        {"MAC_CHARSET", 77}, {"BALTIC_CHARSET", 186},
    }};
    // clang-format on
    static constexpr std::array<int, 16> kSizes{8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
    // The special fields hold sizes times 2.54.
    static constexpr double kSpecialFactor = 2.54;

    // The style item for a weight and slant: 0 常规, 1 斜体, 2 粗体, 3 粗斜体; -1 for weights the
    // list has no item for.
    static int StyleItemOf(int32_t weight, bool italic);

    void Load(const TObjectInfo& object);
    const TObjectInfo& EditInfo() const { return m_editInfo; }
    TContentPage* Content() const { return m_content; }
    void SetImportVisible(bool visible);
    // The colour the sample shows, which OK stores.
    TColor SampleColor() const { return m_color; }

    // Cancel, Help and the close box: nothing is applied.
    void reject() override;

private:
    QWidget* MakeFontPage();
    QGroupBox* MakeRotationGroup(QWidget* parent);
    QGroupBox* MakeSampleGroup(QWidget* parent);
    void OK_BMClick();
    void ColorBox_BMClick();
    void SizeChosen();
    void FaceChosen();
    void FaceTyped(const QString& face);
    void SetColorSample(TColor color);
    void UpdateSample();
    void UpdateRotationPicture();
    int ChosenSize() const;

    TDesignDocument& m_document;
    TObjectInfo m_editInfo;
    TColor m_color = clBlack;

    QTabWidget* m_pages = nullptr;
    TContentPage* m_content = nullptr;
    QLineEdit* m_faceName = nullptr;
    QListWidget* m_faces = nullptr;
    QListWidget* m_styles = nullptr;
    QListWidget* m_sizes = nullptr;
    QSpinBox* m_specialHeight = nullptr;
    QSpinBox* m_specialWidth = nullptr;
    QComboBox* m_charSet = nullptr;
    QGroupBox* m_rotation = nullptr;
    QButtonGroup* m_rotations = nullptr;
    QLabel* m_rotationPicture = nullptr;
    QCheckBox* m_underline = nullptr;
    QCheckBox* m_strikeOut = nullptr;
    QFrame* m_colorSample = nullptr;
    QLabel* m_sample = nullptr;
};

} // namespace tessarine
