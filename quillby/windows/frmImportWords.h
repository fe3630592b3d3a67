#pragma once
#include "ImportText.h"
#include "WordQueries.h"

#include <QWidget>
#include <cstdint>

class ImportWordsModel;
class PictureReader;
struct PictureText;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

// The "Import Words" window: reads candidate words from a file, the clipboard or a dropped
// file (text, CSV, or a picture of the school's sheet), lets the parent tick and correct
// them, and stores the ticked ones in a new list or in the list chosen in the main window.
// Modeless; it asks for the list editor on the stored list through ListEditorWanted.
class frmImportWords : public QWidget {
    Q_OBJECT
public:
    // targetListId: the list "Add to List" adds to, 0 when no list is chosen.
    explicit frmImportWords(int32_t targetListId, QWidget* parent = nullptr);
    ~frmImportWords() override;

    // Reads a file: text and CSV at once, a picture on a thread of its own.
    void ReadFile(const QString& path);
    // Reads the clipboard: its picture, its files or its text.
    void ReadClipboard();
    bool Reading() const;

    QLabel* lblSource = nullptr;
    QPushButton* cmdOpenFile = nullptr;
    QPushButton* cmdPaste = nullptr;
    QTableView* grdWords = nullptr;
    QLabel* lblReading = nullptr;
    QProgressBar* prgReading = nullptr;
    QPushButton* cmdStopReading = nullptr;
    QPushButton* cmdCreateList = nullptr;
    QPushButton* cmdAddToList = nullptr;
    QPushButton* cmdCancel = nullptr;

signals:
    // Words were stored in this list: the list editor should open on it.
    void ListEditorWanted(int32_t listId, bool created);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void OpenFileClicked();
    void ShowSource(const QString& text);
    void ShowResult(ImportResult result);
    void ReadPicture(const QString& path, const QImage& image);
    void PictureRead(const PictureText& text);
    void SetReading(bool reading);
    void ReadText(const QString& text, const QString& source);
    // The ticked rows as words to store; empty (after a message) when there are none or one
    // has no word.
    bool TakeTickedWords(std::vector<WordDetails>& words);
    void CreateListClicked();
    void AddToListClicked();

    int32_t targetListId_ = 0;
    QString pictureName_;
    QStringList listWords_;
    ImportWordsModel* rows_ = nullptr;
    PictureReader* reader_ = nullptr;
    QTimer* progressTimer_ = nullptr;
};
