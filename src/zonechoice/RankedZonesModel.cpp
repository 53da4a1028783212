#include "zonechoice/RankedZonesModel.h"

#include "timezones/ZoneCity.h"
#include "timezones/ZoneCityNames.h"
#include "timezones/ZoneSearch.h"
#include "timezones/modTimeFunctions.h"
#include "timezones/modTimeZones.h"

#include <QCoreApplication>
#include <algorithm>

void RankedZonesModel::setTyped(const QString &typed)
{
    beginResetModel();
    mTyped = typed;
    mCandidates.clear();
    const int count = sourceModel() ? sourceModel()->rowCount() : 0;
    for (int row = 0; row < count; ++row) {
        const QModelIndex item = sourceModel()->index(row, 0);
        const QByteArray zone = modTimeZones::TimeZoneKeys.value(item.data(Qt::UserRole).toInt());
        // Only a city other than the identifier's is worth showing and searching.
        QString city = ZoneCityNames::ofUser().city(zone);
        if (city == zoneCityName(zone))
            city.clear();
        mCandidates.append({ zone, item.data().toString(), city });
    }
    const ZoneOtherNames &otherNames = zoneOtherNamesIn(modTimeFunctions::TimeZoneFolder());
    mMatches = rankZoneMatches(mCandidates, typed, otherNames);
    endResetModel();
}

QModelIndex RankedZonesModel::index(int row, int column, const QModelIndex &parent) const
{
    return hasIndex(row, column, parent) ? createIndex(row, column) : QModelIndex();
}

int RankedZonesModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !sourceModel())
        return 0;
    return mMatches.isEmpty() ? 1 : static_cast<int>(mMatches.size());
}

QModelIndex RankedZonesModel::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid() || isNoMatchRow(proxyIndex))
        return {};
    return sourceModel()->index(mMatches.at(proxyIndex.row()).candidate, proxyIndex.column());
}

QModelIndex RankedZonesModel::mapFromSource(const QModelIndex &sourceIndex) const
{
    const auto match = std::find_if(mMatches.cbegin(), mMatches.cend(),
                                    [&](const ZoneMatch &each) { return each.candidate == sourceIndex.row(); });
    return sourceIndex.isValid() && match != mMatches.cend()
        ? index(static_cast<int>(match - mMatches.cbegin()), sourceIndex.column())
        : QModelIndex();
}

QVariant RankedZonesModel::data(const QModelIndex &index, int role) const
{
    if (isNoMatchRow(index))
        return role == Qt::DisplayRole
            ? QCoreApplication::translate("RankedZonesModel", "No time zone matches '%1'").arg(mTyped)
            : QVariant();
    const QVariant text = QAbstractProxyModel::data(index, role);
    const ZoneMatch &match = mMatches.at(index.row());
    QStringList notes { mCandidates.at(match.candidate).city, match.reason };
    notes.removeAll(QString());
    if (role != Qt::DisplayRole || notes.isEmpty())
        return text;
    return text.toString() + QStringLiteral(" — ") + notes.join(QStringLiteral(", "));
}

Qt::ItemFlags RankedZonesModel::flags(const QModelIndex &index) const
{
    return isNoMatchRow(index) ? Qt::NoItemFlags : QAbstractProxyModel::flags(index);
}
