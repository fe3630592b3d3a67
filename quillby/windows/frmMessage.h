#pragma once
#include <QDialog>
#include <QString>

// Shows the temporary message window modally with two lines for Globals::MessageTime
// half-seconds (at once back when that is 0; until clicked when above 200).
void ShowTempMessage(const QString& topText, const QString& bottomText);

// The temporary message window.
class frmMessage : public QDialog {
    Q_OBJECT
public:
    explicit frmMessage(QWidget* parent = nullptr);
};
