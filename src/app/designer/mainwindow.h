#pragma once

#include "app/settings/data.h"
#include "app/settings/settingsstore.h"
#include "document/labelrecords.h"
#include "platform/ports.h"
#include "print/thermal/portwriter.h"

#include <QHash>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>

#include <atomic>
#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTableView;
class QTimer;
class QToolBar;
class QToolButton;

namespace tessarine {

class TDesign;
class TDesignDocument;
class TBarCodePDF417;
class TSetImage;
class TSetObject;
class TPrints;
class TPrintWindows;
class TSetPrint;
class TSetBar;
class TSetText;
class TDataBase;
class TDataBaseOperation;
class TKWZDataModule;
class TSetSystem;
class TTools;
class TWorkArea;

// The main window: menus, tool bars, the work area with the design surface and its rulers, the
// status bar, and the document commands New, Open, Save and Save As.
class TMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TMain(QWidget* parent = nullptr);
    ~TMain() override;

    static const QString kUntitledTitle;

    TDesign* Design() const;
    TDesignDocument& Document() const;
    TWorkArea* WorkArea() const { return m_workArea; }
    TKWZDataModule* DataModule() const { return m_dataModule; }
    // Connects the data module to the source in the settings' "Data" key and opens its query;
    // the status bar tells how it went.
    void ReconnectDataSource();
    // "记录号: " + number + "  /" + count in status panel 3.
    void ShowRecordPosition();
    TDataBase* DatabaseDialog() const { return m_database; }
    TDataBaseOperation* NavigatorWindow() const { return m_navigatorWindow; }
    QTimer* RollTimer() const { return m_rollTimer; }
    // Record commands of the database menu.
    void MoveRecord(bool (TKWZDataModule::*move)());
    void GoToRecord();
    void FindKeyword();
    void ToggleRecordRoll();
    void ToggleDataGrid();
    void ShowQueryTable();

    // The data grid below the work area, hidden until asked for.
    QTableView* DataGrid() const { return m_dataGrid; }
    TData& Data() { return m_data; }
    TSettingsStore& Settings() { return m_settings; }
    // The label-stock layout: the page-setup dialog's preview holds it; the document carries a
    // copy to and from its file.
    TLabelLayout LabelLayout() const;
    void SetLabelLayout(const TLabelLayout& layout);
    TSetPrint* PageSetup() const { return m_setPrint; }
    TPrints* PrintDialog() const;
    // The print dialog's print command for a thermal kind: the command stream of its family,
    // built here and sent by the port writer.
    void PrintThermal();
    // Interrupts the stream being sent and waits for the writer to end.
    void StopPortWriter();

    // The command-line file: the parameters joined with single blanks. False when the program
    // must end (the warning was shown); without parameters the file association is registered.
    bool OpenCommandLine(const QStringList& parameters);

    // Document commands.
    void NewFile();
    void OpenFile();
    // Opens path as the Open command does, after its file dialog.
    void OpenPath(const QString& path);
    void SaveFile();
    void SaveFileAs();

    QAction* Action(const QString& objectName) const { return m_actions.value(objectName); }
    QLabel* StatusPanel(int index) const { return m_panels.value(index); }
    QToolBar* Bar(const QString& objectName) const;
    QWidget* FormatControl(const QString& objectName) const;

    // What the window asks the user; tests answer in their place.
    std::function<QString()> AskOpenFileName;
    std::function<QString()> AskSaveFileName;
    std::function<QString()> AskPictureFileName;
    std::function<QMessageBox::StandardButton(const QString& text, QMessageBox::StandardButtons buttons)> Ask;
    std::function<void(const QString& text)> Warn;
    std::function<void(const QString& text)> Inform;
    // An input box: caption, prompt and proposal; nullopt when cancelled.
    std::function<std::optional<QString>(const QString& caption, const QString& prompt, const QString& proposal)>
        AskText;
    // Starts a second instance of the program.
    std::function<void()> StartNewInstance;

    TSetObject* SetObjectDialog() const { return m_setObject; }
    TSetImage* SetImageDialog() const { return m_setImage; }
    TSetText* SetTextDialog() const { return m_setText; }
    TSetBar* SetBarDialog() const { return m_setBar; }
    TTools* ToolPalette() const { return m_tools; }
    // Floats the tool palette at the left of the work area.
    void ShowToolPalette();

    // The system settings dialog. Created last, after every other window, because creating it
    // applies the stored language to all of them.
    TSetSystem* SetSystem();

    // Zoom commands of the properties bar.
    void ZoomOut();
    void ZoomIn();
    void ZoomReset();
    void ToggleFullScreen();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildToolBars();
    void BuildFormatBar(QToolBar* bar);
    void BuildStatusBar();
    void BuildPopupMenu();
    void BuildShortcuts();
    void BuildDialogs();
    void ShowObjectDialog(TObjectInfo& record);
    void ConnectDesign();
    void ConnectData();
    void ConnectPrinting();
    void PlaceNavigatorWindow();
    void RollTick();
    void DisableInitialCommands();
    QAction* MakeAction(const QString& name, const QString& caption, void (TMain::*slot)());
    void SetTitleForFile(const QString& path);
    bool WriteDocument(const QString& target);
    bool LoadDocument(const QString& path);
    void Help();
    void About();
    void ShowSetBar(bool showBar, bool setObjectBar, bool objectDel, bool rotate, bool align, const TLogText& word,
                    bool locked, bool noPrint);
    void ApplyTextStyle(int angleStep);
    void TakeStyleFromBar();
    void SelectTool(int tool);
    void InsertPicture(int32_t shapeId);
    void ShowPropertyDialogs();
    void DeleteSelected();
    void SetZoom(double zoom);

    TData m_data;
    TSettingsStore m_settings;
    TSetPrint* m_setPrint = nullptr;
    TPortTable m_ports; // device paths and serial settings of the printer ports
    TPrintWindows* m_printWindows = nullptr;
    QPointer<TPortWriter> m_portWriter; // the stream being sent, if any
    TWorkArea* m_workArea;
    QTableView* m_dataGrid;
    TKWZDataModule* m_dataModule;
    TDataBase* m_database = nullptr;
    TDataBaseOperation* m_navigatorWindow = nullptr;
    QTimer* m_rollTimer = nullptr;
    QHash<QString, QAction*> m_actions;
    QHash<int, QLabel*> m_panels;
    QHash<QString, QWidget*> m_formatControls;
    QMenu* m_popup = nullptr;
    TSetSystem* m_setSystem = nullptr;
    TSetObject* m_setObject = nullptr;
    TSetImage* m_setImage = nullptr;
    TSetText* m_setText = nullptr;
    TSetBar* m_setBar = nullptr;
    TBarCodePDF417* m_pdf417 = nullptr;
    TTools* m_tools = nullptr;
    QComboBox* m_fontBox = nullptr;
    QComboBox* m_sizeBox = nullptr;
    QLineEdit* m_inText = nullptr;
    bool m_fontBoxApplies = false;
    bool m_fullScreen = false;
};

} // namespace tessarine
