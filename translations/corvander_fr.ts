<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
Copie de nombreux fichiers PDF en une seule fois sous de nouveaux noms tirés du texte ou des informations du document de chaque fichier. Les fichiers eux-mêmes ne sont jamais modifiés.<byte value="xd"/>
<byte value="xd"/>
Licence : GNU General Public License, version 3 ou (à votre choix) toute version ultérieure. Corvander lit les fichiers PDF avec la bibliothèque Poppler. Il est fourni SANS AUCUNE GARANTIE.<byte value="xd"/>
<byte value="xd"/>
Fichier de paramètres : %1 (section [Corvander])</translation>
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
        <translation>Usage : corvander rename FAMILLE [options] --to DOSSIER CHEMIN...

Copie chaque fichier PDF dans DOSSIER sous un nom tiré de son propre texte ou de
ses informations de document, exactement comme « Lancer le renommage » dans la
fenêtre. Les fichiers eux-mêmes ne sont jamais modifiés, et aucun fichier de
DOSSIER n’est jamais remplacé : un nom déjà pris reçoit « ! » (puis « !! », ...)
avant « .pdf ».

CHEMIN : des fichiers, pris dans l’ordre donné quels que soient leurs noms, et
des dossiers, parcourus en largeur à la recherche de fichiers *.pdf (majuscules
ou minuscules) ; dans un dossier, les noms commençant par « . » ou « ~ » sont
laissés de côté. « -- » termine les options.

FAMILLE, exactement une parmi :
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
        <translation>  --like FICHIER=NOM         renommer d’après un modèle, les modèles étant
                             appris de FICHIER nommé NOM à la main ; à répéter,
                             un exemple de chaque genre (voir
                             « corvander learn --help »)
Les nombres sont des nombres entiers en décimal.

Options :
  --to DOSSIER               le dossier de résultats (obligatoire ; doit exister)
  --date-order ORDRE         dmy, mdy ou ymd : comment --template lit une date
                             dont le jour et le mois pourraient être inversés
  --dry-run                  ne rien copier ; écrire ce que ferait maintenant
                             une vraie exécution
  --skip-copied              ne copier aucun fichier dont une copie identique
                             (même taille et même SHA-256) se trouve déjà dans
                             DOSSIER
%1
Sortie, une ligne par fichier de la liste, dans l’ordre de la liste, champs
séparés par des tabulations (les mots de la première colonne restent en
anglais) :
  copied      SOURCE  NOUVEAU-NOM
  would-copy  SOURCE  NOUVEAU-NOM   (--dry-run)
  skipped     SOURCE  RAISON
  skipped     SOURCE  already copied as NOM   (--skip-copied ; compte comme copié)
  failed      SOURCE  RAISON        (la copie elle-même a échoué)
Une barre oblique inverse, une tabulation ou un saut de ligne dans un champ
s’écrit \\, \t, \n ; un octet qui n’est pas de l’UTF-8 s’écrit \xHH. La
progression va sur la sortie d’erreur standard quand c’est un terminal.

Code de sortie : 0 tous les fichiers copiés (avec --dry-run : le seraient), 1
certains ignorés ou en échec, 2 erreur d’utilisation, 3 rien n’a pu démarrer
(DOSSIER inexistant, pas de programme d’extraction).

Plusieurs processus de renommage, sur une ou plusieurs machines, peuvent écrire
en même temps dans un même DOSSIER : aucune copie n’en remplace jamais une autre,
et chaque copie est complète. Voir corvander(1).
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
        <translation>Usage : corvander undo [options] [JOURNAL]

Supprime les copies faites par une exécution de renommage, comme « Annuler la
dernière exécution » dans la fenêtre : sans JOURNAL, celles de l’exécution la
plus récente (de la fenêtre ou de la ligne de commande) qui a fait des copies et
n’a pas encore été annulée ; une exécution encore en cours est passée. Une copie
n’est supprimée que tant qu’elle est encore le fichier créé par l’exécution (même
taille et même SHA-256, pas un lien) ; tout le reste est conservé. Les fichiers
source ne sont jamais touchés. Le journal est ensuite marqué comme annulé, de
sorte que l’annulation suivante remonte à l’exécution précédente.

JOURNAL : un journal d’exécution, tel qu’il est conservé dans
$XDG_STATE_HOME/corvander (par défaut ~/.local/state/corvander), un fichier par
exécution.

Options :
  --json                     écrire des JSON Lines au lieu de lignes séparées
                             par des tabulations
  -h, --help                 afficher cette aide et quitter

Sortie, une ligne par copie faite par l’exécution, champs séparés par des
tabulations (les mots de la première colonne restent en anglais) :
  removed  CHEMIN
  kept     CHEMIN  RAISON    (modifiée depuis l’exécution, disparue, ...)
Les champs sont échappés comme pour « corvander rename ».

Code de sortie : 0 toutes les copies supprimées, 1 certaines conservées, 2 erreur
d’utilisation, 3 rien d’annulé : aucune exécution à annuler, la dernière
exécution est encore en cours (une surveillance), ou JOURNAL ne peut pas être lu,
est en cours d’utilisation, a déjà été annulé ou ne contient aucune copie.
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
        <translation>Usage : corvander watch FAMILLE [options] --to DOSSIER ENTRÉE...

Nomme dans DOSSIER chaque fichier PDF des dossiers ENTRÉE (parcourus comme le
fait « corvander rename »), puis chaque fichier qui arrive, comme le ferait
« corvander rename --skip-copied » : un fichier dont une copie identique se
trouve déjà dans DOSSIER n’est pas recopié. Un fichier est pris une fois
complet : fermé après écriture ou déplacé dans le dossier, ou, là où le dossier
ne signale pas ces événements (partages réseau), une fois que sa taille et sa
date n’ont pas changé pendant 2 secondes. Tourne jusqu’à SIGINT ou SIGTERM, puis
termine le fichier en cours et s’arrête. Une ENTRÉE qui disparaît est de nouveau
surveillée quand elle revient ; un fichier qui ne peut pas être copié parce que
DOSSIER n’est pas accessible en écriture est retenté dès que possible. Chaque
jour de surveillance a son propre journal d’exécution, que « corvander undo »
annule une fois la surveillance terminée.

