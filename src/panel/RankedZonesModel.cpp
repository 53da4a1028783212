#include "panel/RankedZonesModel.h"

#include "timezones/ZoneSearch.h"
#include "timezones/modTimeFunctions.h"
#include "timezones/modTimeZones.h"

#include <QCoreApplication>
#include <algorithm>

void RankedZonesModel::setTyped(const QString &typed)
{
    beginResetModel();
    mTyped = typed;
    QList<ZoneCandidate> candidates;
    const int count = sourceModel() ? sourceModel()->rowCount() : 0;
    for (int row = 0; row < count; ++row) {
        const QModelIndex item = sourceModel()->index(row, 0);
        const int k = item.data(Qt::UserRole).toInt();
        candidates.append({ modTimeZones::TimeZoneKeys.value(k), item.data().toString() });
    }
    const ZoneOtherNames &otherNames = zoneOtherNamesIn(modTimeFunctions::TimeZoneFolder());
    mMatches = rankZoneMatches(candidates, typed, otherNames);
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
    const QString &reason = mMatches.at(index.row()).reason;
    if (role != Qt::DisplayRole || reason.isEmpty())
        return text;
    return text.toString() + QStringLiteral(" — ") + reason;
}

Qt::ItemFlags RankedZonesModel::flags(const QModelIndex &index) const
{
    return isNoMatchRow(index) ? Qt::NoItemFlags : QAbstractProxyModel::flags(index);
}
