#include "TaskNotices.h"

TaskNoticeBoard& TaskNotices()
{
    static TaskNoticeBoard board;
    return board;
}

void ListChanged(int32_t listId) { emit TaskNotices().ListChanged(listId); }

void TestStored(int32_t listId) { emit TaskNotices().TestStored(listId); }

void ReturnToLists() { emit TaskNotices().TaskEnded(); }
