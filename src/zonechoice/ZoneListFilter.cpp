#include "zonechoice/ZoneListFilter.h"

#include "zonechoice/RankedZonesModel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace ZoneListFilter {
namespace {

// The keys and the wheel of the list, its text field and its matches.
class SearchEvents : public QObject {
public:
    SearchEvents(QComboBox &list, QCompleter &completer)
        : QObject(&list)
        , mList(list)
        , mEdit(*list.lineEdit())
        , mCompleter(completer)
    {
    }

    // Puts the selected zone's text back in place of a search. That is no change of the
    // list: its text events stay silent.
    void putBackSelection()
    {
        const QString selectedText = mList.itemText(mList.currentIndex());
        if (mEdit.text() == selectedText)
            return;
        const QSignalBlocker quiet(mList);
        mEdit.setText(selectedText);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The closed list ignores the wheel; the open one is a window of its own and scrolls.
        if (event->type() == QEvent::Wheel)
            return watched == &mList;
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto &key = static_cast<const QKeyEvent &>(*event);
        QAbstractItemView &matches = *mCompleter.popup();
        if (key.matches(QKeySequence::Cancel) && (matches.isVisible() || searching())) {
            matches.hide();
            putBackSelection();
            return true;
        }
        if (watched == &matches && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) {
            // The completer then chooses the current match as a click on it does.
            const QModelIndex first = matches.model()->index(0, 0);
            if (!matches.currentIndex().isValid() && first.flags().testFlag(Qt::ItemIsEnabled))
                matches.setCurrentIndex(first);
            return false;
        }
        // The first letter typed over the selected item's text starts a new search instead
        // of adding to the zone's name, wherever the cursor stands.
        const bool typesText = !key.text().isEmpty() && key.text().at(0).isPrint()
            && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (typesText && watched != &matches && !searching())
            mEdit.clear();
        return false;
    }

private:
    bool searching() const { return mEdit.text() != mList.itemText(mList.currentIndex()); }

    QComboBox &mList;
    QLineEdit &mEdit;
    QCompleter &mCompleter;
};

}

void attach(QComboBox &list)
{
    list.setEditable(true);
    list.setInsertPolicy(QComboBox::NoInsert);
    // The matches take the list's rows only once the user types: until then, every row
    // the list gains would also go through the matches and the completer, which costs
    // more than the filling of the list itself.
    auto *matches = new RankedZonesModel(&list);
    // The completer shows the rows of its model as they are; the model does the matching.
    // The list maps a chosen row back through the model to its own item.
    auto *completer = new QCompleter(matches, &list);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    list.setCompleter(completer);

    QLineEdit *edit = list.lineEdit();
    // The list passes the keys it has the focus for straight to its text field, past the
    // field's event filters; the keys typed into the field itself reach it directly, and
    // the open matches take the keys before the completer does.
    auto *events = new SearchEvents(list, *completer);
    list.installEventFilter(events);
    edit->installEventFilter(events);
    QObject::connect(edit, &QLineEdit::textEdited, &list,
                     [&list, edit, matches, completer, events](const QString &typed) {
                         if (!matches->sourceModel()) {
                             matches->setSourceModel(list.model());
                             completer->popup()->installEventFilter(events);
                         }
                         matches->setTyped(typed);
                         // Shown once the key that changed the text is handled: the completer hides its list
                         // on the way back from the key when the rows change under it. A search given up
                         // meanwhile shows nothing.
                         QMetaObject::invokeMethod(
                             completer,
                             [edit, typed, completer] {
                                 if (edit->text() == typed)
                                     completer->complete();
                             },
                             Qt::QueuedConnection);
                     });
    QObject::connect(edit, &QLineEdit::editingFinished, events, &SearchEvents::putBackSelection);
}

}
