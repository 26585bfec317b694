<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>corvander::AboutText</name>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Copies many PDF files at once under new names taken from each file&apos;s own text or document information. The files themselves are never changed.<byte value="xd"/>
<byte value="xd"/>
Licence: GNU General Public License, version 3 or (at your option) any later version. Corvander reads PDF files with the Poppler library. It comes with ABSOLUTELY NO WARRANTY.<byte value="xd"/>
<byte value="xd"/>
Settings file: %1 (section [Corvander])</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Kopiert viele PDF-Dateien auf einmal unter neuen Namen, die aus dem Text oder den Dokumentinformationen jeder Datei stammen. Die Dateien selbst werden nie verändert.<byte value="xd"/>
<byte value="xd"/>
Lizenz: GNU General Public License, Version 3 oder (nach Ihrer Wahl) jede spätere Version. Corvander liest PDF-Dateien mit der Bibliothek Poppler. Es wird OHNE JEDE GEWÄHRLEISTUNG bereitgestellt.<byte value="xd"/>
<byte value="xd"/>
Einstellungsdatei: %1 (Abschnitt [Corvander])</translation>
    </message>
</context>
<context>
    <name>corvander::CommandHelp</name>
    <message>
        <source>Usage: corvander rename FAMILY [options] --to DIR PATH...

Copies each PDF file into DIR under a name taken from its own text or from its
document information, exactly as the window&apos;s &quot;Start Renaming&quot; does. The files
themselves are never changed, and no file in DIR is ever replaced: a name that is
taken gets &quot;!&quot; (then &quot;!!&quot;, ...) before &quot;.pdf&quot;.

PATH: files, taken in the order given whatever their names, and folders, walked
breadth-first for *.pdf files (any letter case); inside a folder, names starting
with &quot;.&quot; or &quot;~&quot; are left out. &quot;--&quot; ends the options.

FAMILY, exactly one of:
</source>
        <translation>Aufruf: corvander rename FAMILIE [Optionen] --to ORDNER PFAD...

Kopiert jede PDF-Datei nach ORDNER unter einem Namen aus ihrem eigenen Text oder
aus ihren Dokumentinformationen, genau wie „Umbenennen starten“ im Fenster. Die
Dateien selbst werden nie verändert, und keine Datei in ORDNER wird je ersetzt:
Ist ein Name schon vergeben, kommt „!“ (dann „!!“, ...) vor „.pdf“.

PFAD: Dateien, in der angegebenen Reihenfolge, gleich wie sie heißen, und Ordner,
die in der Breite zuerst nach *.pdf-Dateien (in beliebiger Schreibweise)
durchsucht werden; in einem Ordner werden Namen, die mit „.“ oder „~“ beginnen,
ausgelassen. „--“ beendet die Optionen.

FAMILIE, genau eine von:
</translation>
    </message>
    <message>
        <source>  --like FILE=NAME           rename by template, the templates learned from
                             FILE named NAME by hand; repeat it, one example
                             of each kind (see &quot;corvander learn --help&quot;)
Numbers are whole numbers in decimal.

Options:
  --to DIR                   the results folder (required; must exist)
  --date-order ORDER         dmy, mdy or ymd: how --template reads a date
                             whose day and month could be swapped
  --dry-run                  copy nothing; print what a real run would do now
  --skip-copied              copy no file whose identical copy (same size and
                             SHA-256) already stands in DIR
%1
Output, one line per listed file in list order, fields separated by TABs:
  copied      SOURCE  NEW-FILE-NAME
  would-copy  SOURCE  NEW-FILE-NAME   (--dry-run)
  skipped     SOURCE  REASON
  skipped     SOURCE  already copied as NAME   (--skip-copied; counts as copied)
  failed      SOURCE  REASON          (the copy itself failed)
A backslash, TAB or line feed in a field is written as \\, \t, \n; a byte that
is not UTF-8 as \xHH. Progress goes to standard error when it is a terminal.

Exit status: 0 every file copied (with --dry-run: would be), 1 some skipped or
failed, 2 usage error, 3 nothing could start (no such DIR, no worker program).

Several rename processes, on one machine or several, may write into one DIR at
once: no copy ever replaces another, and every copy is whole. See corvander(1).
</source>
        <translation>  --like DATEI=NAME          Umbenennen nach Vorlage, mit den Vorlagen, die aus
                             DATEI, von Hand NAME genannt, gelernt werden;
                             wiederholbar, ein Beispiel je Art (siehe
                             „corvander learn --help“)
Zahlen sind ganze Zahlen im Dezimalsystem.

Optionen:
  --to ORDNER                der Ergebnisordner (erforderlich; muss existieren)
  --date-order REIHENFOLGE   dmy, mdy oder ymd: wie --template ein Datum liest,
                             bei dem Tag und Monat vertauscht sein könnten
  --dry-run                  nichts kopieren; ausgeben, was ein echter Durchlauf
                             jetzt täte
  --skip-copied              keine Datei kopieren, deren identische Kopie
                             (gleiche Größe und SHA-256) schon in ORDNER liegt
%1
Ausgabe, eine Zeile je Datei der Liste in deren Reihenfolge, Felder durch TABs
getrennt (die Wörter der ersten Spalte bleiben englisch):
  copied      QUELLE  NEUER-DATEINAME
  would-copy  QUELLE  NEUER-DATEINAME   (--dry-run)
  skipped     QUELLE  GRUND
  skipped     QUELLE  already copied as NAME   (--skip-copied; zählt als kopiert)
  failed      QUELLE  GRUND             (das Kopieren selbst schlug fehl)
Ein Backslash, TAB oder Zeilenvorschub in einem Feld wird als \\, \t, \n
geschrieben, ein Byte, das kein UTF-8 ist, als \xHH. Der Fortschritt geht an die
Standardfehlerausgabe, wenn sie ein Terminal ist.

Rückgabewert: 0 jede Datei kopiert (mit --dry-run: würde kopiert), 1 einige
übersprungen oder fehlgeschlagen, 2 Aufruffehler, 3 nichts konnte beginnen (kein
solcher ORDNER, kein Hilfsprogramm).

Mehrere Umbenennungsprozesse, auf einem oder mehreren Rechnern, dürfen zugleich
in einen ORDNER schreiben: Keine Kopie ersetzt je eine andere, und jede Kopie ist
vollständig. Siehe corvander(1).
</translation>
    </message>
    <message>
        <source>Usage: corvander undo [options] [JOURNAL]

Removes the copies a rename run made, as the window&apos;s &quot;Undo Last Run&quot; does:
without JOURNAL, those of the newest run (of the window or of the command line)
that made copies and was not undone yet; a run still going is passed over. A copy
is removed only while it is still the file the run made (the same size and
SHA-256, not a link); anything else is kept. The source files are never touched.
The journal is then marked as undone, so the next undo steps back to the run
before.

JOURNAL: a run journal, as kept in $XDG_STATE_HOME/corvander (by default
~/.local/state/corvander), one file per run.

Options:
  --json                     print JSON Lines instead of TAB-separated lines
  -h, --help                 show this help and exit

Output, one line per copy the run made, fields separated by TABs:
  removed  PATH
  kept     PATH  REASON      (changed since the run, no longer there, ...)
Fields are escaped as for &quot;corvander rename&quot;.

Exit status: 0 every copy removed, 1 some kept, 2 usage error, 3 nothing undone:
no run to undo, the last run is still going on (a watch), or JOURNAL cannot be
read, is in use, was undone already or records no copy.
</source>
        <translation>Aufruf: corvander undo [Optionen] [PROTOKOLL]

