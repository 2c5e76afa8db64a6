#include "AppearanceImages.h"

namespace tablerix {

QImage AppearanceImages::Picture(const QString& resource) {
    auto it = pictures_.find(resource);
    if (it == pictures_.end()) it = pictures_.emplace(resource, QImage(resource)).first;
    return it->second;  // shared, not copied, until someone writes to it
}

bool AppearanceImages::IsDecoded(const QString& resource) const { return pictures_.count(resource) != 0; }

}  // namespace tablerix
