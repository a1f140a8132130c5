#include "settings/ProfileSection.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {

// A settings file is a few kilobytes; only this much of a file is read, and a larger file is
// never rewritten (a save that cannot keep all of it must not cut it short).
constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

constexpr QByteArrayView Utf8Bom("\xEF\xBB\xBF");
// Code page 932 as Windows writes it; Debian's ICU-backed Qt knows it under this name.
constexpr char AnsiCodec[] = "windows-31j";

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

QByteArrayView trimmedBlanks(QByteArrayView line)
{
    while (!line.isEmpty() && isBlank(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && isBlank(line.back()))
        line.chop(1);
    return line;
}

QString trimmedBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// One line of the file: [begin, end) is its text without the line end, next is where the next line
// starts. Lines end in LF, usually after a CR. Neither byte occurs inside a CP932 or UTF-8
// character, so lines can be found in the raw bytes.
struct Line {
    qsizetype begin;
    qsizetype end;
    qsizetype next;
};

Line lineAt(const QByteArray& bytes, qsizetype begin)
{
    const qsizetype lf = bytes.indexOf('\n', begin);
    const qsizetype next = lf < 0 ? bytes.size() : lf + 1;
    qsizetype end = lf < 0 ? bytes.size() : lf;
    if (end > begin && bytes[end - 1] == '\r')
        --end;
    return {begin, end, next};
}

QByteArrayView lineText(const QByteArray& bytes, const Line& line)
{
    return QByteArrayView(bytes).sliced(line.begin, line.end - line.begin);
}

QStringDecoder decoderFor(bool utf8)
{
    // Stateless: every line is decoded on its own, and a broken character stays within its line.
    return utf8 ? QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless)
                : QStringDecoder(AnsiCodec, QStringConverter::Flag::Stateless);
}

// Whether the line is a section header "[name]": the first byte other than a blank is "[" and a "]"
// follows. Blanks around the header and around the name are allowed.
bool isHeader(QByteArrayView line, QStringDecoder& decoder, QString* name = nullptr)
{
    line = trimmedBlanks(line);
    if (line.isEmpty() || line.front() != '[')
        return false;
    // Decoded before "]" is looked for: a byte 0x5D can be the second half of a CP932 character.
    const QString text = decoder(line);
    const qsizetype close = text.lastIndexOf(u']');
    if (close < 1)
        return false;
    if (name)
        *name = trimmedBlanks(text.sliced(1, close - 1));
    return true;
}

// Section names match without regard to letter case, as on Windows; only ASCII letters fold, so
// that no look-alike character can stand in for one of the name.
bool isSection(const QString& name, QLatin1StringView ours)
{
    if (name.size() != ours.size())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        const char16_t lower = (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
        const char o = ours[i].toLatin1();
        if (lower != char16_t((o >= 'A' && o <= 'Z') ? o + 32 : o))
            return false;
    }
    return true;
}

// Where a section lies in a file's bytes. Only the first such section counts.
struct SectionPlace {
    bool utf8 = false;          // the file is UTF-8: it starts with a byte order mark, or reads as UTF-8
    bool bom = false;           // the file starts with a UTF-8 byte order mark
    qsizetype textStart = 0;    // after the byte order mark
    bool found = false;
    qsizetype bodyStart = 0;    // the first line after the header
    qsizetype bodyEnd = 0;      // the next section's header, or the end of the file
};

