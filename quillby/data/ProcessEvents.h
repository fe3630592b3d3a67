#pragma once

// "Let pending window events run n times."
void ProcessEvents(int times);
