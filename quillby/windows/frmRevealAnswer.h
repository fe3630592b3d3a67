#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Shows the correct spelling after the last allowed miss and, when the test requires it,
// waits until the student has typed it correctly. Stores nothing and plays nothing.
class frmRevealAnswer : public QDialog {
    Q_OBJECT
public:
    explicit frmRevealAnswer(QWidget* parent = nullptr);

    // The word (trimmed) and whether its letter case counts.
    void TakeInWordDetails(const QString& word, bool caseSensitive);

    QLabel* Label1;
    QLabel* lblWord;
    QLabel* lblTypeIt;
    QLineEdit* txtEcho;
    QPushButton* cmdOK;

public slots:
    // Escape and the close box (which rejects): while retyping is required they do not
    // skip it.
    void reject() override;

private:
    void cmdOK_Click();
    bool RetypingRequired() const;
    void RemindToRetype();

    bool caseSensitive_ = false;
    bool retyped_ = false;
};