Entfernt die Kopien, die ein Umbenennungsdurchlauf angelegt hat, wie „Letzten
Durchlauf rückgängig machen“ im Fenster: ohne PROTOKOLL die des neuesten
Durchlaufs (des Fensters oder der Befehlszeile), der Kopien angelegt hat und noch
nicht rückgängig gemacht wurde; ein noch laufender Durchlauf wird übergangen.
Eine Kopie wird nur entfernt, solange sie noch die Datei ist, die der Durchlauf
angelegt hat (gleiche Größe und SHA-256, keine Verknüpfung); alles andere bleibt.
Die Quelldateien werden nie angetastet. Das Protokoll wird danach als rückgängig
gemacht markiert, sodass der nächste Aufruf zum Durchlauf davor zurückgeht.

PROTOKOLL: ein Durchlaufprotokoll, wie es in $XDG_STATE_HOME/corvander liegt
(standardmäßig ~/.local/state/corvander), eine Datei je Durchlauf.

Optionen:
  --json                     JSON Lines statt TAB-getrennter Zeilen ausgeben
  -h, --help                 diese Hilfe anzeigen und beenden

Ausgabe, eine Zeile je Kopie des Durchlaufs, Felder durch TABs getrennt (die
Wörter der ersten Spalte bleiben englisch):
  removed  PFAD
  kept     PFAD  GRUND      (seit dem Durchlauf geändert, nicht mehr da, ...)
Felder werden wie bei „corvander rename“ maskiert.

Rückgabewert: 0 jede Kopie entfernt, 1 einige behalten, 2 Aufruffehler, 3 nichts
rückgängig gemacht: kein Durchlauf zum Rückgängigmachen, der letzte Durchlauf
läuft noch (eine Überwachung), oder PROTOKOLL kann nicht gelesen werden, ist in
Gebrauch, wurde schon rückgängig gemacht oder verzeichnet keine Kopie.
</translation>
    </message>
    <message>
        <source>Usage: corvander watch FAMILY [options] --to DIR INBOX...

Names every PDF file in the INBOX folders (walked as &quot;corvander rename&quot; walks a
folder), then every one that arrives, into DIR, as &quot;corvander rename
--skip-copied&quot; would: a file whose identical copy stands in DIR already is not
copied again. A file is taken once it is complete: closed after writing or moved
in, or, where the folder tells no such events (network shares), once its size
and time have not changed for 2 seconds. Runs until SIGINT or SIGTERM, then
finishes the file it is on and exits. An INBOX that disappears is watched again
when it returns; a file that cannot be copied because DIR cannot be written is
tried again when it can. Each day of a watch has its own run journal, which
&quot;corvander undo&quot; takes back once the watch has ended.

FAMILY, exactly one of:
</source>
        <translation>Aufruf: corvander watch FAMILIE [Optionen] --to ORDNER EINGANG...

Benennt jede PDF-Datei in den EINGANG-Ordnern (durchsucht wie bei
„corvander rename“), danach jede neu ankommende, nach ORDNER hinein, wie es
„corvander rename --skip-copied“ täte: Eine Datei, deren identische Kopie schon in ORDNER liegt,
wird nicht noch einmal kopiert. Eine Datei wird genommen, sobald sie vollständig
ist: nach dem Schreiben geschlossen oder hineinverschoben, oder, wo der Ordner
solche Ereignisse nicht meldet (Netzwerkfreigaben), sobald sich Größe und Zeit
2 Sekunden lang nicht geändert haben. Läuft bis SIGINT oder SIGTERM, beendet dann
die aktuelle Datei und endet. Ein EINGANG, der verschwindet, wird wieder
überwacht, wenn er zurückkehrt; eine Datei, die nicht kopiert werden kann, weil
ORDNER nicht beschreibbar ist, wird erneut versucht, sobald es geht. Jeder Tag
einer Überwachung hat sein eigenes Durchlaufprotokoll, das „corvander undo“
zurücknimmt, sobald die Überwachung beendet ist.

FAMILIE, genau eine von:
</translation>
    </message>
    <message>
        <source>
Options:
  --to DIR                   the results folder (required; must exist)
  --skip-copied              always on for a watch
%1
Output, one line per file as it is done, as for &quot;corvander rename&quot;:
  copied      SOURCE  NEW-FILE-NAME
  skipped     SOURCE  REASON
  failed      SOURCE  REASON

Exit status: 0 stopped by a signal, 2 usage error, 3 nothing could start (no such
DIR, no worker program).
</source>
        <translation>
Optionen:
  --to ORDNER                der Ergebnisordner (erforderlich; muss existieren)
  --skip-copied              bei einer Überwachung immer eingeschaltet
%1
Ausgabe, eine Zeile je fertiger Datei, wie bei „corvander rename“:
  copied      QUELLE  NEUER-DATEINAME
  skipped     QUELLE  GRUND
  failed      QUELLE  GRUND

Rückgabewert: 0 durch ein Signal beendet, 2 Aufruffehler, 3 nichts konnte
beginnen (kein solcher ORDNER, kein Hilfsprogramm).
</translation>
    </message>
    <message>
        <source>  --extension EXT            walk folders for *.EXT instead of *.pdf; * for all
  --jobs N                   extraction workers, 1 to %1 (default: the number of cores)
  --password-file FILE       try the first line of FILE on protected documents
  --json                     print JSON Lines instead of TAB-separated lines
  --ocr                      read pages without text by OCR, in the default
                             languages: the desktop&apos;s, when installed, and eng
  --ocr-languages L          OCR in the installed languages L, e.g. eng+deu
                             (implies --ocr)
  -h, --help                 show this help and exit
</source>
        <translation>  --extension ENDUNG         in Ordnern *.ENDUNG statt *.pdf suchen; * für alle
  --jobs N                   Extraktionsprozesse, 1 bis %1 (Standard: Anzahl der Kerne)
  --password-file DATEI      die erste Zeile von DATEI als Kennwort für
                             geschützte Dokumente versuchen
  --json                     JSON Lines statt TAB-getrennter Zeilen ausgeben
  --ocr                      Seiten ohne Text per OCR lesen, in den
                             Standardsprachen: der des Desktops, falls
                             installiert, und eng
  --ocr-languages L          OCR in den installierten Sprachen L, z. B. eng+deu
                             (schließt --ocr ein)
  -h, --help                 diese Hilfe anzeigen und beenden
</translation>
    </message>
    <message>
        <source>Usage: corvander learn [options] FILE=NAME...

Writes, for each example FILE, the name template that gives exactly NAME, the
name you would have typed for it (&quot;.pdf&quot; may be left off; a &quot;/&quot; makes
subfolders). Give one example of each kind of document (one invoice of each
sender, one letter of each form): its template names every other document of
that kind the same way, and skips the documents of other kinds. The templates
are for rename by template (see &quot;corvander rename --help&quot;), which can also
learn them itself from the same examples.

FILE=NAME is split at the first &quot;=&quot; before which stands an existing file.

Options:
  --date-order ORDER         dmy, mdy or ymd: how a date whose day and month
                             could be swapped is read when FILE and NAME do
                             not show it
  --jobs N                   extraction workers, 1 to %1 (default: the number of cores)
  --password-file FILE       try the first line of FILE on protected documents
  --json                     print JSON Lines instead of TAB-separated lines
  --ocr                      read pages without text by OCR, in the default
                             languages: the desktop&apos;s, when installed, and eng
  --ocr-languages L          OCR in the installed languages L, e.g. eng+deu
                             (implies --ocr)
  -h, --help                 show this help and exit

