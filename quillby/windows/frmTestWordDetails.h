#pragma once
#include <QWidget>
#include <cstdint>

class QLabel;
class QListWidget;
class QPushButton;

// The answers typed for one word in one test, and how the word ended.
class frmTestWordDetails : public QWidget {
    Q_OBJECT
public:
    explicit frmTestWordDetails(QWidget* parent = nullptr);

    void LoadWordDetails(int32_t testId, const QString& word, const QString& wordId,
                         int32_t moveOnAfter);

    QLabel* lblWord;
    QLabel* Label1;
    QListWidget* List1;
    QLabel* lblResult;
    QPushButton* Command1;
};
