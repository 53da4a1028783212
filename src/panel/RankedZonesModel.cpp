#include "panel/RankedZonesModel.h"

#include "timezones/ZoneSearch.h"
#include "timezones/modTimeFunctions.h"
#include "timezones/modTimeZones.h"

void RankedZonesModel::setTyped(const QString &typed)
{
    beginResetModel();
    mTyped = typed;
    mRows.clear();
    mReasons.clear();
    QList<ZoneCandidate> candidates;
    const int count = sourceModel() ? sourceModel()->rowCount() : 0;
    for (int row = 0; row < count; ++row) {
        const QModelIndex item = sourceModel()->index(row, 0);
        const int k = item.data(Qt::UserRole).toInt();
        candidates.append({ modTimeZones::TimeZoneKeys.value(k), item.data().toString() });
    }
    const ZoneOtherNames &otherNames = zoneOtherNamesIn(modTimeFunctions::TimeZoneFolder());
    for (const ZoneMatch &match : rankZoneMatches(candidates, typed, otherNames)) {
        mRows.append(match.candidate);
        mReasons.append(match.reason);
    }
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
    return mRows.isEmpty() ? 1 : static_cast<int>(mRows.size());
}

QModelIndex RankedZonesModel::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid() || isNoMatchRow(proxyIndex))
        return {};
    return sourceModel()->index(mRows.at(proxyIndex.row()), proxyIndex.column());
}

QModelIndex RankedZonesModel::mapFromSource(const QModelIndex &sourceIndex) const
{
    const qsizetype row = mRows.indexOf(sourceIndex.row());
    return sourceIndex.isValid() && row != -1 ? index(static_cast<int>(row), sourceIndex.column()) : QModelIndex();
}

QVariant RankedZonesModel::data(const QModelIndex &index, int role) const
{
    if (isNoMatchRow(index))
        return role == Qt::DisplayRole ? QStringLiteral("No time zone matches '%1'").arg(mTyped) : QVariant();
    const QVariant text = QAbstractProxyModel::data(index, role);
    const QString &reason = mReasons.at(index.row());
    if (role != Qt::DisplayRole || reason.isEmpty())
        return text;
    return text.toString() + QStringLiteral(" — ") + reason;
}

Qt::ItemFlags RankedZonesModel::flags(const QModelIndex &index) const
{
    return isNoMatchRow(index) ? Qt::NoItemFlags : QAbstractProxyModel::flags(index);
}
