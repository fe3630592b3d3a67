#pragma once
#include "OneOpenWindow.h"
#include "FormHelpers.h"
#include "TestDefaultControls.h"
#include "TestOptions.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The settings of one practice test, pre-filled from the stored defaults; Continue starts the
// test with them, Set as Default stores them.
// The three frames of check boxes and choices (TestDefaultControls) are the ones the options
// window shows for the stored defaults.
class frmTestSetup : public QWidget,
                     public TestDefaultControls,
                     public OneOpenWindow<frmTestSetup> {
    Q_OBJECT
public:
    explicit frmTestSetup(QWidget* parent = nullptr);

    // Fills the controls from the settings row (presets when there is none).
    void LoadDefaults();
    // The ten settings as the controls show them (TestOrder in upper case).
    TestSettings ChosenSettings() const;

    QPushButton* cmdSetAsDefault;
    QPushButton* cmdCancel;
    QPushButton* cmdContinue;

signals:
    // Continue: a test with these settings. The window closes right after.
    void TestChosen(const TestSettings& settings);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    bool CluesChosen(const QString& leadText);
    bool SaveDefaults(); // false when there is no settings row to write
    void cmdContinue_Click();
    void cmdSetAsDefault_Click();
    void SetOrderText(const QString& stored);
    void SetMoveOnText(const QString& stored);
    void PresetControls();

    bool continued_ = false; // Continue was chosen: the test takes over from here
};
