#pragma once
#include <QColor>
#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

// Asks the platform to open an address (web page or mail link); a failure is silent.
void OpenInternet(const QString& url);

// The about window: program title, versions and the vendor's links.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    static QString WebsiteAddress();
    static QString SupportAddress();
    // The mail link the support address opens.
    static QString SupportMailLink();
    QColor LinkColour() const { return linkColour_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void HoverLink(QLabel* link);
    void RestoreLinkColours();

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* lblAppName;
    QLabel* Label3;
    QLabel* lblVirtualVersion;
    QLabel* Label5;
    QLabel* lblHardVersion;
    QLabel* Label7;
    QLabel* lblWebsite;
    QLabel* Label9;
    QLabel* lblEmail;
    QPushButton* cmdClose;
    QColor linkColour_;
};
