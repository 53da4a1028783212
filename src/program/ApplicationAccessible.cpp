#include "program/ApplicationAccessible.h"

#include "base/ProductInfo.h"

#include <QAccessibleApplication>
#include <QCoreApplication>

namespace {

class NamedApplication : public QAccessibleApplication {
public:
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? ProductInfo::productName : QAccessibleApplication::text(t);
    }
};

QAccessibleInterface *namedApplication(const QString &, QObject *object)
{
    return object == QCoreApplication::instance() ? new NamedApplication : nullptr;
}

}

void nameApplicationForScreenReaders()
{
    QAccessible::installFactory(namedApplication);
}
