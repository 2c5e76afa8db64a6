#include "PieceSet.h"

#include <QColor>

#include <cstring>

namespace tablerix {

namespace {

// Picture cell plus mask cell -> one premultiplied image with binary alpha.
QImage CutMaskedImage(const QImage& set, int x, int y, int k) {
    QImage out(k, k, QImage::Format_ARGB32_Premultiplied);
    if (k <= 0) return out;
    for (int j = 0; j < k; ++j) {
        const auto* pic = reinterpret_cast<const QRgb*>(set.constScanLine(y + j)) + x;
        const auto* mask = reinterpret_cast<const QRgb*>(set.constScanLine(y + k + j)) + x;
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(j));
        for (int i = 0; i < k; ++i) dst[i] = (mask[i] & 0xFFFFFFu) == 0xFFFFFFu ? 0u : (pic[i] | 0xFF000000u);
    }
    return out;
}

}  // namespace

bool PieceSet::IsUsableBitmap(const QImage& bitmap) noexcept {
    return !bitmap.isNull() && bitmap.width() > 0 && bitmap.height() > 0;
}

bool PieceSet::IsPieceSetShape(const QImage& bitmap) noexcept {
    return IsUsableBitmap(bitmap) &&
           static_cast<long long>(bitmap.width()) * 2 == static_cast<long long>(bitmap.height()) * 3;
}

void PieceSet::LoadDefaultPieceSet() { default_ = QImage(QString::fromLatin1(kDefaultResource)); }

bool PieceSet::SetCustomPieceSet(const std::optional<QImage>& set) {
    if (set && !IsPieceSetShape(*set)) return false;
    custom_ = set.value_or(QImage());
    return true;
}

const QImage& PieceSet::ActiveSet() const noexcept { return IsPieceSetShape(custom_) ? custom_ : default_; }

void PieceSet::PreparePieceImages() {
    // Any depth or palette: work on plain 32-bit pixels, alpha ignored.
    const QImage& active = ActiveSet();
    const QImage set = active.isNull() ? QImage() : active.convertToFormat(QImage::Format_RGB32);
    const int k = set.isNull() ? 0 : set.height() / 4;
    cell_ = k;
    images_.clear();
    images_.reserve(12);
    for (int colour = 0; colour < 2; ++colour) {
        for (int piece = 0; piece < 6; ++piece) {
            images_.push_back(CutMaskedImage(set, piece * k, 2 * colour * k, k));
        }
    }
}

int PieceSet::ImageIndexOf(char letter) const noexcept {
    if (letter == '\0') return -1;
    const char* found = std::strchr(kLetters, letter);
    if (!found) return -1;
    const auto i = static_cast<int>(found - kLetters);
    return i < static_cast<int>(images_.size()) ? i : -1;
}

QImage PieceSet::ImageOf(char letter) const {
    const int i = ImageIndexOf(letter);
    return i < 0 || i >= static_cast<int>(images_.size()) ? QImage() : images_[static_cast<std::size_t>(i)];
}

}  // namespace tablerix
