#pragma once

#include <QString>

// Names and addresses that the program shows or uses in more than one place.
namespace ProductInfo {
inline const QString productName = QStringLiteral("Lumetra Wall Time Display");
inline const QString organisation = QStringLiteral("Orvanta");
inline const QString version = QStringLiteral(LUMETRA_VERSION);
inline const QString licence
    = QStringLiteral(QT_TRANSLATE_NOOP("ProductInfo", "Proprietary software of Orvanta. All rights reserved."));
inline const QString homePage = QStringLiteral("https://www.orvanta.example/lumetra/");
inline const QString supportEmail = QStringLiteral("support@orvanta.example");
inline const QString pointerFileName = QStringLiteral("HAND-M.CUR");
inline const QString skinFileName = QStringLiteral("x/o.cjs");
inline const QString iconResource = QStringLiteral(":/icons/lumetra.svg");
}