Output, one line per example in the order given, fields separated by TABs:
  learned    FILE  TEMPLATE
  unlearned  FILE  REASON     (the part &quot;AF-7731&quot; is not in the document, ...)
Fields are escaped as for &quot;corvander rename&quot;.

Exit status: 0 every example learned, 1 some not, 2 usage error, 3 nothing could
start (no worker program).
</source>
        <translation>Aufruf: corvander learn [Optionen] DATEI=NAME...

Schreibt für jede Beispieldatei DATEI die Namensvorlage, die genau NAME ergibt,
den Namen, den Sie ihr von Hand gegeben hätten („.pdf“ darf fehlen; ein „/“
legt Unterordner an). Geben Sie ein Beispiel je Dokumentart an (eine Rechnung je
Absender, einen Brief je Formular): Seine Vorlage benennt jedes andere Dokument
dieser Art auf dieselbe Weise und überspringt die Dokumente anderer Arten. Die
Vorlagen sind für das Umbenennen nach Vorlage (siehe „corvander rename --help“),
das sie auch selbst aus denselben Beispielen lernen kann.

DATEI=NAME wird am ersten „=“ geteilt, vor dem eine vorhandene Datei steht.

Optionen:
  --date-order REIHENFOLGE   dmy, mdy oder ymd: wie ein Datum gelesen wird, bei
                             dem Tag und Monat vertauscht sein könnten, wenn
                             DATEI und NAME es nicht zeigen
  --jobs N                   Extraktionsprozesse, 1 bis %1 (Standard: Anzahl der Kerne)
  --password-file DATEI      die erste Zeile von DATEI als Kennwort für
                             geschützte Dokumente versuchen
  --json                     JSON Lines statt TAB-getrennter Zeilen ausgeben
  --ocr                      Seiten ohne Text per OCR lesen, in den
                             Standardsprachen: der des Desktops, falls
                             installiert, und eng
  --ocr-languages L          OCR in den installierten Sprachen L, z. B. eng+deu
                             (schließt --ocr ein)
  -h, --help                 diese Hilfe anzeigen und beenden

Ausgabe, eine Zeile je Beispiel in der angegebenen Reihenfolge, Felder durch
TABs getrennt (die Wörter der ersten Spalte bleiben englisch):
  learned    DATEI  VORLAGE
  unlearned  DATEI  GRUND     (der Teil „AF-7731“ steht nicht im Dokument, ...)
Felder werden wie bei „corvander rename“ maskiert.

Rückgabewert: 0 jedes Beispiel gelernt, 1 einige nicht, 2 Aufruffehler, 3 nichts
konnte beginnen (kein Hilfsprogramm).
</translation>
    </message>
    <message>
        <source>Usage: corvander check [options] PATH...

Tells for each PDF file whether it has text to rename by, as the window&apos;s check
after adding files does. PATH: files and folders, as for &quot;corvander rename&quot;.

Options:
%1
Output, one line per listed file in list order, fields separated by TABs:
  readable    SOURCE
  unreadable  SOURCE  REASON   (no text, too little text, unreadable, timed out,
                               password needed, wrong password, OCR timed out)
Fields are escaped as for &quot;corvander rename&quot;.

Exit status: 0 every file readable, 1 some unreadable, 2 usage error, 3 nothing
could start (no worker program).
</source>
        <translation>Aufruf: corvander check [Optionen] PFAD...

Gibt für jede PDF-Datei an, ob sie Text enthält, nach dem sie umbenannt werden
kann, wie es die Prüfung des Fensters nach dem Hinzufügen von Dateien tut.
PFAD: Dateien und Ordner, wie bei „corvander rename“.

Optionen:
%1
Ausgabe, eine Zeile je Datei der Liste in deren Reihenfolge, Felder durch TABs
getrennt (die Wörter der ersten Spalte bleiben englisch):
  readable    QUELLE
  unreadable  QUELLE  GRUND   (no text, too little text, unreadable, timed out,
                              password needed, wrong password, OCR timed out)
Felder werden wie bei „corvander rename“ maskiert.

Rückgabewert: 0 jede Datei lesbar, 1 einige nicht lesbar, 2 Aufruffehler,
3 nichts konnte beginnen (kein Hilfsprogramm).
</translation>
    </message>
</context>
<context>
    <name>corvander::CommandLine</name>
    <message>
        <source>Usage: corvander [--help | --version] [FILE | FOLDER]...</source>
        <translation>Aufruf: corvander [--help | --version] [DATEI | ORDNER]...</translation>
    </message>
    <message>
        <source>corvander: unknown option &quot;%1&quot;</source>
        <translation>corvander: unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>%1: %2
Try &quot;corvander %1 --help&quot;.</source>
        <translation>%1: %2
