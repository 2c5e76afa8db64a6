// libFuzzer target for the game-file reader: any bytes must parse without a
// crash, every accessor must stay inside its bounds, and the check a load
// makes first must agree with what it found.
#include "GameFile.h"
#include "GameFileCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using tablerix::GameFile;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const GameFile f(bytes);
    if (f.ReplayCount() > f.LineCount()) std::abort();
    for (int i = 0; i < f.ReplayCount(); ++i) {
        const tablerix::ReplayMove m = f.ReplayAt(i);
        if (m.FromText.size() > 2 || m.ToText.size() > 2) std::abort();
    }
    for (int k = 0; k < GameFile::kClockFields; ++k) {
        if (const auto c = f.ClockField(k); c && c->size() != 2) std::abort();
    }
    for (int k = 0; k < GameFile::kChoiceCount; ++k) {
        if (const auto c = f.Choice(k); c && (*c < 0 || *c >= GameFile::kChoiceItems[static_cast<std::size_t>(k)]))
            std::abort();
    }
    const QStringList entries = f.Entries();
    if (entries.size() != f.EntryCount()) std::abort();
    for (const QString& e : entries) {
        if (e.size() > GameFile::kEntryWidth) std::abort();
    }
    for (const QString& n : f.NotesLines()) {
        if (n.size() > GameFile::kNotesLineWidth) std::abort();
    }
    // What was read must survive being written again, when it can be: a save
    // refuses a text past the size limit (line ends made CR LF can grow a
    // file read at the limit), and a read looks no further.
    tablerix::GameRecordText again;
    again.Entries = entries;
    again.Notes = f.NotesLines().join(u'\n');
    const QByteArray out = GameFile::Encode(GameFile::Compose(again));
    if (out.size() <= GameFile::kMaxFileBytes) {
        const GameFile back(out);
        if (back.Entries() != entries) std::abort();
    }
    const tablerix::GameFileCheck check = tablerix::GameFileCheck::OfBytes(bytes);
    if (check.Playable()) {
        const bool game = !check.Moves().empty() && !entries.isEmpty();
        if (game == check.BeforeFirstMove()) std::abort();
        for (const auto& m : check.Moves()) {
            if (m.Index >= static_cast<std::size_t>(f.ReplayCount())) std::abort();
        }
    }
    return 0;
}
