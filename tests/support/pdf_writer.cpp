#include "tests/support/pdf_writer.h"

#include "tests/support/pdf_security.h"

#include <QCryptographicHash>
#include <QFile>

namespace corvander {

namespace {

// A literal string of these bytes, the delimiters escaped and control bytes as octal.
QByteArray literalBytes(const QByteArray& bytes) {
    QByteArray out("(");
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '(' || byte == ')' || byte == '\\') {
            out += '\\';
            out += char(byte);
        } else if (byte < 32 || byte == 127) {
            out += QByteArray("\\") + QByteArray::number(byte, 8).rightJustified(3, '0');
        } else {
            out += char(byte);
        }
    }
    out += ')';
    return out;
}

// A literal string: Latin-1 bytes.
QByteArray literalString(const QString& text) {
    QByteArray bytes;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        bytes += char(code <= 0xFF ? code : '?');
    }
    return literalBytes(bytes);
}

bool isPlainAscii(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 32 || c.unicode() >= 127)
            return false;
    }
    return true;
}

// An information string: plain ASCII as a literal, anything else as UTF-16BE with its byte
// order mark, which every reader decodes the same way.
QByteArray textString(const QString& text) {
    if (isPlainAscii(text))
        return literalString(text);
    QByteArray hex("<FEFF");
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    hex += '>';
    return hex;
}

// The bytes textString() writes, before they are written.
QByteArray textStringBytes(const QString& text) {
    if (isPlainAscii(text))
        return text.toLatin1();
    QByteArray bytes("\xFE\xFF");
    for (const QChar c : text) {
        bytes += char(c.unicode() >> 8);
        bytes += char(c.unicode() & 0xFF);
    }
    return bytes;
}

QByteArray stream(const QByteArray& dictionaryEntries, const QByteArray& data) {
    return "<< " + dictionaryEntries + " /Length " + QByteArray::number(data.size()) +
           " >>\nstream\n" + data + "\nendstream";
}

QByteArray textContent(const QStringList& lines) {
    QByteArray content("BT\n/F1 12 Tf\n14 TL\n72 720 Td\n");
    for (const QString& line : lines)
        content += literalString(line) + " Tj T*\n";
    content += "ET";
    return content;
}

QByteArray reference(int number) {
    return QByteArray::number(number) + " 0 R";
}

QByteArray boxEntry(const char* name, const QList<double>& box) {
    QByteArray out = QByteArray(" /") + name + " [";
    for (qsizetype i = 0; i < box.size(); ++i)
        out += (i > 0 ? " " : "") + QByteArray::number(box[i]);
    return out + "]";
}

class ObjectTable {
public:
    // A number for an object whose body is set later.
    int reserve() { return add({}); }
    void set(int number, const QByteArray& body) { m_bodies[number - 1] = body; }
    int add(const QByteArray& body) {
        m_bodies.append(body);
        return int(m_bodies.size());
    }
    // A stream, encrypted when the document is.
    void setStream(int number, const QByteArray& dictionaryEntries, const QByteArray& data) {
        set(number, stream(dictionaryEntries, m_security ? m_security->crypt(number, data) : data));
    }
    int addStream(const QByteArray& dictionaryEntries, const QByteArray& data) {
        const int number = reserve();
        setStream(number, dictionaryEntries, data);
        return number;
    }
    // A string in the body of an object, encrypted when the document is.
    QByteArray string(int number, const QByteArray& bytes) const {
        return m_security ? "<" + m_security->crypt(number, bytes).toHex().toUpper() + ">"
                          : literalBytes(bytes);
    }
    void encryptWith(const PdfSecurity* security) { m_security = security; }

