#pragma once
#include "RevealedWord.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Shows the correct spelling after the last allowed miss and, when the test requires it,
// waits until the student has typed it correctly; the revealed word judges each retyping.
class frmRevealAnswer : public QDialog {
    Q_OBJECT
public:
    explicit frmRevealAnswer(QWidget* parent = nullptr);

    // The word to show and the rules of retyping it.
    void TakeInWordDetails(const RevealedWord& word);

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
    void Follow(const RetypeVerdict& verdict);

    RevealedWord word_{QString(), false, TestSettings()};
};
