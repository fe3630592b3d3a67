#pragma once
#include <QDialog>
#include <QString>
#include <QStringList>
#include <vector>

class QLabel;
class QPushButton;

// "Who is practising?": one large button per child, the given child preselected (Enter takes
// it, the arrow keys move between the children). Modal; Chosen() names the child picked, "" when
// the window was closed without a pick. The list editor shows it, with another question, to pick
// the child a list is copied to.
class frmChooseChild : public QDialog {
    Q_OBJECT
public:
    frmChooseChild(const QStringList& names, const QString& preselected, QWidget* parent = nullptr,
                   const QString& question = QString());
    QString Chosen() const { return chosen_; }

signals:
    void ChildChosen(const QString& name);

protected:
    // The arrow keys walk the buttons, as in a list; Enter takes the one with the focus.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Choose(const QString& name);

    QLabel* lblQuestion;
    std::vector<QPushButton*> cmdChildren;
    QString chosen_;
};