    QByteArray write(const QString& version, int catalog, int info,
                     const QByteArray& trailerExtras) const {
        QByteArray out = "%PDF-" + version.toLatin1() + "\n%\xE2\xE3\xCF\xD3\n";
        QList<qsizetype> offsets;
        for (qsizetype i = 0; i < m_bodies.size(); ++i) {
            offsets.append(out.size());
            out += QByteArray::number(i + 1) + " 0 obj\n" + m_bodies[i] + "\nendobj\n";
        }
        const qsizetype xref = out.size();
        out += "xref\n0 " + QByteArray::number(m_bodies.size() + 1) + "\n";
        out += "0000000000 65535 f \n";
        for (const qsizetype offset : offsets)
            out += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
        out += "trailer\n<< /Size " + QByteArray::number(m_bodies.size() + 1) + " /Root " +
               QByteArray::number(catalog) + " 0 R";
        if (info > 0)
            out += " /Info " + QByteArray::number(info) + " 0 R";
        out += trailerExtras;
        out += " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
        return out;
    }

private:
    QList<QByteArray> m_bodies;
    const PdfSecurity* m_security = nullptr;
};

// The forms /X1, /X2, ...: each may draw the others and write in /F1.
QByteArray resourcesOf(int font, const QList<int>& forms, int image,
                       const QList<int>& extraFonts = {}) {
    QByteArray resources = "<< /Font << /F1 " + reference(font);
    for (qsizetype i = 0; i < extraFonts.size(); ++i)
        resources += " /F" + QByteArray::number(i + 2) + " " + reference(extraFonts[i]);
    resources += " >>";
    if (!forms.isEmpty() || image > 0) {
        resources += " /XObject <<";
        for (qsizetype i = 0; i < forms.size(); ++i)
            resources += " /X" + QByteArray::number(i + 1) + " " + reference(forms[i]);
        if (image > 0)
            resources += " /Im1 " + reference(image);
        resources += " >>";
    }
    return resources + " >>";
}

QList<int> addForms(ObjectTable& objects, const QList<QByteArray>& contents, int font) {
    QList<int> numbers;
    for (qsizetype i = 0; i < contents.size(); ++i)
        numbers.append(objects.reserve());
    const QByteArray resources = resourcesOf(font, numbers, 0);
    for (qsizetype i = 0; i < contents.size(); ++i)
        objects.setStream(numbers[i],
                          "/Type /XObject /Subtype /Form /BBox [0 0 612 792] "
                          "/Resources " +
                              resources,
                          contents[i]);
    return numbers;
}

QList<double> mediaBoxOf(const PdfPageSetup& setup) {
    return setup.mediaBox.isEmpty() ? QList<double>{0, 0, 612, 792} : setup.mediaBox;
}

// The picture stretched over the media box.
QByteArray pictureContent(const PdfPageSetup& setup) {
    const QList<double> box = mediaBoxOf(setup);
    return "q " + QByteArray::number(box[2] - box[0]) + " 0 0 " +
           QByteArray::number(box[3] - box[1]) + " " + QByteArray::number(box[0]) + " " +
           QByteArray::number(box[1]) + " cm /Im1 Do Q";
}

int addPicture(ObjectTable& objects, const PdfGreyImage& picture) {
    // qCompress puts the length in four bytes before the zlib stream that FlateDecode reads.
    const QByteArray deflated = qCompress(picture.pixels).mid(4);
    return objects.addStream("/Type /XObject /Subtype /Image /Width " +
                                 QByteArray::number(picture.width) + " /Height " +
                                 QByteArray::number(picture.height) +
                                 " /ColorSpace /DeviceGray /BitsPerComponent 8"
                                 " /Filter /FlateDecode",
                             deflated);
}

QByteArray pageEntries(const PdfPageSetup& setup) {
    QByteArray entries = boxEntry("MediaBox", mediaBoxOf(setup));
    if (!setup.cropBox.isEmpty())
        entries += boxEntry("CropBox", setup.cropBox);
    if (setup.rotate != 0)
        entries += " /Rotate " + QByteArray::number(setup.rotate);
    return entries;
}

int addInfo(ObjectTable& objects, const PdfDocument& doc) {
    if (doc.info.isEmpty() && doc.rawInfo.isEmpty())
        return 0;
    const int info = objects.reserve();
    const bool encrypted = doc.encryption.has_value();
    QByteArray body("<<");
    for (auto it = doc.info.cbegin(); it != doc.info.cend(); ++it) {
        body += " /" + it.key().toLatin1() + " " +
                (encrypted ? objects.string(info, textStringBytes(it.value()))
                           : textString(it.value()));
    }
    for (auto it = doc.rawInfo.cbegin(); it != doc.rawInfo.cend(); ++it)
        body += " /" + it.key().toLatin1() + " " + objects.string(info, it.value());
    objects.set(info, body + " >>");
    return info;
}

} // namespace