// Linux editors write UTF-8 without a byte order mark. Text that is valid UTF-8 and not plain ASCII
// is taken as UTF-8: CP932's kana and most kanji begin with a byte that cannot start a UTF-8
// character, so a CP932 file practically never passes. Plain ASCII reads the same either way.
bool readsAsUtf8(QByteArrayView bytes)
{
    bool ascii = true;
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return false;
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

SectionPlace locateSection(const QByteArray& bytes, QLatin1StringView section)
{
    SectionPlace place;
    place.bom = bytes.startsWith(Utf8Bom);
    place.utf8 = place.bom || readsAsUtf8(bytes);
    place.textStart = place.bom ? Utf8Bom.size() : 0;
    QStringDecoder decoder = decoderFor(place.utf8);
    qsizetype pos = place.textStart;
    while (pos < bytes.size()) {
        const Line line = lineAt(bytes, pos);
        QString name;
        if (place.found) {
            if (isHeader(lineText(bytes, line), decoder)) {
                place.bodyEnd = line.begin;
                return place;
            }
        } else if (isHeader(lineText(bytes, line), decoder, &name) && isSection(name, section)) {
            place.found = true;
            place.bodyStart = line.next;
        }
        pos = line.next;
    }
    place.bodyEnd = bytes.size();
    return place;
}

// The start of the blank lines that end the body: they separate the section from the next one
// and are kept when the entries are replaced.
qsizetype trailingBlankLinesStart(const QByteArray& bytes, const SectionPlace& place)
{
    qsizetype keepFrom = place.bodyStart;
    for (qsizetype pos = place.bodyStart; pos < place.bodyEnd;) {
        const Line line = lineAt(bytes, pos);
        if (!trimmedBlanks(lineText(bytes, line)).isEmpty())
            keepFrom = line.next;
        pos = line.next;
    }
    return keepFrom;
}

// A line end cannot be stored inside an entry: it would end the entry and start another.
QString oneLine(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

bool fitsAnsi(const QList<ProfileEntry>& entries)
{
    QStringEncoder encoder(AnsiCodec, QStringConverter::Flag::Stateless);
    QStringDecoder decoder(AnsiCodec, QStringConverter::Flag::Stateless);
    if (!encoder.isValid() || !decoder.isValid())
        return false;
    for (const ProfileEntry& entry : entries) {
        for (const QString& text : {oneLine(entry.key), oneLine(entry.value)}) {
            // Compared after the round trip: ICU maps some characters one way only (U+301C -> 0x8160
            // -> U+FF5E), which would change the text silently.
            const QByteArray bytes = encoder(text);
            if (encoder.hasError() || QString(decoder(bytes)) != text)
                return false;
        }
    }
    return true;
}

QString sectionText(const QList<ProfileEntry>& entries)
{
    QString text;
    for (const ProfileEntry& entry : entries)
        text.append(oneLine(entry.key)).append(u'=').append(oneLine(entry.value)).append(u"\r\n");
    return text;
}

void endWithLineEnd(QByteArray& bytes, qsizetype textStart)
{
    if (bytes.size() <= textStart || bytes.endsWith('\n'))
        return;
    bytes += bytes.endsWith('\r') ? "\n" : "\r\n";
}

}  // namespace

QList<ProfileEntry> parseProfileSection(const QByteArray& bytes, QLatin1StringView section)
{
    QList<ProfileEntry> entries;
    const SectionPlace place = locateSection(bytes, section);
    if (!place.found)
        return entries;
    QStringDecoder decoder = decoderFor(place.utf8);
    qsizetype used = 0;
    for (qsizetype pos = place.bodyStart; pos < place.bodyEnd;) {
        const Line line = lineAt(bytes, pos);
        pos = line.next;
        const QByteArrayView text = lineText(bytes, line);
        const QByteArrayView trimmed = trimmedBlanks(text);
        if (trimmed.isEmpty() || trimmed.front() == ';')  // empty lines and comments are no entries
            continue;
        // A line that no longer fits ends the read rather than being cut into a different value.
        used += trimmed.size() + 1;
        if (used > SectionBudget)
            break;
        const QString entry = decoder(text);
        const qsizetype equals = entry.indexOf(u'=');
        if (equals < 0)
            continue;
        // Split at the first "=": a name may hold "=" itself. Blanks around the key go, the value
        // stays as written, since a name may begin or end with blanks.
        entries.append({trimmedBlanks(entry.first(equals)), entry.sliced(equals + 1)});
    }
    return entries;
}

std::optional<QList<ProfileEntry>> readProfileSection(const QString& path, QLatin1StringView section)
{
    const QFileInfo info(path);
    if (!info.isFile())  // missing, a folder, a device or a pipe
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(qMin(file.size(), MaxFileBytes));
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    QList<ProfileEntry> entries = parseProfileSection(bytes, section);
    if (entries.isEmpty())
        return std::nullopt;
    return entries;
}

namespace {

// The whole file as it is before a write: empty when there is none; nullopt when it cannot be
// read or is too large to be rewritten whole.
std::optional<QByteArray> oldBytes(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QByteArray();
    if (!info.isFile() || info.size() > MaxFileBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray old = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError || old.size() > MaxFileBytes)
        return std::nullopt;
    return old;
}

bool saveBytes(const QString& path, const QByteArray& out)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // write() only fills a buffer, and commit() does not notice a failed last flush (a full disk):
    // it would put the short file in place of the old one. Flushing first lets the failure show.
    if (file.write(out) != out.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace

bool writeProfileSection(const QString& path, const QList<ProfileEntry>& entries, QLatin1StringView section)
{
    const std::optional<QByteArray> read = oldBytes(path);
    if (!read)
        return false;
    const QByteArray& old = *read;

    const SectionPlace place = locateSection(old, section);
    QByteArray before;
    QByteArray after;
    if (place.found) {
        before = old.first(place.bodyStart);
        endWithLineEnd(before, place.textStart);  // a header on the file's last line, without a line end
        after = old.sliced(trailingBlankLinesStart(old, place));
    } else {
        before = old;
        endWithLineEnd(before, place.textStart);
        before += '[' + QByteArray(section.data(), section.size()) + "]\r\n";
    }
    const QString body = sectionText(entries);

    QByteArray out;
    if (place.bom) {
        out = before + body.toUtf8() + after;
    } else if (!place.utf8 && fitsAnsi(entries)) {
        QStringEncoder encoder(AnsiCodec, QStringConverter::Flag::Stateless);
        out = before + QByteArray(encoder(body)) + after;
    } else {
        // A text that CP932 cannot hold (an emoji, Hangul) would be lost, so the file is marked as
        // UTF-8 and the section written so; a file read as UTF-8 without the mark gets it, so that
        // every reader takes it as UTF-8 from now on. The other sections keep their bytes: the game never
        // reads them, and whatever wrote them finds them as it left them.
        out = Utf8Bom.toByteArray() + before + body.toUtf8() + after;
        // A header that only CP932 reads as this section ("]" as the second byte of a character
        // after it) would hide the section from the next read: such a file is not rewritten.
        if (locateSection(out, section).bodyStart != Utf8Bom.size() + before.size())
            return false;
    }
    return saveBytes(path, out);
}

bool removeProfileSection(const QString& path, QLatin1StringView section)
{
    const std::optional<QByteArray> old = oldBytes(path);
    if (!old)
        return false;
    const SectionPlace place = locateSection(*old, section);
    if (!place.found)
        return true;
    // From the start of its header line to the next section's header.
    const QByteArray& bytes = *old;
    const qsizetype headerEnd = place.bodyStart;  // past the header line's end, or the file's end
    const qsizetype lastOfHeader = bytes[headerEnd - 1] == '\n' ? headerEnd - 2 : headerEnd - 1;
    const qsizetype header = std::max(bytes.lastIndexOf('\n', lastOfHeader) + 1, place.textStart);
    return saveBytes(path, bytes.first(header) + bytes.sliced(place.bodyEnd));
}