FAMILLE, exactement une parmi :
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
Options :
  --to DOSSIER               le dossier de résultats (obligatoire ; doit exister)
  --skip-copied              toujours actif pour une surveillance
%1
Sortie, une ligne par fichier une fois traité, comme pour « corvander rename » :
  copied      SOURCE  NOUVEAU-NOM
  skipped     SOURCE  RAISON
  failed      SOURCE  RAISON

Code de sortie : 0 arrêté par un signal, 2 erreur d’utilisation, 3 rien n’a pu
démarrer (DOSSIER inexistant, pas de programme d’extraction).
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
        <translation>  --extension EXT            chercher *.EXT au lieu de *.pdf dans les dossiers ;
                             * pour tous les fichiers
  --jobs N                   processus d’extraction, 1 à %1 (par défaut : le
                             nombre de cœurs)
  --password-file FICHIER    essayer la première ligne de FICHIER sur les
                             documents protégés
  --json                     écrire des JSON Lines au lieu de lignes séparées
                             par des tabulations
  --ocr                      lire par OCR les pages sans texte, dans les langues
                             par défaut : celle du bureau, si elle est
                             installée, et eng
  --ocr-languages L          OCR dans les langues installées L, p. ex. eng+fra
                             (implique --ocr)
  -h, --help                 afficher cette aide et quitter
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
        <translation>Usage : corvander learn [options] FICHIER=NOM...

Écrit, pour chaque fichier d’exemple FICHIER, le modèle de nom qui donne
exactement NOM, le nom que vous lui auriez donné à la main (« .pdf » peut être
omis ; un « / » crée des sous-dossiers). Donnez un exemple de chaque genre de
document (une facture de chaque expéditeur, une lettre de chaque formulaire) :
son modèle nomme de la même façon tous les autres documents de ce genre et
ignore les documents des autres genres. Les modèles servent au renommage d’après
un modèle (voir « corvander rename --help »), qui peut aussi les apprendre
lui-même à partir des mêmes exemples.

FICHIER=NOM est coupé au premier « = » devant lequel se trouve un fichier
existant.

Options :
  --date-order ORDRE         dmy, mdy ou ymd : comment lire une date dont le jour
                             et le mois pourraient être inversés quand FICHIER
                             et NOM ne le montrent pas
  --jobs N                   processus d’extraction, 1 à %1 (par défaut : le
                             nombre de cœurs)
  --password-file FICHIER    essayer la première ligne de FICHIER sur les
                             documents protégés
  --json                     écrire des JSON Lines au lieu de lignes séparées
                             par des tabulations
  --ocr                      lire par OCR les pages sans texte, dans les langues
                             par défaut : celle du bureau, si elle est
                             installée, et eng
  --ocr-languages L          OCR dans les langues installées L, p. ex. eng+fra
                             (implique --ocr)
  -h, --help                 afficher cette aide et quitter

Sortie, une ligne par exemple dans l’ordre donné, champs séparés par des
tabulations (les mots de la première colonne restent en anglais) :
  learned    FICHIER  MODÈLE
  unlearned  FICHIER  RAISON   (la partie « AF-7731 » n’est pas dans le
                               document, ...)
Les champs sont échappés comme pour « corvander rename ».

Code de sortie : 0 tous les exemples appris, 1 certains non, 2 erreur
d’utilisation, 3 rien n’a pu démarrer (pas de programme d’extraction).
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
        <translation>Usage : corvander check [options] CHEMIN...

Indique pour chaque fichier PDF s’il contient du texte d’après lequel le
renommer, comme le fait la vérification de la fenêtre après l’ajout de fichiers.
CHEMIN : des fichiers et des dossiers, comme pour « corvander rename ».

Options :
%1
Sortie, une ligne par fichier de la liste, dans l’ordre de la liste, champs
séparés par des tabulations (les mots de la première colonne restent en
anglais) :
  readable    SOURCE
  unreadable  SOURCE  RAISON   (no text, too little text, unreadable, timed out,
                               password needed, wrong password, OCR timed out)
Les champs sont échappés comme pour « corvander rename ».

Code de sortie : 0 tous les fichiers lisibles, 1 certains illisibles, 2 erreur
d’utilisation, 3 rien n’a pu démarrer (pas de programme d’extraction).
</translation>
    </message>
</context>
<context>
    <name>corvander::CommandLine</name>
    <message>
        <source>Usage: corvander [--help | --version] [FILE | FOLDER]...</source>
        <translation>Usage : corvander [--help | --version] [FICHIER | DOSSIER]...</translation>
    </message>
    <message>
        <source>corvander: unknown option &quot;%1&quot;</source>
        <translation>corvander : option inconnue « %1 »</translation>
    </message>
    <message>
        <source>%1: %2
Try &quot;corvander %1 --help&quot;.</source>
        <translation>%1 : %2
