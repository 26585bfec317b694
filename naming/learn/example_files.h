#pragma once

// Learning from files the user named by hand: each file read through the extraction pool with
// one request, then the learner over the documents that could be read.

#include "naming/learn/template_learner.h"

#include <QList>
#include <QString>

namespace corvander {

class ExtractionPool;
class Waiter;

// A file and the name the user would have given it, as typed.
struct ExampleFile {
    QString path;
    QString wantedName;
};

// What learnTemplates gives for the examples, with one outcome per example in the order given.
// The files are read at once, one request each (learningNeeds(), the pool's OCR as it is set,
// `password` for protected ones). A file that could not be read is not learned from: its outcome
// says why, as a run's skipped line would ("password needed", "unreadable"). When no worker
// could start (pool.cannotStart()), nothing is learned.
LearnedTemplates learnFromFiles(const TemplateLearner& learner, const QList<ExampleFile>& examples,
                                ExtractionPool& pool, Waiter& waiter, const QString& password = {});

} // namespace corvander
