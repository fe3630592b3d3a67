#pragma once

// Window and control lengths are given in twips (1/1440 inch); this turns them into pixels
// at the screen's logical DPI (96 when no screen is there, as in offscreen tests).
int Twips(int twips);