Mehr dazu: „corvander %1 --help“.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>%1 belongs to rename, not to %2</source>
        <translation>%1 gehört zu rename, nicht zu %2</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1: the value %2 is not valid UTF-8</source>
        <translation>%1: Der Wert %2 ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>left out %1</source>
        <translation>%1 ausgelassen</translation>
    </message>
    <message>
        <source>no files to check</source>
        <translation>keine Dateien zu prüfen</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>die Ausgabe konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>--ocr: no OCR language is installed (English comes with the package tesseract-ocr-eng)</source>
        <translation>--ocr: Es ist keine OCR-Sprache installiert (Englisch liefert das Paket tesseract-ocr-eng)</translation>
    </message>
    <message>
        <source>--ocr-languages: the language %1 is not installed (installed: %2)</source>
        <translation>--ocr-languages: Die Sprache %1 ist nicht installiert (installiert: %2)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a list of languages such as eng+deu</source>
        <translation>%1: „%2“ ist keine Liste von Sprachen wie eng+deu</translation>
    </message>
    <message>
        <source>--jobs: %1 is fewer than one worker</source>
        <translation>--jobs: %1 ist weniger als ein Extraktionsprozess</translation>
    </message>
    <message>
        <source>--extension: the extension is empty</source>
        <translation>--extension: Die Endung ist leer</translation>
    </message>
    <message>
        <source>--password-file: the file name is empty</source>
        <translation>--password-file: Der Dateiname ist leer</translation>
    </message>
    <message>
        <source>two families at once: %1</source>
        <translation>zwei Familien zugleich: %1</translation>
    </message>
    <message>
        <source>--page needs --words X</source>
        <translation>--page braucht --words X</translation>
    </message>
    <message>
        <source>no FAMILY given: use %1 or %2</source>
        <translation>keine FAMILIE angegeben: %1 oder %2 verwenden</translation>
    </message>
    <message>
        <source>--page goes with --words alone, not with %1</source>
        <translation>--page gehört nur zu --words, nicht zu %1</translation>
    </message>
    <message>
        <source>two families at once: %1 and %2</source>
        <translation>zwei Familien zugleich: %1 und %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not dmy, mdy or ymd</source>
        <translation>%1: „%2“ ist weder dmy noch mdy noch ymd</translation>
    </message>
    <message>
        <source>%1 goes with --template</source>
        <translation>%1 gehört zu --template</translation>
    </message>
    <message>
        <source>--to DIR is missing</source>
        <translation>--to ORDNER fehlt</translation>
    </message>
    <message>
        <source>--to: the folder name is empty</source>
        <translation>--to: Der Ordnername ist leer</translation>
    </message>
    <message>
        <source>--to: %1 is not a folder</source>
        <translation>--to: %1 ist kein Ordner</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>kein PFAD angegeben</translation>
    </message>
    <message>
        <source>no FILE=NAME given</source>
        <translation>kein DATEI=NAME angegeben</translation>
    </message>
    <message>
        <source>--password-file: cannot read %1: %2</source>
        <translation>--password-file: %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the results folder %1 does not exist</source>
        <translation>der Ergebnisordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>%1: the file&apos;s name is not valid UTF-8</source>
        <translation>%1: Der Dateiname ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>%1: the name is not valid UTF-8</source>
        <translation>%1: Der Name ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>%1: no existing file before an &quot;=&quot; (FILE=NAME)</source>
        <translation>%1: keine vorhandene Datei vor einem „=“ (DATEI=NAME)</translation>
    </message>
    <message>
        <source>the journal of this run could not be written (%1), so the run cannot be undone</source>
        <translation>das Protokoll dieses Durchlaufs konnte nicht geschrieben werden (%1); der Durchlauf kann daher nicht rückgängig gemacht werden</translation>
    </message>
    <message>
        <source>no files to rename</source>
        <translation>keine Dateien umzubenennen</translation>
    </message>
    <message>
        <source>the run of %1 was undone already</source>
        <translation>der Durchlauf von %1 wurde bereits rückgängig gemacht</translation>
    </message>
    <message>
        <source>the run of %1 is still going or being undone; nothing was removed</source>
        <translation>der Durchlauf von %1 läuft noch oder wird gerade rückgängig gemacht; es wurde nichts entfernt</translation>
    </message>
    <message>
        <source>%1 cannot be read as a run journal; nothing was removed</source>
        <translation>%1 kann nicht als Durchlaufprotokoll gelesen werden; es wurde nichts entfernt</translation>
    </message>
    <message>
        <source>%1 is refused (%2); nothing was removed</source>
        <translation>%1 wird zurückgewiesen (%2); es wurde nichts entfernt</translation>
    </message>
    <message>
        <source>the last run is still going on (%1); undo it once it has ended</source>
        <translation>der letzte Durchlauf läuft noch (%1); machen Sie ihn rückgängig, wenn er beendet ist</translation>
    </message>
    <message>
        <source>there is no run to undo</source>
        <translation>es gibt keinen Durchlauf zum Rückgängigmachen</translation>
    </message>
    <message>
        <source>the run of %1 made no copies</source>
        <translation>der Durchlauf von %1 hat keine Kopien angelegt</translation>
    </message>
    <message>
        <source>give at most one journal</source>
        <translation>höchstens ein Protokoll angeben</translation>
    </message>
    <message>
        <source>the inbox %1 is gone; it is watched again when it returns</source>
        <translation>der Eingang %1 ist verschwunden; er wird wieder überwacht, sobald er zurückkehrt</translation>
    </message>
    <message>
        <source>the inbox %1 is back</source>
        <translation>der Eingang %1 ist wieder da</translation>
    </message>
    <message>
        <source>the journal of this watch could not be written (%1), so its copies cannot be undone</source>
        <translation>das Protokoll dieser Überwachung konnte nicht geschrieben werden (%1); ihre Kopien können daher nicht rückgängig gemacht werden</translation>
    </message>
    <message>
        <source>--dry-run does not go with watch</source>
        <translation>--dry-run passt nicht zu watch</translation>
    </message>
    <message>
        <source>the extraction program &quot;corvander-extract&quot; was not found at %1; please reinstall Corvander</source>
        <translation>das Extraktionsprogramm „corvander-extract“ wurde unter %1 nicht gefunden; bitte installieren Sie Corvander neu</translation>
    </message>
    <message>
        <source>the extraction program %1 is not an executable file; please reinstall Corvander</source>
        <translation>das Extraktionsprogramm %1 ist keine ausführbare Datei; bitte installieren Sie Corvander neu</translation>
    </message>
    <message>
        <source>two families at once: --words and %1</source>
        <translation>zwei Familien zugleich: --words und %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>no rename mode given</source>
        <translation>keine Art der Umbenennung angegeben</translation>
    </message>
    <message>
        <source>--jobs: %1 is more than %2 workers</source>
        <translation>--jobs: %1 sind mehr als %2 Extraktionsprozesse</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>; did you mean &quot;%1&quot;?</source>
        <translation>; meinten Sie „%1“?</translation>
    </message>
    <message>
        <source>
Try &quot;corvander --help&quot;.</source>
        <translation>
Mehr dazu: „corvander --help“.</translation>
    </message>
</context>
<context>
    <name>corvander::CommandsHelp</name>
    <message>
        <source>Commands (no window, no display needed; &quot;corvander COMMAND --help&quot; tells more):
  corvander rename FAMILY [options] --to DIR PATH...
                 copy PDF files into DIR under names from their text or metadata
  corvander check [options] PATH...
                 tell which PDF files have text to rename by
  corvander undo [options] [JOURNAL]
                 remove the copies of the last run again, or of the run of JOURNAL
  corvander watch FAMILY [options] --to DIR INBOX...
                 name every PDF file arriving in the INBOX folders into DIR
  corvander learn [options] FILE=NAME...
                 write the name template that names FILE as NAME, and its kind alike

</source>
        <translation>Befehle (ohne Fenster und ohne Bildschirm; „corvander BEFEHL --help“ sagt mehr):
  corvander rename FAMILIE [Optionen] --to ORDNER PFAD...
                 PDF-Dateien unter Namen aus ihrem Text oder ihren Metadaten
                 nach ORDNER kopieren
  corvander check [Optionen] PFAD...
                 angeben, welche PDF-Dateien Text zum Umbenennen enthalten
  corvander undo [Optionen] [PROTOKOLL]
                 die Kopien des letzten Durchlaufs, oder des Durchlaufs von
                 PROTOKOLL, wieder entfernen
  corvander watch FAMILIE [Optionen] --to ORDNER EINGANG...
                 jede PDF-Datei, die in den EINGANG-Ordnern ankommt, nach ORDNER
                 hinein benennen
  corvander learn [Optionen] DATEI=NAME...
                 die Namensvorlage schreiben, die DATEI als NAME benennt, und
                 ebenso die Dokumente ihrer Art

</translation>
    </message>
</context>
<context>
    <name>corvander::CopyFailure</name>
    <message>
        <source>Cannot read the file</source>
        <translation>Die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot open the results folder</source>
        <translation>Fehler beim Öffnen des Ergebnisordners</translation>
    </message>
    <message>
        <source>Cannot copy the file</source>
        <translation>Die Datei kann nicht kopiert werden</translation>
    </message>
    <message>
        <source>Cannot create the copy</source>
        <translation>Die Kopie kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot write into</source>
        <translation>Fehler beim Schreiben in</translation>
    </message>
    <message>
        <source>Bad file name</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
</context>
<context>
    <name>corvander::ErrorReport</name>
    <message>
        <source>in </source>
        <translation>in </translation>
    </message>
    <message>
        <source>at line </source>
        <translation>in Zeile </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Programmfehler</translation>
    </message>
    <message>
        <source>The desktop folder could not be determined.</source>
        <translation>Der Desktop-Ordner konnte nicht ermittelt werden.</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
</context>
<context>
    <name>corvander::FileList</name>
    <message>
        <source>These were left out:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Diese wurden ausgelassen:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Datei(en) hinzufügen – Strg gedrückt halten, um mehrere Dateien auszuwählen</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Enter file extension to load:<byte value="xd"/><byte value="xd"/>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>Dateiendung der zu ladenden Dateien:<byte value="xd"/><byte value="xd"/>(* für alle Dateien, txt für alle txt-Dateien, doc für alle doc-Dateien usw.)</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Bitte wählen Sie einen Ordner:</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Soll das Programm den Ordner öffnen, in dem diese Beispieldateien liegen (damit Sie sie ansehen können, bevor Sie mit ihnen arbeiten)?</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>keine solche Datei und kein solcher Ordner</translation>
    </message>
