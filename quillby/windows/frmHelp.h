#pragma once
#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QPlainTextEdit;

// The help topics, in the order the help window lists them.
QStringList HelpTopicNames();
// The text of a topic chosen by name (compared in upper case); "" for an unknown name. Line
// breaks are carriage return + line feed.
QString HelpTopicText(const QString& topicName);

// The help window: a topic list and the text of the chosen topic.
class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent = nullptr);

    // Shows the text of the topic with that name (empty for an unknown one).
    void ShowTopic(const QString& topicName);

private:
    QLabel* Label1;
    QComboBox* txtTopic;
    QPlainTextEdit* txtHelp;
};
