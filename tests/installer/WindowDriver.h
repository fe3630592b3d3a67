#pragma once
#include "MessageBoxes.h"
#include "ShownText.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <ostream>

class QWidget;

// Readable test failures for texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// Plays the user of a wizard: each step waits until a window of a given objectName is
// visible (and, optionally, ready), then acts on it from the event loop, so a step that opens
// a modal window does not hold up the next one.
class WindowDriver : public QObject {
    Q_OBJECT
public:
    using Ready = std::function<bool(QWidget*)>;
    using Action = std::function<void(QWidget*)>;

    WindowDriver();
    void Then(const QString& window, Action action, Ready ready = {});
    bool Done() const { return steps_.isEmpty(); }
    int Pending() const { return steps_.size(); }

private:
    void Tick();
    struct Step {
        QString window;
        Ready ready;
        Action action;
    };
    QList<Step> steps_;
    QTimer timer_;
};

// Deletes every top-level window left by a test, with the deferred deletions it caused.
void DeleteAllWindows();

// What assistive technology reads wrongly in a window, one line per fault: a visible label
// whose accessible name is not its text, or a visible widget named by its objectName.
QStringList AccessibilityFaults(QWidget* window);

// A visible top-level window by objectName, or nullptr.
QWidget* VisibleWindow(const QString& objectName);

// Clicks a child button (or check box, option) of a window by objectName, as a user would.
void ClickChild(QWidget* window, const QString& childName);

// The message boxes of the installer and the uninstaller, answered and written down. A
// question no test expects gets No, so that nothing is done that the test did not ask for.
class MessageAnswers : public MessageBoxes {
public:
    MessageAnswers() { questions = MsgResult::No; }
};

// Takes the web addresses the program asks the desktop to open, instead of a browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher();
    ~UrlCatcher() override;
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};
