// display.h: the display handler that draws one whole frame from the scene state.
#pragma once

// Clears, draws curve, control polygon, wave curve and crossing markers, swaps buffers.
void display();