Essayez « corvander %1 --help ».</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>%1 belongs to rename, not to %2</source>
        <translation>%1 appartient à rename, pas à %2</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>%1: the value %2 is not valid UTF-8</source>
        <translation>%1 : la valeur %2 n’est pas de l’UTF-8 valide</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donnée deux fois</translation>
    </message>
    <message>
        <source>left out %1</source>
        <translation>%1 laissé de côté</translation>
    </message>
    <message>
        <source>no files to check</source>
        <translation>aucun fichier à vérifier</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>la sortie n’a pas pu être écrite</translation>
    </message>
    <message>
        <source>--ocr: no OCR language is installed (English comes with the package tesseract-ocr-eng)</source>
        <translation>--ocr : aucune langue d’OCR n’est installée (l’anglais est fourni par le paquet tesseract-ocr-eng)</translation>
    </message>
    <message>
        <source>--ocr-languages: the language %1 is not installed (installed: %2)</source>
        <translation>--ocr-languages : la langue %1 n’est pas installée (installées : %2)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a list of languages such as eng+deu</source>
        <translation>%1 : « %2 » n’est pas une liste de langues comme eng+fra</translation>
    </message>
    <message>
        <source>--jobs: %1 is fewer than one worker</source>
        <translation>--jobs : %1 est moins d’un processus d’extraction</translation>
    </message>
    <message>
        <source>--extension: the extension is empty</source>
        <translation>--extension : l’extension est vide</translation>
    </message>
    <message>
        <source>--password-file: the file name is empty</source>
        <translation>--password-file : le nom de fichier est vide</translation>
    </message>
    <message>
        <source>two families at once: %1</source>
        <translation>deux familles à la fois : %1</translation>
    </message>
    <message>
        <source>--page needs --words X</source>
        <translation>--page demande --words X</translation>
    </message>
    <message>
        <source>no FAMILY given: use %1 or %2</source>
        <translation>aucune FAMILLE donnée : utilisez %1 ou %2</translation>
    </message>
    <message>
        <source>--page goes with --words alone, not with %1</source>
        <translation>--page va seulement avec --words, pas avec %1</translation>
    </message>
    <message>
        <source>two families at once: %1 and %2</source>
        <translation>deux familles à la fois : %1 et %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not dmy, mdy or ymd</source>
        <translation>%1 : « %2 » n’est ni dmy, ni mdy, ni ymd</translation>
    </message>
    <message>
        <source>%1 goes with --template</source>
        <translation>%1 va avec --template</translation>
    </message>
    <message>
        <source>--to DIR is missing</source>
        <translation>--to DOSSIER manque</translation>
    </message>
    <message>
        <source>--to: the folder name is empty</source>
        <translation>--to : le nom du dossier est vide</translation>
    </message>
    <message>
        <source>--to: %1 is not a folder</source>
        <translation>--to : %1 n’est pas un dossier</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>aucun CHEMIN donné</translation>
    </message>
    <message>
        <source>no FILE=NAME given</source>
        <translation>aucun FICHIER=NOM donné</translation>
    </message>
    <message>
        <source>--password-file: cannot read %1: %2</source>
        <translation>--password-file : impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>the results folder %1 does not exist</source>
        <translation>le dossier de résultats %1 n’existe pas</translation>
    </message>
    <message>
        <source>%1: the file&apos;s name is not valid UTF-8</source>
        <translation>%1 : le nom du fichier n’est pas de l’UTF-8 valide</translation>
    </message>
    <message>
        <source>%1: the name is not valid UTF-8</source>
        <translation>%1 : le nom n’est pas de l’UTF-8 valide</translation>
    </message>
    <message>
        <source>%1: no existing file before an &quot;=&quot; (FILE=NAME)</source>
        <translation>%1 : aucun fichier existant avant un « = » (FICHIER=NOM)</translation>
    </message>
    <message>
        <source>the journal of this run could not be written (%1), so the run cannot be undone</source>
        <translation>le journal de cette exécution n’a pas pu être écrit (%1) ; elle ne pourra donc pas être annulée</translation>
    </message>
    <message>
        <source>no files to rename</source>
        <translation>aucun fichier à renommer</translation>
    </message>
    <message>
        <source>the run of %1 was undone already</source>
        <translation>l’exécution de %1 a déjà été annulée</translation>
    </message>
    <message>
        <source>the run of %1 is still going or being undone; nothing was removed</source>
        <translation>l’exécution de %1 est encore en cours ou en train d’être annulée ; rien n’a été supprimé</translation>
    </message>
    <message>
        <source>%1 cannot be read as a run journal; nothing was removed</source>
        <translation>%1 ne peut pas être lu comme journal d’exécution ; rien n’a été supprimé</translation>
    </message>
    <message>
        <source>%1 is refused (%2); nothing was removed</source>
        <translation>%1 est refusé (%2) ; rien n’a été supprimé</translation>
    </message>
    <message>
        <source>the last run is still going on (%1); undo it once it has ended</source>
        <translation>la dernière exécution est encore en cours (%1) ; annulez-la une fois terminée</translation>
    </message>
    <message>
        <source>there is no run to undo</source>
        <translation>il n’y a aucune exécution à annuler</translation>
    </message>
    <message>
        <source>the run of %1 made no copies</source>
        <translation>l’exécution de %1 n’a fait aucune copie</translation>
    </message>
    <message>
        <source>give at most one journal</source>
        <translation>donnez au plus un journal</translation>
    </message>
    <message>
        <source>the inbox %1 is gone; it is watched again when it returns</source>
        <translation>l’entrée %1 a disparu ; elle sera de nouveau surveillée à son retour</translation>
    </message>
    <message>
        <source>the inbox %1 is back</source>
        <translation>l’entrée %1 est revenue</translation>
    </message>
    <message>
        <source>the journal of this watch could not be written (%1), so its copies cannot be undone</source>
        <translation>le journal de cette surveillance n’a pas pu être écrit (%1) ; ses copies ne pourront donc pas être annulées</translation>
    </message>
    <message>
        <source>--dry-run does not go with watch</source>
        <translation>--dry-run ne va pas avec watch</translation>
    </message>
    <message>
        <source>the extraction program &quot;corvander-extract&quot; was not found at %1; please reinstall Corvander</source>
        <translation>le programme d’extraction « corvander-extract » est introuvable à l’emplacement %1 ; veuillez réinstaller Corvander</translation>
    </message>
    <message>
        <source>the extraction program %1 is not an executable file; please reinstall Corvander</source>
        <translation>le programme d’extraction %1 n’est pas un fichier exécutable ; veuillez réinstaller Corvander</translation>
    </message>
    <message>
        <source>two families at once: --words and %1</source>
        <translation>deux familles à la fois : --words et %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>no rename mode given</source>
        <translation>aucun mode de renommage indiqué</translation>
    </message>
    <message>
        <source>--jobs: %1 is more than %2 workers</source>
        <translation>--jobs : %1 dépasse %2 processus d’extraction</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue « %1 »</translation>
    </message>
    <message>
        <source>; did you mean &quot;%1&quot;?</source>
        <translation> ; vouliez-vous dire « %1 » ?</translation>
    </message>
    <message>
        <source>
Try &quot;corvander --help&quot;.</source>
        <translation>
