#pragma once

class QWidget;

// Makes every button, check box, radio button and frame title of a window of fixed design
// wide enough for its text, so that a longer translation is never cut off: a control that
// grows moves what stands to its right along, widens what spans across it, and its frame
// and the window grow as far as the design's right margins need. A window whose texts all
// fit keeps its designed geometry to the pixel.
void makeRoomForTexts(QWidget &window);
