#include "tests/support/pdf_writer.h"

#include <QFile>

namespace {

// A literal string: Latin-1 bytes with the delimiters escaped and control bytes as octal.
QByteArray literalString(const QString& text) {
    QByteArray out("(");
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        const auto byte = static_cast<unsigned char>(code <= 0xFF ? code : '?');
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

// An information string: plain ASCII as a literal, anything else as UTF-16BE with its byte
// order mark, which every reader decodes the same way.
QByteArray textString(const QString& text) {
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() >= 32 && c.unicode() < 127;
    if (ascii)
        return literalString(text);
    QByteArray hex("<FEFF");
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    hex += '>';
    return hex;
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

class ObjectTable {
public:
    // A number for an object whose body is set later.
    int reserve() { return add({}); }
    void set(int number, const QByteArray& body) { m_bodies[number - 1] = body; }
    int add(const QByteArray& body) {
        m_bodies.append(body);
        return int(m_bodies.size());
    }

    QByteArray write(const QString& version, int catalog, int info) const {
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
        out += " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
        return out;
    }

private:
    QList<QByteArray> m_bodies;
};

} // namespace

QByteArray pdfBytes(const PdfDocument& doc) {
    ObjectTable objects;
    const int catalog = objects.reserve();
    const int pageTree = objects.reserve();
    const int font = objects.add("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica "
                                 "/Encoding /WinAnsiEncoding >>");
    int image = 0;
    if (doc.imageOnly) {
        QByteArray pixels;
        for (int i = 0; i < 64; ++i)
            pixels += char((i * 37) % 256);
        image = objects.add(stream("/Type /XObject /Subtype /Image /Width 8 /Height 8 "
                                   "/ColorSpace /DeviceGray /BitsPerComponent 8",
                                   pixels));
    }

    QByteArray kids;
    const qsizetype pageCount = doc.pages.size();
    for (qsizetype i = 0; i < pageCount; ++i) {
        const QByteArray content = doc.imageOnly ? QByteArray("q 144 0 0 144 72 576 cm /Im1 Do Q")
                                                 : textContent(doc.pages[i]);
        const int contents = objects.add(stream({}, content));
        QByteArray resources = "<< /Font << /F1 " + QByteArray::number(font) + " 0 R >>";
        if (image > 0)
            resources += " /XObject << /Im1 " + QByteArray::number(image) + " 0 R >>";
        resources += " >>";
        const int page = objects.add("<< /Type /Page /Parent " + QByteArray::number(pageTree) +
                                     " 0 R /MediaBox [0 0 612 792] /Resources " + resources +
                                     " /Contents " + QByteArray::number(contents) + " 0 R >>");
        kids += (kids.isEmpty() ? "" : " ") + QByteArray::number(page) + " 0 R";
    }
    objects.set(pageTree, "<< /Type /Pages /Kids [" + kids + "] /Count " +
                              QByteArray::number(pageCount) + " >>");

    QByteArray catalogBody = "<< /Type /Catalog /Pages " + QByteArray::number(pageTree) + " 0 R";
    if (!doc.xmpMetadata.isEmpty()) {
        const int metadata =
            objects.add(stream("/Type /Metadata /Subtype /XML", doc.xmpMetadata.toUtf8()));
        catalogBody += " /Metadata " + QByteArray::number(metadata) + " 0 R";
    }
    objects.set(catalog, catalogBody + " >>");

    int info = 0;
    if (!doc.info.isEmpty()) {
        QByteArray body("<<");
        for (auto it = doc.info.cbegin(); it != doc.info.cend(); ++it)
            body += " /" + it.key().toLatin1() + " " + textString(it.value());
        info = objects.add(body + " >>");
    }
    return objects.write(doc.version, catalog, info);
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
