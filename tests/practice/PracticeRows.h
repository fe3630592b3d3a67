#pragma once
#include "TestDb.h"
#include "TestRows.h"
#include "TestOptions.h"

#include <QDateTime>
#include <QString>
#include <memory>
#include <vector>

// A fresh application folder with a real database holding the default settings row, in which
// the tests make their rows with TestRows.h.
class PracticeRows {
protected:
    void OpenFolder();
    void CloseFolder();

    std::unique_ptr<TestAppFolder> folder;
};

// The settings of a quiet test: no reveal, no sounds.
TestSettings Quiet(int moveOnAfter = 3, const QString& order = QStringLiteral("ALPHABETICAL"));
