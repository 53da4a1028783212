#pragma once

#include <QString>

// The application title made from the product name: the last word is always dropped,
// then more words while the title is longer than 40 characters. Throws RuntimeError
// when there is no blank left to cut at.
QString appTitleFrom(const QString &productName);
