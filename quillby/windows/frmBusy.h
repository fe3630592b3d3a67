#pragma once
#include <QDialog>

class QLabel;
class QProgressBar;

// A small window saying what Quillby is doing while it does something long before the main
// window can show (counting the answers of an old file's past tests at its first opening),
// with a progress bar. It cannot be closed by the user: it goes when the work is done.
class frmBusy : public QDialog {
    Q_OBJECT
public:
    explicit frmBusy(const QString& doing, QWidget* parent = nullptr);

    // Shows the share done (thousandths) and paints it at once: the work runs on this thread.
    void ShowProgress(int perMille);

    // From now on, an old file's count of its tallies shows this window while it runs, with a
    // wait cursor over the program.
    static void WatchTallyCount();
    // Shows the window of the count at once, before the rest of the start-up, when the file
    // about to open has its tallies to count; EndTallyCount takes it away whatever happened.
    static void ShowTallyCountAhead();
    static void EndTallyCount();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* lblDoing;
    QProgressBar* barProgress;
};
