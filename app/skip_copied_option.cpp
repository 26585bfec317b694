#include "app/skip_copied_option.h"

#include "common/error_report.h"
#include "common/settings_store.h"
#include "common/vb_convert.h"

#include <QAction>
#include <QMenu>

namespace corvander {

namespace {

const QString kKey = QStringLiteral("SkipCopied");

// A value that is no boolean leaves the option off, as a missing one does.
bool storedSkipCopied(const SettingsStore& settings) {
    try {
        return toBoolean(settings.get(kKey, QStringLiteral("False")));
    } catch (const AppError&) {
        return false;
    }
}

} // namespace

void SkipCopiedOption::addMenuItem(QMenu* options) {
    mnuSkipCopied = options->addAction(tr("Skip files already copied"));
    mnuSkipCopied->setObjectName(QStringLiteral("mnuSkipCopied"));
    mnuSkipCopied->setCheckable(true);
    mnuSkipCopied->setChecked(storedSkipCopied(m_settings));
    connect(mnuSkipCopied, &QAction::triggered, this, &SkipCopiedOption::mnuSkipCopied_Click);
}

bool SkipCopiedOption::isChecked() const {
    return mnuSkipCopied && mnuSkipCopied->isChecked();
}

void SkipCopiedOption::mnuSkipCopied_Click() {
    m_settings.save(kKey, booleanText(mnuSkipCopied->isChecked()));
    Q_EMIT changed();
}

} // namespace corvander
