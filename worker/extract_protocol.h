#pragma once

// How the program talks to its corvander-extract workers.
//
// A worker reads requests on its standard input and writes one answer per request on its
// standard output, in the order of the requests. It handles one document at a time and many
// documents in its life; it ends when its input ends. Nothing it reads or writes touches the disk
// except the PDF itself, and nothing secret (a password) ever appears on its command line.
//
// Every message is a frame:
//     4 bytes   the length L of the rest, unsigned, big-endian
//     L bytes   fields, one after the other
// and every field is:
//     1 byte    its tag (below)
//     4 bytes   the length V of its value, unsigned, big-endian
//     V bytes   the value
// Numbers are written as decimal text ("-1", "0", "12"). A field that is not there has its
// default. A side ignores tags it does not know, so either side may learn new fields later.
//
// Requests:
//   Operation   "text"  the text of pages First..Last, byte for byte what
//                       `pdftotext -eol dos -f First -l Last FILE OUT` writes into OUT
//               "info"  the document information, byte for byte what `pdfinfo FILE` prints, and
//                       the XML stream, byte for byte what `pdfinfo -meta FILE` prints
//               "page"  page FirstPage (default 1) drawn as a picture for people to look at
//                       (below)
//               "languages"  the installed OCR languages, in OcrLanguages
//               "crash", "hang"  die at once, or never answer; only known to the tests' build of
//                       the worker (corvander-extract-testing), and only honoured when it runs
//                       with CORVANDER_EXTRACT_TEST_REQUESTS=1 in its environment
//   Id          echoed in the answer, so that the program can tell a stray answer from its own
//   Path        the PDF's file name as bytes, as the file system has it
//   FirstPage   as pdftotext's -f (default 0: not given)
//   LastPage    as pdftotext's -l (default 0: not given)
//   LastPageOnly  "1": the text of the document's last page alone, as `-f P -l P` with P the page
//               count (0 when the document has no pages); First and Last are then ignored
//   Password    tried, as both the owner and the user password, only on a document that does
//               not open without one (a document with only an owner password opens without);
//               a Password field that is there is used even when empty, one that is not there
//               means no password
//   Ocr         "text": "1" reads each page of the range whose text has no words (nothing but
//               blanks, line ends and form feeds) by OCR instead: the page is drawn at 300 dpi
//               in grey (less for a page so large that the image would pass 40 megapixels) and
//               its recognised text takes the page's place, laid out as a page's text is (lines
//               ending in CR LF, then an empty line and a form feed). A page with a text layer
//               is never read by OCR. Anything else, or no field: the text alone, as above.
//   OcrLanguages  the OCR languages, Tesseract's way: "eng", "eng+deu" (default and when
//               empty: "eng")
//   OcrTimeout  milliseconds that OCR may take for each page, drawing included; a positive
//               number (default 120000, at most 86400000; anything else is refused with status 2)
//   Stop        "text": how much of the text the answer needs; the pages are read in order and
//               the reading stops at the end of the page after which more text could no longer
//               change a name made from it by the word rules (naming/words/words.h):
//                 "bytes"   StopCount bytes of text (the readability check)
//                 "words"   StopCount complete words, that is a blank follows the StopCount-th
//                           word and a word follows that blank (the first words of a document)
//                 "after"   StopText found, then StopCount complete words after it
//                 "before"  StopText found (the StopCount words before it are what counts)
//               A rule that is never satisfied reads the whole range. No field, or anything
//               else: the whole range. With Ocr, a page without words is read by OCR before the
//               rule looks at it, so the rule sees the text the page will have.
//   StopCount   the rule's number, in decimal (default 0)
//   StopText    the rule's search text, UTF-8; found in the prepared text (line feeds removed,
//               carriage returns as blanks, composed form) without regard to letter case, also
//               across a page break
//   StopAtWordless  "1": the reading also stops, without that page, at the first page whose
//               text has no words (the program then reads that page by OCR on its own and goes
//               on with the rule itself); WordlessPage says which page it was
//   WithInfo    "text": "1" also answers Info and Xml, byte for byte what an "info" request for
//               the same file answers, from the same opening of the document (the information
//               is read first, straight after opening, in pdfinfo's order; the text after it)
//   WordPages   "text": the pages whose words, with their boxes, the answer carries in
//               WordBoxes, as decimal numbers apart by commas ("1,3"); a negative number counts
//               from the end (-1 is the last page). Pages the document does not have are left
//               out. A page in the range that is read for the text gives the words of that
//               reading; any other page (outside First..Last, or after the reading stopped) is
//               read for its words alone. With Ocr, a page whose text has no words gives the
//               words OCR read on it instead, also when it is read for its words alone (it is
//               then in OcrPages, or OcrTimedOut, as a page of the text is). Anything but
//               numbers and commas is refused with status 2
//   ImageWidth, ImageHeight  "page": the box in pixels the picture must fit into, each 1 to
//               kMaxPageImageSide (defaults kMaxPageImageSide wide, kDefaultPageImageHeight
//               high); anything else is refused with status 2
//
// Answers:
//   Id          the request's
//   Status      the exit status the command-line tool would give: 0 done, 1 the document could not
//               be opened (damaged, not a PDF, wrong or missing password), 99 a page range that
//               starts after the last page (pdftotext then writes no file); 2 anything else
//   PageCount   the document's page count, -1 when it could not be opened (or the request was
//               refused before a document was opened)
//   Text        "text" with status 0: the text (UTF-8, CR LF line ends, a form feed after
//               each page). With a Stop rule, the text of the pages read, less what the rule can
//               no longer use, which is what the word rules need to name the file as the whole
//               text would: when StopText is in no page, no text at all (the file's own name
//               needs none); with "after" and "before", once more than a mebibyte is held, the
//               first pages that can no longer hold the search text or the words before it are
//               left out and counted in TextOffset. Never more than kMaxTextBytes: a text the
//               rule needs beyond that is not sent, and the answer is status 2 with the Error
//               "the text is too long to send"
//   TextOffset  "text": how many characters (UTF-16 code units) of the prepared text of the
//               pages read stand before Text and were left out; absent when none
//   WordOffset  "text" with "before": how many more words the whole text before StopText has
//               than the text before it in Text has, once text was left out: what the numbers
//               of the words before StopText are to be raised by; absent when 0
//   PagesRead   "text": how many pages were read (text extracted) for the answer
//   WordlessPage  with StopAtWordless: the page without words the reading stopped at, not in
//               Text; absent when the reading stopped for another reason
//   FileDevice, FileInode, FileSize, FileModified  "text" and "info", once the file is open: the
//               state of the file that was read, from fstat of the very descriptor the PDF library
//               reads (the modification time in nanoseconds since the epoch), so that the program
//               copies only a file that is still the one whose text it used
//   Info        "info", and "text" with WithInfo: what `pdfinfo FILE` prints on its standard
//               output (empty unless the status is 0)
//   Xml         "info", and "text" with WithInfo: what `pdfinfo -meta FILE` prints on its
//               standard output (empty when the document has no XML stream)
//   WordBoxes   "text" with WordPages and status 0: for each page asked for, in page order,
//                   "PAGE WIDTH HEIGHT COUNT" and a line feed,
//               then COUNT words, each
//                   "XMIN YMIN XMAX YMAX LENGTH " then LENGTH bytes of text, then a line feed.
//               The words are those `pdftotext -bbox -f PAGE -l PAGE FILE` lists, in its order
//               and with its text (UTF-8), or the words OCR read, in its reading order. Boxes
//               and sizes are in points, from the top-left corner of the page's media box
//               turned by its /Rotate, as pdftotext gives them; WIDTH and HEIGHT are the size
//               of that turned box (pdftotext prints the box's size before the turn). Numbers
//               are decimal, as short as they can be and still read back exactly. The words
//               of all pages take at most kMaxWordBoxBytes: a page whose words would pass that
//               comes with COUNT -1 and no words, and the rest of the answer stands
//   Image       "page": the picture, a PNG file (8-bit RGB). The page is drawn as it is seen
//               (crop box, turned by its /Rotate), as large as fits into the box asked for with
//               its proportions kept, and smaller when it would pass kMaxPageImagePixels
//   ImageWidth, ImageHeight  "page": the picture's size in pixels
//   PageArea    "page": "LEFT TOP WIDTH HEIGHT", the part of the page the picture shows, in the
//               points of WordBoxes: pixel X, Y shows the point LEFT + X * WIDTH / ImageWidth,
//               TOP + Y * HEIGHT / ImageHeight
//   PageSize    "page": "WIDTH HEIGHT", the page's size as WordBoxes gives it
//   NeedsPassword  "1" with status 1 when the document is protected and the password given (or
//               none) does not open it
//   PasswordRejected  "1" beside NeedsPassword when a password was given and tried
//   Error       a short description when the status is not 0 (for people, not for programs);
//               with Ocr, also with status 0 when OCR languages are missing: no page is then read
//               by OCR and the Error names the missing languages
//   OcrPages    with Ocr: the pages OCR read to the end, in order, comma-separated ("2,5"),
//               whether or not it found words on them; empty when none
//   OcrTimedOut with Ocr: the pages whose OCR ran out of time, comma-separated; such a page keeps
//               its own (wordless) text and is not in OcrPages
//   OcrLanguages  "languages": the installed languages joined by "+" in alphabetical order
//               ("deu+eng+fra"), without the script detection data "osd"; empty when none
//
// Status 99 also answers a "page" request for a page the document does not have.
//
// Progress: while a "text" request with Ocr is under way, the worker may send frames of its own
// before the answer, each holding the request's Id and a Progress field, "ocr P" while page P is
// being read by OCR. A progress frame never has a Status field and an answer always has one, so
// that a program can tell them apart; a request without Ocr gets no progress frames.
//
// A worker that cannot read a whole frame (its input ended) ends with status 0. A frame it cannot
// understand (too long, a field that runs past the end) ends it with status 3, so a confused
// worker never answers the wrong request.
//
// Status 2 also answers a request the worker will not serve: an unknown operation, a page number
// that is not a decimal number, a path holding a zero byte, a text longer than kMaxTextBytes.
//
// A worker limits itself: 2 GiB of address space (CORVANDER_EXTRACT_MEMORY_MB) and 120 s of
// processor time for each request (CORVANDER_EXTRACT_CPU_SECONDS); each page read by OCR adds
// the budget again plus its OcrTimeout. A document that needs more
// ends the worker: SIGXCPU when its time is up; SIGABRT when the PDF library runs out of memory,
// or exit status 4 straight after a status 2 answer when the worker itself notices the shortage.
// The program then starts a new worker. The worker writes nothing on its standard error in
// normal work, only the library's last words when it aborts.
//
// OCR runs on one thread in each worker, so that workers side by side do not fight over the
// processors: a worker started without OMP_THREAD_LIMIT=1 in its environment starts itself again
// with it (the OCR library's thread pool reads it only as it is loaded). A program that sets it
// saves that second start. The OCR library's set-up for each language string is kept for the
// worker's life (for the last few strings used), so only the first OCR'd page pays for it.