</context>
<context>
    <name>corvander::FileListPanel</name>
    <message>
        <source> PDF File(s)</source>
        <translation> PDF-Datei(en)</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Dateien hierher ziehen. Ein Doppelklick entfernt einen Eintrag. Den Trennstrich | nach rechts aus dem Fenster ziehen, um die vollen Namen zu sehen.</translation>
    </message>
    <message>
        <source>Add All PDF File(s) In Folder</source>
        <translation>PDFs aus Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Add PDF File(s)</source>
        <translation>PDF-Datei(en) hinzufügen</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>Beispieldateien laden</translation>
    </message>
    <message>
        <source>File list</source>
        <translation>Dateiliste</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
</context>
<context>
    <name>corvander::Form1</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The template has a mistake: %1</source>
        <translation>Die Vorlage enthält einen Fehler: %1</translation>
    </message>
    <message>
        <source>The program &quot;corvander-extract&quot; was not found at %1. Corvander cannot read any PDF file without it; please reinstall Corvander.</source>
        <translation>Das Programm „corvander-extract“ wurde unter %1 nicht gefunden. Ohne es kann Corvander keine PDF-Datei lesen; bitte installieren Sie Corvander neu.</translation>
    </message>
    <message>
        <source>No template can be learned: %1</source>
        <translation>Es kann keine Vorlage gelernt werden: %1</translation>
    </message>
    <message>
        <source>No template gives the name &quot;%1&quot;: %2</source>
        <translation>Keine Vorlage ergibt den Namen „%1“: %2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Add PDF File(s)...</source>
        <translation>PDF-Datei(en) &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Start Renaming</source>
        <translation>Umbenennen &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Corvander</source>
        <translation>&amp;Über Corvander</translation>
    </message>
    <message>
        <source>About Corvander</source>
        <translation>Über Corvander</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It has been kept as %2, and the program starts with its default settings.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden. Sie wurde als %2 aufbewahrt, und das Programm startet mit den Standardeinstellungen.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read, and it could not be kept aside either. The program starts with its default settings, and the choices you make will not be kept.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen und auch nicht beiseitegelegt werden. Das Programm startet mit den Standardeinstellungen, und Ihre Änderungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The settings cannot be saved in %1. The choices you make will not be kept.</source>
        <translation>Die Einstellungen können nicht in %1 gespeichert werden. Ihre Änderungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The theme file could not be read: </source>
        <translation>Die Design-Datei konnte nicht gelesen werden: </translation>
    </message>
    <message>
        <source>Add All PDF File(s) In &amp;Folder...</source>
        <translation>PDF-Dateien aus &amp;Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>Load &amp;Sample/Example Files</source>
        <translation>&amp;Beispieldateien laden</translation>
    </message>
    <message>
        <source>Rename by &amp;content</source>
        <translation>Umbenennen nach &amp;Inhalt</translation>
    </message>
    <message>
        <source>Rename by &amp;metadata</source>
        <translation>Umbenennen nach &amp;Metadaten</translation>
    </message>
    <message>
        <source>&amp;Open Results Folder</source>
        <translation>Ergebnisordner ö&amp;ffnen</translation>
    </message>
    <message>
        <source>The results folder %1 does not exist.</source>
        <translation>Der Ergebnisordner %1 existiert nicht.</translation>
    </message>
</context>
<context>
    <name>corvander::GraphicalSession</name>
    <message>
        <source>corvander: a graphical session is needed, but none could be reached (check DISPLAY or WAYLAND_DISPLAY)
</source>
        <translation>corvander: Eine grafische Sitzung wird benötigt, aber keine ist erreichbar (DISPLAY oder WAYLAND_DISPLAY prüfen)
</translation>
    </message>
</context>
<context>
    <name>corvander::HelpMessages</name>
    <message>
        <source>This program will:</source>
        <translation>Dieses Programm:</translation>
    </message>
    <message>
        <source>read text from a PDF. This text is usually typed into the PDF using the keyboard.</source>
        <translation>liest Text aus einer PDF-Datei. Dieser Text wurde meist über die Tastatur in die PDF-Datei eingegeben.</translation>
    </message>
    <message>
        <source>This program will not:</source>
        <translation>Dieses Programm kann nicht:</translation>
    </message>
    <message>
        <source>read text that is inside an image. Even though the image is embedded within a PDF file, it is still an image and &quot;unreadable&quot;.</source>
        <translation>Text lesen, der in einem Bild steht. Auch wenn das Bild in eine PDF-Datei eingebettet ist, bleibt es ein Bild und ist „nicht lesbar“.</translation>
    </message>
    <message>
        <source>Rename by content:</source>
        <translation>Umbenennen nach Inhalt:</translation>
    </message>
    <message>
        <source> - if you enter 5, this software will rename each file by the first 5 words found on the first page.</source>
        <translation> – wenn Sie 5 eingeben, benennt das Programm jede Datei nach den ersten 5 Wörtern auf der ersten Seite.</translation>
    </message>
    <message>
        <source> - if you enter 11, 12, 13 then the 11th, 12th and 13th word in the first page will be used to rename the file.</source>
        <translation> – wenn Sie 11, 12, 13 eingeben, wird die Datei nach dem 11., 12. und 13. Wort der ersten Seite benannt.</translation>
    </message>
    <message>
        <source>%a - Author</source>
        <translation>%a – Autor</translation>
    </message>
    <message>
        <source>%t - Title</source>
        <translation>%t – Titel</translation>
    </message>
    <message>
        <source>%s - Subject</source>
        <translation>%s – Thema</translation>
    </message>
    <message>
        <source>%c - Creator</source>
        <translation>%c – Ersteller</translation>
    </message>
    <message>
        <source>%p - Producer</source>
        <translation>%p – Produzent</translation>
    </message>
    <message>
        <source>%k - Keywords</source>
        <translation>%k – Stichwörter</translation>
    </message>
    <message>
        <source>%d - Date Created</source>
        <translation>%d – Erstellungsdatum</translation>
    </message>
    <message>
        <source>%m - Date Modified</source>
        <translation>%m – Änderungsdatum</translation>
    </message>
    <message>
        <source>%v - PDF Version</source>
        <translation>%v – PDF-Version</translation>
    </message>
    <message>
        <source>%g - Pages</source>
        <translation>%g – Seitenzahl</translation>
    </message>
    <message>
        <source>Rename by metadata:</source>
        <translation>Umbenennen nach Metadaten:</translation>
    </message>
    <message>
        <source>With Options &gt; &quot;Read scanned pages with OCR&quot; turned on, it reads the text of scanned pages by OCR.</source>
        <translation>Mit Optionen &gt; „Gescannte Seiten mit OCR lesen“ liest es den Text gescannter Seiten per OCR.</translation>
    </message>
