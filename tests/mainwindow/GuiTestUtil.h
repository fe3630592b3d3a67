#pragma once
#include "MsgBox.h"

#include <QApplication>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

// Runs an SQL statement on the test database.
void Exec(const QString& sql);
// Adds a LISTS row; dates as QDate.
void AddList(int32_t id, const QDate& testDate, const QString& status = QStringLiteral("CREATED"),
             const QDate& created = QDate(2004, 6, 1));
void AddWord(int32_t wordId, int32_t listId, const QString& word);
void AddTest(int32_t testId, int32_t listId);
// Writes the default settings row with the given message time and old-list flag.
void AddOptionsRow(int messageTime = 0, const QString& promptToDelete = QStringLiteral("TRUE"),
                   const QString& testDay = QStringLiteral("Fridays"));
// A value of the one OPTIONS row as text ("" when there is no row).
QString OptionText(const char* column);
int RowsReturnedBy(const QString& sql);

// Answers every message box while alive, recording the texts; gives `answer` as the result.
class MsgBoxRecorder {
public:
    explicit MsgBoxRecorder(MsgResult answer = MsgResult::OK);
    ~MsgBoxRecorder();
    QStringList texts;
    MsgResult answer;
};

// Acts on every modal window of class T that comes up while this object lives (each window
// once), polling the modal stack. Use it before the call that opens the window.
class ModalHandler {
public:
    using Action = std::function<void(QWidget*)>;
    ModalHandler(const char* className, Action action);
    ~ModalHandler();
    int handled() const { return handled_; }

private:
    QTimer timer_;
    int handled_ = 0;
};

// Finds a child by objectName and type; fails the test when absent.
template <class T>
T* Child(QWidget* parent, const char* name)
{
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

// Clicks a button by objectName inside a window.
void ClickButton(QWidget* window, const char* name);
