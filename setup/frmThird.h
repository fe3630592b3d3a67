#pragma once
#include <QStringList>
#include <QWidget>

class QFrame;
class QGroupBox;
class QLabel;

namespace setup {

// The progress window: runs the installation stage by stage and ends the installer.
class frmThird : public QWidget {
    Q_OBJECT
public:
    explicit frmThird(QWidget* parent = nullptr);

    void SetStatus(const QString& m_Status);
    QString Status() const;
    int ScrollBarPercent() const { return m_Percent; }
    void SetScrollBarPercent(int m_Percent);
    // The left edge of the cover over the track, in pixels.
    int CoverLeft() const;

    void StartInstall();
    void FormatAndCreateIcon(const QString& m_TargetFolder, const QString& m_LinkName,
                             const QString& m_SourceFileName, const QString& m_Description,
                             const QString& m_IconName);
    void FinishScrollingProgressBar();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Lays the cover over the part of the track not yet done.
    void PlaceCover();
    void RegisterComponents();
    void CopyFiles();
    // The stages that can fail: each says what went wrong through SetFailure.
    bool VerifyFiles(); // every installed file is there and not empty
    bool CreateIcons();
    bool WriteLog();
    void SetFailure(const QString& heading, const QStringList& paths, const QString& advice);
    // Takes back what the run made, says why and ends the installer without starting Quillby.
    void FailInstall();

    QGroupBox* frameStatus;
    QLabel* lblStatus;
    QGroupBox* frameProgress;
    QFrame* Picture1;
    QFrame* Picture2;
    int m_Percent = 0;
    bool m_Running = false;
    QStringList m_FailedShortcuts;
    QString m_Failure;
    QString m_Advice;
};

// The files installed from the Support folder (paths inside it, the same inside the
// installation), in the order they are copied.
QStringList InstalledFileNames();

} // namespace setup
