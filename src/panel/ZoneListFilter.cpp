#include "panel/ZoneListFilter.h"

#include "timezones/ZoneTextMatch.h"

#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSortFilterProxyModel>

namespace ZoneListFilter {
namespace {

// The list's items that hold the typed text, in the list's order.
class MatchingZones : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setTyped(const QString &typed)
    {
        mTyped = typed;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        return zoneTextMatches(sourceModel()->index(row, 0, parent).data().toString(), mTyped);
    }

private:
    QString mTyped;
};

// The first letter typed over the selected item's text starts a new search instead of
// adding to the zone's name, wherever the cursor stands.
class NewSearchOnTyping : public QObject {
public:
    NewSearchOnTyping(QComboBox &list, QLineEdit &edit)
        : QObject(&edit)
        , mList(list)
        , mEdit(edit)
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const bool typesText = !key->text().isEmpty() && key->text().at(0).isPrint()
                && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
            if (typesText && mEdit.text() == mList.itemText(mList.currentIndex()))
                mEdit.clear();
        }
        return false;
    }

private:
    QComboBox &mList;
    QLineEdit &mEdit;
};

}

void attach(QComboBox &list)
{
    list.setEditable(true);
    list.setInsertPolicy(QComboBox::NoInsert);
    // The matches take the list's rows only once the user types: until then, every row
    // the list gains would also go through the matches and the completer, which costs
    // more than the filling of the list itself.
    auto *matches = new MatchingZones(&list);
    // The completer shows the rows of its model as they are; the model does the matching.
    // The list maps a chosen row back through the model to its own item.
    auto *completer = new QCompleter(matches, &list);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    list.setCompleter(completer);

    QLineEdit *edit = list.lineEdit();
    // The list passes the keys it has the focus for straight to its text field, past the
    // field's event filters; the keys typed into the field itself reach it directly.
    auto *newSearch = new NewSearchOnTyping(list, *edit);
    list.installEventFilter(newSearch);
    edit->installEventFilter(newSearch);
    QObject::connect(edit, &QLineEdit::textEdited, &list, [&list, matches, completer](const QString &typed) {
        if (!matches->sourceModel())
            matches->setSourceModel(list.model());
        matches->setTyped(typed);
        // Shown once the key that changed the text is handled: the completer hides its list
        // on the way back from the key when the rows change under it.
        QMetaObject::invokeMethod(
            completer, [completer] { completer->complete(); }, Qt::QueuedConnection);
    });
    QObject::connect(edit, &QLineEdit::editingFinished, &list, [&list, edit] {
        const QString selectedText = list.itemText(list.currentIndex());
        if (edit->text() != selectedText)
            edit->setText(selectedText);
    });
}

}
