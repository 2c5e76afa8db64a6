#include "GameFileCheck.h"

#include "ChessBrdCore.h"

#include <utility>

namespace tablerix {

GameFileCheck GameFileCheck::OfPath(const QString& path) {
    QByteArray bytes;
    switch (GameFile::Read(path, bytes)) {
    case GameFile::ReadStatus::Ok: return OfBytes(bytes);
    case GameFile::ReadStatus::Missing: return GameFileCheck(Verdict::Missing);
    case GameFile::ReadStatus::Unreadable: return GameFileCheck(Verdict::Unreadable);
    case GameFile::ReadStatus::TooLarge: break;  // far too large to be a game
    }
    return GameFileCheck(Verdict::Unusable);
}

GameFileCheck GameFileCheck::OfBytes(const QByteArray& bytes) {
    if (bytes.size() > GameFile::kMaxFileBytes) return GameFileCheck(Verdict::Unusable);
    // 8-bit text never holds a NUL byte: this is binary data, UTF-16 or UTF-32.
    if (bytes.contains('\0')) return GameFileCheck(Verdict::Unusable);
    GameFile file(bytes);
    std::vector<ReplayCheck::Move> tried;
    tried.reserve(static_cast<std::size_t>(file.ReplayCount()));
    for (int i = 0; i < file.ReplayCount(); ++i) {
        const ReplayMove m = file.ReplayAt(i);
        tried.push_back(
            {ChessBrdCore::StrToSquare(m.FromText.toStdString()), ChessBrdCore::StrToSquare(m.ToText.toStdString())});
    }
    std::vector<ReplayCheck::Accepted> accepted = ReplayCheck::Run(tried);

    const bool game = !accepted.empty() && file.EntryCount() > 0;
    const bool beforeFirstMove =
        file.ReplayCount() == 0 && file.SettingsComplete() && file.HasEntriesMarker() && file.EntryCount() == 0;
    if (!game && !beforeFirstMove) return GameFileCheck(Verdict::Unusable);

    GameFileCheck check(Verdict::Playable);
    check.beforeFirstMove_ = beforeFirstMove;
    check.file_.emplace(std::move(file));
    check.moves_ = std::move(accepted);
    return check;
}

}  // namespace tablerix
