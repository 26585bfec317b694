#pragma once

// Values of the document information as pdfinfo prints them.

#include <string>

class GooString;

namespace corvander::worker {

// A text string (PDFDocEncoding, or UTF-16 with its byte order mark) in the text encoding.
std::string textStringBytes(const GooString& raw);

// A date such as "D:20240110093000+01'00'" as the local time in the C locale's "%c %Z" form;
// the text string itself when it is not a date the library understands.
std::string dateBytes(const GooString& raw);

} // namespace corvander::worker
