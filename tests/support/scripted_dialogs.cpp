#include "tests/support/scripted_dialogs.h"

#include "common/app_title.h"
#include "common/name_filter.h"

#include <QDir>

namespace corvander {

namespace {
// The answer that stands for "every file shown in this folder".
struct ShownFiles {
    QString folder;
};
} // namespace
} // namespace corvander
Q_DECLARE_METATYPE(corvander::ShownFiles)
namespace corvander {

void ScriptedDialogs::record(Kind kind, const QString& text, const QString& title,
                             const QString& def, bool masked, const QStringList& items,
                             const QStringList& checked) {
    m_shown.append(
        {kind, text, title.isEmpty() ? applicationTitle() : title, def, masked, items, checked});
    if (!m_hooks.isEmpty())
        m_hooks.dequeue()();
}

QVariant ScriptedDialogs::takeAnswer() {
    return m_answers.isEmpty() ? QVariant() : m_answers.dequeue();
}

void ScriptedDialogs::showMessage(const QString& text, const QString& title) {
    record(Kind::Message, text, title);
}

void ScriptedDialogs::showWarning(const QString& text, const QString& title) {
    record(Kind::Warning, text, title);
}

bool ScriptedDialogs::askYesNo(const QString& text, const QString& title) {
    record(Kind::YesNo, text, title);
    const QVariant answer = takeAnswer();
    return answer.isValid() && answer.toBool();
}

std::optional<QString> ScriptedDialogs::askText(const QString& prompt, const QString& title,
                                                const QString& defaultText, bool masked) {
    record(Kind::Input, prompt, title, defaultText, masked);
    const QVariant answer = takeAnswer();
    if (!answer.isValid() || answer.typeId() == QMetaType::Nullptr)
        return std::nullopt;
    return answer.toString();
}

void ScriptedDialogs::answerFilesShownIn(const QString& folder) {
    m_answers.enqueue(QVariant::fromValue(ShownFiles{folder}));
}

QStringList ScriptedDialogs::openFiles(const QString& title, const QString& filter) {
    record(Kind::OpenFiles, filter, title);
    const QVariant answer = takeAnswer();
    if (answer.metaType() != QMetaType::fromType<ShownFiles>())
        return answer.toStringList();
    const QDir folder(answer.value<ShownFiles>().folder);
    QStringList shown;
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        if (corvander::matchesNameFilter(filter, name))
            shown << folder.filePath(name);
    }
    return shown;
}

QString ScriptedDialogs::browseForFolder(const QString& title, const QString& startFolder) {
    record(Kind::Folder, startFolder, title);
    return takeAnswer().toString();
}

bool ScriptedDialogs::openExternally(const QUrl& url) {
    record(Kind::OpenExternally, url.toString(), QString());
    return openExternallyResult;
}

QList<ScriptedDialogs::Shown> ScriptedDialogs::shownOf(Kind kind) const {
    QList<Shown> result;
    for (const Shown& item : m_shown)
        if (item.kind == kind)
            result.append(item);
    return result;
}

QStringList ScriptedDialogs::messages() const {
    QStringList texts;
    for (const Shown& item : shownOf(Kind::Message))
        texts << item.text;
    return texts;
}

QStringList ScriptedDialogs::warnings() const {
    QStringList texts;
    for (const Shown& item : shownOf(Kind::Warning))
        texts << item.text;
    return texts;
}

QString ScriptedDialogs::saveFile(const QString& title, const QString& suggestedPath,
                                  const QString&) {
    record(Kind::SaveFile, suggestedPath, title);
    return takeAnswer().toString();
}

std::optional<QStringList> ScriptedDialogs::chooseItems(const QString& title, const QString& prompt,
                                                        const QStringList& items,
                                                        const QStringList& checked) {
    record(Kind::ChooseItems, prompt, title, {}, false, items, checked);
    const QVariant answer = takeAnswer();
    if (!answer.isValid() || answer.typeId() == QMetaType::Nullptr)
        return std::nullopt;
    return answer.toStringList();
}

} // namespace corvander
