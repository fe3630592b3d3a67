#pragma once
#include <QDate>
#include <QDialog>
#include <QString>
#include <cstdint>

#include "SchoolWeek.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The English name of a date's weekday ("Wednesday"), whatever the language of the platform.
QString WeekdayName(const QDate& date);

// Creates a word list for one school week: proposes its dates, lets the user correct them,
// writes the LISTS row, and tells the identifier of the list it made (CreatedListID).
class frmNewList : public QDialog {
    Q_OBJECT
public:
    explicit frmNewList(QWidget* parent = nullptr);

    // Sets the start of the week to the Monday of the current week.
    void SetStartMonday();
    // Returns the next test date for a day text, as "m/d/yyyy".
    QString ComputeTestDate(const QString& day) const;
    // The LIST_ID of the list made, 0 while none was (Cancel).
    int32_t CreatedListID() const { return createdListId_; }

private:
    void LoadDefaultDates();
    void CreateClicked();
    void CreateList();

    QLabel* lblToday;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* txtStart;
    QLineEdit* txtEnd;
    QLineEdit* txtTestDate;
    QPushButton* cmdCreate;
    QPushButton* cmdCancel;
    int32_t createdListId_ = 0;
};
