#pragma once

// Moves the pointer of the X display named by DISPLAY to a point of the screen, as another
// program or the user would, through a connection of its own. False when there is no display.
bool MovePointerOnDisplay(int x, int y);
