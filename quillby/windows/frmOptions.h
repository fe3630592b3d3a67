#pragma once
#include "FormHelpers.h"
#include "TestDefaultControls.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QAction;
class QPushButton;
class QTabWidget;

// The options window: the test defaults and the general settings of the one OPTIONS row.
class frmOptions : public QDialog, private TestDefaultControls {
    Q_OBJECT
public:
    explicit frmOptions(QWidget* parent = nullptr);

    // Fills the controls from the settings row (the defaults when there is none).
    void LoadOptions();
    // Writes every control into the settings row, creating it when there is none.
    void SaveOptions();
    // Sets every control to its default and saves.
    void RestoreDefaults();
    // Shows a stored MESSAGE_TIME in the time box.
    void SetTimeCombo(int messageTime);

private:
    QWidget* BuildTestDefaultsTab();
    QWidget* BuildGeneralDefaultsTab();
    void BuildMenu();
    void ConnectCommands();
    void SaveClicked();
    void RestoreDefaultsClicked();
    void TestMessageTimeClicked();

    QMenuBar* menuBar_;
    QMenu* mnuFile;
    QAction* mnuSave;
    QAction* mnuExit;
    QTabWidget* Tab1;

    // The frames of the test defaults come from TestDefaultControls.
    QCheckBox* chkSkipIndividualTestSetup;

    QComboBox* txtTestDay;
    QCheckBox* chkPromptToDeleteOldTests;
    QCheckBox* chkSpeakWords;
    QComboBox* txtTempMessages;
    QPushButton* cmdTestMessageTime;

    QPushButton* cmdSave;
    QPushButton* cmdRestoreDefaults;
    QPushButton* cmdCancel;
};
