#pragma once

#include "timezones/ZoneSearch.h"

#include <QAbstractProxyModel>
#include <QList>
#include <QString>

// The zones of a time zone list that match typed text, best first (rankZoneMatches), as a
// proxy of the list's rows, whose item data are catalogue indices: a chosen row maps back to
// the list's own item, and its text to complete with is the item's. Beside its text a zone
// shows its city in the user's language where that is not the identifier's, and the other
// name it was found by ("(UTC+05:30) Asia/Kolkata — Kalkutta, Indien"); when nothing
// matches, one disabled row says so.
class RankedZonesModel : public QAbstractProxyModel {
public:
    using QAbstractProxyModel::QAbstractProxyModel;

    void setTyped(const QString &typed);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &) const override { return {}; }
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 1; }
    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    bool isNoMatchRow(const QModelIndex &index) const { return mMatches.isEmpty() && index.row() == 0; }

    QString mTyped;
    QList<ZoneCandidate> mCandidates;
    // The list's rows in ranked order, each with the other name it was found by.
    QList<ZoneMatch> mMatches;
};
