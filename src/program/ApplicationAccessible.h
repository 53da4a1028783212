#pragma once

// Screen readers name the program after the application object. That name is the product's
// full one, while the application's own name stays the shorter title the panel gives it.
void nameApplicationForScreenReaders();
