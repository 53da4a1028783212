#include "wallscreen/AboutBox.h"

#include "base/ProductInfo.h"
#include "base/SourceText.h"
#include "dressing/AccessibleRole.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QUrl>

void showAboutBox(QWidget *parent, const std::function<void(const QUrl &)> &openLink)
{
    auto *box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // A window to read at leisure, not an alert to interrupt with.
    setAccessibleRole(*box, QAccessible::Dialog);
    box->setWindowTitle(QCoreApplication::translate("AboutBox", "About %1").arg(ProductInfo::productName));
    box->setTextFormat(Qt::RichText);
    box->setText(QStringLiteral("<b>%1</b> %2<br>%3<br><a href=\"%4\">%4</a>")
                     .arg(ProductInfo::productName.toHtmlEscaped(), ProductInfo::version,
                          inUserLanguage("ProductInfo", ProductInfo::licence).toHtmlEscaped(), ProductInfo::homePage));
    box->setIconPixmap(parent->windowIcon().pixmap(64));
    for (QLabel *label : box->findChildren<QLabel *>()) {
        label->setOpenExternalLinks(false);
        // Tab reaches the home page's link and Enter opens it.
        if (label->text().contains(ProductInfo::homePage))
            label->setTextInteractionFlags(label->textInteractionFlags() | Qt::LinksAccessibleByKeyboard);
        QObject::connect(label, &QLabel::linkActivated, box, [openLink](const QString &link) { openLink(QUrl(link)); });
    }
    box->open();
}