Essayez « corvander --help ».</translation>
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
        <translation>Commandes (sans fenêtre ni écran ; « corvander COMMANDE --help » en dit plus) :
  corvander rename FAMILLE [options] --to DOSSIER CHEMIN...
                 copier des fichiers PDF dans DOSSIER sous des noms tirés de
                 leur texte ou de leurs métadonnées
  corvander check [options] CHEMIN...
                 indiquer quels fichiers PDF ont du texte d’après lequel les
                 renommer
  corvander undo [options] [JOURNAL]
                 supprimer les copies de la dernière exécution, ou de
                 l’exécution de JOURNAL
  corvander watch FAMILLE [options] --to DOSSIER ENTRÉE...
                 nommer dans DOSSIER chaque fichier PDF qui arrive dans les
                 dossiers ENTRÉE
  corvander learn [options] FICHIER=NOM...
                 écrire le modèle de nom qui nomme FICHIER en NOM, ainsi que
                 les documents de son genre

</translation>
    </message>
</context>
<context>
    <name>corvander::CopyFailure</name>
    <message>
        <source>Cannot read the file</source>
        <translation>Impossible de lire le fichier</translation>
    </message>
    <message>
        <source>Cannot open the results folder</source>
        <translation>Impossible d’ouvrir le dossier de résultats</translation>
    </message>
    <message>
        <source>Cannot copy the file</source>
        <translation>Impossible de copier le fichier</translation>
    </message>
    <message>
        <source>Cannot create the copy</source>
        <translation>Impossible de créer la copie</translation>
    </message>
    <message>
        <source>Cannot write into</source>
        <translation>Impossible d’écrire dans</translation>
    </message>
    <message>
        <source>Bad file name</source>
        <translation>Nom de fichier incorrect</translation>
    </message>
</context>
<context>
    <name>corvander::ErrorReport</name>
    <message>
        <source>in </source>
        <translation>dans </translation>
    </message>
    <message>
        <source>at line </source>
        <translation>à la ligne </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Veuillez envoyer une capture d’écran de ce message par e-mail à </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l’application</translation>
    </message>
    <message>
        <source>The desktop folder could not be determined.</source>
        <translation>Le dossier du bureau n’a pas pu être déterminé.</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type incompatible</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
</context>
<context>
    <name>corvander::FileList</name>
    <message>
        <source>These were left out:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Ces éléments ont été laissés de côté :<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Ajouter des fichiers – maintenez Ctrl enfoncée pour en sélectionner plusieurs</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Enter file extension to load:<byte value="xd"/><byte value="xd"/>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>Extension des fichiers à charger :<byte value="xd"/><byte value="xd"/>(* pour tous les fichiers, txt pour tous les fichiers txt, doc pour tous les fichiers doc, etc.)</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Veuillez choisir un dossier :</translation>
    </message>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Voulez-vous que le programme ouvre le dossier où se trouvent ces fichiers d’exemple (pour que vous puissiez les consulter avant de travailler avec eux) ?</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>fichier ou dossier introuvable</translation>
    </message>
</context>
<context>
    <name>corvander::FileListPanel</name>
    <message>
        <source> PDF File(s)</source>
        <translation> Fichier(s) PDF</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Glissez-déposez les fichiers ici. Un double-clic retire un élément. Tirez le trait | vers la droite, hors de la fenêtre, pour voir les noms complets.</translation>
    </message>
    <message>
        <source>Add All PDF File(s) In Folder</source>
        <translation>Ajouter les PDF d’un dossier</translation>
    </message>
    <message>
        <source>Add PDF File(s)</source>
        <translation>Ajouter des fichiers PDF</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>Charger les fichiers d’exemple</translation>
    </message>
    <message>
        <source>File list</source>
        <translation>Liste des fichiers</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nouveau nom</translation>
    </message>
</context>
<context>
    <name>corvander::Form1</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>The template has a mistake: %1</source>
        <translation>Le modèle contient une erreur : %1</translation>
    </message>
    <message>
        <source>The program &quot;corvander-extract&quot; was not found at %1. Corvander cannot read any PDF file without it; please reinstall Corvander.</source>
        <translation>Le programme « corvander-extract » est introuvable à l’emplacement %1. Sans lui, Corvander ne peut lire aucun fichier PDF ; veuillez réinstaller Corvander.</translation>
    </message>
    <message>
        <source>No template can be learned: %1</source>
        <translation>Aucun modèle ne peut être appris : %1</translation>
    </message>
    <message>
        <source>No template gives the name &quot;%1&quot;: %2</source>
        <translation>Aucun modèle ne donne le nom « %1 » : %2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Add PDF File(s)...</source>
        <translation>&amp;Ajouter des fichiers PDF...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>&amp;Start Renaming</source>
        <translation>&amp;Lancer le renommage</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Corvander</source>
        <translation>À &amp;propos de Corvander</translation>
    </message>
    <message>
        <source>About Corvander</source>
        <translation>À propos de Corvander</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It has been kept as %2, and the program starts with its default settings.</source>
        <translation>Le fichier de paramètres %1 n’a pas pu être lu. Il a été conservé sous %2, et le programme démarre avec ses paramètres par défaut.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read, and it could not be kept aside either. The program starts with its default settings, and the choices you make will not be kept.</source>
        <translation>Le fichier de paramètres %1 n’a pas pu être lu, ni mis de côté. Le programme démarre avec ses paramètres par défaut, et vos choix ne seront pas conservés.</translation>
    </message>
    <message>
        <source>The settings cannot be saved in %1. The choices you make will not be kept.</source>
        <translation>Les paramètres ne peuvent pas être enregistrés dans %1. Vos choix ne seront pas conservés.</translation>
    </message>
    <message>
        <source>The theme file could not be read: </source>
        <translation>Le fichier de thème n’a pas pu être lu : </translation>
    </message>
    <message>
        <source>Add All PDF File(s) In &amp;Folder...</source>
        <translation>Ajouter les PDF d’un &amp;dossier...</translation>
    </message>
    <message>
        <source>Load &amp;Sample/Example Files</source>
        <translation>Charger les fichiers d’&amp;exemple</translation>
    </message>
    <message>
        <source>Rename by &amp;content</source>
        <translation>Renommer d’après le &amp;contenu</translation>
    </message>
    <message>
        <source>Rename by &amp;metadata</source>
        <translation>Renommer d’après les &amp;métadonnées</translation>
    </message>
    <message>
        <source>&amp;Open Results Folder</source>
        <translation>&amp;Ouvrir le dossier de résultats</translation>
    </message>
    <message>
        <source>The results folder %1 does not exist.</source>
        <translation>Le dossier de résultats %1 n’existe pas.</translation>
    </message>
