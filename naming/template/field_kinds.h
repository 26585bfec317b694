#pragma once

#include "naming/template/field_evaluation.h"

// The fields by group, each giving its value before the modifiers; FieldEvaluator picks the one
// an alternative needs.

namespace corvander {

// words, after, before, if: on the text.
std::optional<FieldResult> wordsField(const Alternative& alternative,
                                      const PreparedDocument& document);
std::optional<FieldResult> besideField(const Alternative& alternative,
                                       const PreparedDocument& document,
                                       const QRegularExpression& search);
std::optional<FieldResult> ifField(const Alternative& alternative, const PreparedDocument& document,
                                   const QRegularExpression& search);

// match and zone.
std::optional<FieldResult> matchField(const Alternative& alternative,
                                      const PreparedDocument& document,
                                      const QRegularExpression& pattern);
std::optional<FieldResult> zoneField(const Alternative& alternative,
                                     const PreparedDocument& document);

// date; `search` finds the text it comes after (nothing for a date anywhere).
std::optional<FieldResult> dateField(const Alternative& alternative,
                                     const PreparedDocument& document, const DateFinder& dates,
                                     DateOrder order, const QRegularExpression* search);

// The document information (author ... keywords, created, modified, version, pages), and the
// file's own name and folder.
std::optional<FieldResult> informationField(const Alternative& alternative,
                                            const PreparedDocument& document);
std::optional<FieldResult> fileField(const Alternative& alternative,
                                     const PreparedDocument& document);

// A date as the document information lines print it (the C locale's "%c %Z" in local time, or
// the ISO form), or nothing.
std::optional<QDate> printedInfoDate(const QString& printed);
// The alternative's FORMAT, or "%Y-%m-%d" when it names none.
QString formatOrDefault(const Alternative& alternative);

// "page 3", or "page 5, the last" for `last`.
QString pageText(const PreparedDocument& document, const PageRef& page);

// The text found by a search as the user reads it: its white space made single blanks.
QString foundText(QStringView text, qsizetype start, qsizetype end);

} // namespace corvander
