#pragma once
#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QTimer;

// Shows the temporary message window modally with two lines for Globals::MessageTime
// half-seconds (at once back when that is 0; until clicked when above 200).
void ShowTempMessage(const QString& topText, const QString& bottomText);

// The temporary message window.
class frmMessage : public QDialog {
    Q_OBJECT
public:
    explicit frmMessage(QWidget* parent = nullptr);

    // Puts the two lines up.
    void SetLines(const QString& topText, const QString& bottomText);
    // Starts the tick counter again at 0.
    void Reset();
    // One 500 ms tick: counts up to MessageTime, closes on the tick after that.
    void Tick();
    int TickCount() const { return ticks_; }
    // The ticks the most recent message counted before it closed (for checking lifetimes).
    static int LastTickCount();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    QLabel* lblTop;
    QLabel* lblBottom;
    QLineEdit* txtDummy;
    QTimer* Timer1;
    int ticks_ = 0;
};
