#include "worker/info_text.h"

#include <poppler/DateInfo.h>
#include <poppler/GlobalParams.h>
#include <poppler/UTF.h>
#include <poppler/UnicodeMap.h>
#include <poppler/goo/GooString.h>
#include <poppler/goo/gmem.h>

#include <ctime>

namespace corvander::worker {

std::string textStringBytes(const GooString& raw) {
    std::string out;
    const UnicodeMap* encoding = globalParams->getTextEncoding();
    if (encoding == nullptr)
        return out;
    Unicode* codes = nullptr;
    const int count = TextStringToUCS4(raw.toStr(), &codes);
    // Eight bytes a character, as pdfinfo allows; a character that needs more prints nothing.
    char bytes[8];
    for (int i = 0; i < count; ++i) {
        const int length = encoding->mapUnicode(codes[i], bytes, sizeof bytes);
        out.append(bytes, static_cast<std::size_t>(length));
    }
    gfree(codes);
    return out;
}

std::string dateBytes(const GooString& raw) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    int zoneHours = 0, zoneMinutes = 0;
    char zoneSign = 0;
    if (!parseDateString(&raw, &year, &month, &day, &hour, &minute, &second, &zoneSign, &zoneHours,
                         &zoneMinutes))
        return textStringBytes(raw);

    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    // The written time is in the zone the date names; timegm reads it as if it were UTC, and
    // the zone's offset then moves it to the real moment.
    std::time_t moment = ::timegm(&fields);
    if (moment == static_cast<std::time_t>(-1))
        return textStringBytes(raw);
    int offset = (zoneHours * 60 + zoneMinutes) * 60;
    if (zoneSign == '-')
        offset = -offset;
    moment -= offset;

    // Should the conversion fail, pdfinfo prints the fields timegm left behind; so does this.
    std::tm local = fields;
    ::localtime_r(&moment, &local);
    char text[256];
    const std::size_t length = std::strftime(text, sizeof text, "%c %Z", &local);
    return std::string(text, length);
}

} // namespace corvander::worker
