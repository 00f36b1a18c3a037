// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/GbkText.h"

#include <QList>
#include <QStringDecoder>

#include <cerrno>
#include <iconv.h>

namespace GbkText {

bool IsValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    Q_UNUSED(text);
    return !decoder.hasError();
}

namespace {

QString DecodeGb18030(const QByteArray& bytes)
{
    iconv_t cd = iconv_open("UTF-8", "GB18030");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return QString::fromLatin1(bytes);
    }
    QByteArray out;
    out.reserve(bytes.size() * 3 / 2 + 4);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char buffer[4096];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<qsizetype>(outPtr - buffer));
        if (rc == static_cast<size_t>(-1)) {
            if (errno == E2BIG) {
                continue;
            }
            // EILSEQ or a truncated sequence at the end: replace one byte and go on.
            out.append("\xEF\xBF\xBD");
            ++in;
            --inLeft;
        }
    }
    iconv_close(cd);
    return QString::fromUtf8(out);
}

// Counts the well-formed multibyte UTF-8 sequences and the bytes that belong to none. A GBK file
// of Chinese text is mostly bytes that cannot be UTF-8; a UTF-8 file with a stray byte is mostly
// sequences that are.
bool MostlyUtf8(const QByteArray& bytes)
{
    qint64 sequences = 0;
    qint64 stray = 0;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const int length = lead >= 0xC2 && lead <= 0xDF   ? 2
                           : lead >= 0xE0 && lead <= 0xEF ? 3
                           : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                          : 0;
        bool whole = length > 0 && i + length <= size;
        for (int k = 1; whole && k < length; ++k) {
            whole = (data[i + k] & 0xC0) == 0x80;
        }
        if (whole) {
            ++sequences;
            i += length;
        } else {
            ++stray;
            ++i;
        }
    }
    return sequences > 2 * stray;
}

} // namespace

QString DecodeFileText(const QByteArray& bytes)
{
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF")) {
        body.remove(0, 3);
    } else if (const auto marked = QStringConverter::encodingForData(body)) {
        // UTF-16 or UTF-32; the decoder drops the mark itself.
        QStringDecoder decoder(*marked);
        return decoder.decode(body);
    }
    if (IsValidUtf8(body) || MostlyUtf8(body)) {
        // A few stray bytes in UTF-8 text become U+FFFD each: the rest keeps its meaning.
        return QString::fromUtf8(body);
    }
    return DecodeGb18030(body);
}

int UnitsOf(char32_t codePoint)
{
    return codePoint < 0x80 ? 1 : 2;
}

int ByteLength(const QString& text)
{
    int total = 0;
    for (char32_t cp : text.toUcs4()) {
        total += UnitsOf(cp);
    }
    return total;
}

QString TruncateToBytes(const QString& text, int maxBytes)
{
    int used = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const char32_t cp =
            pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
        if (used + UnitsOf(cp) > maxBytes) {
            break;
        }
        used += UnitsOf(cp);
        i += pair ? 2 : 1;
    }
    return text.left(i);
}

} // namespace GbkText
