#pragma once
#include <QDialog>
#include <QString>
#include <QStringList>
#include <vector>

class QLabel;
class QPushButton;

// "Who is practising?": one large button per child, the given child preselected (Enter takes
// it). Modal; Chosen() names the child picked, "" when the window was closed without a pick.
// The list editor shows it, with another question, to pick the child a list is copied to.
class frmChooseChild : public QDialog {
    Q_OBJECT
public:
    frmChooseChild(const QStringList& names, const QString& preselected, QWidget* parent = nullptr,
                   const QString& question = QString());
    QString Chosen() const { return chosen_; }

signals:
    void ChildChosen(const QString& name);

private:
    void Choose(const QString& name);

    QLabel* lblQuestion;
    std::vector<QPushButton*> cmdChildren;
    QString chosen_;
};