</context>
<context>
    <name>corvander::Journal</name>
    <message>
        <source>Cannot mark the run journal %1 as undone: %2</source>
        <translation>Das Protokoll %1 kann nicht als rückgängig gemacht markiert werden: %2</translation>
    </message>
    <message>
        <source>Removed 1 copy.</source>
        <translation>1 Kopie entfernt.</translation>
    </message>
    <message>
        <source>Removed %1 copies.</source>
        <translation>%1 Kopien entfernt.</translation>
    </message>
    <message>
        <source>This run was undone already.</source>
        <translation>Dieser Durchlauf wurde bereits rückgängig gemacht.</translation>
    </message>
    <message>
        <source>This run is still going or being undone. Nothing was removed.</source>
        <translation>Dieser Durchlauf läuft noch oder wird gerade rückgängig gemacht. Es wurde nichts entfernt.</translation>
    </message>
    <message>
        <source>The record of this run cannot be read. Nothing was removed.</source>
        <translation>Das Protokoll dieses Durchlaufs kann nicht gelesen werden. Es wurde nichts entfernt.</translation>
    </message>
    <message>
        <source>The record of this run was refused (%1). Nothing was removed.</source>
        <translation>Das Protokoll dieses Durchlaufs wurde zurückgewiesen (%1). Es wurde nichts entfernt.</translation>
    </message>
</context>
<context>
    <name>corvander::MetadataName</name>
    <message>
        <source>The format part %1 names no field and adds nothing to the name: each part between hyphens must be one of %a %t %s %c %p %k %d %m %v %g. Literal text needs &quot;Rename by template&quot;.</source>
        <translation>Der Formatteil %1 nennt kein Feld und trägt nichts zum Namen bei: Jeder Teil zwischen Bindestrichen muss eines von %a %t %s %c %p %k %d %m %v %g sein. Fester Text braucht „Umbenennen nach Vorlage“.</translation>
    </message>
    <message>
        <source>The format parts %1 name no field and add nothing to the name: each part between hyphens must be one of %a %t %s %c %p %k %d %m %v %g. Literal text needs &quot;Rename by template&quot;.</source>
        <translation>Die Formatteile %1 nennen kein Feld und tragen nichts zum Namen bei: Jeder Teil zwischen Bindestrichen muss eines von %a %t %s %c %p %k %d %m %v %g sein. Fester Text braucht „Umbenennen nach Vorlage“.</translation>
    </message>
</context>
<context>
    <name>corvander::NamingRules</name>
    <message>
        <source>Enter X</source>
        <translation>X eingeben</translation>
    </message>
    <message>
        <source>Input X</source>
        <translation>Eingabe X</translation>
    </message>
    <message>
        <source>Rename by the first x word(s)</source>
        <translation>Umbenennen nach den ersten x Wörtern</translation>
    </message>
    <message>
        <source>the first X words of the document</source>
        <translation>die ersten X Wörter des Dokuments</translation>
    </message>
    <message>
        <source>Rename by the first x word(s) on last page</source>
        <translation>Umbenennen nach den ersten x Wörtern auf der letzten Seite</translation>
    </message>
    <message>
        <source>the first X words of the last page</source>
        <translation>die ersten X Wörter der letzten Seite</translation>
    </message>
    <message>
        <source>rename by metadata, e.g. &quot;%a - %t&quot; (%a author, %t
title, %s subject, %c creator, %p producer,
%k keywords, %d created, %m modified, %v PDF version,
%g pages); an empty FORMAT keeps the file&apos;s own name</source>
        <translation>Umbenennen nach Metadaten, z. B. „%a - %t“
(%a Autor, %t Titel, %s Thema, %c Ersteller,
%p Produzent, %k Stichwörter, %d erstellt,
%m geändert, %v PDF-Version, %g Seitenzahl); ein
leeres FORMAT behält den eigenen Namen der Datei</translation>
    </message>
    <message>
        <source>Rename by the first x word(s) on page 2</source>
        <translation>Umbenennen nach den ersten x Wörtern auf Seite 2</translation>
    </message>
    <message>
        <source>the first X words of page 2</source>
        <translation>die ersten X Wörter von Seite 2</translation>
    </message>
    <message>
        <source>Rename by the first x word(s) on page y</source>
        <translation>Umbenennen nach den ersten x Wörtern auf Seite y</translation>
    </message>
    <message>
        <source>the first X words of page Y</source>
        <translation>die ersten X Wörter von Seite Y</translation>
    </message>
    <message>
        <source>Enter Y</source>
        <translation>Y eingeben</translation>
    </message>
    <message>
        <source>Input Y</source>
        <translation>Eingabe Y</translation>
    </message>
    <message>
        <source>Must be numeric.</source>
        <translation>Bitte eine Zahl eingeben.</translation>
    </message>
    <message>
        <source>rename by template, e.g. &quot;{date} {after \&quot;No.:\&quot; 1}&quot;;
repeat it for several templates: the first whose
fields all have a value names the file</source>
        <translation>Umbenennen nach Vorlage, z. B.
„{date} {after \&quot;No.:\&quot; 1}“; für mehrere Vorlagen
wiederholen: Die erste, deren Felder alle einen
Wert haben, benennt die Datei</translation>
    </message>
    <message>
        <source>Rename by x1, x2, x3 word(s) on first page</source>
        <translation>Umbenennen nach den Wörtern x1, x2, x3 der ersten Seite</translation>
    </message>
    <message>
        <source>those words of page 1, e.g. 10,11</source>
        <translation>diese Wörter von Seite 1, z. B. 10,11</translation>
    </message>
    <message>
        <source>Please enter word numbers (for example 10, 11 will use the tenth and eleventh word on the first page):</source>
        <translation>Bitte geben Sie die Nummern der Wörter ein (zum Beispiel nimmt 10, 11 das zehnte und elfte Wort der ersten Seite):</translation>
    </message>
    <message>
        <source>Input X1, X2, X3</source>
        <translation>Eingabe X1, X2, X3</translation>
    </message>
    <message>
        <source>Rename by n words after x string</source>
        <translation>Umbenennen nach n Wörtern nach dem Text x</translation>
    </message>
    <message>
        <source>N words after the first TEXT</source>
        <translation>N Wörter nach dem ersten TEXT</translation>
    </message>
    <message>
        <source>Enter string to search for:</source>
        <translation>Zu suchender Text:</translation>
    </message>
    <message>
        <source>String</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter number of words to get:</source>
        <translation>Anzahl der Wörter:</translation>
    </message>
    <message>
        <source>Input N</source>
        <translation>Eingabe N</translation>
    </message>
    <message>
        <source>Rename by n words before x string</source>
        <translation>Umbenennen nach n Wörtern vor dem Text x</translation>
    </message>
    <message>
        <source>N words before the first TEXT</source>
        <translation>N Wörter vor dem ersten TEXT</translation>
    </message>
</context>
<context>
    <name>corvander::OcrMenu</name>
    <message>
        <source>Read scanned pages with &amp;OCR</source>
        <translation>Gescannte Seiten mit &amp;OCR lesen</translation>
    </message>
    <message>
        <source>OCR &amp;Languages...</source>
        <translation>OCR-&amp;Sprachen...</translation>
    </message>
    <message>
        <source>The OCR languages cannot be listed: the extraction program could not be started.</source>
        <translation>Die OCR-Sprachen können nicht aufgelistet werden: Das Extraktionsprogramm konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>No OCR language is installed. English comes with the package tesseract-ocr-eng, other languages with tesseract-ocr-LANG (for example tesseract-ocr-deu).</source>
        <translation>Es ist keine OCR-Sprache installiert. Englisch liefert das Paket tesseract-ocr-eng, andere Sprachen liefern die Pakete tesseract-ocr-SPRACHE (zum Beispiel tesseract-ocr-deu).</translation>
    </message>
    <message>
        <source>OCR Languages</source>
        <translation>OCR-Sprachen</translation>
    </message>
    <message>
        <source>Read scanned pages in these languages:</source>
        <translation>Gescannte Seiten in diesen Sprachen lesen:</translation>
    </message>
