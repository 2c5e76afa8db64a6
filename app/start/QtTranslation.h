#pragma once
// Qt's own texts (the open, save and print dialogs, the overwrite question,
// message-box buttons) in Spanish, like the rest of the program. They come
// from the catalogue installed with Qt (Debian's qt6-translations-l10n).
// User-interface thread only.

class QTranslator;

namespace tablerix {

class QtTranslation {
public:
    // Installs Qt's Spanish catalogue in the running application, which owns
    // the translator from then on. Returns it, or nullptr when the catalogue
    // cannot be loaded (Qt then keeps its English texts).
    static QTranslator* InstallSpanish();
};

}  // namespace tablerix
