#include "EditorFixture.h"

int main(int argc, char** argv) { return RunEditorTests(argc, argv); }