</context>
<context>
    <name>corvander::PageView</name>
    <message>
        <source>Drawing the page…</source>
        <translation>Seite wird gezeichnet …</translation>
    </message>
    <message>
        <source>No page to show</source>
        <translation>Keine Seite anzuzeigen</translation>
    </message>
    <message>
        <source>Page view</source>
        <translation>Seitenansicht</translation>
    </message>
    <message>
        <source>Drag a rectangle over the page to insert a zone field for it</source>
        <translation>Ziehen Sie ein Rechteck über die Seite, um dafür ein Bereichsfeld einzufügen</translation>
    </message>
</context>
<context>
    <name>corvander::ProgramHelp</name>
    <message>
        <source>%1

%2 copies many PDF files at once under new names taken from each
file&apos;s own text (&quot;rename by content&quot;) or from its document information
(&quot;rename by metadata&quot;). The source files are never changed; the renamed
copies go into a results folder. Started without options, it opens its window
and adds the files named, and the PDF files of the folders named, to its list.

Options:
  -h, --help     show this help and exit
  -v, --version  show the version and exit

Settings: %3, section [Corvander].
Reads PDF files through its worker program, corvander-extract, beside it.
</source>
        <translation>%1

%2 kopiert viele PDF-Dateien auf einmal unter neuen Namen, die aus dem
Text der jeweiligen Datei („Umbenennen nach Inhalt“) oder aus ihren
Dokumentinformationen („Umbenennen nach Metadaten“) stammen. Die Quelldateien
werden nie verändert; die umbenannten Kopien kommen in einen Ergebnisordner.
Ohne Optionen gestartet, öffnet es sein Fenster und nimmt die genannten
Dateien und die PDF-Dateien der genannten Ordner in seine Liste auf.

Optionen:
  -h, --help     diese Hilfe anzeigen und beenden
  -v, --version  die Version anzeigen und beenden

Einstellungen: %3, Abschnitt [Corvander].
Liest PDF-Dateien über sein Hilfsprogramm corvander-extract, das daneben liegt.
</translation>
    </message>
    <message>
        <source>Home page: %1
</source>
        <translation>Startseite: %1
</translation>
    </message>
    <message>
        <source>Support: %1
</source>
        <translation>Support: %1
</translation>
    </message>
</context>
<context>
    <name>corvander::ReadabilityCheck</name>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Checking: %1 of %2</source>
        <translation>Prüfung: %1 von %2</translation>
    </message>
    <message>
        <source>These files could not be read:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Diese Dateien konnten nicht gelesen werden:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The extraction program &quot;%1&quot; could not be started (%2). Please reinstall Corvander.</source>
        <translation>Das Extraktionsprogramm „%1“ konnte nicht gestartet werden (%2). Bitte installieren Sie Corvander neu.</translation>
    </message>
    <message>
        <source>OCR: page %1 of %2</source>
        <translation>OCR: Seite %1 von %2</translation>
    </message>
    <message>
        <source>Please wait.. </source>
        <translation>Bitte warten … </translation>
    </message>
    <message>
        <source>OCR page %1 of %2: %3</source>
        <translation>OCR-Seite %1 von %2: %3</translation>
    </message>
    <message>
        <source>Files without text may be scans: turn on Options &gt; &quot;Read scanned pages with OCR&quot; to read them.</source>
        <translation>Dateien ohne Text können Scans sein: Schalten Sie Optionen &gt; „Gescannte Seiten mit OCR lesen“ ein, um sie zu lesen.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
This program will extract text from a PDF but this program will not extract text within an image within a PDF.<byte value="xd"/>
<byte value="xd"/>
Email %1 if you have any questions.</source>
        <translation><byte value="xd"/>
Dieses Programm liest den Text einer PDF-Datei, aber keinen Text, der in einem Bild innerhalb einer PDF-Datei steht.<byte value="xd"/>
<byte value="xd"/>
Schreiben Sie an %1, wenn Sie Fragen haben.</translation>
    </message>
</context>
<context>
    <name>corvander::Reasons</name>
    <message>
        <source>no rename mode</source>
        <translation>keine Art der Umbenennung</translation>
    </message>
    <message>
        <source>no word numbers</source>
        <translation>keine Wortnummern</translation>
    </message>
    <message>
        <source>no search text</source>
        <translation>kein Suchtext</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>password needed</source>
        <translation>Kennwort nötig</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>falsches Kennwort</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>Zeit überschritten</translation>
    </message>
    <message>
        <source>no text</source>
        <translation>kein Text</translation>
    </message>
    <message>
        <source>too little text</source>
        <translation>zu wenig Text</translation>
    </message>
    <message>
        <source>no text on the page</source>
        <translation>kein Text auf der Seite</translation>
    </message>
    <message>
        <source>too few pages</source>
        <translation>zu wenige Seiten</translation>
    </message>
    <message>
        <source>too few words</source>
        <translation>zu wenige Wörter</translation>
    </message>
    <message>
        <source>empty name after cleaning</source>
        <translation>leerer Name nach dem Bereinigen</translation>
    </message>
    <message>
        <source>OCR timed out</source>
        <translation>OCR-Zeit überschritten</translation>
    </message>
    <message>
        <source>empty name</source>
        <translation>leerer Name</translation>
    </message>
    <message>
        <source>already copied</source>
        <translation>bereits kopiert</translation>
    </message>
    <message>
        <source>no template</source>
        <translation>keine Vorlage</translation>
    </message>
    <message>
        <source>not renamed</source>
        <translation>nicht umbenannt</translation>
    </message>
    <message>
        <source> (OCR is off: try Options &gt; Read scanned pages with OCR)</source>
        <translation> (OCR ist aus: Optionen &gt; „Gescannte Seiten mit OCR lesen“ probieren)</translation>
    </message>
    <message>
        <source>no text on page %1</source>
        <translation>kein Text auf Seite %1</translation>
    </message>
    <message>
        <source>the document has only 1 page</source>
        <translation>das Dokument hat nur 1 Seite</translation>
    </message>
    <message>
        <source>the document has only %1 pages</source>
        <translation>das Dokument hat nur %1 Seiten</translation>
    </message>
    <message>
        <source>already copied as %1</source>
        <translation>bereits kopiert als %1</translation>
    </message>
    <message>
        <source>no value for %1</source>
        <translation>kein Wert für %1</translation>
    </message>
</context>
<context>
    <name>corvander::RenameOptionsPanel</name>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Prompt for password because PDF files are password protected</source>
        <translation>Kennwort abfragen, da die PDF-Dateien geschützt sind</translation>
    </message>
    <message>
        <source>Rename Options</source>
        <translation>Umbenennungsoptionen</translation>
    </message>
    <message>
        <source>Rename by content</source>
        <translation>Nach Inhalt</translation>
    </message>
    <message>
        <source>Rename by metadata</source>
        <translation>Nach Metadaten</translation>
    </message>
    <message>
        <source>Load Sample:</source>
        <translation>Beispiele:</translation>
    </message>
    <message>
        <source>Content rename mode</source>
        <translation>Art der Umbenennung nach Inhalt</translation>
    </message>
    <message>
        <source>Help on rename by content</source>
        <translation>Hilfe zum Umbenennen nach Inhalt</translation>
    </message>
    <message>
        <source>Metadata name format</source>
        <translation>Namensformat aus Metadaten</translation>
    </message>
    <message>
        <source>Help on rename by metadata</source>
        <translation>Hilfe zum Umbenennen nach Metadaten</translation>
    </message>
    <message>
        <source>Format preset: author - title</source>
        <translation>Formatvorlage: Autor – Titel</translation>
    </message>
    <message>
        <source>Format preset: author - subject</source>
        <translation>Formatvorlage: Autor – Thema</translation>
    </message>
    <message>
        <source>Format preset: creator - title</source>
        <translation>Formatvorlage: Ersteller – Titel</translation>
    </message>
    <message>
        <source>Format preset: creator - subject</source>
        <translation>Formatvorlage: Ersteller – Thema</translation>
    </message>
    <message>
        <source>Format preset: title - pages</source>
        <translation>Formatvorlage: Titel – Seitenzahl</translation>
    </message>
    <message>
        <source>Placeholders such as %a for author and %t for title</source>
        <translation>Platzhalter wie %a für den Autor und %t für den Titel</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
