#pragma once

#include "cli/command_settings.h"
#include "naming/learn/template_learner.h"

#include <QList>
#include <QString>

#include <optional>

namespace corvander {

// Learns the templates of the examples through extraction workers of their own, as `learn` and
// `rename --like` do: one outcome per example, in order. Nothing when no worker could start (the
// reason is told on standard error). Raises a UsageError for an OCR language that is not
// installed.
std::optional<LearnedTemplates> learnExamples(const QList<NamedExample>& examples,
                                              const CommonSettings& common,
                                              const QString& dateOrder, const QString& password,
                                              const QString& program);

} // namespace corvander