</context>
<context>
    <name>corvander::GraphicalSession</name>
    <message>
        <source>corvander: a graphical session is needed, but none could be reached (check DISPLAY or WAYLAND_DISPLAY)
</source>
        <translation>corvander : une session graphique est nécessaire, mais aucune n’est accessible (vérifiez DISPLAY ou WAYLAND_DISPLAY)
</translation>
    </message>
</context>
<context>
    <name>corvander::HelpMessages</name>
    <message>
        <source>This program will:</source>
        <translation>Ce programme :</translation>
    </message>
    <message>
        <source>read text from a PDF. This text is usually typed into the PDF using the keyboard.</source>
        <translation>lit le texte d’un PDF. Ce texte a généralement été saisi au clavier dans le PDF.</translation>
    </message>
    <message>
        <source>This program will not:</source>
        <translation>Ce programme ne peut pas :</translation>
    </message>
    <message>
        <source>read text that is inside an image. Even though the image is embedded within a PDF file, it is still an image and &quot;unreadable&quot;.</source>
        <translation>lire le texte contenu dans une image. Même si l’image est intégrée à un fichier PDF, elle reste une image et donc « illisible ».</translation>
    </message>
    <message>
        <source>Rename by content:</source>
        <translation>Renommer d’après le contenu :</translation>
    </message>
    <message>
        <source> - if you enter 5, this software will rename each file by the first 5 words found on the first page.</source>
        <translation> – si vous saisissez 5, le programme renomme chaque fichier d’après les 5 premiers mots de la première page.</translation>
    </message>
    <message>
        <source> - if you enter 11, 12, 13 then the 11th, 12th and 13th word in the first page will be used to rename the file.</source>
        <translation> – si vous saisissez 11, 12, 13, le fichier est renommé d’après les 11e, 12e et 13e mots de la première page.</translation>
    </message>
    <message>
        <source>%a - Author</source>
        <translation>%a – Auteur</translation>
    </message>
    <message>
        <source>%t - Title</source>
        <translation>%t – Titre</translation>
    </message>
    <message>
        <source>%s - Subject</source>
        <translation>%s – Sujet</translation>
    </message>
    <message>
        <source>%c - Creator</source>
        <translation>%c – Créateur</translation>
    </message>
    <message>
        <source>%p - Producer</source>
        <translation>%p – Producteur</translation>
    </message>
    <message>
        <source>%k - Keywords</source>
        <translation>%k – Mots-clés</translation>
    </message>
    <message>
        <source>%d - Date Created</source>
        <translation>%d – Date de création</translation>
    </message>
    <message>
        <source>%m - Date Modified</source>
        <translation>%m – Date de modification</translation>
    </message>
    <message>
        <source>%v - PDF Version</source>
        <translation>%v – Version PDF</translation>
    </message>
    <message>
        <source>%g - Pages</source>
        <translation>%g – Nombre de pages</translation>
    </message>
    <message>
        <source>Rename by metadata:</source>
        <translation>Renommer d’après les métadonnées :</translation>
    </message>
    <message>
        <source>With Options &gt; &quot;Read scanned pages with OCR&quot; turned on, it reads the text of scanned pages by OCR.</source>
        <translation>Avec Options &gt; « Lire les pages numérisées par OCR » activé, il lit le texte des pages numérisées par OCR.</translation>
    </message>
</context>
<context>
    <name>corvander::Journal</name>
    <message>
        <source>Cannot mark the run journal %1 as undone: %2</source>
        <translation>Impossible de marquer le journal %1 comme annulé : %2</translation>
    </message>
    <message>
        <source>Removed 1 copy.</source>
        <translation>1 copie supprimée.</translation>
    </message>
    <message>
        <source>Removed %1 copies.</source>
        <translation>%1 copies supprimées.</translation>
    </message>
    <message>
        <source>This run was undone already.</source>
        <translation>Cette exécution a déjà été annulée.</translation>
    </message>
    <message>
        <source>This run is still going or being undone. Nothing was removed.</source>
        <translation>Cette exécution est encore en cours ou en train d’être annulée. Rien n’a été supprimé.</translation>
    </message>
    <message>
        <source>The record of this run cannot be read. Nothing was removed.</source>
        <translation>Le journal de cette exécution ne peut pas être lu. Rien n’a été supprimé.</translation>
    </message>
    <message>
        <source>The record of this run was refused (%1). Nothing was removed.</source>
        <translation>Le journal de cette exécution a été refusé (%1). Rien n’a été supprimé.</translation>
    </message>
</context>
<context>
    <name>corvander::MetadataName</name>
    <message>
        <source>The format part %1 names no field and adds nothing to the name: each part between hyphens must be one of %a %t %s %c %p %k %d %m %v %g. Literal text needs &quot;Rename by template&quot;.</source>
        <translation>La partie du format %1 ne désigne aucun champ et n’ajoute rien au nom : chaque partie entre tirets doit être l’un de %a %t %s %c %p %k %d %m %v %g. Un texte fixe demande « Renommer d’après un modèle ».</translation>
    </message>
    <message>
        <source>The format parts %1 name no field and add nothing to the name: each part between hyphens must be one of %a %t %s %c %p %k %d %m %v %g. Literal text needs &quot;Rename by template&quot;.</source>
        <translation>Les parties du format %1 ne désignent aucun champ et n’ajoutent rien au nom : chaque partie entre tirets doit être l’un de %a %t %s %c %p %k %d %m %v %g. Un texte fixe demande « Renommer d’après un modèle ».</translation>
    </message>
</context>
<context>
    <name>corvander::NamingRules</name>
    <message>
        <source>Enter X</source>
        <translation>Saisissez X</translation>
    </message>
    <message>
        <source>Input X</source>
        <translation>Saisie de X</translation>
    </message>
    <message>
        <source>Rename by the first x word(s)</source>
        <translation>Renommer d’après les x premiers mots</translation>
    </message>
    <message>
        <source>the first X words of the document</source>
        <translation>les X premiers mots du document</translation>
    </message>
    <message>
        <source>Rename by the first x word(s) on last page</source>
        <translation>Renommer d’après les x premiers mots de la dernière page</translation>
    </message>
    <message>
        <source>the first X words of the last page</source>
        <translation>les X premiers mots de la dernière page</translation>
    </message>
    <message>
        <source>rename by metadata, e.g. &quot;%a - %t&quot; (%a author, %t
title, %s subject, %c creator, %p producer,
%k keywords, %d created, %m modified, %v PDF version,
%g pages); an empty FORMAT keeps the file&apos;s own name</source>
        <translation>renommer d’après les métadonnées, p. ex.
