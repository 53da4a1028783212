#pragma once

struct FontChoice;

// The desktop's font dialog: screen fonts only and no effects controls. Strikethrough
// and underline pass through as they were pre-set, since the user cannot change them.
// On OK the font becomes the pick and the result is true; on cancel it stays as it was.
bool runFontDialog(FontChoice &font);
