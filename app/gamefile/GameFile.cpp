#include "GameFile.h"

#include "Cp1252.h"
#include "Utf8Check.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <string>
#include <string_view>
#include <vector>

namespace tablerix {

namespace {

// Qt strings and the plain ones hold the same UTF-16 units; these copy them
// unit for unit (QString::fromUtf16 would drop a leading byte-order mark).
QString ToQString(std::u16string_view s) { return QStringView(s.data(), static_cast<qsizetype>(s.size())).toString(); }

std::u16string_view ToPlainView(QStringView s) {
    return std::u16string_view(s.utf16(), static_cast<std::size_t>(s.size()));
}

std::u16string ToPlain(QStringView s) { return std::u16string(ToPlainView(s)); }

std::vector<std::u16string> ToPlainLines(const QStringList& list) {
    std::vector<std::u16string> out;
    out.reserve(static_cast<std::size_t>(list.size()));
    for (const QString& s : list) out.push_back(ToPlain(s));
    return out;
}

QStringList ToQStringList(const std::vector<std::u16string>& list) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(list.size()));
    for (const std::u16string& s : list) out.append(ToQString(s));
    return out;
}

ReplayMove ToReplayMove(const LineMove& m) { return {ToQString(m.FromText), ToQString(m.ToText)}; }

std::array<std::u16string, GameFile::kClockFields> ToPlainClocks(const std::array<QString, 9>& clocks) {
    std::array<std::u16string, GameFile::kClockFields> out;
    for (std::size_t k = 0; k < out.size(); ++k) out[k] = ToPlain(clocks[k]);
    return out;
}

}  // namespace

// ---- Writing ----

QString GameFile::SettingsLine(const std::array<QString, 9>& clocks, const std::array<int, 6>& choices) {
    return ToQString(GameFileFormat::SettingsLine(ToPlainClocks(clocks), choices));
}

QString GameFile::Compose(const GameRecordText& game) {
    GameFileRecord plain;
    plain.MoveLines = ToPlainLines(game.MoveLines);
    plain.ClockTexts = ToPlainClocks(game.ClockTexts);
    plain.Choices = game.Choices;
    plain.Entries = ToPlainLines(game.Entries);
    plain.Notes = ToPlain(game.Notes);
    return ToQString(GameFileFormat::Compose(plain));
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
    const bool written = file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError &&
                         file.size() == bytes.size();
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
    return Utf8Check::IsValidWithNonAscii(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString GameFile::Decode(const QByteArray& bytes) {
    if (!IsUtf8WithNonAscii(bytes)) return Cp1252::Decode(bytes);
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

ReplayMove GameFile::MoveOfLine(QStringView line, int index) {
    return ToReplayMove(GameFileFormat::MoveOfLine(ToPlainView(line), index));
}

// Oversized input is cut rather than trusted; Read() refuses it earlier.
GameFile::GameFile(const QByteArray& bytes) : text_(ToPlain(Decode(bytes.left(kMaxFileBytes)))) {}

QStringView GameFile::Line(int i) const {
    const std::u16string_view line = text_.Line(i);
    return QStringView(line.data(), static_cast<qsizetype>(line.size()));
}

ReplayMove GameFile::ReplayAt(int i) const { return ToReplayMove(text_.ReplayAt(i)); }

std::optional<QString> GameFile::ClockField(int k) const {
    const std::optional<std::u16string_view> field = text_.ClockField(k);
    if (!field) return std::nullopt;
    return ToQString(*field);
}

QStringList GameFile::Entries() const { return ToQStringList(text_.Entries()); }

QStringList GameFile::NotesLines() const { return ToQStringList(text_.NotesLines()); }

}  // namespace tablerix
