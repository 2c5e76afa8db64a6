#include "GameFile.h"

#include "Cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace tablerix {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

bool AllDigits(QStringView s) {
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString ClockText(const QString& text, bool hours) {
    if (hours && text.size() > 2 && AllDigits(text)) return QStringLiteral("99");
    return text.left(2).rightJustified(2, u'0');
}

// The first n units of s, one fewer when a surrogate pair would be split.
QString Cut(QStringView s, qsizetype n) {
    if (s.size() > n && n > 0 && s[n - 1].isHighSurrogate()) --n;
    return s.left(n).toString();
}

// Any mix of CR LF, LF and CR (and the editor's paragraph separators) becomes CR LF.
QString WithCrLf(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            out += kCrLf;
        } else if (c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            out += kCrLf;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

// ---- Writing ----

QString GameFile::SettingsLine(const std::array<QString, 9>& clocks, const std::array<int, 6>& choices) {
    QString line;
    line.reserve(kSettingsWidth);
    for (int k = 0; k < kClockFields; ++k) line += ClockText(clocks[k], k % 3 == 0);
    for (int v : choices) line += QChar(u'0' + ((v >= 0 && v <= 9) ? v : 0));
    return line;
}

QString GameFile::Compose(const GameRecordText& game) {
    QString text;
    auto add = [&text](const QString& line) {
        text += line;
        text += kCrLf;
    };
    for (const QString& line : game.MoveLines) add(line);
    add(kTimesMarker);
    add(SettingsLine(game.ClockTexts, game.Choices));
    add(kEntriesMarker);
    for (const QString& entry : game.Entries) add(entry);
    add(kNotesMarker);
    text += WithCrLf(game.Notes);
    return text;
}

QByteArray GameFile::Encode(const QString& text) {
    if (Cp1252::Fits(text)) {
        // Rare texts such as "Ã©" give bytes that also read as UTF-8; those
        // are written as UTF-8 so that the reader brings back the same text.
        QByteArray bytes = Cp1252::Encode(text);
        if (!IsUtf8WithNonAscii(bytes)) return bytes;
    }
    return text.toUtf8();
}

bool GameFile::Save(const QString& path, const GameRecordText& game) {
    const QByteArray bytes = Encode(Compose(game));
    if (bytes.size() > kMaxFileBytes) return false;
    return WriteSafely(path, bytes);
}

bool GameFile::WriteSafely(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // write() only fills Qt's buffer for a small game, and commit() would
    // rename a short file over the old one even when its own final flush
    // fails: push every byte out and check before committing.
    const bool written = file.write(bytes) == bytes.size() && file.flush() &&
                         file.error() == QFileDevice::NoError && file.size() == bytes.size();
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// ---- Reading ----

GameFile::ReadStatus GameFile::Read(const QString& path, QByteArray& bytes) {
    bytes.clear();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) return ReadStatus::Missing;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) return ReadStatus::Unreadable;
    // Read at most one byte past the limit: a growing or lying size cannot
    // make us swallow more than that.
    bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        bytes.clear();
        return ReadStatus::Unreadable;
    }
    if (bytes.size() > kMaxFileBytes) {
        bytes.clear();
        return ReadStatus::TooLarge;
    }
    return ReadStatus::Ok;
}

bool GameFile::IsUtf8WithNonAscii(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    bool nonAscii = false;
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        nonAscii = true;
        int more = 0;
        unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
        if (b >= 0xC2 && b <= 0xDF) {
            more = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2;
            if (b == 0xE0) lo = 0xA0;  // no overlong forms
            if (b == 0xED) hi = 0x9F;  // no surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            more = 3;
            if (b == 0xF0) lo = 0x90;
            if (b == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
        } else {
            return false;
        }
        if (i + more >= n) return false;
        if (p[i + 1] < lo || p[i + 1] > hi) return false;
        for (int k = 2; k <= more; ++k) {
            if (p[i + k] < 0x80 || p[i + k] > 0xBF) return false;
        }
        i += more + 1;
    }
    return nonAscii;
}

