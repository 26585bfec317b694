#include "app/check_list_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvander {

CheckListDialog::CheckListDialog(const QString& title, const QString& prompt,
                                 const QStringList& items, const QStringList& checked,
                                 QWidget* parent)
    : QDialog(parent), m_list(new QListWidget(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(title);
    auto* label = new QLabel(prompt, this);
    label->setBuddy(m_list);
    label->setWordWrap(true);
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(checked.contains(text) ? Qt::Checked : Qt::Unchecked);
    }
    m_list->setAccessibleName(prompt);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemChanged, this, &CheckListDialog::allowOkOnlyWithAChoice);
    allowOkOnlyWithAChoice();
}

QStringList CheckListDialog::checkedItems() const {
    QStringList chosen;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->checkState() == Qt::Checked)
            chosen << m_list->item(row)->text();
    }
    return chosen;
}

void CheckListDialog::allowOkOnlyWithAChoice() {
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!checkedItems().isEmpty());
}

} // namespace corvander
