#pragma once

#include <QDialog>
#include <QStringList>

class QDialogButtonBox;
class QListWidget;

namespace corvander {

// A prompt over a list of items with check boxes, and OK and Cancel. OK is greyed while nothing
// is checked, so the choice it gives is never empty.
class CheckListDialog : public QDialog {
    Q_OBJECT
public:
    CheckListDialog(const QString& title, const QString& prompt, const QStringList& items,
                    const QStringList& checked, QWidget* parent = nullptr);

    // The checked items, in the list's order.
    QStringList checkedItems() const;
    QListWidget* list() const { return m_list; }
    QDialogButtonBox* buttons() const { return m_buttons; }

private:
    void allowOkOnlyWithAChoice();

    QListWidget* m_list;
    QDialogButtonBox* m_buttons;
};

} // namespace corvander
