#pragma once

#include <QString>

class Dialogs;
class FileListView;
class ProgressView;
class RenameControls;

// What a per-file rename step needs of the window and of the run around it.
struct RenameContext {
    Dialogs& dialogs;
    ProgressView& progress;
    FileListView& list;
    RenameControls& controls;
    QString workFolder; // extractor output lands here
    QString pdftotext;  // full path of the text extractor, empty when it is not installed
    QString pdfinfo;    // full path of the information extractor, likewise
};
