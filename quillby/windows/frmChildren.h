#pragma once
#include "Children.h"

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Children": the children who practise on this computer. Add one by typing a name, rename
// the selected child to the typed name, or remove the selected child (asked twice; the
// child's folder is kept beside the data folder for a week, and the message says where).
// Modal. ChildrenChanged tells the main window after every change.
class frmChildren : public QDialog {
    Q_OBJECT
public:
    frmChildren(const ChildRegistry& registry, QWidget* parent = nullptr);

    // The children as listed, first child first.
    QStringList ListedNames() const;

signals:
    void ChildrenChanged();

private:
    void LoadChildren(const QString& select = QString());
    QString SelectedName() const;
    void SelectionChanged();
    void cmdAdd_Click();
    void cmdRename_Click();
    void cmdRemove_Click();
    bool ConfirmRemove(const QString& name);
    // Shows error when there is one; else reloads, selects `select` and tells the main window.
    void AfterChange(const QString& error, const QString& select);

    ChildRegistry registry_;
    QLabel* lblChildren;
    QListWidget* lstChildren;
    QLabel* lblName;
    QLineEdit* txtName;
    QPushButton* cmdAdd;
    QPushButton* cmdRename;
    QPushButton* cmdRemove;
    QPushButton* cmdClose;
    QLabel* lblWhere;
};
