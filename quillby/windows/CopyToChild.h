#pragma once
#include <QWidget>
#include <cstdint>

// "Copy to Child..." of the list editor: asks which other child gets the list, copies it
// there (CopyListToChild) and says how it went.

// True when the family has a child besides the one this Quillby has open.
bool HasOtherChildren();
void CopyToAnotherChild(int32_t listId, QWidget* owner);
