#pragma once

#include "document/objectinfo.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QSqlQueryModel;
class QStackedWidget;
class QTableView;

namespace tessarine {

class TKWZDataModule;

// The "信息" page that the text and the barcode dialog share: where the content comes from
// (a constant, a database field or a serial number) and the settings of that source.
class TContentPage : public QWidget
{
    Q_OBJECT
public:
    // Items of the source list, in list order.
    enum TSourceItem
    {
        siConstant = 0,
        siDatabase = 1,
        siKeyboard = 2,
        siSerial = 3,
        siDate = 4,
        siTime = 5,
    };
    static TSourceItem SourceItemOf(uint8_t sourceKind);

    // The serial types in list order. A record stores these texts whatever the list shows, so a
    // translated list still steps.
    static const std::array<QString, 6>& CanonicalSerialKinds();
    enum TSerialItem
    {
        stLetters = 0,
        stLettersAndDigits = 1,
        stDigits = 2,
        stBinary = 3,
        stOctal = 4,
        stHexadecimal = 5,
    };
    // The first and last value a serial type shows for orientation.
    static QString RangeFirst(int serialItem);
    static QString RangeLast(int serialItem);

    explicit TContentPage(TKWZDataModule& records, QWidget* parent = nullptr);

    // Only text objects offer a file import, and only multi-line ones show it.
    void SetImportVisible(bool visible);
    // The barcode dialog forbids letters with digits for EAN-13: choosing that type then gives
    // "数字" instead.
    void SetLettersAndDigitsAllowed(bool allowed) { m_lettersAndDigitsAllowed = allowed; }

    // Fills every source control from the record; content is its text or barcode data.
    void Load(const TObjectInfo& info, const QString& content);
    // Empties both memos and shows the constant panel, for a barcode about to be made.
    void ResetForNewObject();

    TSourceItem SourceItem() const;
    void SelectSource(TSourceItem item);

    QString ConstantText() const;
    QString DatabaseText() const;
    QString StartValue() const;
    void SetStartValue(const QString& value);
    QString ChosenField() const;
    QStringList Fields() const;

    // Writes what OK keeps for the chosen source into info and content: the content (fallback
    // when its memo is empty; a serial gets its prefix and suffix), SourceKind, FieldName and,
    // for a serial, the serial settings. False for the sources without a panel, which leave
    // everything as it was.
    bool Store(TObjectInfo& info, QString& content, const QString& fallback) const;
    // The serial controls into a record.
    void StoreSerialSettings(TRecordNo& serial) const;

    // Stops the data-bound memo and the grid following the data source.
    void DetachField();

    // The file the import button reads; a file dialog unless a test answers.
    std::function<QString()> AskImportFileName;

signals:
    // "打开数据库": the host shows the database dialog modally; the field list is refilled after.
    void OpenDatabaseRequested();
    void SourceChosen(int item);

private:
    QWidget* MakeConstantPanel();
    QWidget* MakeDatabasePanel();
    QWidget* MakeSerialPanel();
    QGroupBox* MakeLengthGroup(QWidget* parent);
    void ShowPanelOf(int item);
    void DataSourcBoxChange(int item);
    void SetSerialTypeChange(int item);
    void SetStrLongClick(bool checked);
    void ImportFileClick();
    void OpenDataBaseClick();
    void RefillFields(const QString& wanted);
    void ShowFieldValue();
    void AttachGrid();
    void GridRowChosen(int row);
    void LoadSerial(const TRecordNo& serial, const QString& content);
    int SerialItemOf(const QString& kind) const;

    TKWZDataModule& m_data;
    bool m_lettersAndDigitsAllowed = true;
    bool m_attached = false;

    QComboBox* m_source = nullptr;
    QStackedWidget* m_panels = nullptr;
    QWidget* m_nothing = nullptr;
    QWidget* m_constantPanel = nullptr;
    QWidget* m_databasePanel = nullptr;
    QWidget* m_serialPanel = nullptr;

    QPlainTextEdit* m_constant = nullptr;
    QPushButton* m_import = nullptr;

    QComboBox* m_fields = nullptr;
    QTableView* m_grid = nullptr;
    QSqlQueryModel* m_gridModel = nullptr;
    QPlainTextEdit* m_fieldValue = nullptr;

    QComboBox* m_serialType = nullptr;
    QLineEdit* m_startValue = nullptr;
    QSpinBox* m_step = nullptr;
    QLineEdit* m_first = nullptr;
    QLineEdit* m_last = nullptr;
    QSpinBox* m_copies = nullptr;
    QGroupBox* m_direction = nullptr;
    QLineEdit* m_prefix = nullptr;
    QLineEdit* m_suffix = nullptr;
    QCheckBox* m_fixedLength = nullptr;
    QSpinBox* m_minLength = nullptr;
    QGroupBox* m_padSide = nullptr;
    QLineEdit* m_padChar = nullptr;
};

} // namespace tessarine