« %a - %t » (%a auteur, %t titre, %s sujet,
%c créateur, %p producteur, %k mots-clés,
%d création, %m modification, %v version PDF,
%g nombre de pages) ; un FORMAT vide garde le nom
actuel du fichier</translation>
    </message>
    <message>
        <source>Rename by the first x word(s) on page 2</source>
        <translation>Renommer d’après les x premiers mots de la page 2</translation>
    </message>
    <message>
        <source>the first X words of page 2</source>
        <translation>les X premiers mots de la page 2</translation>
    </message>
    <message>
        <source>Rename by the first x word(s) on page y</source>
        <translation>Renommer d’après les x premiers mots de la page y</translation>
    </message>
    <message>
        <source>the first X words of page Y</source>
        <translation>les X premiers mots de la page Y</translation>
    </message>
    <message>
        <source>Enter Y</source>
        <translation>Saisissez Y</translation>
    </message>
    <message>
        <source>Input Y</source>
        <translation>Saisie de Y</translation>
    </message>
    <message>
        <source>Must be numeric.</source>
        <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
        <source>rename by template, e.g. &quot;{date} {after \&quot;No.:\&quot; 1}&quot;;
repeat it for several templates: the first whose
fields all have a value names the file</source>
        <translation>renommer d’après un modèle, p. ex.
« {date} {after \&quot;No.:\&quot; 1} » ; à répéter
pour plusieurs modèles : le premier dont tous les
champs ont une valeur donne son nom au fichier</translation>
    </message>
    <message>
        <source>Rename by x1, x2, x3 word(s) on first page</source>
        <translation>Renommer d’après les mots x1, x2, x3 de la première page</translation>
    </message>
    <message>
        <source>those words of page 1, e.g. 10,11</source>
        <translation>ces mots de la page 1, p. ex. 10,11</translation>
    </message>
    <message>
        <source>Please enter word numbers (for example 10, 11 will use the tenth and eleventh word on the first page):</source>
        <translation>Veuillez saisir les numéros des mots (par exemple, 10, 11 prend le dixième et le onzième mot de la première page) :</translation>
    </message>
    <message>
        <source>Input X1, X2, X3</source>
        <translation>Saisie de X1, X2, X3</translation>
    </message>
    <message>
        <source>Rename by n words after x string</source>
        <translation>Renommer d’après les n mots après le texte x</translation>
    </message>
    <message>
        <source>N words after the first TEXT</source>
        <translation>N mots après le premier TEXT</translation>
    </message>
    <message>
        <source>Enter string to search for:</source>
        <translation>Texte à rechercher :</translation>
    </message>
    <message>
        <source>String</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Enter number of words to get:</source>
        <translation>Nombre de mots à prendre :</translation>
    </message>
    <message>
        <source>Input N</source>
        <translation>Saisie de N</translation>
    </message>
    <message>
        <source>Rename by n words before x string</source>
        <translation>Renommer d’après les n mots avant le texte x</translation>
    </message>
    <message>
        <source>N words before the first TEXT</source>
        <translation>N mots avant le premier TEXT</translation>
    </message>
</context>
<context>
    <name>corvander::OcrMenu</name>
    <message>
        <source>Read scanned pages with &amp;OCR</source>
        <translation>Lire les pages numérisées par &amp;OCR</translation>
    </message>
    <message>
        <source>OCR &amp;Languages...</source>
        <translation>&amp;Langues de l’OCR...</translation>
    </message>
    <message>
        <source>The OCR languages cannot be listed: the extraction program could not be started.</source>
        <translation>Impossible d’afficher les langues de l’OCR : le programme d’extraction n’a pas pu être lancé.</translation>
    </message>
    <message>
        <source>No OCR language is installed. English comes with the package tesseract-ocr-eng, other languages with tesseract-ocr-LANG (for example tesseract-ocr-deu).</source>
        <translation>Aucune langue d’OCR n’est installée. L’anglais est fourni par le paquet tesseract-ocr-eng, les autres langues par tesseract-ocr-LANGUE (par exemple tesseract-ocr-fra).</translation>
    </message>
    <message>
        <source>OCR Languages</source>
        <translation>Langues de l’OCR</translation>
    </message>
    <message>
        <source>Read scanned pages in these languages:</source>
        <translation>Lire les pages numérisées dans ces langues :</translation>
    </message>
</context>
<context>
    <name>corvander::PageView</name>
    <message>
        <source>Drawing the page…</source>
        <translation>Affichage de la page…</translation>
    </message>
    <message>
        <source>No page to show</source>
        <translation>Aucune page à afficher</translation>
    </message>
    <message>
        <source>Page view</source>
        <translation>Aperçu de la page</translation>
    </message>
    <message>
        <source>Drag a rectangle over the page to insert a zone field for it</source>
        <translation>Tracez un rectangle sur la page pour insérer le champ de zone correspondant</translation>
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

%2 copie de nombreux fichiers PDF en une seule fois sous de nouveaux
noms tirés du texte de chaque fichier (« renommer d’après le contenu ») ou de
ses informations de document (« renommer d’après les métadonnées »). Les
fichiers source ne sont jamais modifiés ; les copies renommées vont dans un
dossier de résultats. Lancé sans option, il ouvre sa fenêtre et ajoute à sa
liste les fichiers indiqués ainsi que les fichiers PDF des dossiers indiqués.

Options :
  -h, --help     afficher cette aide et quitter
  -v, --version  afficher la version et quitter

Paramètres : %3, section [Corvander].
Lit les fichiers PDF à l’aide de son programme auxiliaire corvander-extract,
placé à côté de lui.
</translation>
    </message>
    <message>
        <source>Home page: %1
</source>
        <translation>Page d’accueil : %1
