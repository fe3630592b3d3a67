#pragma once

class QWidget;
class QObject;

// The File menu's "Back Up..." and "Restore..." and the daily automatic backup: the dialogs
// and messages around the backup files of the data layer.

// Asks where to write a backup and writes it; says where it went or why it failed.
void BackUpNow(QWidget* parent);

// Asks for a backup, shows what it holds and asks again; restores it when agreed. Returns
// true when the data were replaced: the caller then reads the lists and settings again.
bool RestoreFromBackup(QWidget* parent);

// Starts the day's automatic backup on a thread of its own, once the main window shows; a
// failure is the only thing ever said. The thread belongs to owner, which waits for it.
void StartDailyBackup(QObject* owner);
// StartDailyBackup for window once it has first painted itself (or a few seconds after the
// call, should it not paint): the copy reads and writes the whole database, and on a busy
// machine it would hold up the first paint of the window the user waits for.
void StartDailyBackupAfterFirstPaint(QWidget* window);
