#pragma once
#include <QString>

// Where the database and the recordings of a program folder live, and how to reach them.

// The connection string of the database in a folder:
// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=<folder>/Quillby.mdb;", the path quoted when
// it holds a ';' or a quote, or begins or ends with a blank (Connection::QuoteValue).
QString ConnectionStringFor(const QString& folder);

// The user's data folder: $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
QString UserDataHome();

// Where the database, its lock and the recordings live for a program in appFolder: appFolder
// itself when the program may write there (a per-user installation) and the folder is not
// one the package manager owns (under /usr), else the user's own
// $XDG_DATA_HOME/Quillby (a shared installation), made on first use with a copy of the shipped
// empty database. An existing database is never overwritten.
QString DataFolderFor(const QString& appFolder);