</translation>
    </message>
    <message>
        <source>Support: %1
</source>
        <translation>Assistance : %1
</translation>
    </message>
</context>
<context>
    <name>corvander::ReadabilityCheck</name>
    <message>
        <source>Progress Bar</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Checking: %1 of %2</source>
        <translation>Vérification : %1 sur %2</translation>
    </message>
    <message>
        <source>These files could not be read:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Ces fichiers n’ont pas pu être lus :<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The extraction program &quot;%1&quot; could not be started (%2). Please reinstall Corvander.</source>
        <translation>Le programme d’extraction « %1 » n’a pas pu être lancé (%2). Veuillez réinstaller Corvander.</translation>
    </message>
    <message>
        <source>OCR: page %1 of %2</source>
        <translation>OCR : page %1 de %2</translation>
    </message>
    <message>
        <source>Please wait.. </source>
        <translation>Veuillez patienter… </translation>
    </message>
    <message>
        <source>OCR page %1 of %2: %3</source>
        <translation>OCR page %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>Files without text may be scans: turn on Options &gt; &quot;Read scanned pages with OCR&quot; to read them.</source>
        <translation>Les fichiers sans texte sont peut-être des numérisations : activez Options &gt; « Lire les pages numérisées par OCR » pour les lire.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
This program will extract text from a PDF but this program will not extract text within an image within a PDF.<byte value="xd"/>
<byte value="xd"/>
Email %1 if you have any questions.</source>
        <translation><byte value="xd"/>
Ce programme extrait le texte d’un PDF, mais il n’extrait pas le texte contenu dans une image à l’intérieur d’un PDF.<byte value="xd"/>
<byte value="xd"/>
Écrivez à %1 si vous avez des questions.</translation>
    </message>
</context>
<context>
    <name>corvander::Reasons</name>
    <message>
        <source>no rename mode</source>
        <translation>aucun mode de renommage</translation>
    </message>
    <message>
        <source>no word numbers</source>
        <translation>aucun numéro de mot</translation>
    </message>
    <message>
        <source>no search text</source>
        <translation>aucun texte à chercher</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>password needed</source>
        <translation>mot de passe nécessaire</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>mot de passe incorrect</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>délai dépassé</translation>
    </message>
    <message>
        <source>no text</source>
        <translation>aucun texte</translation>
    </message>
    <message>
        <source>too little text</source>
        <translation>trop peu de texte</translation>
    </message>
    <message>
        <source>no text on the page</source>
        <translation>aucun texte sur la page</translation>
    </message>
    <message>
        <source>too few pages</source>
        <translation>trop peu de pages</translation>
    </message>
    <message>
        <source>too few words</source>
        <translation>trop peu de mots</translation>
    </message>
    <message>
        <source>empty name after cleaning</source>
        <translation>nom vide après nettoyage</translation>
    </message>
    <message>
        <source>OCR timed out</source>
        <translation>délai de l’OCR dépassé</translation>
    </message>
    <message>
        <source>empty name</source>
        <translation>nom vide</translation>
    </message>
    <message>
        <source>already copied</source>
        <translation>déjà copié</translation>
    </message>
    <message>
        <source>no template</source>
        <translation>aucun modèle</translation>
    </message>
    <message>
        <source>not renamed</source>
        <translation>non renommé</translation>
    </message>
    <message>
        <source> (OCR is off: try Options &gt; Read scanned pages with OCR)</source>
        <translation> (OCR désactivée : essayez Options &gt; « Lire les pages numérisées par OCR »)</translation>
    </message>
    <message>
        <source>no text on page %1</source>
        <translation>aucun texte sur la page %1</translation>
    </message>
    <message>
        <source>the document has only 1 page</source>
        <translation>le document n’a qu’une page</translation>
    </message>
    <message>
        <source>the document has only %1 pages</source>
        <translation>le document n’a que %1 pages</translation>
    </message>
    <message>
        <source>already copied as %1</source>
        <translation>déjà copié sous le nom %1</translation>
    </message>
    <message>
        <source>no value for %1</source>
        <translation>aucune valeur pour %1</translation>
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
        <translation>Demander le mot de passe, car les fichiers PDF sont protégés</translation>
    </message>
    <message>
        <source>Rename Options</source>
        <translation>Options de renommage</translation>
    </message>
    <message>
        <source>Rename by content</source>
        <translation>Par le contenu</translation>
    </message>
    <message>
        <source>Rename by metadata</source>
        <translation>Par les métadonnées</translation>
    </message>
    <message>
        <source>Load Sample:</source>
        <translation>Exemple :</translation>
    </message>
    <message>
        <source>Content rename mode</source>
        <translation>Mode de renommage d’après le contenu</translation>
    </message>
    <message>
        <source>Help on rename by content</source>
        <translation>Aide sur le renommage d’après le contenu</translation>
    </message>
    <message>
        <source>Metadata name format</source>
        <translation>Format du nom d’après les métadonnées</translation>
    </message>
    <message>
        <source>Help on rename by metadata</source>
        <translation>Aide sur le renommage d’après les métadonnées</translation>
    </message>
    <message>
        <source>Format preset: author - title</source>
        <translation>Format prédéfini : auteur – titre</translation>
    </message>
    <message>
        <source>Format preset: author - subject</source>
        <translation>Format prédéfini : auteur – sujet</translation>
    </message>
    <message>
        <source>Format preset: creator - title</source>
        <translation>Format prédéfini : créateur – titre</translation>
    </message>
    <message>
        <source>Format preset: creator - subject</source>
        <translation>Format prédéfini : créateur – sujet</translation>
    </message>
    <message>
        <source>Format preset: title - pages</source>
        <translation>Format prédéfini : titre – nombre de pages</translation>
    </message>
    <message>
        <source>Placeholders such as %a for author and %t for title</source>
        <translation>Des espaces réservés comme %a pour l’auteur et %t pour le titre</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
