#pragma once
#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The start-up prompt about one list whose test date has passed: delete it, ignore it for
// good, or leave it for now.
class frmDeleteOldList : public QDialog {
    Q_OBJECT
public:
    explicit frmDeleteOldList(QWidget* parent = nullptr);

    // Stores the list and fills the window with its dates and words.
    void SetListID(int32_t listId);
    int32_t ListID() const { return listId_; }

private:
    void LoadListDetails();
    void DeleteClicked();
    void IgnoreClicked();

    int32_t listId_ = 0;
    QLabel* Label4;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* txtCreated;
    QLineEdit* txtTestDate;
    QLineEdit* txtTotalWords;
    QListWidget* List1;
    QPushButton* cmdDelete;
    QPushButton* cmdIgnore;
    QPushButton* cmdCancel;
};