</context>
<context>
    <name>corvander::RenameRun</name>
    <message>
        <source>No files added.</source>
        <translation>Es wurden keine Dateien hinzugefügt.</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>Der Ordner existiert nicht. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Please choose a rename mode first.</source>
        <translation>Bitte wählen Sie zuerst eine Art der Umbenennung.</translation>
    </message>
    <message>
        <source>Password for protected PDF files:</source>
        <translation>Kennwort für geschützte PDF-Dateien:</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>The journal of this run could not be written (%1), so the run cannot be undone.</source>
        <translation>Das Protokoll dieses Durchlaufs konnte nicht geschrieben werden (%1); der Durchlauf kann daher nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Processing: </source>
        <translation>Verarbeitung: </translation>
    </message>
    <message>
        <source>Wrong password. </source>
        <translation>Falsches Kennwort. </translation>
    </message>
</context>
<context>
    <name>corvander::ResultsFolderBox</name>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Ergebnisse in diesem Ordner speichern</translation>
    </message>
    <message>
        <source>Results folder</source>
        <translation>Ergebnisordner</translation>
    </message>
    <message>
        <source>Choose the results folder</source>
        <translation>Ergebnisordner wählen</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Bitte wählen Sie einen Ordner:</translation>
    </message>
</context>
<context>
    <name>corvander::RunController</name>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Start Renaming</source>
        <translation>Umbenennen starten</translation>
    </message>
    <message>
        <source>&amp;Preview Names</source>
        <translation>&amp;Vorschau der Namen</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>&amp;Undo Last Run</source>
        <translation>Letzten Durchlauf &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>&amp;Bericht speichern...</translation>
    </message>
    <message>
        <source>&amp;Preview names before copying</source>
        <translation>Namen vor dem Kopieren in der &amp;Vorschau zeigen</translation>
    </message>
    <message>
        <source>(skipped: %1)</source>
        <translation>(übersprungen: %1)</translation>
    </message>
    <message>
        <source>The last run is still going on. Undo it once it has ended.</source>
        <translation>Der letzte Durchlauf läuft noch. Machen Sie ihn rückgängig, wenn er beendet ist.</translation>
    </message>
    <message>
        <source>There is no run to undo.</source>
        <translation>Es gibt keinen Durchlauf, der rückgängig gemacht werden kann.</translation>
    </message>
    <message>
        <source>Remove the %1 copies that the last run made in %2?<byte value="xd"/>
<byte value="xd"/>
Your own files are not touched.</source>
        <translation>Die %1 Kopien entfernen, die der letzte Durchlauf in %2 angelegt hat?<byte value="xd"/>
<byte value="xd"/>
Ihre eigenen Dateien bleiben unberührt.</translation>
    </message>
    <message>
        <source>There is no run to report on.</source>
        <translation>Es gibt keinen Durchlauf für einen Bericht.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be saved: </source>
        <translation>Der Bericht konnte nicht gespeichert werden: </translation>
    </message>
</context>
<context>
    <name>corvander::RunJournal</name>
    <message>
        <source>Cannot create the run journal folder</source>
        <translation>Fehler beim Anlegen des Protokollordners</translation>
    </message>
    <message>
        <source>Cannot create the run journal</source>
        <translation>Fehler beim Anlegen des Durchlaufprotokolls</translation>
    </message>
    <message>
        <source>Cannot write the run journal</source>
        <translation>Fehler beim Schreiben des Durchlaufprotokolls</translation>
    </message>
</context>
<context>
    <name>corvander::ScrollingMessage</name>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
</context>
<context>
    <name>corvander::ShellOpen</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Path/file access error</source>
        <translation>Fehler beim Zugriff auf Pfad oder Datei</translation>
    </message>
    <message>
        <source>The executable file is invalid or corrupt</source>
        <translation>Die ausführbare Datei ist ungültig oder beschädigt</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>Die Datei wird gerade von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>This file type does not have a valid file association.</source>
        <translation>Diesem Dateityp ist kein gültiges Programm zugeordnet.</translation>
    </message>
    <message>
        <source>The file could not be opened due to time out. Please try again in a moment.</source>
        <translation>Die Datei konnte wegen einer Zeitüberschreitung nicht geöffnet werden. Bitte versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The file could not be opened because the DDE transaction failed. Please try again in a moment.</source>
        <translation>Die Datei konnte nicht geöffnet werden, weil die DDE-Übertragung fehlschlug. Bitte versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The file could not be opened because the target application is busy. Please try again in a moment.</source>
        <translation>Die Datei konnte nicht geöffnet werden, weil das Zielprogramm beschäftigt ist. Bitte versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>No application is associated with this file type.</source>
        <translation>Diesem Dateityp ist kein Programm zugeordnet.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene Programmbibliothek wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>An error occurred occurred whilst trying to open or print the selected file.</source>
        <translation>Beim Öffnen oder Drucken der gewählten Datei ist ein Fehler aufgetreten.</translation>
    </message>
</context>
<context>
    <name>corvander::SkipCopiedOption</name>
    <message>
        <source>Skip files already copied</source>
        <translation>Bereits kopierte Dateien überspringen</translation>
    </message>
</context>
<context>
    <name>corvander::TemplatePanel</name>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>After Label</source>
        <translation>Nach Text</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>&amp;Day, Month, Year</source>
        <translation>&amp;Tag, Monat, Jahr</translation>
    </message>
    <message>
        <source>&amp;Month, Day, Year</source>
        <translation>&amp;Monat, Tag, Jahr</translation>
    </message>
    <message>
        <source>&amp;Year, Month, Day</source>
        <translation>&amp;Jahr, Monat, Tag</translation>
    </message>
    <message>
        <source>Rename by template</source>
        <translation>Umbenennen nach Vorlage</translation>
    </message>
    <message>
        <source>Templates, one per line</source>
        <translation>Vorlagen, eine pro Zeile</translation>
    </message>
    <message>
        <source>Literal text with fields in braces; the first template whose fields all have a value names the file</source>
        <translation>Fester Text mit Feldern in geschweiften Klammern; die erste Vorlage, deren Felder alle einen Wert haben, benennt die Datei</translation>
    </message>
    <message>
        <source>Template mistake</source>
        <translation>Fehler in der Vorlage</translation>
    </message>
    <message>
        <source>Insert field: %1</source>
        <translation>Feld einfügen: %1</translation>
    </message>
    <message>
        <source>&amp;Date Order</source>
        <translation>&amp;Datumsreihenfolge</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>corvander::TemplatePreview</name>
    <message>
        <source>(skipped: %1)</source>
        <translation>(übersprungen: %1)</translation>
    </message>
</context>
</TS>