</context>
<context>
    <name>corvander::RenameRun</name>
    <message>
        <source>No files added.</source>
        <translation>Aucun fichier n’a été ajouté.</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>Le dossier n’existe pas. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>Please choose a rename mode first.</source>
        <translation>Veuillez d’abord choisir un mode de renommage.</translation>
    </message>
    <message>
        <source>Password for protected PDF files:</source>
        <translation>Mot de passe des fichiers PDF protégés :</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>The journal of this run could not be written (%1), so the run cannot be undone.</source>
        <translation>Le journal de cette exécution n’a pas pu être écrit (%1) ; elle ne pourra donc pas être annulée.</translation>
    </message>
    <message>
        <source>Processing: </source>
        <translation>Traitement : </translation>
    </message>
    <message>
        <source>Wrong password. </source>
        <translation>Mot de passe incorrect. </translation>
    </message>
</context>
<context>
    <name>corvander::ResultsFolderBox</name>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Enregistrer les résultats dans ce dossier</translation>
    </message>
    <message>
        <source>Results folder</source>
        <translation>Dossier de résultats</translation>
    </message>
    <message>
        <source>Choose the results folder</source>
        <translation>Choisir le dossier de résultats</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Veuillez choisir un dossier :</translation>
    </message>
</context>
<context>
    <name>corvander::RunController</name>
    <message>
        <source>Progress Bar</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Start Renaming</source>
        <translation>Lancer le renommage</translation>
    </message>
    <message>
        <source>&amp;Preview Names</source>
        <translation>A&amp;perçu des noms</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>&amp;Undo Last Run</source>
        <translation>Ann&amp;uler la dernière exécution</translation>
    </message>
    <message>
        <source>Save &amp;Report...</source>
        <translation>Enregistrer le &amp;rapport...</translation>
    </message>
    <message>
        <source>&amp;Preview names before copying</source>
        <translation>A&amp;perçu des noms avant la copie</translation>
    </message>
    <message>
        <source>(skipped: %1)</source>
        <translation>(ignoré : %1)</translation>
    </message>
    <message>
        <source>The last run is still going on. Undo it once it has ended.</source>
        <translation>La dernière exécution est encore en cours. Annulez-la une fois terminée.</translation>
    </message>
    <message>
        <source>There is no run to undo.</source>
        <translation>Il n’y a aucune exécution à annuler.</translation>
    </message>
    <message>
        <source>Remove the %1 copies that the last run made in %2?<byte value="xd"/>
<byte value="xd"/>
Your own files are not touched.</source>
        <translation>Supprimer les %1 copies créées par la dernière exécution dans %2 ?<byte value="xd"/>
<byte value="xd"/>
Vos propres fichiers ne sont pas touchés.</translation>
    </message>
    <message>
        <source>There is no run to report on.</source>
        <translation>Il n’y a aucune exécution sur laquelle faire un rapport.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The report could not be saved: </source>
        <translation>Le rapport n’a pas pu être enregistré : </translation>
    </message>
</context>
<context>
    <name>corvander::RunJournal</name>
    <message>
        <source>Cannot create the run journal folder</source>
        <translation>Impossible de créer le dossier des journaux d’exécution</translation>
    </message>
    <message>
        <source>Cannot create the run journal</source>
        <translation>Impossible de créer le journal d’exécution</translation>
    </message>
    <message>
        <source>Cannot write the run journal</source>
        <translation>Impossible d’écrire le journal d’exécution</translation>
    </message>
</context>
<context>
    <name>corvander::ScrollingMessage</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>corvander::ShellOpen</name>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>Path/file access error</source>
        <translation>Erreur d’accès au chemin ou au fichier</translation>
    </message>
    <message>
        <source>The executable file is invalid or corrupt</source>
        <translation>Le fichier exécutable n’est pas valide ou est endommagé</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>Le fichier est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>This file type does not have a valid file association.</source>
        <translation>Aucune application valide n’est associée à ce type de fichier.</translation>
    </message>
    <message>
        <source>The file could not be opened due to time out. Please try again in a moment.</source>
        <translation>Le fichier n’a pas pu être ouvert : le délai d’attente a expiré. Veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <source>The file could not be opened because the DDE transaction failed. Please try again in a moment.</source>
        <translation>Le fichier n’a pas pu être ouvert, car l’échange DDE a échoué. Veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <source>The file could not be opened because the target application is busy. Please try again in a moment.</source>
        <translation>Le fichier n’a pas pu être ouvert, car l’application cible est occupée. Veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <source>No application is associated with this file type.</source>
        <translation>Aucune application n’est associée à ce type de fichier.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque de liens dynamiques indiquée est introuvable.</translation>
    </message>
    <message>
        <source>An error occurred occurred whilst trying to open or print the selected file.</source>
        <translation>Une erreur s’est produite lors de l’ouverture ou de l’impression du fichier sélectionné.</translation>
    </message>
</context>
<context>
    <name>corvander::SkipCopiedOption</name>
    <message>
        <source>Skip files already copied</source>
        <translation>Ignorer les fichiers déjà copiés</translation>
    </message>
</context>
<context>
    <name>corvander::TemplatePanel</name>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>After Label</source>
        <translation>Après un libellé</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>&amp;Day, Month, Year</source>
        <translation>&amp;Jour, mois, année</translation>
    </message>
    <message>
        <source>&amp;Month, Day, Year</source>
        <translation>&amp;Mois, jour, année</translation>
    </message>
    <message>
        <source>&amp;Year, Month, Day</source>
        <translation>&amp;Année, mois, jour</translation>
    </message>
    <message>
        <source>Rename by template</source>
        <translation>Renommer d’après un modèle</translation>
    </message>
    <message>
        <source>Templates, one per line</source>
        <translation>Modèles, un par ligne</translation>
    </message>
    <message>
        <source>Literal text with fields in braces; the first template whose fields all have a value names the file</source>
        <translation>Du texte fixe avec des champs entre accolades ; le premier modèle dont tous les champs ont une valeur donne son nom au fichier</translation>
    </message>
    <message>
        <source>Template mistake</source>
        <translation>Erreur dans le modèle</translation>
    </message>
    <message>
        <source>Insert field: %1</source>
        <translation>Insérer le champ : %1</translation>
    </message>
    <message>
        <source>&amp;Date Order</source>
        <translation>Ordre des &amp;dates</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
</context>
<context>
    <name>corvander::TemplatePreview</name>
    <message>
        <source>(skipped: %1)</source>
        <translation>(ignoré : %1)</translation>
    </message>
</context>
</TS>
