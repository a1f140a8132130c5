#include "ui/settings/ChoiceBox.h"

namespace {

// Marks the one item that is not a choice of the list.
constexpr int ExtraRole = Qt::UserRole + 1;

}  // namespace

ChoiceBox::ChoiceBox(const QStringList& items, QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    addItems(items);
    setCurrentIndex(-1);
    connect(this, &QComboBox::activated, this, [this] {
        dropExtra();
        emit chosen();
    });
}

QString ChoiceBox::text() const { return currentIndex() < 0 ? QString() : currentText(); }

bool ChoiceBox::showsListItem() const { return currentIndex() >= 0 && currentIndex() != extraIndex(); }

void ChoiceBox::setText(const QString& text)
{
    const int extra = extraIndex();
    int index = -1;
    for (int i = 0; i < count(); ++i) {
        if (i != extra && itemText(i) == text) {
            index = i;
            break;
        }
    }
    if (index >= 0) {
        setCurrentIndex(index);
        dropExtra();
    } else if (extra >= 0) {
        setItemText(extra, text);
        setCurrentIndex(extra);
    } else {
        addItem(text);
        setItemData(count() - 1, true, ExtraRole);
        setCurrentIndex(count() - 1);
    }
    emit put(index >= 0);
}

int ChoiceBox::extraIndex() const
{
    for (int i = 0; i < count(); ++i) {
        if (itemData(i, ExtraRole).toBool())
            return i;
    }
    return -1;
}

void ChoiceBox::dropExtra()
{
    const int extra = extraIndex();
    if (extra >= 0 && extra != currentIndex())
        removeItem(extra);
}