QByteArray pdfBytes(const PdfDocument& doc) {
    ObjectTable objects;
    // Every document gets an identifier of its own content; encryption keys depend on it.
    const QByteArray fileId = QCryptographicHash::hash(
        QByteArray::number(doc.pages.size()) + doc.version.toLatin1() + doc.xmpMetadata.toUtf8(),
        QCryptographicHash::Md5);
    std::optional<PdfSecurity> security;
    if (doc.encryption) {
        security.emplace(doc.encryption->userPassword, doc.encryption->ownerPassword,
                         doc.encryption->permissions, fileId);
        objects.encryptWith(&*security);
    }

    const int catalog = objects.reserve();
    const int pageTree = objects.reserve();
    const int font = objects.add("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica "
                                 "/Encoding /WinAnsiEncoding >>");
    int image = 0;
    if (doc.imageOnly) {
        QByteArray pixels;
        for (int i = 0; i < 64; ++i)
            pixels += char((i * 37) % 256);
        image = objects.addStream("/Type /XObject /Subtype /Image /Width 8 /Height 8 "
                                  "/ColorSpace /DeviceGray /BitsPerComponent 8",
                                  pixels);
    }
    const QList<int> forms = addForms(objects, doc.forms, font);
    QList<int> extraFonts;
    for (const QString& name : doc.extraFonts)
        extraFonts << objects.add("<< /Type /Font /Subtype /Type1 /BaseFont /" + name.toLatin1() +
                                  " /Encoding /WinAnsiEncoding >>");

    QByteArray kids;
    const qsizetype pageCount = doc.pages.size();
    for (qsizetype i = 0; i < pageCount; ++i) {
        const int index = int(i);
        const PdfPageSetup setup = doc.pageSetup.value(index);
        int pageImage = image;
        QByteArray content;
        if (doc.pageImages.contains(index)) {
            pageImage = addPicture(objects, doc.pageImages.value(index));
            content = pictureContent(setup);
        } else if (doc.rawContent.contains(index)) {
            content = doc.rawContent.value(index);
        } else if (doc.imageOnly) {
            content = "q 144 0 0 144 72 576 cm /Im1 Do Q";
        } else {
            content = textContent(doc.pages[i]);
        }
        const int contents = objects.addStream({}, content);
        const int page =
            objects.add("<< /Type /Page /Parent " + reference(pageTree) + pageEntries(setup) +
                        " /Resources " + resourcesOf(font, forms, pageImage, extraFonts) +
                        " /Contents " + reference(contents) + " >>");
        kids += (kids.isEmpty() ? "" : " ") + reference(page);
    }
    objects.set(pageTree, "<< /Type /Pages /Kids [" + kids + "] /Count " +
                              QByteArray::number(pageCount) + " >>");

    QByteArray catalogBody = "<< /Type /Catalog /Pages " + reference(pageTree);
    if (!doc.xmpMetadata.isEmpty()) {
        const int metadata =
            objects.addStream("/Type /Metadata /Subtype /XML", doc.xmpMetadata.toUtf8());
        catalogBody += " /Metadata " + reference(metadata);
    }
    if (!doc.catalogEntries.isEmpty())
        catalogBody += " " + doc.catalogEntries;
    objects.set(catalog, catalogBody + " >>");

    const int info = addInfo(objects, doc);
    QByteArray trailerExtras;
    if (security) {
        const QByteArray id = "<" + fileId.toHex().toUpper() + ">";
        trailerExtras = " /Encrypt " + reference(objects.add(security->dictionary())) + " /ID [" +
                        id + " " + id + "]";
    }
    return objects.write(doc.version, catalog, info, trailerExtras);
}

bool writePdf(const QString& path, const PdfDocument& doc) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = pdfBytes(doc);
    return file.write(bytes) == bytes.size() && file.flush();
}

PdfDocument pdfOfPages(const QStringList& pageTexts) {
    PdfDocument doc;
    for (const QString& text : pageTexts)
        doc.pages.append(QStringList{text});
    return doc;
}

} // namespace corvander