#include <cstdint>

namespace corvander::protocol {

// A frame longer than this is refused; no honest answer comes near it.
inline constexpr std::uint32_t kMaxFrameLength = 512u * 1024u * 1024u;

// The most text one answer carries. A name never needs as much (about five thousand pages of
// dense text before its rule is satisfied), and the program, which holds a text several times
// over while it decodes it and picks words from it, stays within a few hundred megabytes also
// when a document holds hundreds of megabytes of text.
inline constexpr std::uint32_t kMaxTextBytes = 16u * 1024u * 1024u;

// The most word boxes one answer carries: some three hundred thousand words, far more than a
// person puts on a page, so that an answer with text, information and boxes stays far below
// kMaxFrameLength.
inline constexpr std::uint32_t kMaxWordBoxBytes = 16u * 1024u * 1024u;

// The picture of a page: high enough for a window's page view, and never more than 12 MB of
// pixels.
inline constexpr int kDefaultPageImageHeight = 600;
inline constexpr int kMaxPageImageSide = 2000;
inline constexpr long long kMaxPageImagePixels = 4000000;

enum class Tag : unsigned char {
    Operation = 'o',
    Id = 'q',
    Path = 'p',
    FirstPage = 'f',
    LastPage = 'l',
    LastPageOnly = 'z',
    Password = 'w',
    Status = 's',
    PageCount = 'n',
    Text = 't',
    Info = 'i',
    Xml = 'm',
    Error = 'e',
    NeedsPassword = 'k',
    PasswordRejected = 'K',
    Ocr = 'c',
    OcrLanguages = 'g',
    OcrTimeout = 'd',
    OcrPages = 'j',
    OcrTimedOut = 'x',
    Progress = 'y',
    Stop = 'h',
    StopCount = 'u',
    StopText = 'v',
    StopAtWordless = 'a',
    PagesRead = 'r',
    TextOffset = 'b',
    WordOffset = 'B',
    WordlessPage = 'W',
    FileDevice = 'D',
    FileInode = 'I',
    FileSize = 'S',
    FileModified = 'M',
    WithInfo = 'A',
    WordPages = 'P',
    WordBoxes = 'X',
    ImageWidth = 'G',
    ImageHeight = 'E',
    Image = 'J',
    PageArea = 'R',
    PageSize = 'Z',
};

inline constexpr char kOperationText[] = "text";
inline constexpr char kOperationInfo[] = "info";
inline constexpr char kOperationLanguages[] = "languages";
inline constexpr char kOperationPage[] = "page";
inline constexpr char kOperationCrash[] = "crash";
inline constexpr char kOperationHang[] = "hang";

// Exit statuses, as the command-line tools give them.
inline constexpr int kStatusDone = 0;
inline constexpr int kStatusCannotOpen = 1;
inline constexpr int kStatusOtherError = 2;
inline constexpr int kStatusBadPageRange = 99;

// A Progress value: this prefix, then the page number.
inline constexpr char kProgressOcrPage[] = "ocr ";
inline constexpr char kOcrDefaultLanguages[] = "eng";
inline constexpr long long kOcrDefaultTimeoutMs = 120000;
inline constexpr long long kOcrMaxTimeoutMs = 86400000;

inline constexpr char kTestRequestsVariable[] = "CORVANDER_EXTRACT_TEST_REQUESTS";

// The Stop rules.
inline constexpr char kStopBytes[] = "bytes";
inline constexpr char kStopWords[] = "words";
inline constexpr char kStopAfter[] = "after";
inline constexpr char kStopBefore[] = "before";

} // namespace corvander::protocol
