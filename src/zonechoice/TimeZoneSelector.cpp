#include "zonechoice/TimeZoneSelector.h"

#include "base/RuntimeError.h"

#include <QComboBox>

namespace TimeZoneSelector {
namespace {

void requireItem(const QComboBox &list, int position)
{
    if (position < 0 || position >= list.count())
        throw RuntimeError(RuntimeErrors::invalidPropertyValue);
}

}

int addSortedItem(QComboBox &list, const QString &text)
{
    int low = 0;
    int high = list.count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (QString::compare(list.itemText(middle), text, Qt::CaseInsensitive) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    list.insertItem(low, text);
    return low;
}

int itemData(const QComboBox &list, int position)
{
    requireItem(list, position);
    return list.itemData(position).toInt();
}

void setItemData(QComboBox &list, int position, int data)
{
    requireItem(list, position);
    list.setItemData(position, data);
}

void selectPosition(QComboBox &list, int position)
{
    if (position != -1)
        requireItem(list, position);
    list.setCurrentIndex(position);
}

}
