#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class Dialogs;

// What the user typed at the start of a rename by content, kept as text until each file's call.
struct RunParameters {
    QString first;      // x (modes 0 to 3), n (modes 5, 6), the first listed number (mode 4)
    QString second;     // y (mode 3); empty otherwise
    QString wordList;   // mode 4: the answer as typed
    QString searchText; // modes 5 and 6

    // The answers given, as "name=value" ("x=3", "words=10,11", "text=Invoice No").
    QStringList described() const;
};

// Asks for the numbers and the text that the mode needs. Numeric prompts come back until their
// answer is numeric, with "Must be numeric." in between. Nothing when the user leaves a prompt
// (Cancel or Esc): the run then ends before it touches any file.
std::optional<RunParameters> collectRunParameters(Dialogs& dialogs, int mode);

// The arguments of one file's call, chosen by the mode as it is when that file's turn comes.
struct FileArguments {
    QString count;
    QString page;
    QString wordList;
    QString searchText;
};

FileArguments fileArgumentsFor(int mode, const RunParameters& parameters);