QString GameFile::Decode(const QByteArray& bytes) {
    if (!IsUtf8WithNonAscii(bytes)) return Cp1252::Decode(bytes);
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

ReplayMove GameFile::MoveOfLine(QStringView line, int index) {
    if (!line.isEmpty() && line.front() == u' ') {
        return {line.mid(14, 2).toString(), line.mid(17, 2).toString()};
    }
    const int w = index < 18 ? 0 : (index < 198 ? 1 : 2);
    return {line.mid(3 + w, 2).toString(), line.mid(6 + w, 2).toString()};
}

GameFile::GameFile(const QByteArray& bytes) {
    // Oversized input is cut rather than trusted; Read() refuses it earlier.
    text_ = Decode(bytes.left(kMaxFileBytes));

    // CR LF, LF and CR all end a line; a final line end adds no empty line.
    const qsizetype n = text_.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text_[i];
        if (c != u'\r' && c != u'\n') continue;
        lines_.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(i - start)});
        if (c == u'\r' && i + 1 < n && text_[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < n) lines_.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(n - start)});

    replayEnd_ = LineCount();
    for (int i = 0; i < LineCount(); ++i) {
        const QStringView line = Line(i);
        if (StartsWith(line, kNotesMarker) || StartsWith(line, kTimesMarker) || StartsWith(line, kEntriesMarker)) {
            replayEnd_ = i;
            break;
        }
    }

    const int times = FindFirst(kTimesMarker, 0);
    if (times >= 0 && times + 1 < LineCount()) settingsLine_ = times + 1;

    const int entries = FindFirst(kEntriesMarker, 0);
    if (entries >= 0) {
        entriesBegin_ = entries + 1;
        const int end = FindFirst(kNotesMarker, entriesBegin_);
        entriesEnd_ = end >= 0 ? end : LineCount();
    }

    const int notes = FindFirst(kNotesMarker, 0);
    if (notes >= 0) notesBegin_ = notes + 1;
}

QStringView GameFile::Line(int i) const {
    if (i < 0 || i >= LineCount()) return {};
    const Span s = lines_[static_cast<std::size_t>(i)];
    return QStringView(text_).mid(s.Pos, s.Len);
}

bool GameFile::StartsWith(QStringView line, const QString& marker) {
    return line.startsWith(marker);
}

int GameFile::FindFirst(const QString& marker, int from) const {
    for (int i = std::max(from, 0); i < LineCount(); ++i) {
        if (StartsWith(Line(i), marker)) return i;
    }
    return -1;
}

std::optional<QString> GameFile::ClockField(int k) const {
    if (!HasSettings() || k < 0 || k >= kClockFields) return std::nullopt;
    const QStringView field = Line(settingsLine_).mid(2 * k, 2);
    if (field.size() != 2 || !AllDigits(field)) return std::nullopt;
    return field.toString();
}

std::optional<int> GameFile::Choice(int k) const {
    if (!HasSettings() || k < 0 || k >= kChoiceCount) return std::nullopt;
    const QStringView line = Line(settingsLine_);
    const int col = 2 * kClockFields + k;
    if (col >= line.size()) return std::nullopt;
    const QChar c = line[col];
    if (c < u'0' || c > u'9') return std::nullopt;
    const int v = c.unicode() - u'0';
    if (v >= kChoiceItems[static_cast<std::size_t>(k)]) return std::nullopt;
    return v;
}

bool GameFile::SettingsComplete() const {
    for (int k = 0; k < kClockFields; ++k) {
        if (!ClockField(k)) return false;
    }
    for (int k = 0; k < kChoiceCount; ++k) {
        if (!Choice(k)) return false;
    }
    return true;
}

QStringList GameFile::Entries() const {
    QStringList out;
    if (entriesBegin_ < 0) return out;
    out.reserve(EntryCount());
    for (int i = entriesBegin_; i < entriesEnd_; ++i) out.append(Cut(Line(i), kEntryWidth));
    return out;
}

QStringList GameFile::NotesLines() const {
    QStringList out;
    if (notesBegin_ < 0) return out;
    for (int i = notesBegin_; i < LineCount(); ++i) out.append(Cut(Line(i), kNotesLineWidth));
    return out;
}

}  // namespace tablerix
