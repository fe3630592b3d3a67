#pragma once
#include <QString>
#include <QtGlobal>

// Modules of Quillby's own (plugins/lib<name>.so beside the programs): what only some commands
// need, loaded at their first use so that the program's start does not map their libraries.

// Where the module is looked for: plugins/lib<name>.so in the program's folder, unless a test
// named another file with SetModulePathForTesting.
QString ModulePath(const QString& name);

// Loads the module once (it stays loaded for the rest of the run) and returns the function
// named `symbol`; null when the module or the function cannot be had, with the loader's reason
// in *error. Safe to call from any thread.
QFunctionPointer ModuleFunction(const QString& name, const char* symbol, QString* error = nullptr);

// Names the file of a module for the rest of the run; for tests, which load the build's file.
void SetModulePathForTesting(const QString& name, const QString& path);
